#pragma once

namespace orca {

class NcLine;
class MessageSink;
struct NcModalState;

// 1 when angle `a` lies outside the counter-clockwise sweep from `as` to
// `ae` (degrees, bounds inclusive), 0 when inside.
int KakudoHaniChk_Sub(double as, double ae, double a);

// Largest X and Y, and smallest X and Y, that the arc of one line reaches.
void G02G03BigXYGet_Sub(const NcLine& line, const NcModalState& st, MessageSink& messages, double& x,
                        double& y);
void G02G03SmallXYGet_Sub(const NcLine& line, const NcModalState& st, MessageSink& messages, double& x,
                          double& y);

}  // namespace orca
