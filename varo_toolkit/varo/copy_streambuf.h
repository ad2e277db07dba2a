#pragma once

#include <mutex>
#include <ostream>
#include <streambuf>

namespace varo {

// Tees a console stream: every chunk it passes on goes to the capture stream
// first and then to the buffer the console stream had before.
template <class Char>
class copy_streambuf : public std::basic_streambuf<Char> {
public:
    using int_type = typename std::basic_streambuf<Char>::int_type;
    using traits_type = typename std::basic_streambuf<Char>::traits_type;

    // The mutex guards `capture`, which the log window drains on another
    // schedule than the console is written.
    copy_streambuf(std::basic_ostream<Char>& stream, std::basic_ostream<Char>& capture, std::mutex& capture_mutex)
        : previous(stream.rdbuf()),
          stream(&stream),
          capture(&capture),
          capture_mutex(&capture_mutex)
    {
        reset_put_area();
    }

    copy_streambuf(const copy_streambuf&) = delete;
    copy_streambuf& operator=(const copy_streambuf&) = delete;

    // Text still waiting in the put area is passed on, so nothing written
    // before the tee goes away is lost.
    ~copy_streambuf() override
    {
        if (this->pptr() != this->pbase())
            sync();
        stream->rdbuf(previous);
    }

protected:
    int sync() override { return traits_type::eq_int_type(overflow(traits_type::eof()), traits_type::eof()) ? -1 : 0; }

    int_type overflow(int_type c) override
    {
        Char* end = this->pptr();
        reset_put_area();
        int_type result = 0;
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *end++ = traits_type::to_char_type(c);
            result = c;
        }
        *end = Char();
        {
            std::lock_guard<std::mutex> lock(*capture_mutex);
            *capture << buffer;
        }
        stream->rdbuf(previous);
        *stream << buffer;
        stream->flush();
        stream->rdbuf(this);
        return result;
    }

private:
    static constexpr int put_area_size = 1022;

    void reset_put_area() { this->setp(buffer, buffer + put_area_size); }

    Char buffer[1024] = {};
    std::basic_streambuf<Char>* previous;
    std::basic_ostream<Char>* stream;
    std::basic_ostream<Char>* capture;
    std::mutex* capture_mutex;
};

}
