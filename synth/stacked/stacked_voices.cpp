#include "synth/stacked/stacked_voices.h"

#include <cmath>

#include "synth/filters/filter_bank.h"
#include "synth/noise/noise_loop.h"
#include "synth/normalize.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"
#include "synth/spring/spring.h"

namespace corvane {

namespace {

constexpr int kPasses = 10;
constexpr int kCopySlot = 0;

void runBase() {
  if (randBelow(2) == 0) {
    NoiseLoopVoice();
  } else {
    SpringVoice();
  }
}

void runPass() {
  if (randBelow(2) == 0) {
    NoiseLoopProcess();
  } else {
    SpringProcess();
  }
}

// Adds the filter's response to each sample; the filter state follows the old values.
template <typename Filter>
void addFilteredCopy(Filter filter, double cutoff, double resonance) {
  for (double& sample : sampleBuffer) sample = sample + filter(kCopySlot, sample, cutoff, resonance);
}

}  // namespace

void StackedVoice() {
  runBase();
  for (int pass = 0; pass < kPasses; ++pass) runPass();
  normalizePeak();
}

void StackedFilterVoice() {
  runBase();
  for (int pass = 0; pass < kPasses; ++pass) {
    runPass();
    const double cutoff = std::pow(0.0007, randUnit());
    const double resonance = randRange(0.5, 1.0);
    if (randBelow(3) == 0) {
      addFilteredCopy(lowPass, cutoff, resonance);
    } else if (randBelow(3) == 0) {
      addFilteredCopy(highPass, cutoff, resonance);
    }
  }
  normalizePeak();
}

}  // namespace corvane
