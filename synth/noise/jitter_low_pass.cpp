#include "synth/noise/jitter_low_pass.h"

#include "synth/filters/filter_bank.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

void jitterLowPass(int slot) {
  const double ceiling = randRange(0.01, 1.0);
  if (randBelow(2) == 1) return;
  for (double& sample : sampleBuffer) {
    const double cutoff = randRange(0.001, ceiling);
    sample = lowPass(slot, sample, cutoff, 0.0);
  }
}

}  // namespace corvane
