#pragma once

#include <QSet>
#include <QString>

// The style names of one run. A name that an earlier preset of the run
// already has gets the first free numbered one, so no style replaces
// another. Names are compared as the file systems of the users' machines
// do: without case, and composed and decomposed letters alike.
class style_names {
public:
    // The style name for a preset with the complete base name `base_name`.
    QString claim(QString const& base_name);

private:
    QSet<QString> used;
};
