#include "style_names.h"

#include <QtDebug>

namespace {

QString const suffix = QStringLiteral(".costyle");

// One name on the users' file systems: macOS stores names decomposed and
// compares them without case.
QString file_system_key(QString const& name)
{
    return name.normalized(QString::NormalizationForm_C).toCaseFolded();
}

}

QString style_names::claim(QString const& base_name)
{
    QString name = base_name + suffix;
    for (int number = 2; used.contains(file_system_key(name)); ++number)
        name = base_name + QStringLiteral(" (%1)").arg(number) + suffix;
    used.insert(file_system_key(name));
    if (name != base_name + suffix)
        qInfo("The style name '%s' is already used in this run; using '%s'", qUtf8Printable(base_name + suffix),
              qUtf8Printable(name));
    return name;
}
