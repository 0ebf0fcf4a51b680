// Makes one sound from a generator state, exactly as a press of Generate would from that state.
#pragma once

#include <cstdint>
#include <optional>

#include "synth/voices.h"

namespace corvane {

struct RenderedSound {
  std::uint32_t state = 0;     // the generator state before the sound: its identity
  VoiceId voice{};             // the voice that generation chose
  std::uint32_t endState = 0;  // the state it left, from which the next sound starts
};

// Seeds the generator with state and runs generateSample; the samples are left in sampleBuffer.
RenderedSound renderSound(std::uint32_t state);

// Consecutive sounds a voice search renders without a match before it gives up. Every voice is
// chosen by at least one of 19 outcomes, so a thousand misses in a row do not happen by chance.
inline constexpr int kMaxSkippedSounds = 1000;

// Renders sounds from state on, each from the end state of the one before, until one of voice
// comes (any voice when none is given). state is advanced past every rendered sound. Returns no
// sound after kMaxSkippedSounds misses in a row.
std::optional<RenderedSound> renderNextSound(std::uint32_t& state, std::optional<VoiceId> voice);

}  // namespace corvane
