#include "varo/merge_style_sheet.h"

#include <QWidget>

namespace varo {

namespace {

// The declaration's name with its colon, or the whole declaration if it has
// no colon, so a malformed one is only ever matched by itself.
QString key_of(QString const& declaration)
{
    int const colon = declaration.indexOf(QLatin1Char(':'));
    return colon < 0 ? declaration : declaration.left(colon + 1);
}

void merge_declaration(QString& sheet, QString const& declaration)
{
    int const start = sheet.indexOf(key_of(declaration));
    if (start < 0) {
        sheet += declaration;
        return;
    }
    int const end = sheet.indexOf(QLatin1Char(';'), start);
    int const length = end < 0 ? sheet.size() - start : end - start + 1;
    if (sheet.midRef(start, length) != declaration)
        sheet.replace(start, length, declaration);
}

}

void merge_style_sheet(QWidget* widget, QString& declarations)
{
    if (declarations.isEmpty())
        return;
    if (!declarations.endsWith(QLatin1Char(';')))
        declarations += QLatin1Char(';');
    QString sheet = widget->styleSheet();
    for (int start = 0; start < declarations.size();) {
        int const end = declarations.indexOf(QLatin1Char(';'), start);
        merge_declaration(sheet, declarations.mid(start, end - start + 1));
        start = end + 1;
    }
    widget->setStyleSheet(sheet);
}

}
