#include "app/plot_dump.h"

#include <charconv>
#include <cstddef>

namespace orca {
namespace {

class DumpWriter {
public:
    explicit DumpWriter(std::size_t lines) { text_.reserve(lines * 64); }

    template <typename T>
    DumpWriter& operator<<(T v) {
        char buf[32];
        const auto res = std::to_chars(buf, buf + sizeof buf, v);
        text_ += ' ';
        text_.append(buf, res.ptr);
        return *this;
    }
    DumpWriter& tag(char c) {
        text_ += c;
        return *this;
    }
    void end() { text_ += '\n'; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

}  // namespace

std::string FormatPlotDump(const ViewState& view, const DisplayList& list, const RecordingSurface& surface) {
    std::size_t drawOps = 0;
    for (const RecordingSurface::Op& op : surface.ops()) drawOps += op.kind != RecordingSurface::Op::kCls;
    const std::size_t pathItems = list.LineCount() + list.CircleCount();
    std::size_t gridLines = drawOps > pathItems ? drawOps - pathItems : 0;

    DumpWriter out(1 + gridLines + pathItems);
    out.tag('V') << view.XMax << view.XMin << view.YMax << view.YMin << view.PlotScale;
    out.end();
    for (const RecordingSurface::Op& op : surface.ops()) {
        if (gridLines == 0) break;
        if (op.kind == RecordingSurface::Op::kCls) continue;
        out.tag('G') << op.a << op.b << op.c << op.d;
        out.end();
        --gridLines;
    }
    for (const LineItem& l : list.lines) {
        out.tag('L') << l.X1 << l.Y1 << l.X2 << l.Y2 << l.ColorIndex << l.DrawStyle;
        out.end();
    }
    for (const CircleItem& c : list.circles) {
        out.tag('C') << c.X << c.Y << c.Radius << c.ColorIndex << c.StartAngle << c.EndAngle << c.DrawStyle;
        out.end();
    }
    return out.take();
}

}  // namespace orca
