#include "program_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace orca {
namespace {

// Positions are whole thousandths, so the tracked position is exactly what
// the written words say.
using Milli = std::int64_t;
constexpr Milli kAreaX = 200000;
constexpr Milli kAreaY = 150000;
// Longest step of a cutting move along each axis, as in dense CAM output.
constexpr Milli kStep = 3000;

class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next() {  // splitmix64
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    Milli range(Milli lo, Milli hi) {
        return lo + static_cast<Milli>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool chance(int percent) { return static_cast<int>(next() % 100) < percent; }

private:
    std::uint64_t s_;
};

class Writer {
public:
    Writer(const ProgramOptions& o) : limit_(o.lines), eol_(o.crlf ? "\r\n" : "\n") {
        text_.reserve(o.lines * 32);
    }
    // Lines left for the body; two are kept for the program end.
    bool room() const { return count_ + 2 < limit_; }

    Writer& word(char letter, Milli v) {
        sep();
        text_ += letter;
        if (v < 0) text_ += '-';
        const Milli a = std::llabs(v);
        text_ += std::to_string(a / 1000);
        text_ += '.';
        int frac = static_cast<int>(a % 1000);
        if (frac != 0) {
            char digits[4] = {static_cast<char>('0' + frac / 100), static_cast<char>('0' + frac / 10 % 10),
                              static_cast<char>('0' + frac % 10), 0};
            int len = 3;
            while (digits[len - 1] == '0') --len;
            text_.append(digits, len);
        }
        return *this;
    }
    Writer& raw(const char* s) {
        sep();
        text_ += s;
        return *this;
    }
    void end() {
        text_ += eol_;
        ++count_;
        open_ = false;
    }
    // A line as given, without a sequence number.
    void line(const char* s) {
        if (count_ >= limit_) return;
        open_ = true;
        text_ += s;
        end();
    }
    std::string finish() {
        line("M30");
        line("%");
        return std::move(text_);
    }

private:
    // Words after the first are separated by a blank; a block that starts
    // with a word gets a sequence number, as posts write them.
    void sep() {
        if (open_) {
            text_ += ' ';
            return;
        }
        open_ = true;
        text_ += 'N';
        text_ += std::to_string(count_ % 100000);
        text_ += ' ';
    }

    std::size_t limit_;
    const char* eol_;
    std::size_t count_ = 0;
    bool open_ = false;
    std::string text_;
};

class Generator {
public:
    Generator(const ProgramOptions& o) : rng_(o.seed), out_(o) {}

    std::string run() {
        out_.line("%");
        out_.line("O1000 (GENERATED PART)");
        out_.line("G90 G54 G17 G21");
        while (out_.room()) {
            const int pick = static_cast<int>(rng_.next() % 100);
            if (pick < 70)
                contour();
            else if (pick < 78)
                drilling();
            else if (pick < 93)
                incremental();
            else
                comment();
        }
        return out_.finish();
    }

private:
    Milli pickX() { return rng_.range(0, kAreaX); }
    Milli pickY() { return rng_.range(0, kAreaY); }
    // A step of at most `reach` that stays inside [0, limit] by turning back.
    Milli near(Milli v, Milli reach, Milli limit) {
        const Milli d = rng_.range(-reach, reach);
        return (v + d < 0 || v + d > limit) ? std::clamp(v - d, Milli{0}, limit) : v + d;
    }

    void rapidTo(Milli x, Milli y) {
        if (!out_.room()) return;
        out_.raw("G00").word('X', x).word('Y', y).end();
        x_ = x;
        y_ = y;
    }

    void contour() {
        rapidTo(pickX(), pickY());
        if (out_.room()) out_.raw("G01").word('Z', -rng_.range(500, 5000)).raw("F200").end();
        const int moves = static_cast<int>(rng_.range(20, 200));
        for (int i = 0; i < moves && out_.room(); ++i) {
            const int kind = static_cast<int>(rng_.next() % 10);
            if (kind < 6)
                feed();
            else if (kind < 8)
                arcByCentre();
            else
                arcByRadius();
        }
        if (out_.room()) out_.line("G00 Z5.");
    }

