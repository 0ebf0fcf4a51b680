// The loop that runs while a dialog is open: GTK works, the main window only repaints.
#pragma once

namespace corvane::platform::detail {

// Returns once `finished` is set (by a dialog's response handler). A quit that arrives meanwhile
// calls `cancel`, which must close the dialog and set `finished`; the quit is handed on later.
void runModalLoop(const bool& finished, void (*cancel)());

}  // namespace corvane::platform::detail
