#pragma once

class QInputDialog;

namespace varo {

// Give an input dialog the toolkit's dark look: framed buttons and fields,
// or flat ones without borders. Both drop the context-help button.
void style_dialog(QInputDialog& dialog);
void style_dialog_flat(QInputDialog& dialog);

}
