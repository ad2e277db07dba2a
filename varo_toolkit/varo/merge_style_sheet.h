#pragma once

#include <QString>

class QWidget;

namespace varo {

// Merges declarations ("name:value;" each) into the widget's style sheet:
// a declaration whose "name:" occurs in the sheet replaces the text from
// there up to the next ";", any other is appended. The search is a plain
// substring search, so a name also matches inside a rule of the sheet.
// Appends a missing final ";" to the caller's declarations.
void merge_style_sheet(QWidget* widget, QString& declarations);

}
