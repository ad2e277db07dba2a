#include "varo/checkbox.h"

#include "varo/widget_resources.h"

namespace varo {

namespace {

QString indicator_rules(QColor const& indicator, QString const& checked_image, QString const& unchecked_image)
{
    if (!checked_image.isEmpty() && !unchecked_image.isEmpty())
        return QStringLiteral("QCheckBox::indicator:enabled:unchecked{image:url(%3);border:1px solid rgb(99,99,99);"
                              "width:14px;height:14px;}"
                              "QCheckBox::indicator:enabled:checked{image:url(%2);border:3px solid rgb(255,255,255);"
                              "width:10px;height:10px;}"
                              "QCheckBox::indicator:!enabled:unchecked{image:url(%3);border:1px solid rgb(99,99,99);"
                              "width:14px;height:14px;}"
                              "QCheckBox::indicator:!enabled:checked{image:url(%2);border:3px solid rgb(255,255,255);"
                              "width:10px;height:10px;}")
            .arg(checked_image, unchecked_image);
    if (!checked_image.isEmpty())
        return QStringLiteral(
                   "QCheckBox::indicator:enabled:unchecked{image:url(:/gui/checkbox/unchecked.png);}"
                   "QCheckBox::indicator:enabled:checked{image:url(%2);border:3px solid rgb(255,255,255);"
                   "width:10px;height:10px;}"
                   "QCheckBox::indicator:!enabled:unchecked{image:url(:/gui/checkbox/disabled_unchecked.png);}"
                   "QCheckBox::indicator:!enabled:checked{image:url(%2);border:3px solid rgb(255,255,255);"
                   "width:10px;height:10px;}")
            .arg(checked_image);
    if (indicator == QColor(0, 0, 0, 0))
        return QStringLiteral(
            "QCheckBox::indicator:enabled:unchecked{image:url(:/gui/checkbox/unchecked.png);}"
            "QCheckBox::indicator:enabled:checked{image:url(:/gui/checkbox/checked.png);}"
            "QCheckBox::indicator:!enabled:unchecked{image:url(:/gui/checkbox/disabled_unchecked.png);}"
            "QCheckBox::indicator:!enabled:checked{image:url(:/gui/checkbox/disabled_checked.png);}");
    return QStringLiteral("QCheckBox::indicator:unchecked{background-color:rgba(%2,%3,%4,%5);"
                          "border:1px solid rgb(99,99,99);width:14px;height:14px;}"
                          "QCheckBox::indicator:checked{background-color:rgba(%2,%3,%4,%5);"
                          "border:3px solid rgb(255,255,255);width:10px;height:10px;}")
        .arg(QString::number(indicator.red()), QString::number(indicator.green()), QString::number(indicator.blue()),
             QString::number(indicator.alpha()));
}

}

checkbox::checkbox(QString const& text, QWidget* parent, bool checked) : QCheckBox(text, parent)
{
    init(4, QColor(0, 0, 0, 0), QString(), QString(), QColor(198, 213, 210));
    setChecked(checked);
}

void checkbox::init(int spacing, QColor const& indicator, QString const& checked_image, QString const& unchecked_image,
                    QColor const& text)
{
    init_widget_resources();
    QString const main_rule = QStringLiteral("QCheckBox{spacing:%1px;color:rgb(%2,%3,%4);margin: 2px 0px 2px 2px;}"
                                             "QToolTip{border:1px solid rgb(99,99,99);background-image:none;"
                                             "background-color:rgb(47,47,47);}")
                                  .arg(spacing)
                                  .arg(text.red())
                                  .arg(text.green())
                                  .arg(text.blue());
    setStyleSheet(main_rule + indicator_rules(indicator, checked_image, unchecked_image));
}

}
