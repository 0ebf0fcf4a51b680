#include "synth/voices.h"

#include <array>

#include "synth/fm/fm_voices.h"
#include "synth/noise/noise_loop.h"
#include "synth/noise/noise_sweep_voice.h"
#include "synth/oscillator/oscillator_voices.h"
#include "synth/oscillator/swept_osc_voice.h"
#include "synth/spring/spring.h"
#include "synth/stacked/stacked_voices.h"

namespace corvane {

namespace {

struct VoiceEntry {
  std::string_view name;
  VoiceRoutine routine;
};

// In VoiceId order.
constexpr std::array<VoiceEntry, kVoiceCount> kVoices = {{
    {"FmMatrixVoice", FmMatrixVoice},
    {"FmFoldVoice", FmFoldVoice},
    {"SpringVoice", SpringVoice},
    {"NoiseLoopVoice", NoiseLoopVoice},
    {"FmNoiseLoopVoice", FmNoiseLoopVoice},
    {"FmSpringVoice", FmSpringVoice},
    {"StackedVoice", StackedVoice},
    {"StackedFilterVoice", StackedFilterVoice},
    {"NoiseSweepVoice", NoiseSweepVoice},
    {"TripleOscVoice", TripleOscVoice},
    {"CrossModVoice", CrossModVoice},
    {"SweptOscVoice", SweptOscVoice},
}};

constexpr std::array<VoiceId, 19> kSelection = {
    VoiceId::FmMatrix,    VoiceId::FmFold,        VoiceId::Spring,        VoiceId::Spring,
    VoiceId::NoiseLoop,   VoiceId::NoiseLoop,     VoiceId::FmNoiseLoop,   VoiceId::FmNoiseLoop,
    VoiceId::FmSpring,    VoiceId::FmSpring,      VoiceId::Stacked,       VoiceId::StackedFilter,
    VoiceId::StackedFilter, VoiceId::NoiseSweep,  VoiceId::NoiseSweep,    VoiceId::TripleOsc,
    VoiceId::CrossMod,    VoiceId::SweptOsc,      VoiceId::SweptOsc,
};

}  // namespace

std::string_view voiceName(VoiceId id) { return kVoices[static_cast<int>(id)].name; }

std::optional<VoiceId> voiceFromName(std::string_view name) {
  for (int i = 0; i < kVoiceCount; ++i) {
    if (kVoices[i].name == name) return static_cast<VoiceId>(i);
  }
  return std::nullopt;
}

VoiceRoutine voiceRoutine(VoiceId id) { return kVoices[static_cast<int>(id)].routine; }

VoiceId voiceForDraw(int draw) { return kSelection[draw]; }

}  // namespace corvane
