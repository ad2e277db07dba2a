#include "preset_by_suffix.h"

#include "conversion/lightroom_importer.h"

#include <QFileInfo>

bool read_preset_by_suffix(lightroom_importer& importer, QString const& path)
{
    QString const suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xmp"))
        importer.read_xmp(path);
    else if (suffix == QLatin1String("lrtemplate"))
        importer.read_lrpreset(path);
    else
        return false;
    return true;
}
