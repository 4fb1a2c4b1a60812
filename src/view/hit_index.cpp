#include "view/hit_index.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace orca {
namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;
constexpr double kMaxCells = 1 << 20;
constexpr int kMaxSide = 2048;

// An arc as the surface draws it: from `start` counter-clockwise (on the
// screen, surface Y growing downwards) through `span`, a full turn when the
// angles are equal.
struct Sweep {
    double start, span;
};

Sweep SweepOf(const CircleItem& c) {
    const auto start = static_cast<double>(static_cast<float>(c.StartAngle));
    const auto end = static_cast<double>(static_cast<float>(c.EndAngle));
    double s = std::fmod(start, kTurn);
    if (s < 0.0) s += kTurn;
    double span = std::fmod(end - start, kTurn);
    if (span <= 0.0) span += kTurn;
    return {s, span};
}

bool Finite(const LineItem& l) {
    return std::isfinite(l.X1) && std::isfinite(l.Y1) && std::isfinite(l.X2) && std::isfinite(l.Y2);
}

bool Finite(const CircleItem& c) {
    return std::isfinite(c.X) && std::isfinite(c.Y) && std::isfinite(c.Radius) &&
           std::isfinite(c.StartAngle) && std::isfinite(c.EndAngle);
}

// Calls f(x, y) for points along the item no farther apart than `step`.
template <typename F>
void Walk(const LineItem& l, double step, F&& f) {
    const double len = std::hypot(l.X2 - l.X1, l.Y2 - l.Y1);
    const auto n = static_cast<long>(std::ceil(len / step));
    for (long i = 0; i <= n; ++i) {
        const double t = n == 0 ? 0.0 : static_cast<double>(i) / static_cast<double>(n);
        f(l.X1 + (l.X2 - l.X1) * t, l.Y1 + (l.Y2 - l.Y1) * t);
    }
}

template <typename F>
void Walk(const CircleItem& c, double step, F&& f) {
    const Sweep s = SweepOf(c);
    const double r = std::fabs(c.Radius);
    const auto n = static_cast<long>(std::ceil(r * s.span / step));
    for (long i = 0; i <= n; ++i) {
        const double a = s.start + (n == 0 ? 0.0 : s.span * static_cast<double>(i) / static_cast<double>(n));
        f(c.X + r * std::cos(a), c.Y - r * std::sin(a));
    }
}

// The box of an arc: its ends and the quarter points its sweep passes.
template <typename F>
void Extremes(const CircleItem& c, F&& f) {
    const Sweep s = SweepOf(c);
    const double r = std::fabs(c.Radius);
    const auto at = [&](double a) { f(c.X + r * std::cos(a), c.Y - r * std::sin(a)); };
    at(s.start);
    at(s.start + s.span);
    for (int q = 0; q < 8; ++q) {
        const double a = q * std::numbers::pi / 2;
        if (a > s.start && a < s.start + s.span) at(a);
    }
}