    void feed() {
        const Milli x = near(x_, kStep, kAreaX);
        const Milli y = near(y_, kStep, kAreaY);
        out_.raw("G01").word('X', x).word('Y', y);
        if (rng_.chance(10)) out_.raw("F500");
        out_.end();
        x_ = x;
        y_ = y;
    }

    // End point on the circle about a centre picked near the start.
    void arcByCentre() {
        const Milli i = rng_.range(-kStep, kStep);
        const Milli j = rng_.range(-kStep, kStep);
        const double cx = static_cast<double>(x_ + i);
        const double cy = static_cast<double>(y_ + j);
        const double radius = std::hypot(static_cast<double>(i), static_cast<double>(j));
        const double angle = static_cast<double>(rng_.next() % 6283) / 1000.0;
        const Milli x = std::llround(cx + radius * std::cos(angle));
        const Milli y = std::llround(cy + radius * std::sin(angle));
        if (x < 0 || x > kAreaX || y < 0 || y > kAreaY) return feed();
        out_.raw(rng_.chance(50) ? "G02" : "G03").word('X', x).word('Y', y).word('I', i).word('J', j).end();
        x_ = x;
        y_ = y;
    }

    // Radius at least half the chord, rounded up to the written precision.
    void arcByRadius() {
        const Milli x = near(x_, kStep, kAreaX);
        const Milli y = near(y_, kStep, kAreaY);
        const double half = std::hypot(static_cast<double>(x - x_), static_cast<double>(y - y_)) / 2.0;
        if (half == 0.0) return feed();
        const double stretch = 1.0 + static_cast<double>(rng_.next() % 1000) / 500.0;
        const Milli r = static_cast<Milli>(std::ceil(half * stretch)) + 1;
        out_.raw(rng_.chance(50) ? "G02" : "G03").word('X', x).word('Y', y).word('R', r).end();
        x_ = x;
        y_ = y;
    }

    void drilling() {
        Milli x = pickX();
        Milli y = pickY();
        rapidTo(x, y);
        if (!out_.room()) return;
        out_.raw("G81").word('X', x).word('Y', y).raw("Z-10. R2. F100").end();
        const int holes = static_cast<int>(rng_.range(2, 20));
        for (int k = 0; k < holes && out_.room(); ++k) {
            if (rng_.chance(15)) {  // the same position again
                out_.word('X', x).word('Y', y).end();
                continue;
            }
            x = near(x, 10000, kAreaX);
            y = near(y, 10000, kAreaY);
            out_.word('X', x).word('Y', y).end();
        }
        x_ = x;
        y_ = y;
        if (out_.room()) out_.line("G80");
    }

    void incremental() {
        if (!out_.room()) return;
        out_.line("G91");
        const int moves = static_cast<int>(rng_.range(3, 30));
        for (int k = 0; k < moves && out_.room(); ++k) {
            const Milli x = near(x_, 5000, kAreaX);
            const Milli y = near(y_, 5000, kAreaY);
            out_.raw(rng_.chance(20) ? "G00" : "G01").word('X', x - x_).word('Y', y - y_).end();
            x_ = x;
            y_ = y;
        }
        if (out_.room()) out_.line("G90");
    }

    void comment() {
        if (!out_.room()) return;
        static constexpr const char* kNotes[] = {"(ROUGHING PASS)", "(FINISH CONTOUR)", "(T2 DRILL D5.0)",
                                                 "(CHECK CLAMPS)", "(SPOT FACE)"};
        out_.line(kNotes[rng_.next() % std::size(kNotes)]);
    }

    Rng rng_;
    Writer out_;
    Milli x_ = 0;
    Milli y_ = 0;
};

}  // namespace

std::string GenerateProgram(const ProgramOptions& options) { return Generator(options).run(); }

}  // namespace orca
