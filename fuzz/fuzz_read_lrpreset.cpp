#include "fuzz_environment.h"

#include "conversion/lightroom_importer.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

// The whole input is a template file; read_lrpreset picks the dialect itself.
extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    QString const path = fuzz_environment::instance().write_input(data, size);
    lightroom_importer importer;
    try {
        importer.read_lrpreset(path);
    } catch (std::runtime_error const&) {
    }
    return 0;
}
