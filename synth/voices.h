// The twelve voices by name, and the weighted table that the generation draw picks from.
#pragma once

#include <optional>
#include <string_view>

namespace corvane {

enum class VoiceId : int {
  FmMatrix,
  FmFold,
  Spring,
  NoiseLoop,
  FmNoiseLoop,
  FmSpring,
  Stacked,
  StackedFilter,
  NoiseSweep,
  TripleOsc,
  CrossMod,
  SweptOsc,
};

inline constexpr int kVoiceCount = 12;

using VoiceRoutine = void (*)();

// "FmMatrixVoice", "SpringVoice", ...
std::string_view voiceName(VoiceId id);
std::optional<VoiceId> voiceFromName(std::string_view name);
VoiceRoutine voiceRoutine(VoiceId id);

// The voice that a randBelow(19) outcome selects: seven voices hold two outcomes, five hold one.
VoiceId voiceForDraw(int draw);

}  // namespace corvane
