#pragma once

#include "conversion/style_context.h"

#include <QPoint>
#include <QVector>

namespace conversion {

void curve_to_string(style_map& style, QString const& key, QVector<QPoint> const& curve);

}
