// The main window's event handling: repaints, commands and the end of the program.
#include "ui/main_window_proc.h"

#include "ui/commands.h"
#include "ui/draw_display.h"
#include "ui/hit_areas.h"

namespace corvane {

bool MainWindowProc(const platform::WindowEvent& event) {
  switch (event.kind) {
    case platform::WindowEventKind::Quit:
      return false;
    case platform::WindowEventKind::Paint:
      drawDisplay();
      return true;
    case platform::WindowEventKind::Press:
      // Presses outside the four areas never arrive: the platform turns them into dragging.
      return runCommand(commandAt(event.x, event.y));
  }
  return true;
}

}  // namespace corvane
