#pragma once

#include "conversion/costyle_writer.h"

// One writer for all the tests of a program: its constructor loads the
// lookup tables, and converting leaves it as it was.
costyle_writer const& shared_writer();
