#include "fuzz_environment.h"

#include "conversion/lightroom_importer.h"

#include <cstddef>
#include <cstdint>

// The whole input is an XMP file; the reader reports problems only in the log.
extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    QString const path = fuzz_environment::instance().write_input(data, size);
    lightroom_importer importer;
    importer.read_xmp(path);
    return 0;
}
