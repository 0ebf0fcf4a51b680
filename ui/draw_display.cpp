// One repaint: a fresh picture composed off-screen and shown in one piece.
#include "ui/draw_display.h"

#include "platform/window.h"
#include "ui/display/back_buffer.h"
#include "ui/display/display.h"

namespace corvane {

void drawDisplay() {
  if (!composeDisplay()) return;
  platform::presentImage(backBuffer.rgb.data(), BackBuffer::width, BackBuffer::height);
}

}  // namespace corvane
