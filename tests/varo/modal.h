#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Hands the next application-modal widget to `answer` once it is shown, so
// that a test can inspect and close it while the code under test waits.
inline void when_modal(std::function<void(QWidget*)> answer, int attempts = 500)
{
    QTimer::singleShot(10, [answer, attempts] {
        if (QWidget* modal = QApplication::activeModalWidget())
            answer(modal);
        else if (attempts > 0)
            when_modal(answer, attempts - 1);
        else
            ADD_FAILURE() << "no modal widget appeared";
    });
}

inline void when_box(std::function<void(QMessageBox*)> answer)
{
    when_modal([answer](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << "the modal widget is no message box";
        answer(box);
    });
}

inline void click_when_box(QMessageBox::StandardButton button)
{
    when_box([button](QMessageBox* box) {
        ASSERT_NE(box->button(button), nullptr);
        box->button(button)->click();
    });
}

// Processes events until `done` holds or the time is up.
inline bool wait_until(std::function<bool()> done, int milliseconds = 2000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// What a message box showed when it was answered.
struct seen_box {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
};

// While it lives, answers every message box that comes up with `answer`
// (or closes it without a click when the box has no such button).
class box_answerer {
public:
    explicit box_answerer(QMessageBox::StandardButton answer)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, answer] { answer_box(answer); });
        timer.start();
    }

    std::vector<seen_box> seen;

private:
    void answer_box(QMessageBox::StandardButton answer)
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen_box record{box->windowTitle(), box->text(), box->standardButtons()};
        if (box->defaultButton())
            record.default_button = box->standardButton(box->defaultButton());
        seen.push_back(record);
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->done(-1);
    }

    QTimer timer;
};
