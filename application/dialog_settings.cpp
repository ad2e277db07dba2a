#include "dialog_settings.h"

#include "varo/combobox.h"
#include "varo/language.h"

#include <QFormLayout>
#include <QLabel>
#include <QSettings>

#include <initializer_list>
#include <utility>

namespace {

using choices = std::initializer_list<std::pair<QString, QString>>;

// A box of (shown text, stored value) items showing `value`, or `fallback`
// for a value it doesn't offer.
varo::combobox* add_choice_row(QDialog* dialog, QFormLayout* layout, QString const& label, int minimum_width,
                               choices items, QString const& value, QString const& fallback)
{
    auto* box = new varo::combobox(true, dialog);
    box->setEditable(false);
    box->setFixedHeight(22);
    box->setMinimumWidth(minimum_width);
    for (auto const& [text, stored] : items)
        box->addItem(text, stored);
    int const index = box->findData(value);
    box->setCurrentIndex(index >= 0 ? index : box->findData(fallback));
    layout->addRow(new QLabel(label, dialog), box);
    return box;
}

}

dialog_settings::dialog_settings(QSettings* settings, QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint),
      settings(settings)
{
    setWindowTitle(tr("Settings"));
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(20, 10, 20, 10);
    layout->setSpacing(10);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // The combo boxes take their light text from here, not from the window.
    setStyleSheet(QStringLiteral("QDialog{background-color:rgb(47,47,47); color:rgb(198,213,210);}"
                                 "QComboBox{color:rgb(198,213,210);}"));

    format_box = add_choice_row(this, layout, tr("Format"), 220,
                                {{tr("Separate Styles"), QStringLiteral("separate")},
                                 {tr("Stylepack"), QStringLiteral("stylepack")},
                                 {tr("Stylepack with Category"), QStringLiteral("stylepack_category")}},
                                settings->value(QStringLiteral("format"), QStringLiteral("separate")).toString(),
                                QStringLiteral("stylepack_category"));
    colorspace_box = add_choice_row(this, layout, tr("Color Space"), 220,
                                    {{QStringLiteral("RAW"), QStringLiteral("raw")},
                                     {QStringLiteral("JPG/TIF/etc. Adobe RGB"), QStringLiteral("adobe")},
                                     {QStringLiteral("JPG/TIF/etc. sRGB"), QStringLiteral("srgb")},
                                     {QStringLiteral("JPG/TIF/etc. ProPhoto RGB"), QStringLiteral("prophoto")},
                                     {QStringLiteral("JPG/TIF/etc. Wide Gamut RGB"), QStringLiteral("widegamut")}},
                                    settings->value(QStringLiteral("colorspace"), QStringLiteral("raw")).toString(),
                                    QStringLiteral("raw"));
    language_box = add_choice_row(
        this, layout, tr("Language"), 120,
        {{QStringLiteral("English"), QStringLiteral("en")}, {QStringLiteral("Deutsch"), QStringLiteral("de")}},
        varo::get_language_suffix(QStringLiteral("lang")), QStringLiteral("en"));

    // Connected only now, so that showing the dialog stores nothing.
    for (varo::combobox* box : {format_box, colorspace_box, language_box})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { save_settings(); });
    setFixedSize(sizeHint());
}

void dialog_settings::save_settings() const
{
    settings->setValue(QStringLiteral("format"), format_box->currentData().toString());
    settings->setValue(QStringLiteral("colorspace"), colorspace_box->currentData().toString());
    settings->setValue(QStringLiteral("lang"), language_box->currentData().toString());
}
