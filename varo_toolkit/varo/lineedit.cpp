#include "varo/lineedit.h"

namespace varo {

lineedit::lineedit(QWidget* parent) : QLineEdit(parent), base_border(99, 99, 99, 255), border(base_border)
{
    setAttribute(Qt::WA_MacShowFocusRect, false);
    update_style();
}

void lineedit::update_style()
{
    QString const rgb =
        QStringLiteral("%1,%2,%3")
            .arg(QString::number(border.red()), QString::number(border.green()), QString::number(border.blue()));
    setStyleSheet(QStringLiteral("varo--lineedit{    background:rgb(38,38,38);    color:rgb(198,213,210);    "
                                 "border: 1px solid rgb(%1);    selection-background-color:rgb(198,213,210);    "
                                 "selection-color: #000;}"
                                 "varo--lineedit:disabled{    border: 1px solid rgb(75,75,75);    "
                                 "background: rgb(47,47,47);    color: rgb(100,100,100);}"
                                 "QToolTip{border:1px solid rgb(99,99,99);background-image:none;"
                                 "background-color:rgb(47,47,47);}")
                      .arg(rgb));
}

}
