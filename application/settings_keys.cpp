#include "settings_keys.h"

#include <QStandardPaths>

namespace {

QVariant pictures_folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

}

namespace settings_keys {

settings_key const input_dir{QStringLiteral("input_dir"), pictures_folder()};
settings_key const output_dir{QStringLiteral("output_dir"), pictures_folder()};

}
