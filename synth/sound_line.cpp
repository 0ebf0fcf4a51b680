#include "synth/sound_line.h"

#include <cstdio>

namespace corvane {

std::string stateText(std::uint32_t state) {
  char text[12];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(state));
  return text;
}

std::string soundLine(std::uint32_t state, VoiceId voice) {
  return stateText(state) + ' ' + std::string(voiceName(voice));
}

}  // namespace corvane
