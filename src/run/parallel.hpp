// Multi-message mode on several cores. Messages are independent, so a long report text is
// cut into pieces, each piece is decoded by a run of its own with the same settings, and
// the reports are written in the order of the text: byte for byte what one run writes.
//
// A piece ends right before a token that is no 16-digit group (a word of a heading line):
// one run ends the message under way at that token too, and a run started there has no
// message under way. Where the text holds no such token for long (one huge message), the
// pieces under way are written and one run takes the text until the next such token.
//
// Memory stays bounded: at most a few pieces per job are in flight, each with its text and
// its reports; a piece's reports are written as soon as every earlier piece's are.
#pragma once

#include <pthread.h>

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/run.hpp"
#include "run/session.hpp"

namespace tarn {

class ParallelRun {
public:
    // Gets the reports in the order of the text, always from the thread that feeds.
    using Write = std::function<void(std::string_view reports)>;

    struct Limits {
        // Reports are written in blocks of at least this many bytes (but the last, and
        // what flush() and stop() write).
        std::size_t block = std::size_t{1} << 15;
        // Once this much report has been written by the feeding thread's run, its blocks
        // are `long_block` at least: fewer, larger writes, each of which wakes the reader
        // of a pipe. A short report keeps the small block: every page of memory a buffer
        // touches costs its first write.
        std::size_t long_after = std::size_t{4} << 20;
        std::size_t long_block = std::size_t{1} << 19;
        // Text per piece: a piece ends at the last token that is no group before this (or
        // the first one after it).
        std::size_t piece = std::size_t{1} << 16;
        // Text without a token that is no group beyond this is taken by one run.
        std::size_t longest_piece = std::size_t{1} << 20;
        // Text decoded by one run before pieces are cut: a short text is not worth the
        // threads (0 when the input is known to be long).
        std::size_t serial_below = std::size_t{4} << 20;
    };

    // `jobs` threads decode the pieces; with 1 every message is decoded by the feeding
    // thread, in one run.
    ParallelRun(const Settings& settings, unsigned jobs, Write write, Limits limits);
    ParallelRun(const Settings& settings, unsigned jobs, Write write)
        : ParallelRun(settings, jobs, write, {}) {}
    ~ParallelRun();
    ParallelRun(const ParallelRun&) = delete;
    ParallelRun& operator=(const ParallelRun&) = delete;

    void feed(std::string_view text);
    // Writes now what can be decoded of the text so far (the input is waiting for its
    // writer): every message that has ended.
    void flush();
    // Ends the last token and the last message and writes every report left.
    void finish();
    // Stops early: writes the reports of the messages decoded so far, or under way in a
    // piece; the text not yet in a piece, and a message still open, are left undecoded.
    void stop();

    std::size_t messages() const { return messages_; }

private:
    struct Piece {
        std::string text;
        std::string reports;
        std::size_t messages = 0;
        bool done = false;
    };

    void serial_feed(std::string_view text);
    void write_serial(std::size_t at_least);
    void serial_finish();
    std::size_t first_cut(std::string_view text) const;
    std::size_t next_cut();
    bool start_workers();
    void submit(std::size_t cut);
    std::size_t decoded_in_a_row() const;
    void write_decoded(std::size_t want);
    void drain();
    void work();
    static void* start(void* run);

    Settings settings_;
    unsigned jobs_;
    Write write_;
    Limits limits_;
    std::size_t seen_ = 0;  // characters fed so far
    char last_ = ' ';       // the character before the next feed
    bool stopped_ = false;
    std::size_t messages_ = 0;

    // One run of the feeding thread: a short text, a stretch without a place to cut.
    Session session_;
    std::string serial_reports_;
    std::size_t serial_block_;        // the feeding thread's block now
    std::size_t serial_written_ = 0;  // report bytes written by the feeding thread's run
    std::optional<MultiRun> serial_;

    // Pieces: text that is waiting for its cut, and a ring of pieces in flight from the
    // oldest (`head_`, written next) to `tail_`; `next_` is the next to be decoded. The
    // indices and the pieces' `done` change under `mutex_`.
    bool parallel_ = false;
    std::string pending_;
    std::size_t searched_ = 0;  // no cut in pending_ below this
    std::vector<std::unique_ptr<Piece>> ring_;
    std::size_t head_ = 0;
    std::size_t tail_ = 0;
    std::size_t next_ = 0;
    std::size_t waiting_for_ = 0;  // the feeding thread waits for this many pieces in a row
    bool quit_ = false;
    bool no_threads_ = false;  // the system gave no thread: one run takes everything
    std::mutex mutex_;
    std::condition_variable work_ready_;
    std::condition_variable piece_done_;
    std::vector<pthread_t> workers_;
};

}  // namespace tarn
