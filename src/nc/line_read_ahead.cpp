#include "nc/line_read_ahead.h"

#include <system_error>
#include <utility>

namespace orca {

LineReadAhead::LineReadAhead(NextRecord next, bool standardReading)
    : nextRecord_(std::move(next)),
      standardReading_(standardReading),
      ring_(std::make_unique<std::array<Batch, kBatches>>()) {
    if (std::thread::hardware_concurrency() < 2) return;
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No second thread to be had: the lines are read when taken.
    }
}

LineReadAhead::~LineReadAhead() {
    if (!thread_.joinable()) return;
    stopping_.store(true);
    taken_.fetch_add(1);  // wakes the reader if it waits for room
    taken_.notify_one();
    thread_.join();
}

void LineReadAhead::fill(Batch& batch) {
    batch.count = 0;
    batch.last = false;
    try {
        while (batch.count < kBatchLines) {
            ProgramLine& line = batch.lines[batch.count];
            line.innerBreaks = 0;
            if (!nextRecord_(line.record, line.innerBreaks)) {
                batch.last = true;
                return;
            }
            ReadProgramLine(line, standardReading_);
            ++batch.count;
        }
    } catch (...) {
        batch.failure = std::current_exception();
        batch.last = true;
    }
}

void LineReadAhead::run() {
    for (std::uint64_t k = 0;; ++k) {
        for (std::uint64_t taken = taken_.load(std::memory_order_acquire); k - taken >= kBatches;
             taken = taken_.load(std::memory_order_acquire)) {
            if (stopping_.load()) return;
            taken_.wait(taken);
        }
        if (stopping_.load()) return;
        Batch& batch = (*ring_)[k % kBatches];
        fill(batch);
        filled_.store(k + 1, std::memory_order_release);
        filled_.notify_one();
        if (batch.last) return;
    }
}

const ProgramLine* LineReadAhead::next() {
    if (!thread_.joinable()) {
        // Read here, one line at a time, in the first batch's first slot.
        Batch& batch = (*ring_)[0];
        if (ended_) return nullptr;
        ProgramLine& line = batch.lines[0];
        line.innerBreaks = 0;
        if (!nextRecord_(line.record, line.innerBreaks)) {
            ended_ = true;
            return nullptr;
        }
        ReadProgramLine(line, standardReading_);
        return &line;
    }
    for (;;) {
        if (holding_) {
            Batch& batch = (*ring_)[current_ % kBatches];
            if (index_ < batch.count) return &batch.lines[index_++];
            if (batch.failure) std::rethrow_exception(std::exchange(batch.failure, nullptr));
            holding_ = false;
            ended_ = batch.last;
            ++current_;
            taken_.store(current_, std::memory_order_release);
            if (current_ % (kBatches / 2) == 0) taken_.notify_one();
        }
        if (ended_) return nullptr;
        for (std::uint64_t filled = filled_.load(std::memory_order_acquire); filled <= current_;
             filled = filled_.load(std::memory_order_acquire)) {
            filled_.wait(filled);
        }
        holding_ = true;
        index_ = 0;
    }
}

}  // namespace orca
