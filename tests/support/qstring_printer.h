#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show Qt strings as text in its failure messages.
inline void PrintTo(QString const& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
