#include "app/ui/progress_control.h"

#include <QProgressBar>
#include <algorithm>

namespace orca {

ProgressControl::ProgressControl(QProgressBar& bar) : bar_(bar) {
    bar_.setRange(0, kSteps);
    bar_.setTextVisible(false);
    show();
}

bool ProgressControl::visible() const { return !bar_.isHidden(); }

void ProgressControl::setMin(std::int64_t v) {
    min_ = v;
    show();
}

void ProgressControl::setMax(std::int64_t v) {
    max_ = v;
    show();
}

void ProgressControl::setValue(std::int64_t v) {
    if (v < min_ || v > max_) return;
    value_ = v;
    show();
}

void ProgressControl::setVisible(bool v) { bar_.setVisible(v); }

void ProgressControl::show() {
    const std::int64_t span = max_ - min_;
    const std::int64_t clamped = std::clamp(value_, min_, max_);
    const int step = span > 0 ? static_cast<int>((clamped - min_) * kSteps / span) : 0;
    if (step == shown_) return;
    shown_ = step;
    bar_.setValue(step);
}

}  // namespace orca
