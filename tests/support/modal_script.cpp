#include "modal_script.h"

#include "qstring_printer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <gtest/gtest.h>

#include <utility>

modal_script::modal_script()
{
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
}

modal_script& modal_script::then(step next)
{
    steps.push_back(std::move(next));
    return *this;
}

modal_script& modal_script::choose_files(QStringList const& names)
{
    QStringList quoted;
    for (QString const& name : names)
        quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
    return then([this, quoted](QWidget* window) { answer_file_dialog(window, quoted.join(QLatin1Char(' '))); });
}

modal_script& modal_script::save_as(QString const& path)
{
    return then([this, path](QWidget* window) { answer_file_dialog(window, path); });
}

modal_script& modal_script::press(QMessageBox::StandardButton button, std::function<void(QMessageBox*)> inspect)
{
    return then([this, button, inspect](QWidget* window) {
        record(window);
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box && inspect)
            inspect(box);
        if (box && box->button(button))
            later(box, [box, button] { box->button(button)->click(); });
    });
}

modal_script& modal_script::press_return()
{
    return press_key(Qt::Key_Return);
}

modal_script& modal_script::press_key(Qt::Key key)
{
    return then([this, key](QWidget* window) {
        record(window);
        later(window, [window, key] {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(window, &press);
        });
    });
}

modal_script& modal_script::close_window()
{
    return then([this](QWidget* window) {
        record(window);
        later(window, [window] { window->close(); });
    });
}

modal_script& modal_script::cancel()
{
    return then([this](QWidget* window) {
        record(window);
        close(window);
    });
}

void modal_script::run(std::function<void()> const& action)
{
    timer.start();
    action();
    timer.stop();
}

bool modal_script::finished() const
{
    return steps.empty();
}

QVector<seen_modal> const& modal_script::seen() const
{
    return visited;
}

QStringList const& modal_script::unexpected() const
{
    return surplus;
}

void modal_script::poll()
{
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        return;
    if (window == handled) {
        if (since_handled.elapsed() > 3000) {
            surplus.append(QStringLiteral("stuck: ") + window->windowTitle());
            close(window);
        }
        return;
    }
    handled = window;
    since_handled.start();
    if (steps.empty()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        surplus.append(window->windowTitle() + QStringLiteral(": ") + (box ? box->text() : QString()));
        close(window);
        return;
    }
    step const next = steps.front();
    steps.pop_front();
    next(window);
}

void modal_script::answer_file_dialog(QWidget* window, QString const& typed)
{
    seen_modal& seen = record(window);
    auto* dialog = qobject_cast<QFileDialog*>(window);
    if (!dialog) {
        seen.text = QStringLiteral("(no file dialog)");
        close(window);
        return;
    }
    seen.folder = dialog->directory().absolutePath();
    seen.filters = dialog->nameFilters();
    // Without its signals the field doesn't select matching files in the
    // list, so the dialog returns exactly the typed names in their order.
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QSignalBlocker const blocker(field);
    field->setText(typed);
    // QFileDialog hides accept(); it is QDialog's public slot.
    later(dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
}

seen_modal& modal_script::record(QWidget* window)
{
    seen_modal seen;
    seen.title = window->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        seen.text = box->text();
        seen.buttons = box->standardButtons();
        if (box->defaultButton())
            seen.default_button = box->standardButton(box->defaultButton());
    }
    visited.append(seen);
    return visited.last();
}

void modal_script::refuse(QWidget* window)
{
    surplus.append(QStringLiteral("not the window asked for: ") + window->windowTitle());
    close(window);
}

// Answers run after the timer's slot has returned, so that a window an
// answer opens in turn meets a running script.
void modal_script::later(QObject* context, std::function<void()> action)
{
    QMetaObject::invokeMethod(context, std::move(action), Qt::QueuedConnection);
}

void modal_script::close(QWidget* window)
{
    later(window, [window] {
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->done(QDialog::Rejected);
        else
            window->close();
    });
}

void run_answered(modal_script& script, std::function<void()> const& action)
{
    script.run(action);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected(), QStringList());
}
