#include "app/ui/tool_marker_view.h"

#include <algorithm>
#include <cmath>

#include "app/ui/pictures.h"
#include "app/ui/surface_view.h"

namespace orca {
namespace {

// Keeps a far-away position a pixel position the widget can take.
int pixel(double v) { return static_cast<int>(std::clamp(v, -1.0e6, 1.0e6)); }

}  // namespace

ToolMarkerView::ToolMarkerView(SurfaceView& surface) : QLabel(&surface), view_(surface) {
    setObjectName("imgRoute");
    const QPixmap picture = ToolMarkerPicture();
    setPixmap(picture);
    resize(picture.size());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

float ToolMarkerView::Width() const {
    const ScaleWindow& w = view_.raster().window();
    return static_cast<float>(width() * static_cast<double>(w.ScaleWidth) / view_.raster().widthPx());
}

float ToolMarkerView::Height() const {
    const ScaleWindow& w = view_.raster().window();
    return static_cast<float>(height() * static_cast<double>(w.ScaleHeight) / view_.raster().heightPx());
}

void ToolMarkerView::Move(float left, float top) {
    const ScaleWindow& w = view_.raster().window();
    const double x = (left - static_cast<double>(w.ScaleLeft)) * view_.raster().widthPx() / w.ScaleWidth;
    const double y = (top - static_cast<double>(w.ScaleTop)) * view_.raster().heightPx() / w.ScaleHeight;
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    move(pixel(std::round(x)), pixel(std::round(y)));
}

}  // namespace orca
