// Writes the three ProPhoto RGB lookup tables that the engine embeds:
// 17 levels per axis (red slowest, blue fastest), 10-bit output, relative
// colorimetric intent, evaluated in double precision without optimisation.
//
// Usage: make_3dl OUTPUT_DIRECTORY

#include <lcms2.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr int levels = 17;
constexpr double output_max = 1023.0;
constexpr char shaper_line[] = "0 64 128 192 256 320 384 448 512 576 640 704 768 832 896 960 1023";

struct profile_closer {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using profile_ptr = std::unique_ptr<void, profile_closer>;

struct curve_freer {
    void operator()(cmsToneCurve* curve) const { cmsFreeToneCurve(curve); }
};
using curve_ptr = std::unique_ptr<cmsToneCurve, curve_freer>;

struct transform_deleter {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using transform_ptr = std::unique_ptr<void, transform_deleter>;

cmsCIExyY white_d50()
{
    return *cmsD50_xyY();
}

cmsCIExyY white_d65()
{
    return {0.3127, 0.3290, 1.0};
}

profile_ptr rgb_profile(cmsCIExyY const& white, cmsCIExyYTRIPLE const& primaries, cmsToneCurve* curve)
{
    cmsToneCurve* curves[3] = {curve, curve, curve};
    profile_ptr profile(cmsCreateRGBProfile(&white, &primaries, curves));
    if (!profile) {
        throw std::runtime_error("cannot create an RGB profile");
    }
    return profile;
}

profile_ptr gamma_profile(cmsCIExyY const& white, cmsCIExyYTRIPLE const& primaries, double gamma)
{
    curve_ptr curve(cmsBuildGamma(nullptr, gamma));
    return rgb_profile(white, primaries, curve.get());
}

profile_ptr prophoto_rgb()
{
    return gamma_profile(white_d50(), {{0.7347, 0.2653, 1.0}, {0.1596, 0.8404, 1.0}, {0.0366, 0.0001, 1.0}}, 1.8);
}

profile_ptr adobe_rgb_1998()
{
    return gamma_profile(white_d65(), {{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}}, 563.0 / 256.0);
}

profile_ptr wide_gamut_rgb()
{
    return gamma_profile(white_d50(), {{0.7347, 0.2653, 1.0}, {0.1152, 0.8264, 1.0}, {0.1566, 0.0177, 1.0}},
                         563.0 / 256.0);
}

// IEC 61966-2-1: Y = ((a X + b)^g for X >= d, c X below.
profile_ptr srgb()
{
    cmsFloat64Number const parameters[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    curve_ptr curve(cmsBuildParametricToneCurve(nullptr, 4, parameters));
    return rgb_profile(white_d65(), {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}}, curve.get());
}

int to_ten_bits(double value)
{
    double const scaled = std::round(value * output_max);
    return int(std::clamp(std::isnan(scaled) ? 0.0 : scaled, 0.0, output_max));
}

void write_table(std::string const& path, std::string const& title, profile_ptr const& target)
{
    profile_ptr const source = prophoto_rgb();
    transform_ptr const transform(cmsCreateTransform(source.get(), TYPE_RGB_DBL, target.get(), TYPE_RGB_DBL,
                                                     INTENT_RELATIVE_COLORIMETRIC,
                                                     cmsFLAGS_NOOPTIMIZE | cmsFLAGS_NOCACHE));
    if (!transform) {
        throw std::runtime_error("cannot create the transform for " + title);
    }
    std::ofstream out(path, std::ios::binary);
    out << "# " << title << ", relative colorimetric, 17 points per axis, 10-bit output\n"
        << "3DMESH\nMesh 4 10\n"
        << shaper_line << "\n\n";
    for (int r = 0; r < levels; ++r) {
        for (int g = 0; g < levels; ++g) {
            for (int b = 0; b < levels; ++b) {
                double const in[3] = {r / 16.0, g / 16.0, b / 16.0};
                double result[3] = {0, 0, 0};
                cmsDoTransform(transform.get(), in, result, 1);
                out << to_ten_bits(result[0]) << ' ' << to_ten_bits(result[1]) << ' ' << to_ten_bits(result[2]) << '\n';
            }
        }
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_3dl OUTPUT_DIRECTORY\n";
        return 2;
    }
    std::string const directory = argv[1];
    try {
        write_table(directory + "/ProPhotoRGB_to_AdobeRGB1998.3dl", "ProPhoto RGB to Adobe RGB (1998)",
                    adobe_rgb_1998());
        write_table(directory + "/ProPhotoRGB_to_sRGB.3dl", "ProPhoto RGB to sRGB", srgb());
        write_table(directory + "/ProPhotoRGB_to_WideGamutRGB.3dl", "ProPhoto RGB to Wide Gamut RGB", wide_gamut_rgb());
    } catch (std::exception const& error) {
        std::cerr << "make_3dl: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
