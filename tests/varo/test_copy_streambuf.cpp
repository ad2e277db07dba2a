#include "varo/copy_streambuf.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// Stands in for the real console and records every chunk passed on to it.
class chunk_recorder : public std::streambuf {
public:
    std::vector<std::string> chunks;
    int syncs = 0;

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        if (count > 0)
            chunks.emplace_back(text, count);
        return count;
    }
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            chunks.emplace_back(1, traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        ++syncs;
        return 0;
    }
};

class tee_test : public ::testing::Test {
protected:
    tee_test() { console.rdbuf(tee.get()); }

    std::vector<std::size_t> chunk_sizes() const
    {
        std::vector<std::size_t> sizes;
        for (const std::string& chunk : recorder.chunks)
            sizes.push_back(chunk.size());
        return sizes;
    }

    chunk_recorder recorder;
    std::ostream console{&recorder};
    std::ostringstream capture;
    std::mutex capture_mutex;
    std::unique_ptr<varo::copy_streambuf<char>> tee =
        std::make_unique<varo::copy_streambuf<char>>(console, capture, capture_mutex);
};

TEST_F(tee_test, a_full_put_area_and_one_more_character_make_one_chunk)
{
    console << std::string(1023, 'a');
    ASSERT_EQ(recorder.chunks, std::vector<std::string>{std::string(1023, 'a')});
    EXPECT_EQ(capture.str(), std::string(1023, 'a'));

    console << 'b';
    EXPECT_EQ(recorder.chunks.size(), 1u) << "the next character waits for the next chunk";
    console << std::flush;
    EXPECT_EQ(recorder.chunks.back(), "b");
    EXPECT_EQ(capture.str(), std::string(1023, 'a') + "b");
}

TEST_F(tee_test, long_output_is_passed_on_in_chunks_of_at_most_1023_characters)
{
    const struct {
        std::size_t length;
        std::vector<std::size_t> chunks;
    } cases[] = {
        {1, {1}}, {1022, {1022}}, {1023, {1023}}, {1024, {1023, 1}}, {2046, {1023, 1023}}, {3000, {1023, 1023, 954}},
    };
    for (const auto& c : cases) {
        recorder.chunks.clear();
        capture.str(std::string());
        const std::string text(c.length, 'x');
        console << text << std::flush;
        EXPECT_EQ(chunk_sizes(), c.chunks) << c.length << " characters";
        EXPECT_EQ(capture.str(), text) << c.length << " characters";
    }
}

TEST_F(tee_test, nothing_reaches_the_console_before_a_flush)
{
    console << "waiting";
    EXPECT_TRUE(recorder.chunks.empty());
    EXPECT_EQ(capture.str(), "");
    console << std::endl;
    EXPECT_EQ(recorder.chunks, std::vector<std::string>{"waiting\n"});
    EXPECT_EQ(capture.str(), "waiting\n");
    EXPECT_GE(recorder.syncs, 1) << "the console is flushed after every chunk";
}

TEST_F(tee_test, a_chunk_ends_at_its_first_nul_for_both_console_and_capture)
{
    console.write("ab\0cd", 5);
    console << std::flush;
    EXPECT_EQ(recorder.chunks, std::vector<std::string>{"ab"});
    EXPECT_EQ(capture.str(), "ab");
}

TEST_F(tee_test, a_unit_buffered_stream_passes_every_operation_on_as_its_own_chunk)
{
    console.setf(std::ios::unitbuf);
    console << "one"
            << "two" << 3;
    EXPECT_EQ(recorder.chunks, (std::vector<std::string>{"one", "two", "3"}));
    EXPECT_EQ(capture.str(), "onetwo3");
}

TEST_F(tee_test, a_flush_never_fails_and_the_tee_stays_in_place)
{
    console << "x";
    EXPECT_EQ(tee->pubsync(), 0);
    console << std::flush;
    EXPECT_TRUE(console.good());
    EXPECT_EQ(console.rdbuf(), tee.get());
}

TEST_F(tee_test, destruction_passes_pending_text_on_and_gives_the_stream_its_buffer_back)
{
    console << "tail";
    console.setstate(std::ios::badbit);
    tee.reset();
    EXPECT_EQ(console.rdbuf(), &recorder);
    EXPECT_TRUE(console.good());
    EXPECT_EQ(recorder.chunks, std::vector<std::string>{"tail"});
    console << "after";
    EXPECT_EQ(recorder.chunks.back(), "after");
}

TEST_F(tee_test, a_detached_tee_gives_the_stream_its_buffer_back_and_passes_writes_straight_on)
{
    console << "pending";
    std::ostream late(tee.get());
    tee->detach();
    EXPECT_EQ(console.rdbuf(), &recorder);
    EXPECT_EQ(recorder.chunks, std::vector<std::string>{"pending"});
    late << "late";
    EXPECT_EQ(recorder.chunks.back(), "late") << "a writer that took the tee before still reaches the console";
    EXPECT_EQ(capture.str(), "pending") << "nothing more is captured";
    tee.reset();
    EXPECT_EQ(recorder.chunks.size(), 2u);
}

TEST_F(tee_test, lines_of_concurrent_writers_arrive_whole)
{
    const int writers = 4;
    const int lines = 500;
    std::vector<std::thread> threads;
    for (int w = 0; w < writers; ++w)
        threads.emplace_back([this, w] {
            for (int i = 0; i < lines; ++i)
                console << "writer " + std::to_string(w) + " line " + std::to_string(i) + "\n" << std::flush;
        });
    for (std::thread& thread : threads)
        thread.join();
    std::string passed_on;
    for (const std::string& chunk : recorder.chunks)
        passed_on += chunk;
    EXPECT_EQ(passed_on, capture.str());
    std::istringstream text(capture.str());
    std::vector<int> next(writers, 0);
    for (std::string line; std::getline(text, line);) {
        const int w = line.size() > 7 ? line[7] - '0' : -1;
        ASSERT_TRUE(w >= 0 && w < writers) << line;
        EXPECT_EQ(line, "writer " + std::to_string(w) + " line " + std::to_string(next[w]++));
    }
    EXPECT_EQ(next, std::vector<int>(writers, lines));
}

}
