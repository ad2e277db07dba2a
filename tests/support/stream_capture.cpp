#include "stream_capture.h"

stream_capture::stream_capture(std::ostream& stream) : stream(stream), saved(stream.rdbuf(buffer.rdbuf())) {}

stream_capture::~stream_capture()
{
    stream.rdbuf(saved);
}

std::string stream_capture::text() const
{
    return buffer.str();
}
