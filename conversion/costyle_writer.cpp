#include "conversion/costyle_writer.h"

#include "conversion/bw_split_toning.h"
#include "conversion/color_corrections.h"
#include "conversion/colour_target.h"
#include "conversion/detail_effects.h"
#include "conversion/lightroom_importer.h"
#include "conversion/style_context.h"
#include "conversion/style_xml.h"
#include "conversion/tone_controls.h"
#include "conversion/tone_curves.h"
#include "conversion/white_balance.h"

#include <QDebug>
#include <QSettings>
#include <QUuid>

#include <mutex>

// The tables are resources of this static library; registering them here
// spares every program that links the engine a call of its own.
static void init_lookup_table_resources()
{
    Q_INIT_RESOURCE(lookup_tables);
}

namespace conversion {
namespace {

void register_lookup_tables()
{
    static std::once_flag once;
    std::call_once(once, init_lookup_table_resources);
}

bool is_grayscale(lightroom_importer const& importer)
{
    return importer.settings.value(QStringLiteral("ConvertToGrayscale"), QStringLiteral("False")).toLower()
           == QLatin1String("true");
}

void write_name_and_uuid(style_context& context)
{
    QString name = context.importer.name;
    if (name.isEmpty())
        name = context.settings.value(QStringLiteral("about"));
    context.style[QStringLiteral("Name")] = name;
    context.style[QStringLiteral("UUID")] = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

bool is_nonzero_setting(lightroom_importer const& importer, QString const& key)
{
    float const value = importer.settings.value(key, QStringLiteral("0")).toFloat();
    return !(value == 0);
}

}
}

costyle_writer::costyle_writer()
{
    conversion::register_lookup_tables();
    conversion::load_3dl_lut(lut_adobe_rgb, QStringLiteral(":/data/ProPhotoRGB_to_AdobeRGB1998.3dl"));
    conversion::load_3dl_lut(lut_srgb, QStringLiteral(":/data/ProPhotoRGB_to_sRGB.3dl"));
    conversion::load_3dl_lut(lut_wide_gamut, QStringLiteral(":/data/ProPhotoRGB_to_WideGamutRGB.3dl"));
    conversion::fill_identity_lut(lut_identity);
}

bool costyle_writer::create_costyle(lightroom_importer const& importer, QString& xml) const
{
    bool const grayscale = conversion::is_grayscale(importer);
    conversion::colour_target const target = conversion::choose_colour_target(
        *this, QSettings().value(QStringLiteral("colorspace"), QStringLiteral("raw")).toString());
    if (target.known)
        qDebug() << target.log_line;
    conversion::style_map style;
    conversion::style_context context(importer, style, *this, target, grayscale);
    conversion::write_name_and_uuid(context);

    test_legacy(context);
    convert_white_balance(context);
    convert_tone_2010(context);
    convert_tone_2012(context);
    convert_clarity(context);
    convert_saturation(context);
    convert_tone_curves(context);
    convert_bw_mixer(context);
    convert_split_toning(context);
    convert_vibrance(context);
    convert_color_corrections(context);
    convert_detail(context);
    convert_vignette(context);
    convert_grain(context);
    convert_dehaze(context);

    conversion::write_style_xml(style, xml);
    return true;
}

void costyle_writer::check_costyle(bool& white_balance, bool& unsupported, bool& calibration,
                                   lightroom_importer const& importer) const
{
    auto const& settings = importer.settings;
    white_balance = settings.contains(QStringLiteral("Tint")) || settings.contains(QStringLiteral("IncrementalTint"))
                    || settings.contains(QStringLiteral("Temperature"))
                    || settings.contains(QStringLiteral("IncrementalTemperature"));
    unsupported = settings.contains(QStringLiteral("RGBTable"));
    for (auto const* key :
         {"ShadowTint", "RedHue", "RedSaturation", "GreenHue", "GreenSaturation", "BlueHue", "BlueSaturation"}) {
        if (conversion::is_nonzero_setting(importer, QLatin1String(key))) {
            calibration = true;
            return;
        }
    }
}
