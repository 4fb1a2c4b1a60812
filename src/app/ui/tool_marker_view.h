#pragma once

#include <QLabel>

#include "view/tool_marker.h"

namespace orca {

class SurfaceView;

// The tool marker imgRoute, laid over the drawing surface. Its size and
// position are in the surface's coordinates, so they follow zoom and pan.
class ToolMarkerView : public QLabel, public ToolMarker {
public:
    explicit ToolMarkerView(SurfaceView& surface);

    bool Visible() const override { return !isHidden(); }
    float Width() const override;
    float Height() const override;
    void Move(float left, float top) override;

private:
    SurfaceView& view_;
};

}  // namespace orca
