#include "importer_views.h"

setting_list settings_of(lightroom_importer const& importer)
{
    setting_list result;
    for (auto it = importer.settings.cbegin(); it != importer.settings.cend(); ++it)
        result[it.key().toStdString()] = it.value().toStdString();
    return result;
}

point_list points_of(QVector<QPoint> const& curve)
{
    point_list result;
    for (QPoint const& point : curve)
        result.emplace_back(point.x(), point.y());
    return result;
}
