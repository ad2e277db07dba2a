#include "conversion/tint_shift.h"

#include "conversion/colour_target.h"
#include "conversion/map_to_points.h"
#include "conversion/style_mapping.h"

#include <QDebug>

namespace conversion {

float get_tint_shift(colour_target const& target, float temperature)
{
    if (!target.known) {
        qWarning("get_tint_shift: Unknown color space: %s. Not ofsetting.", target.setting.toUtf8().constData());
        return 0;
    }
    if (target.tint_shifts.isEmpty())
        return 0;
    return map_to_points(target.tint_shifts, clamp_value(temperature, 800, 14000));
}

}
