#include "synth/pipeline.h"

#include <cmath>

#include "synth/filters/filter_bank.h"
#include "synth/normalize.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {

// Two draws, then one for each sample index; none of their values is used.
constexpr int kLeadingDraws = 2 + kSampleCount;
constexpr int kPostFilterSlot = 0;
constexpr int kFadeLength = 100;

template <typename Filter>
void filterInPlace(Filter filter, double cutoff, double resonance) {
  for (double& sample : sampleBuffer) sample = filter(kPostFilterSlot, sample, cutoff, resonance);
}

void clamp() {
  // A value that is not a number fails both tests and stays as it is.
  for (double& sample : sampleBuffer) {
    if (sample > 1.0) {
      sample = 1.0;
    } else if (sample < -1.0) {
      sample = -1.0;
    }
  }
}

void fadeOut() {
  for (int j = 0; j < kFadeLength; ++j) {
    double& sample = sampleBuffer[kSampleCount - 1 - j];
    sample = sample * (static_cast<double>(j) * 0.01);
  }
}

}  // namespace

VoiceId generateSample() {
  clearFilterBank();
  skipDraws(kLeadingDraws);
  const VoiceId voice = voiceForDraw(randBelow(19));
  voiceRoutine(voice)();

  // Cutoff and resonance are drawn whether or not a filter follows.
  const double cutoff = std::pow(0.0007, randUnit());
  const double resonance = randUnit();
  if (randBelow(3) == 0) {
    filterInPlace(lowPass, cutoff, resonance);
  } else if (randBelow(3) == 0) {
    filterInPlace(highPass, cutoff, resonance);
  }
  clamp();
  normalizePeak();
  fadeOut();
  return voice;
}

}  // namespace corvane
