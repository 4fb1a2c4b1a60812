#pragma once

class QDialog;

namespace orca {

// Widens a dialog laid out on a grid (message boxes, the About box) so that
// the window manager shows its whole title: a narrow box would show
// "Orca… ditor". Call once the title is set.
void MakeTitleFit(QDialog& dialog);

}  // namespace orca
