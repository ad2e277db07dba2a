#pragma once

#include <QSet>
#include <QString>

// The style names of one run. A name that an earlier preset of the run
// already has gets the first free numbered one, so no style replaces
// another. Names are compared without case, as the file systems of the
// users' machines do.
class style_names {
public:
    // The style name for a preset with the complete base name `base_name`.
    QString claim(QString const& base_name);

private:
    QSet<QString> used;
};
