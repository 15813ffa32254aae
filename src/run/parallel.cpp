#include "run/parallel.hpp"

#include <pthread.h>

#include <algorithm>

#include "run/tokens.hpp"

namespace tarn {

namespace {

// The feeding thread's run gets its text in slices of this size, so that its reports are
// written in blocks close to the block size (a slice of text gives some ten times as much
// report).
constexpr std::size_t kSlice = std::size_t{1} << 11;

constexpr std::size_t kNone = std::string_view::npos;

// Pieces in flight per job: one being decoded and one waiting, so that no job waits while
// the feeding thread writes; and no more than this in all.
constexpr std::size_t kPiecesPerJob = 2;
constexpr std::size_t kMostPieces = 32;

// The stack of a job: a decoder needs a few KB, and a process whose address space is
// bounded still has room for a few such threads (the default stack takes 8 MB).
constexpr std::size_t kStack = std::size_t{1} << 19;

}  // namespace

ParallelRun::ParallelRun(const Settings& settings, unsigned jobs, Write write, Limits limits)
    : settings_(settings),
      jobs_(std::max(jobs, 1U)),
      write_(std::move(write)),
      limits_(limits),
      serial_block_(limits.block) {
    session_.settings = settings_;
    // Room for a block and the reports of one more slice, at once: a buffer that doubled
    // its way there would touch (and copy) twice the memory.
    serial_reports_.reserve(limits_.block + kSlice * kReportPerText);
    serial_.emplace(session_, serial_reports_);
}

ParallelRun::~ParallelRun() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    work_ready_.notify_all();
    for (pthread_t worker : workers_) pthread_join(worker, nullptr);
}

void ParallelRun::feed(std::string_view text) {
    if (stopped_ || text.empty()) return;
    const char last = text.back();
    seen_ += text.size();
    if (!parallel_) {
        const bool pieces = jobs_ > 1 && !no_threads_ && seen_ > limits_.serial_below;
        const std::size_t cut = pieces ? first_cut(text) : kNone;
        if (cut == kNone || !start_workers()) {
            serial_feed(text);
            last_ = last;
            return;
        }
        // The single run ends where the first piece begins.
        serial_feed(text.substr(0, cut));
        serial_finish();
        parallel_ = true;
        text.remove_prefix(cut);
    }
    pending_ += text;
    last_ = last;
    while (pending_.size() >= limits_.piece) {
        const std::size_t cut = next_cut();
        if (cut != kNone) {
            submit(cut);
        } else if (pending_.size() >= limits_.longest_piece) {
            // No place to cut: what is in flight goes out, then one run takes over until a
            // token that is no group comes.
            drain();
            parallel_ = false;
            serial_feed(pending_);
            pending_.clear();
            searched_ = 0;
            return;
        } else {
            return;
        }
    }
}

void ParallelRun::flush() {
    if (stopped_) return;
    if (!parallel_) {
        write_serial(1);
        return;
    }
    for (std::size_t cut = next_cut(); cut != kNone; cut = next_cut()) submit(cut);
    drain();
}

void ParallelRun::finish() {
    if (stopped_) return;
    stopped_ = true;
    if (!parallel_) {
        serial_finish();
        return;
    }
    if (!pending_.empty()) submit(pending_.size());
    drain();
}

void ParallelRun::stop() {
    if (stopped_) return;
    stopped_ = true;
    if (!parallel_) {
        write_serial(1);
        return;
    }
    drain();
}

void ParallelRun::serial_feed(std::string_view text) {
    while (!text.empty()) {
        const std::string_view slice = text.substr(0, kSlice);
        serial_->feed(slice);
        text.remove_prefix(slice.size());
        write_serial(serial_block_);
    }
}

void ParallelRun::write_serial(std::size_t at_least) {
    if (serial_reports_.size() < at_least) return;
    write_(serial_reports_);
    serial_written_ += serial_reports_.size();
    serial_reports_.clear();
    if (serial_block_ < limits_.long_block && serial_written_ >= limits_.long_after) {
        serial_block_ = limits_.long_block;
        serial_reports_.reserve(serial_block_ + kSlice * kReportPerText);  // empty: nothing copied
    }
}

void ParallelRun::serial_finish() {
    serial_->finish();
    messages_ += serial_->messages();
    write_serial(1);
    serial_.emplace(session_, serial_reports_);  // a fresh run for a later stretch
}

// The first place in `text` (which follows last_) where a piece may begin.
std::size_t ParallelRun::first_cut(std::string_view text) const {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (tokens::starts_no_group(text, at, last_)) return at;
    }
    return kNone;
}

