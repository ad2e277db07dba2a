#include "style_names.h"

#include <QtDebug>

namespace {

QString const suffix = QStringLiteral(".costyle");

}

QString style_names::claim(QString const& base_name)
{
    QString name = base_name + suffix;
    for (int number = 2; used.contains(name.toCaseFolded()); ++number)
        name = base_name + QStringLiteral(" (%1)").arg(number) + suffix;
    used.insert(name.toCaseFolded());
    if (name != base_name + suffix)
        qInfo("The style name '%s' is already used in this run; using '%s'", qUtf8Printable(base_name + suffix),
              qUtf8Printable(name));
    return name;
}
