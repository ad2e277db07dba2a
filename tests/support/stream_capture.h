#pragma once

#include <ostream>
#include <sstream>
#include <string>

// Points a standard stream at a string for the lifetime of the capture.
class stream_capture {
public:
    explicit stream_capture(std::ostream& stream);
    ~stream_capture();

    stream_capture(const stream_capture&) = delete;
    stream_capture& operator=(const stream_capture&) = delete;

    std::string text() const;

private:
    std::ostream& stream;
    std::ostringstream buffer;
    std::streambuf* saved;
};
