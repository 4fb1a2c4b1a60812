#pragma once

namespace orca {

// The tool marker laid over the drawing surface (480 x 480 twips). Its
// position is in the surface's coordinates; it never marks the surface.
class ToolMarker {
public:
    virtual ~ToolMarker() = default;
    virtual bool Visible() const = 0;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void Move(float left, float top) = 0;
};

// A marker that only keeps its state (for headless use and tests).
class PlainToolMarker : public ToolMarker {
public:
    bool visible = false;
    float width = 480.0f;
    float height = 480.0f;
    float left = 0.0f;
    float top = 0.0f;

    bool Visible() const override { return visible; }
    float Width() const override { return width; }
    float Height() const override { return height; }
    void Move(float l, float t) override {
        left = l;
        top = t;
    }
};

}  // namespace orca
