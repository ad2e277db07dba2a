#pragma once

#include "varo/library_entry.h"

#include <QVector>

// What the program ships besides Qt, each with the licence that asks to be
// passed on with it: libzip, the zlib it uses, and the embedded fonts.
QVector<library_entry> shipped_libraries();