double SegmentDistance(double px, double py, double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0.0 ? std::clamp(((px - x1) * dx + (py - y1) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

// On the picture the radius is scaled across, as the surface draws it.
double ArcDistance(const CircleItem& c, const WindowPixels& m, double px, double py) {
    const double cx = m.u(c.X);
    const double cy = m.v(c.Y);
    const double r = std::fabs(c.Radius) * m.sx;
    const Sweep s = SweepOf(c);
    const double d = std::hypot(px - cx, py - cy);
    double rel = std::fmod(std::atan2(cy - py, px - cx) - s.start, kTurn);
    if (rel < 0.0) rel += kTurn;
    if (rel <= s.span || d == 0.0) return std::fabs(d - r);
    const double e = s.start + s.span;
    return std::min(std::hypot(px - (cx + r * std::cos(s.start)), py - (cy - r * std::sin(s.start))),
                    std::hypot(px - (cx + r * std::cos(e)), py - (cy - r * std::sin(e))));
}

}  // namespace

void HitIndex::reset() { *this = HitIndex{}; }

bool HitIndex::builtFor(const DisplayList& list) const {
    return built_ && lines_ == list.lines.size() && circles_ == list.circles.size();
}

int HitIndex::cellX(double x) const {
    return std::clamp(static_cast<int>(std::floor((x - x0_) / cell_)), 0, gx_ - 1);
}

int HitIndex::cellY(double y) const {
    return std::clamp(static_cast<int>(std::floor((y - y0_) / cell_)), 0, gy_ - 1);
}

void HitIndex::build(const DisplayList& list) {
    reset();
    built_ = true;
    lines_ = list.lines.size();
    circles_ = list.circles.size();
    if (lines_ + circles_ >= std::numeric_limits<std::uint32_t>::max()) return;

    double minX = std::numeric_limits<double>::infinity(), minY = minX;
    double maxX = -minX, maxY = -minX;
    double pathLength = 0.0;
    const auto extend = [&](double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    };
    for (const LineItem& l : list.lines) {
        if (!Finite(l)) continue;
        extend(l.X1, l.Y1);
        extend(l.X2, l.Y2);
        pathLength += std::hypot(l.X2 - l.X1, l.Y2 - l.Y1);
    }
    for (const CircleItem& c : list.circles) {
        if (!Finite(c)) continue;
        Extremes(c, extend);
        pathLength += std::fabs(c.Radius) * SweepOf(c).span;
    }
    if (!(minX <= maxX) || !std::isfinite(maxX - minX) || !std::isfinite(maxY - minY)) return;

    // Square cells, at most one per item and kMaxSide along a side, and no
    // smaller than the mean item, so the index holds a few entries per item
    // however long the moves are.
    const double w = maxX - minX;
    const double h = maxY - minY;
    const double items = static_cast<double>(lines_ + circles_);
    const double target = std::clamp(items, 1.0, kMaxCells);
    double cell = (w > 0.0 && h > 0.0) ? std::sqrt(w * h / target) : std::max(w, h) / target;
    if (std::isfinite(pathLength)) cell = std::max(cell, pathLength / std::max(items, 1.0));
    if (!(cell > 0.0) || !std::isfinite(cell)) cell = 1.0;
    cell = std::max({cell, w / (kMaxSide - 1), h / (kMaxSide - 1)});
    x0_ = minX;
    y0_ = minY;
    cell_ = cell;
    gx_ = static_cast<int>(w / cell) + 1;
    gy_ = static_cast<int>(h / cell) + 1;

    // Cell of every point half a cell apart along each item, so each point
    // of an item lies in or next to a listed cell; the query widens by that.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> entries;  // cell, ref
    entries.reserve((lines_ + circles_) * 2);
    const double step = cell / 2;
    const auto add = [&](std::uint32_t ref) {
        std::uint32_t last = std::numeric_limits<std::uint32_t>::max();
        return [&entries, ref, last, this](double x, double y) mutable {
            const auto c = static_cast<std::uint32_t>(cellY(y) * gx_ + cellX(x));
            if (c == last) return;
            last = c;
            entries.emplace_back(c, ref);
        };
    };
    for (std::size_t i = 0; i < lines_; ++i) {
        if (Finite(list.lines[i])) Walk(list.lines[i], step, add(static_cast<std::uint32_t>(i)));
    }
    for (std::size_t i = 0; i < circles_; ++i) {
        if (Finite(list.circles[i])) Walk(list.circles[i], step, add(static_cast<std::uint32_t>(lines_ + i)));
    }

    // Counting sort by cell into one array.
    const auto cells = static_cast<std::size_t>(gx_) * static_cast<std::size_t>(gy_);
    start_.assign(cells + 1, 0);
    for (const auto& e : entries) ++start_[e.first + 1];
    for (std::size_t c = 0; c < cells; ++c) start_[c + 1] += start_[c];
    refs_.resize(entries.size());
    std::vector<std::uint32_t> fill(start_.begin(), start_.end() - 1);
    for (const auto& e : entries) refs_[fill[e.first]++] = e.second;
}

std::optional<Hit> HitIndex::Nearest(const DisplayList& list, const WindowPixels& m, double px, double py,
                                     double tolerancePx) const {
    if (!built_ || gx_ == 0 || !m.usable || !builtFor(list)) return std::nullopt;
    const double x = m.x(px);
    const double y = m.y(py);
    const double tx = tolerancePx / m.sx;
    const double ty = tolerancePx / m.sy;
    // Outside the grid by more than the tolerance and a cell: nothing there.
    const double margin = cell_;
    if (x + tx + margin < x0_ || y + ty + margin < y0_ || x - tx - margin > x0_ + gx_ * cell_ ||
        y - ty - margin > y0_ + gy_ * cell_) {
        return std::nullopt;
    }
    const int i0 = cellX(x - tx - margin), i1 = cellX(x + tx + margin);
    const int j0 = cellY(y - ty - margin), j1 = cellY(y + ty + margin);

    std::optional<Hit> best;
    std::uint32_t bestRef = 0;
    for (int j = j0; j <= j1; ++j) {
        const auto row = static_cast<std::size_t>(j) * static_cast<std::size_t>(gx_);
        for (std::uint32_t k = start_[row + i0]; k < start_[row + i1 + 1]; ++k) {
            const std::uint32_t ref = refs_[k];
            double d = 0.0;
            if (ref < lines_) {
                const LineItem& l = list.lines[ref];
                d = SegmentDistance(px, py, m.u(l.X1), m.v(l.Y1), m.u(l.X2), m.v(l.Y2));
            } else {
                d = ArcDistance(list.circles[ref - lines_], m, px, py);
            }
            // Of equally near items the one drawn last, which lies on top.
            if (d > tolerancePx ||
                (best && (d > best->distancePx || (d == best->distancePx && ref < bestRef)))) {
                continue;
            }
            bestRef = ref;
            const bool circle = ref >= lines_;
            const std::size_t index = circle ? ref - lines_ : ref;
            best =
                Hit{circle ? list.circles[index].LineNumber : list.lines[index].LineNumber, circle, index, d};
        }
    }
    return best;
}

std::size_t HitIndex::memoryBytes() const {
    return start_.capacity() * sizeof(std::uint32_t) + refs_.capacity() * sizeof(std::uint32_t);
}

}  // namespace orca
