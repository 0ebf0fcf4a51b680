// The loop that runs while a dialog is open: GTK works, the main window only repaints.
#pragma once

namespace corvane::platform::detail {

// Returns once `finished` is set (by a dialog's response handler). A quit that arrives meanwhile
// calls `cancel`, which must close the dialog and set `finished`; the quit is handed on later.
void runModalLoop(const bool& finished, void (*cancel)());

// Waits, repainting, until the left button that opened a dialog is released. SDL must see that
// release: if the dialog took it, SDL would count the button as still held and drop the next press.
void waitForButtonRelease();

}  // namespace corvane::platform::detail
