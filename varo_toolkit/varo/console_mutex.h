#pragma once

class QMutex;

namespace varo {

// Serialises the console lines of the message handler and the swaps of the
// console's buffers. Created on first use; null once it is gone, when
// console writes go ahead without it.
QMutex* console_mutex();

}
