// The loop that runs while a dialog is open: GTK works, the main window only repaints.
#include "platform/linux/window/modal_loop.h"

#include <SDL.h>

#include "platform/linux/window/window_internal.h"

namespace corvane::platform::detail {
namespace {

// One pass over pending GTK and SDL events; true if there were any. Presses on the main window do
// nothing while a dialog is open. A quit is kept for later and reported.
bool pumpModalEvents(bool& quit) {
  bool busy = pumpGtkEvents();
  WindowEvent event;
  while (nextSdlEvent(event)) {
    busy = true;
    if (event.kind == WindowEventKind::Paint) {
      repaintMainWindow();
    } else if (event.kind == WindowEventKind::Quit) {
      deferQuit();
      quit = true;
    }
  }
  return busy;
}

}  // namespace

void runModalLoop(const bool& finished, void (*cancel)()) {
  const bool nested = dialogOpen();  // a question asked on top of another dialog
  setDialogOpen(true);
  while (!finished) {
    bool quit = false;
    const bool busy = pumpModalEvents(quit);
    if (quit) cancel();
    if (!busy) sleepMilliseconds(1);
  }
  setDialogOpen(nested);
}

void waitForButtonRelease() {
  const bool nested = dialogOpen();
  setDialogOpen(true);
  bool quit = false;
  while (!quit && (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0) {
    if (!pumpModalEvents(quit)) sleepMilliseconds(1);
  }
  setDialogOpen(nested);
}

}  // namespace corvane::platform::detail
