#include "shared_writer.h"

costyle_writer const& shared_writer()
{
    static costyle_writer const writer;
    return writer;
}
