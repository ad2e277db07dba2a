#pragma once

#include <QString>

namespace conversion {

// A preset value limited to the range of its Lightroom slider, for the
// settings that are copied or scaled without limits of their own; other
// settings pass unchanged.
float limit_to_slider(QString const& preset_key, float value);

}
