#pragma once

#include <cstdint>

class QProgressBar;

namespace orca {

// ProgressBar1 as the program uses it: Min, Max, Value and Visible in whole
// numbers of any size. The widget is touched only when what it shows
// changes, so a pass may set the value on every line.
class ProgressControl {
public:
    static constexpr int kSteps = 1000;

    explicit ProgressControl(QProgressBar& bar);

    std::int64_t min() const { return min_; }
    std::int64_t max() const { return max_; }
    std::int64_t value() const { return value_; }
    bool visible() const;

    void setMin(std::int64_t v);
    void setMax(std::int64_t v);
    // A value outside Min..Max is refused: the bar keeps its previous value.
    void setValue(std::int64_t v);
    void setVisible(bool v);

private:
    void show();

    QProgressBar& bar_;
    std::int64_t min_ = 0;
    std::int64_t max_ = 100;
    std::int64_t value_ = 0;
    int shown_ = -1;
};

}  // namespace orca
