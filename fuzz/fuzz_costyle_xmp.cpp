#include "fuzz_environment.h"

#include "conversion/costyle_writer.h"
#include "conversion/lightroom_importer.h"

#include <cstddef>
#include <cstdint>

// An XMP preset read, checked and turned into a style, as the conversion flow
// does.
extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    fuzz_environment& environment = fuzz_environment::instance();
    static costyle_writer const writer;
    QString const path = environment.write_input(data, size);
    environment.choose_colorspace(data, size);
    lightroom_importer importer;
    importer.read_xmp(path);
    bool white_balance = false;
    bool unsupported = false;
    bool calibration = false;
    writer.check_costyle(white_balance, unsupported, calibration, importer);
    QString xml;
    writer.create_costyle(importer, xml);
    return 0;
}
