#pragma once

#include <QString>

// Whether a style text sets anything in Capture One: every style carries its
// name, its identifier and the colour corrections' closing entry, which alone
// change nothing.
bool style_carries_a_setting(QString const& xml);
