#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show Qt strings as text in its failure messages.
void PrintTo(QString const& text, std::ostream* out);
