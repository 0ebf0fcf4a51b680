#include "synth/oscillator/oscillator_voices.h"

#include "synth/normalize.h"
#include "synth/oscillator/oscillator.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {

// Three draws per oscillator whose values are not used.
constexpr int kDiscardedDraws = 9;

}  // namespace

void TripleOscVoice() {
  Oscillator osc[3];
  const double detuneSpan = randRange(0.0, 4.0);
  for (Oscillator& o : osc) drawOscillator(o, detuneSpan);
  skipDraws(kDiscardedDraws);

  for (double& sample : sampleBuffer) {
    const double o0 = stepOscillator(osc[0], 0.0);
    const double o1 = stepOscillator(osc[1], 0.0);
    const double o2 = stepOscillator(osc[2], 0.0);
    sample = (o0 + o1) + o2;
  }
  normalizePeak();
}

void CrossModVoice() {
  Oscillator osc[3];
  const double detuneSpan = randRange(0.0, 4.0);
  for (Oscillator& o : osc) {
    o.depth = randRange(0.0, 0.01);
    drawOscillator(o, detuneSpan);
  }
  skipDraws(kDiscardedDraws);

  // Each oscillator is pushed by the next one's latest output, so oscillator 2 already hears
  // the value oscillator 0 computed for this same sample.
  for (double& sample : sampleBuffer) {
    const double o0 = stepOscillator(osc[0], osc[0].depth * osc[1].output);
    const double o1 = stepOscillator(osc[1], osc[1].depth * osc[2].output);
    const double o2 = stepOscillator(osc[2], osc[2].depth * osc[0].output);
    sample = (o0 + o1) + o2;
  }
  normalizePeak();
}

}  // namespace corvane
