#include "nc/drawing_thread.h"

#include <utility>

#include "view/surface_mapping.h"

namespace orca {
namespace {

// A batch is handed over whole: large enough that handing over costs nothing
// beside the drawing, small enough to start painting early.
constexpr std::size_t kBatchPrimitives = 4096;
// Batches waiting at most; the giving thread waits beyond, so a slow surface
// does not make the queue grow with the program.
constexpr std::size_t kMaxHanded = 4;

}  // namespace

DrawingThread::DrawingThread(Surface& surface) : surface_(surface), thread_([this] { run(); }) {
    filling_.reserve(kBatchPrimitives);
}

DrawingThread::~DrawingThread() {
    catchUp();
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void DrawingThread::line(float x1, float y1, float x2, float y2, int color, std::int16_t style) {
    add({x1, y1, x2, y2, 0, static_cast<std::int16_t>(color), style, false});
}

void DrawingThread::circle(float x, float y, float radius, int color, float startAngle, float endAngle) {
    add({x, y, radius, startAngle, endAngle, static_cast<std::int16_t>(color), kSolid, true});
}

void DrawingThread::add(const Primitive& p) {
    filling_.push_back(p);
    if (filling_.size() == kBatchPrimitives) handOver();
}

void DrawingThread::handOver() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return handed_.size() < kMaxHanded; });
    handed_.push_back(std::move(filling_));
    if (spare_.empty()) {
        filling_ = Batch();
        filling_.reserve(kBatchPrimitives);
    } else {
        filling_ = std::move(spare_.back());
        spare_.pop_back();
    }
    lock.unlock();
    changed_.notify_all();
}

void DrawingThread::catchUp() {
    if (!filling_.empty()) handOver();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return handed_.empty() && !drawing_; });
}

void DrawingThread::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !handed_.empty() || stopping_; });
        if (handed_.empty()) return;
        Batch batch = std::move(handed_.front());
        handed_.pop_front();
        drawing_ = true;
        lock.unlock();
        draw(surface_, batch);
        batch.clear();
        lock.lock();
        drawing_ = false;
        spare_.push_back(std::move(batch));
        changed_.notify_all();
    }
}

void DrawingThread::draw(Surface& surface, const Batch& batch) {
    for (const Primitive& p : batch) {
        if (p.circle) {
            drawSolidCircle(surface, p.a, p.b, p.c, p.color, p.d, p.e);
        } else {
            drawStyledLine(surface, p.a, p.b, p.c, p.d, p.color, p.style);
        }
    }
}

}  // namespace orca
