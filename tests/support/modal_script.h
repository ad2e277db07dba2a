#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <deque>
#include <functional>

// One modal window as the script met it; what a window doesn't have stays empty.
struct seen_modal {
    QString title;
    QString text;
    QString folder;
    QStringList filters;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
};

// Answers the modal windows that the code under test opens, one step per
// window in the order they appear, from a timer. Windows beyond the script,
// and windows a step fails to close, are recorded and closed.
class modal_script {
public:
    using step = std::function<void(QWidget*)>;

    modal_script();

    modal_script& then(step next);

    // Hands the window to `answer`, which closes it; a window of another
    // type is unexpected.
    template <class Window>
    modal_script& answer_as(std::function<void(Window&)> answer)
    {
        return then([this, answer](QWidget* window) {
            record(window);
            if (auto* typed = qobject_cast<Window*>(window))
                answer(*typed);
            else
                refuse(window);
        });
    }

    // Chooses files by typing their names, quoted, into the dialog.
    modal_script& choose_files(QStringList const& names);
    modal_script& save_as(QString const& path);
    // Clicks `button` of a message box, after `inspect` has seen the box.
    modal_script& press(QMessageBox::StandardButton button, std::function<void(QMessageBox*)> inspect = {});
    // Presses Return in a message box, as a user who accepts the default.
    modal_script& press_return();
    modal_script& press_key(Qt::Key key);
    // Closes the window as its title bar's close button does.
    modal_script& close_window();
    modal_script& cancel();

    // Runs `action` with the script answering, then stops it.
    void run(std::function<void()> const& action);

    bool finished() const;
    QVector<seen_modal> const& seen() const;
    QStringList const& unexpected() const;

private:
    void poll();
    void answer_file_dialog(QWidget* window, QString const& typed);
    seen_modal& record(QWidget* window);
    void refuse(QWidget* window);

    static void later(QObject* context, std::function<void()> action);
    static void close(QWidget* window);

    QTimer timer;
    std::deque<step> steps;
    QPointer<QWidget> handled;
    QElapsedTimer since_handled;
    QVector<seen_modal> visited;
    QStringList surplus;
};

// Runs `action` while `script` answers; the script must be used up and
// nothing else shown.
void run_answered(modal_script& script, std::function<void()> const& action);
