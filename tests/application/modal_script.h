#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>

#include <deque>
#include <functional>

// One modal window as the script met it.
struct seen_modal {
    QString title;
    QString text;
    QString folder;
    QStringList filters;
};

// Answers the modal windows that the code under test opens, one step per
// window in the order they appear, from a timer. Windows beyond the script,
// and windows a step fails to close, are recorded and closed.
class modal_script {
public:
    using step = std::function<void(QWidget*)>;

    modal_script()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
    }

    modal_script& then(step next)
    {
        steps.push_back(std::move(next));
        return *this;
    }

    // Chooses files by typing their names, quoted, into the dialog.
    modal_script& choose_files(QStringList const& names)
    {
        QStringList quoted;
        for (QString const& name : names)
            quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
        return then([this, quoted](QWidget* window) { answer_file_dialog(window, quoted.join(QLatin1Char(' '))); });
    }

    modal_script& save_as(QString const& path)
    {
        return then([this, path](QWidget* window) { answer_file_dialog(window, path); });
    }

    // Clicks `button` of a message box, after `inspect` has seen the box.
    modal_script& press(QMessageBox::StandardButton button, std::function<void(QMessageBox*)> inspect = {})
    {
        return then([this, button, inspect](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            record(window, box ? box->text() : QString());
            if (box && inspect)
                inspect(box);
            if (box && box->button(button))
                later(box, [box, button] { box->button(button)->click(); });
        });
    }

    // Presses Return in a message box, as a user who accepts the default.
    modal_script& press_return()
    {
        return then([this](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            record(window, box ? box->text() : QString());
            later(window, [window] {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(window, &press);
            });
        });
    }

    modal_script& cancel()
    {
        return then([this](QWidget* window) {
            record(window, QString());
            close(window);
        });
    }

    // Runs `action` with the script answering, then stops it.
    void run(std::function<void()> action)
    {
        timer.start();
        action();
        timer.stop();
    }

    bool finished() const { return steps.empty(); }
    QVector<seen_modal> const& seen() const { return visited; }
    QStringList const& unexpected() const { return surplus; }

private:
    void poll()
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

    void answer_file_dialog(QWidget* window, QString const& typed)
    {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (!dialog) {
            record(window, QStringLiteral("(no file dialog)"));
            close(window);
            return;
        }
        visited.append(seen_modal{dialog->windowTitle(), QString(), dialog->directory().absolutePath(),
                                  dialog->nameFilters()});
        // Without its signals the field doesn't select matching files in the
        // list, so the dialog returns exactly the typed names in their order.
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QSignalBlocker const blocker(field);
        field->setText(typed);
        // QFileDialog hides accept(); it is QDialog's public slot.
        later(dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
    }

    void record(QWidget* window, QString const& text)
    {
        visited.append(seen_modal{window->windowTitle(), text, QString(), QStringList()});
    }

    // Answers run after the timer's slot has returned, so that a window an
    // answer opens in turn meets a running script.
    static void later(QObject* context, std::function<void()> action)
    {
        QMetaObject::invokeMethod(context, std::move(action), Qt::QueuedConnection);
    }

    static void close(QWidget* window)
    {
        later(window, [window] {
            if (auto* dialog = qobject_cast<QDialog*>(window))
                dialog->done(QDialog::Rejected);
            else
                window->close();
        });
    }

    QTimer timer;
    std::deque<step> steps;
    QPointer<QWidget> handled;
    QElapsedTimer since_handled;
    QVector<seen_modal> visited;
    QStringList surplus;
};
