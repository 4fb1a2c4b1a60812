#pragma once

#include <QApplication>

namespace orca {

// The one application object of a benchmark run, on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.
QApplication& headlessApp();

}  // namespace orca
