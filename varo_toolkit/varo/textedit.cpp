#include "varo/textedit.h"

namespace varo {

textedit::textedit(QWidget* parent) : QTextEdit(parent) {}

}
