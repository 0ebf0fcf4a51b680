#include "tools/render/render_sound.h"

#include "synth/pipeline.h"
#include "synth/random_source.h"

namespace corvane {

RenderedSound renderSound(std::uint32_t state) {
  randomSource.seed(state);
  const VoiceId voice = generateSample();
  return {state, voice, randomSource.state()};
}

std::optional<RenderedSound> renderNextSound(std::uint32_t& state, std::optional<VoiceId> voice) {
  for (int tries = 0; tries <= kMaxSkippedSounds; ++tries) {
    const RenderedSound sound = renderSound(state);
    state = sound.endState;
    if (!voice || sound.voice == *voice) return sound;
  }
  return std::nullopt;
}

}  // namespace corvane
