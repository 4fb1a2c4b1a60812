#pragma once

#include <functional>

namespace orca {

class CancelFlag;

// Runs `work` on a worker thread while this (the user-interface) thread keeps
// running its event loop, so the window repaints and its menus respond, and
// returns when `work` has finished. Esc pressed meanwhile requests `cancel`,
// which `work` is expected to poll; so does the application quitting, and
// the call then waits for `work` to notice. `work` must not touch widgets.
void RunBesideEventLoop(const std::function<void()>& work, CancelFlag& cancel);

}  // namespace orca
