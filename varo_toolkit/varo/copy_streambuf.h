#pragma once

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <ostream>
#include <streambuf>

namespace varo {

// Tees a console stream: every chunk it passes on goes to the capture stream
// first and then to the buffer the console stream had before. Any thread may
// write to it: it keeps no put area of the stream's, so every write comes
// through one of its locked operations.
template <class Char>
class copy_streambuf : public std::basic_streambuf<Char> {
public:
    using int_type = typename std::basic_streambuf<Char>::int_type;
    using traits_type = typename std::basic_streambuf<Char>::traits_type;

    // The capture mutex guards `capture`, which the log window drains on
    // another schedule than the console is written.
    copy_streambuf(std::basic_ostream<Char>& stream, std::basic_ostream<Char>& capture, std::mutex& capture_mutex)
        : previous(stream.rdbuf()),
          stream(&stream),
          capture(&capture),
          capture_mutex(&capture_mutex)
    {
    }

    copy_streambuf(const copy_streambuf&) = delete;
    copy_streambuf& operator=(const copy_streambuf&) = delete;

    ~copy_streambuf() override { detach(); }

    // Passes pending text on, so nothing written before is lost, gives the
    // stream its previous buffer back and from then on passes every write
    // straight to that buffer, without capture. A thread that took the tee
    // as the stream's buffer just before still writes safely.
    void detach()
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!capture)
            return;
        pass_on();
        capture = nullptr;
        stream->rdbuf(previous);
    }

protected:
    std::streamsize xsputn(const Char* text, std::streamsize count) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!capture)
            return previous->sputn(text, count);
        for (std::streamsize done = 0; done < count;) {
            if (pending == put_area_size) {
                // A full put area and one more character make a chunk.
                buffer[pending++] = text[done++];
                pass_on();
                continue;
            }
            const std::size_t part = std::min<std::size_t>(put_area_size - pending, std::size_t(count - done));
            traits_type::copy(buffer + pending, text + done, part);
            pending += part;
            done += std::streamsize(part);
        }
        return count;
    }

    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            sync();
            return 0;
        }
        const Char character = traits_type::to_char_type(c);
        xsputn(&character, 1);
        return c;
    }

    // Passes the pending chunk on and flushes the console; never fails.
    int sync() override
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (capture)
            pass_on();
        else
            previous->pubsync();
        return 0;
    }

private:
    static constexpr std::size_t put_area_size = 1022;

    // The chunk ends at its first NUL, for the capture and the console alike.
    void pass_on()
    {
        buffer[pending] = Char();
        const std::streamsize length = std::streamsize(traits_type::length(buffer));
        pending = 0;
        {
            std::lock_guard<std::mutex> lock(*capture_mutex);
            capture->write(buffer, length);
        }
        previous->sputn(buffer, length);
        previous->pubsync();
    }

    std::mutex mutex;
    Char buffer[put_area_size + 2] = {};
    std::size_t pending = 0;
    std::basic_streambuf<Char>* previous;
    std::basic_ostream<Char>* stream;
    std::basic_ostream<Char>* capture;
    std::mutex* capture_mutex;
};

}
