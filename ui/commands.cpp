// What a press on each command area does.
#include "ui/commands.h"

#include <cstdio>

#include "platform/window.h"
#include "playback/playback_control.h"
#include "synth/pipeline.h"
#include "synth/random_source.h"
#include "ui/draw_display.h"
#include "ui/save_command.h"

namespace corvane {
namespace {

// Stop, let playback leave the buffer, make the new sound, show it and play it. The printed line
// names the state just before the sound, from which corvane-render makes it again.
void generate() {
  stopPlayback();
  platform::sleepMilliseconds(100);
  const std::uint32_t state = randomSource.state();
  const VoiceId voice = generateSample();
  drawDisplay();
  rewindAndPlay();
  const std::string line = soundLine(state, voice) + "\n";
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace

bool runCommand(Command command) {
  switch (command) {
    case Command::Close:
      return false;
    case Command::Generate:
      generate();
      break;
    case Command::Play:
      rewindAndPlay();
      break;
    case Command::Save:
      saveSample();
      break;
    case Command::None:
      break;
  }
  return true;
}

}  // namespace corvane
