// The message loop: events first, and while idle a repaint every 91 ms or more, never blocking.
#include "ui/message_loop.h"

#include "platform/window.h"
#include "ui/draw_display.h"
#include "ui/main_window_proc.h"

namespace corvane {

int runMessageLoop() {
  std::uint32_t lastRepaint = 0;
  for (;;) {
    platform::WindowEvent event;
    if (platform::pollWindowEvent(event)) {
      if (!MainWindowProc(event)) return 0;
      continue;
    }
    if (idleRepaintDue(platform::tickCount(), lastRepaint)) {
      lastRepaint = platform::tickCount();
      drawDisplay();
    } else {
      platform::sleepMilliseconds(1);
    }
  }
}

}  // namespace corvane
