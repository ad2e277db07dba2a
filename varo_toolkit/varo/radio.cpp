#include "varo/radio.h"

namespace varo {

radio::radio(QString const& text, QWidget* parent) : QRadioButton(text, parent) {}

}
