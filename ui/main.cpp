// corvane: the desktop program. Start-up in a fixed order, then the message loop.
#include <csignal>
#include <cstdio>

#include "platform/window.h"
#include "playback/playback_control.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"
#include "ui/display/display.h"
#include "ui/draw_display.h"
#include "ui/main_window.h"
#include "ui/message_loop.h"
#include "ui/save_command.h"

int main() {
  using namespace corvane;
#ifdef SIGPIPE
  // A reader that stops reading the printed states must not end the program.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  clearSampleBuffer();
  if (!openMainWindow()) {
    std::fprintf(stderr, "corvane: %s\n", platform::windowSystemError());
    return 1;
  }
  setupDisplay();
  openAudio();  // without a sound device the program runs silent
  setupSaveDialog();
  drawDisplay();
  // The start-up picture drew from the initial state; everything later from the seeded sequence.
  randomSource.seed(platform::tickCount());
  return runMessageLoop();
}
