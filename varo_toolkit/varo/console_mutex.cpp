#include "varo/console_mutex.h"

#include <QMutex>

#include <atomic>

namespace varo {

namespace {

// Set once the mutex is gone, so that messages logged during static
// destruction still reach the console.
std::atomic<bool> console_mutex_destroyed{false};

struct console_mutex_holder {
    QMutex mutex;
    ~console_mutex_holder() { console_mutex_destroyed = true; }
};

}

QMutex* console_mutex()
{
    if (console_mutex_destroyed)
        return nullptr;
    static console_mutex_holder holder;
    return &holder.mutex;
}

}