// Where the next piece ends: the last place in pending_ at most a piece from its start
// where a piece may begin, else the first one after that (pieces of an even size keep the
// memory of the pieces in flight even). Below `searched_` an earlier search found none;
// only the last 16 characters of a text may tell otherwise once more text has come.
std::size_t ParallelRun::next_cut() {
    const std::string_view text = pending_;
    const std::size_t from = std::max<std::size_t>(searched_, 1);
    const std::size_t limit = std::min(text.size(), limits_.piece);
    for (std::size_t at = limit; at > from;) {
        --at;
        if (tokens::starts_no_group(text, at, ' ')) return at;
    }
    for (std::size_t at = std::max(limit, from); at < text.size(); ++at) {
        if (tokens::starts_no_group(text, at, ' ')) return at;
    }
    searched_ = text.size() > tokens::kGroup ? text.size() - tokens::kGroup : 0;
    return kNone;
}

// True when the jobs are there to take pieces. A system that gives no thread (a process
// whose address space is bounded) leaves every message to the feeding thread's run.
bool ParallelRun::start_workers() {
    if (!workers_.empty()) return true;
    if (no_threads_) return false;
    const std::size_t pieces = std::min<std::size_t>(kPiecesPerJob * jobs_, kMostPieces);
    for (std::size_t i = 0; i < pieces; ++i) ring_.push_back(std::make_unique<Piece>());
    pthread_attr_t attr;
    if (pthread_attr_init(&attr) == 0) {
        pthread_attr_setstacksize(&attr, kStack);
        for (unsigned i = 0; i < jobs_; ++i) {
            pthread_t worker;
            if (pthread_create(&worker, &attr, &ParallelRun::start, this) != 0) break;  // fewer jobs, or none
            workers_.push_back(worker);
        }
        pthread_attr_destroy(&attr);
    }
    no_threads_ = workers_.empty();
    return !no_threads_;
}

void* ParallelRun::start(void* run) {
    static_cast<ParallelRun*>(run)->work();
    return nullptr;
}

// Hands pending_ up to `cut` to the jobs as the next piece; the rest waits for its cut.
// With every piece of the ring in flight, the oldest half must be decoded first: one wait
// for several pieces, so that the jobs and this thread seldom wake each other.
void ParallelRun::submit(std::size_t cut) {
    if (tail_ - head_ == ring_.size()) write_decoded(std::max<std::size_t>(ring_.size() / 2, 1));
    Piece& piece = *ring_[tail_ % ring_.size()];
    piece.text.swap(pending_);
    pending_.assign(piece.text, cut);
    piece.text.resize(cut);
    searched_ = 0;
    {
        std::lock_guard lock(mutex_);
        piece.done = false;
        ++tail_;
    }
    work_ready_.notify_one();
}

// The pieces decoded in a row from the oldest on (under the lock).
std::size_t ParallelRun::decoded_in_a_row() const {
    std::size_t n = 0;
    while (head_ + n != tail_ && ring_[(head_ + n) % ring_.size()]->done) ++n;
    return n;
}

// Waits until the `want` oldest pieces are decoded, then writes every piece decoded in a
// row from the oldest on.
void ParallelRun::write_decoded(std::size_t want) {
    std::size_t ready = 0;
    {
        std::unique_lock lock(mutex_);
        waiting_for_ = want;
        piece_done_.wait(lock, [this, want, &ready] { return (ready = decoded_in_a_row()) >= want; });
        waiting_for_ = 0;
    }
    for (std::size_t i = 0; i < ready; ++i) {
        const Piece& piece = *ring_[(head_ + i) % ring_.size()];
        messages_ += piece.messages;
        if (!piece.reports.empty()) write_(piece.reports);
    }
    std::lock_guard lock(mutex_);
    head_ += ready;
}

void ParallelRun::drain() {
    while (head_ != tail_) write_decoded(1);
}

void ParallelRun::work() {
    Session session;
    session.settings = settings_;
    for (;;) {
        Piece* piece = nullptr;
        {
            std::unique_lock lock(mutex_);
            work_ready_.wait(lock, [this] { return quit_ || next_ != tail_; });
            if (quit_) return;
            piece = ring_[next_++ % ring_.size()].get();
        }
        // Room for the usual report of the text at once, so that it is not copied as it grows.
        piece->reports.clear();
        piece->reports.reserve(piece->text.size() * kReportPerText);
        MultiRun run(session, piece->reports);
        run.feed(piece->text);
        run.finish();
        piece->messages = run.messages();
        bool wake = false;
        {
            std::lock_guard lock(mutex_);
            piece->done = true;
            wake = waiting_for_ > 0 && decoded_in_a_row() >= waiting_for_;
        }
        if (wake) piece_done_.notify_one();
    }
}

}  // namespace tarn
