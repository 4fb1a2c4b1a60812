#include "app/plot_dump.h"

#include <charconv>
#include <string>

namespace orca {
namespace {

class DumpWriter {
public:
    explicit DumpWriter(const DumpOutput& output) : output_(output) {
        // The longest line: a tag and eight numbers of at most 32 characters.
        text_.reserve(kPlotDumpPieceBytes + 9 * 33 + 1);
    }

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
    // Ends the line; false once the output has failed.
    bool end() {
        text_ += '\n';
        return text_.size() < kPlotDumpPieceBytes || flush();
    }
    bool flush() {
        const bool written = text_.empty() || output_(text_);
        text_.clear();
        return written;
    }

private:
    const DumpOutput& output_;
    std::string text_;
};

}  // namespace

bool WritePlotDump(const ViewState& view, const DisplayList& list, const RecordingSurface& surface,
                   const DumpOutput& output, bool lineNumbers) {
    std::size_t drawOps = 0;
    for (const RecordingSurface::Op& op : surface.ops()) drawOps += op.kind != RecordingSurface::Op::kCls;
    const std::size_t pathItems = list.LineCount() + list.CircleCount();
    std::size_t gridLines = drawOps > pathItems ? drawOps - pathItems : 0;

    DumpWriter out(output);
    out.tag('V') << view.XMax << view.XMin << view.YMax << view.YMin << view.PlotScale;
    if (!out.end()) return false;
    for (const RecordingSurface::Op& op : surface.ops()) {
        if (gridLines == 0) break;
        if (op.kind == RecordingSurface::Op::kCls) continue;
        out.tag('G') << op.a << op.b << op.c << op.d;
        if (!out.end()) return false;
        --gridLines;
    }
    for (const LineItem& l : list.lines) {
        out.tag('L') << l.X1 << l.Y1 << l.X2 << l.Y2 << l.ColorIndex << l.DrawStyle;
        if (lineNumbers) out << l.LineNumber;
        if (!out.end()) return false;
    }
    for (const CircleItem& c : list.circles) {
        out.tag('C') << c.X << c.Y << c.Radius << c.ColorIndex << c.StartAngle << c.EndAngle << c.DrawStyle;
        if (lineNumbers) out << c.LineNumber;
        if (!out.end()) return false;
    }
    return out.flush();
}

}  // namespace orca
