#include "fuzz_targets.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "base/guarded.h"
#include "document/text_encoding.h"
#include "nc/line_words.h"
#include "nc/number_rule.h"
#include "nc/plot_engine.h"
#include "nc/program_plot.h"
#include "nc/standard_words.h"
#include "view/recording_surface.h"

namespace orca::fuzz {
namespace {

std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

class SilentSink : public MessageSink {
public:
    void showMessage(const std::string&) override {}
};

double readOrNothing(double (*reader)(const NcLine&, const NcModalState&), const NcLine& line,
                     const NcModalState& st) {
    try {
        return reader(line, st);
    } catch (const ArithmeticFault&) {
        return 0.0;
    }
}

}  // namespace

void NumberAndWords(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = asText(data, size);
    const NumberReading n = ParseNumber(text);
    require(std::isfinite(n.value), "number is finite");
    require(!n.overflow || n.value == 0.0, "overflow reads 0");

    const NcLine line(text);
    for (std::int16_t inc : {0, 1}) {
        NcModalState st;
        st.IncFlag = inc;
        st.CurX = 12.5;
        st.CurY = -1e300;
        for (auto reader : {XValGet, YValGet, XPosGet, YPosGet, RadiusGet}) {
            require(std::isfinite(readOrNothing(reader, line, st)), "reader result is finite");
        }
    }
}

namespace {

void programPasses(const std::uint8_t* data, std::size_t size, bool standardReading) {
    if (size == 0) return;
    // The first byte picks the start mode, grid and window; the rest is the program.
    const std::uint8_t options = data[0];
    RecordingSurface surface;
    PlainToolMarker marker;
    SilentSink sink;
    PlotEngine engine(surface, marker, sink);
    surface.setWindow({0, 0, (options & 2) ? 18000.0f : 1.0f, (options & 4) ? 12000.0f : 3.0e9f});
    engine.settings.IncFlagDefault = engine.nc.IncFlag = options & 1;
    engine.settings.HouganWidth = static_cast<std::int16_t>((options >> 3) - 4);
    engine.settings.StandardReading = standardReading;
    const std::string text = PlotLoadedText(engine, asText(data + 1, size - 1));
    require(text.size() >= size - 1, "editor text keeps every record");

    DisplayList_Redraw(engine.displayList, surface);
    for (const RecordingSurface::Op& op : surface.ops()) {
        for (float v : {op.a, op.b, op.c, op.d, op.start, op.end}) require(std::isfinite(v), "surface value");
    }
    for (const LineItem& l : engine.displayList.lines) {
        require(std::isfinite(l.X1) && std::isfinite(l.Y1) && std::isfinite(l.X2) && std::isfinite(l.Y2),
                "line item");
    }
    for (const CircleItem& c : engine.displayList.circles) {
        require(std::isfinite(c.X) && std::isfinite(c.Y) && std::isfinite(c.Radius) &&
                    std::isfinite(c.StartAngle) && std::isfinite(c.EndAngle),
                "circle item");
    }
    require(engine.nc.ExpressionLines >= 0 && (standardReading || engine.nc.ExpressionLines == 0),
            "expression lines counted by the standard reading only");
}

// A word's value, or nothing when it does not fit a double.
std::optional<double> wordOf(const NcLine& line, char letter) {
    return Guarded([&] { return line.word(letter); });
}

}  // namespace

void WholeProgramPasses(const std::uint8_t* data, std::size_t size) { programPasses(data, size, false); }

void StandardWords(const std::uint8_t* data, std::size_t size) {
    const std::string text(asText(data, size));
    const NcLine line = ReadStandardLine(text);
    // What follows a ";" is never read, so it cannot change a word.
    const std::string commented = text + ";X1 Y2 G1 (";
    const NcLine same = ReadStandardLine(commented);
    require(line.hasExpression() == same.hasExpression(), "comment keeps the expression mark");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        require(line.has(letter) == same.has(letter), "comment keeps the words");
        if (!line.has(letter)) continue;
        const std::optional<double> v = wordOf(line, letter);
        require(!v || std::isfinite(*v), "word value is finite");
        const std::optional<double> w = wordOf(same, letter);
        require(v.has_value() == w.has_value() && (!v || *v == *w), "comment keeps the values");
    }
    for (int code = 0; code <= static_cast<int>(GCode::G19); ++code) {
        require(line.hasG(static_cast<GCode>(code)) == same.hasG(static_cast<GCode>(code)),
                "comment keeps G-codes");
    }
    programPasses(data, size, true);
}

}  // namespace orca::fuzz
