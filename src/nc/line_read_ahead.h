#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string_view>
#include <thread>

#include "nc/program_line.h"

namespace orca {

// Splits a text into program lines and reads their words on a thread of its
// own, a few hundred lines ahead of the pass that takes them, so that the
// pass's thread only interprets. Lines come out in order, exactly as
// ReadProgramLine reads them; without a second thread they are read when
// taken.
class LineReadAhead {
public:
    // Gives the next record and the lone line breaks inside it; false after
    // the last. Called on the reading thread only.
    using NextRecord = std::function<bool(std::string_view& record, std::size_t& innerBreaks)>;

    LineReadAhead(NextRecord next, bool standardReading);
    // Stops the reading where it is: the pass may end before the text.
    ~LineReadAhead();
    LineReadAhead(const LineReadAhead&) = delete;
    LineReadAhead& operator=(const LineReadAhead&) = delete;

    // The next line, or null after the last; valid until the next call.
    [[nodiscard]] const ProgramLine* next();

private:
    static constexpr std::size_t kBatchLines = 256;
    // The reader, faster than the pass, mostly waits for room: it is woken
    // when half the batches are free, not for each one.
    static constexpr std::size_t kBatches = 8;
    struct Batch {
        std::array<ProgramLine, kBatchLines> lines;
        std::size_t count = 0;
        bool last = false;
        std::exception_ptr failure;  // what ended the reading early, for the pass to raise
    };

    void fill(Batch& batch);
    void run();

    NextRecord nextRecord_;
    bool standardReading_;
    std::unique_ptr<std::array<Batch, kBatches>> ring_;
    std::atomic<std::uint64_t> filled_{0};  // batches handed to the pass
    std::atomic<std::uint64_t> taken_{0};   // batches the pass is done with
    std::atomic<bool> stopping_{false};
    std::uint64_t current_ = 0;  // the pass's batch
    std::size_t index_ = 0;      // the pass's next line in it
    bool holding_ = false;       // the pass has its batch
    bool ended_ = false;
    std::thread thread_;
};

}  // namespace orca
