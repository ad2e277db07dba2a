#include "emphasis.h"

QString emphasis(QString const& name)
{
    // Names come from preset files; escaping keeps them from being read as markup.
    return QStringLiteral("<font color=\"white\"><b>%1</b></font>").arg(name.toHtmlEscaped());
}
