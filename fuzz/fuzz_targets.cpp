#include "fuzz_targets.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/guarded.h"
#include "document/text_encoding.h"
#include "nc/line_words.h"
#include "nc/number_rule.h"
#include "nc/plot_engine.h"
#include "nc/program_plot.h"
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

void WholeProgramPasses(const std::uint8_t* data, std::size_t size) {
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
}

}  // namespace orca::fuzz
