#include "wait_until.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool wait_until(std::function<bool()> const& done, int milliseconds)
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
