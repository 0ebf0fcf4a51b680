#include "synth/normalize.h"

#include "synth/sample_buffer.h"

namespace corvane {

void normalizePeak() {
  double peak = 0.0;
  for (const double x : sampleBuffer) {
    // Both tests are strict, so a value that is not a number never becomes the peak.
    if (x > peak) peak = x;
    if (x < -peak) peak = -x;
  }
  if (!(peak > 0.0)) return;
  // A true division, not a multiplication by 1 / peak: the two round differently.
  for (double& x : sampleBuffer) x = x / peak;
}

}  // namespace corvane
