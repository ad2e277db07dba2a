#pragma once

#include <QApplication>
#include <QPointer>

namespace varo {

// The application object: passes every event it receives on to the main
// window as well while that window is shown.
template <class T>
class application : public QApplication {
public:
    application(int& argc, char** argv) : QApplication(argc, argv) {}
    ~application() override = default;

    bool event(QEvent* e) override
    {
        const bool result = QApplication::event(e);
        if (window && window->testAttribute(Qt::WA_WState_Visible))
            return static_cast<QObject*>(window.data())->event(e);
        return result;
    }

    QPointer<T> window;
};

}
