#pragma once

#include <cstdint>

namespace orca {

// The values the modal state stores, by name. The numbers themselves are what
// the settings and the drawing-settings dialog exchange, so they stay as they are.
enum MotionModeValue : std::int16_t {
    kMotionRapid = 0,             // G00, G28
    kMotionLinear = 1,            // G01
    kMotionClockwise = 2,         // G02
    kMotionCounterClockwise = 3,  // G03
};
enum CannedCodeValue : std::int16_t {
    kNoCycle = 0,
    kFirstCycle = 81,  // G81 ... G89 store their own number
    kLastCycle = 89,
};
// The plane arcs turn in; the standard reading alone changes it.
enum PlaneValue : std::int16_t {
    kPlaneXY = 17,  // G17
    kPlaneXZ = 18,  // G18
    kPlaneYZ = 19,  // G19
};
enum IncFlagValue : std::int16_t {
    kAbsolute = 0,     // G90
    kIncremental = 1,  // G91; any other value reads as absolute
};

// Interpreter state carried from line to line, shared by both passes.
struct NcModalState {
    std::int16_t MotionMode = kMotionRapid;
    std::int16_t CannedCode = kNoCycle;
    std::int16_t IncFlag = kAbsolute;
    double CurX = 0.0;
    double CurY = 0.0;
    // Kept by the standard reading only, for arcs outside the XY plane.
    std::int16_t Plane = kPlaneXY;
    double CurZ = 0.0;
    // Lines of the last extents pass that cannot be drawn because a word is
    // an expression or a variable (standard reading); counted there, since
    // that pass reads every line even when nothing is drawn.
    std::int64_t ExpressionLines = 0;

    bool incremental() const { return IncFlag == kIncremental; }
    bool cycleActive() const { return CannedCode >= kFirstCycle && CannedCode <= kLastCycle; }
    bool arcMotion() const { return MotionMode == kMotionClockwise || MotionMode == kMotionCounterClockwise; }

    // Each pass starts at the program origin in rapid motion, with no cycle
    // and in the XY plane. The extents pass keeps the coordinate mode it was
    // given and counts the lines left out anew; the tool-path pass starts in
    // the start mode.
    void startExtentsPass() {
        startAtOrigin();
        ExpressionLines = 0;
    }
    void startToolPathPass(std::int16_t startMode) {
        startAtOrigin();
        IncFlag = startMode;
    }

private:
    void startAtOrigin() {
        MotionMode = kMotionRapid;
        CannedCode = kNoCycle;
        Plane = kPlaneXY;
        CurX = CurY = CurZ = 0.0;
    }
};

}  // namespace orca
