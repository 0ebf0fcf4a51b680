#include "synth/noise/noise_sweep_voice.h"

#include "synth/filters/filter_bank.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {

constexpr int kSlot = 2;

}  // namespace

void NoiseSweepVoice() {
  const float sweepBase = static_cast<float>(randRange(0.2, 0.4));
  const float sweepDecay = static_cast<float>(randRange(0.9985, 1.0));
  const float sweepDepth = static_cast<float>(randRange(0.0, 0.2));
  float envelope = 1.0f;
  for (double& sample : sampleBuffer) {
    // The noise takes the envelope as it was before this sample's decay.
    const float noise = static_cast<float>((randUnit() - 0.5) * static_cast<double>(envelope));
    envelope = static_cast<float>(static_cast<double>(envelope) * static_cast<double>(sweepDecay));
    const double cutoff = static_cast<double>(sweepBase) + static_cast<double>(sweepDepth) * static_cast<double>(envelope);
    sample = highPass(kSlot, noise, cutoff, 0.0);
  }
}

}  // namespace corvane
