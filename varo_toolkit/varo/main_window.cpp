#include "varo/main_window.h"

namespace varo {

main_window::main_window(QWidget* parent, Qt::WindowFlags flags) : QMainWindow(parent, flags) {}

main_window::~main_window() = default;

}
