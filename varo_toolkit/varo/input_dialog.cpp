#include "varo/input_dialog.h"

#include "varo/style_dialog.h"

#include <QInputDialog>

namespace varo {

bool input_dialog::new_flat_style = false;

namespace {

void style(QInputDialog& dialog)
{
    if (input_dialog::new_flat_style)
        style_dialog_flat(dialog);
    else
        style_dialog(dialog);
}

void caption(QInputDialog& dialog, QString const& title, QString const& label)
{
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
}

bool run(QInputDialog& dialog, bool* ok)
{
    bool const accepted = dialog.exec() == QDialog::Accepted;
    if (ok)
        *ok = accepted;
    return accepted;
}

}

double input_dialog::get_double(QWidget* parent, QString const& title, QString const& label, double value, double min,
                                double max, int decimals, bool* ok, Qt::WindowFlags flags)
{
    QInputDialog dialog(parent, flags);
    style(dialog);
    caption(dialog, title, label);
    dialog.setDoubleDecimals(decimals);
    dialog.setDoubleRange(min, max);
    dialog.setDoubleValue(value);
    return run(dialog, ok) ? dialog.doubleValue() : value;
}

int input_dialog::get_int(QWidget* parent, QString const& title, QString const& label, int value, int min, int max,
                          int step, bool* ok, Qt::WindowFlags flags)
{
    QInputDialog dialog(parent, flags);
    style(dialog);
    caption(dialog, title, label);
    dialog.setIntRange(min, max);
    dialog.setIntValue(value);
    dialog.setIntStep(step);
    return run(dialog, ok) ? dialog.intValue() : value;
}

QString input_dialog::get_item(QWidget* parent, QString const& title, QString const& label, QStringList const& items,
                               int current, bool editable, bool* ok, Qt::WindowFlags flags, Qt::InputMethodHints hints)
{
    QInputDialog dialog(parent, flags);
    style(dialog);
    caption(dialog, title, label);
    QString const initial = current >= 0 && current < items.size() ? items.at(current) : QString();
    dialog.setComboBoxItems(items);
    dialog.setTextValue(initial);
    dialog.setComboBoxEditable(editable);
    // Before the combo box was editable Qt dropped a text that no item holds.
    dialog.setTextValue(initial);
    dialog.setInputMethodHints(hints);
    return run(dialog, ok) ? dialog.textValue() : initial;
}

QString input_dialog::get_multi_line_text(QWidget* parent, QString const& title, QString const& label,
                                          QString const& text, bool* ok, Qt::WindowFlags flags,
                                          Qt::InputMethodHints hints)
{
    QInputDialog dialog(parent, flags);
    style(dialog);
    dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    caption(dialog, title, label);
    dialog.setTextValue(text);
    dialog.setInputMethodHints(hints);
    return run(dialog, ok) ? dialog.textValue() : QString();
}

QString input_dialog::get_text(QWidget* parent, QString const& title, QString const& label, QLineEdit::EchoMode mode,
                               QString const& text, bool* ok, Qt::WindowFlags flags, Qt::InputMethodHints hints,
                               QString const& ok_text, QString const& cancel_text)
{
    QInputDialog dialog(parent, flags);
    style(dialog);
    caption(dialog, title, label);
    dialog.setTextValue(text);
    dialog.setTextEchoMode(mode);
    dialog.setInputMethodHints(hints);
    if (!ok_text.isEmpty())
        dialog.setOkButtonText(ok_text);
    if (!cancel_text.isEmpty())
        dialog.setCancelButtonText(cancel_text);
    return run(dialog, ok) ? dialog.textValue() : QString();
}

}
