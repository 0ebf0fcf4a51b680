// The loop that runs while a dialog is open: GTK works, the main window only repaints.
#include "platform/linux/window/modal_loop.h"

#include "platform/linux/window/window_internal.h"

namespace corvane::platform::detail {

void runModalLoop(const bool& finished, void (*cancel)()) {
  const bool nested = dialogOpen();  // a question asked on top of another dialog
  setDialogOpen(true);
  while (!finished) {
    bool busy = pumpGtkEvents();
    WindowEvent event;
    while (!finished && nextSdlEvent(event)) {
      busy = true;
      if (event.kind == WindowEventKind::Paint) {
        repaintMainWindow();
      } else if (event.kind == WindowEventKind::Quit) {
        deferQuit();
        cancel();
      }
      // Presses on the main window do nothing while a dialog is open.
    }
    if (!busy) sleepMilliseconds(1);
  }
  setDialogOpen(nested);
}

}  // namespace corvane::platform::detail
