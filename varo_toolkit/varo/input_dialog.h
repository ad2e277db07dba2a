#pragma once

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <Qt>

class QWidget;

namespace varo {

// Counterparts of QInputDialog's static getters that show the dialog in the
// toolkit's look, run it modally and return the value.
class input_dialog {
public:
    input_dialog() = delete;

    // Chooses the flat look for every later dialog instead of the framed one.
    static bool new_flat_style;

    static double get_double(QWidget* parent, QString const& title, QString const& label, double value = 0,
                             double min = -2147483647, double max = 2147483647, int decimals = 1, bool* ok = nullptr,
                             Qt::WindowFlags flags = Qt::WindowFlags());
    static int get_int(QWidget* parent, QString const& title, QString const& label, int value = 0,
                       int min = -2147483647, int max = 2147483647, int step = 1, bool* ok = nullptr,
                       Qt::WindowFlags flags = Qt::WindowFlags());
    static QString get_item(QWidget* parent, QString const& title, QString const& label, QStringList const& items,
                            int current = 0, bool editable = true, bool* ok = nullptr,
                            Qt::WindowFlags flags = Qt::WindowFlags(), Qt::InputMethodHints hints = Qt::ImhNone);
    static QString get_multi_line_text(QWidget* parent, QString const& title, QString const& label,
                                       QString const& text = QString(), bool* ok = nullptr,
                                       Qt::WindowFlags flags = Qt::WindowFlags(),
                                       Qt::InputMethodHints hints = Qt::ImhNone);
    static QString get_text(QWidget* parent, QString const& title, QString const& label,
                            QLineEdit::EchoMode mode = QLineEdit::Normal, QString const& text = QString(),
                            bool* ok = nullptr, Qt::WindowFlags flags = Qt::WindowFlags(),
                            Qt::InputMethodHints hints = Qt::ImhNone, QString const& ok_text = QString(),
                            QString const& cancel_text = QString());
};

}
