#pragma once

#include <QString>
#include <QVariant>

// A settings key together with the value its readers fall back on.
struct settings_key {
    QString key;
    QVariant default_value;
};

namespace settings_keys {

extern settings_key const input_dir;
extern settings_key const output_dir;

}
