#include "synth/oscillator/swept_osc_voice.h"

#include <cmath>

#include "synth/filters/filter_bank.h"
#include "synth/normalize.h"
#include "synth/oscillator/envelope.h"
#include "synth/oscillator/oscillator.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {

constexpr int kFilterSlot = 0;

// Log-uniform length in samples: scale when the draw is 0, scale * 0.003 when it is 1.
double drawLength(double scale) { return scale * std::pow(0.003, randUnit()); }

struct EnvelopedOscillator {
  Oscillator osc;
  int shape = Flat;
  double attack = 0.0;
  double decay = 0.0;
};

}  // namespace

void SweptOscVoice() {
  EnvelopedOscillator voices[3];
  const double detuneSpan = randRange(0.0, 4.0);
  for (EnvelopedOscillator& v : voices) drawOscillator(v.osc, detuneSpan);
  for (EnvelopedOscillator& v : voices) {
    v.shape = randBelow(4);
    v.attack = drawLength(30000.0);
    v.decay = drawLength(40000.0);
  }

  for (int n = 0; n < kSampleCount; ++n) {
    const double t = n;
    double out[3];
    for (int i = 0; i < 3; ++i) {
      const double w = stepOscillator(voices[i].osc, 0.0);
      out[i] = envelopeValue(voices[i].shape, t, voices[i].attack, voices[i].decay) * w;
    }
    sampleBuffer[n] = (out[0] + out[1]) + out[2];
  }

  const double base = std::pow(0.0007, randUnit());
  const double floor = randRange(0.0, 0.99);
  const double resonance = randUnit();
  const double filterAttack = drawLength(30000.0);
  const double filterDecay = drawLength(30000.0);
  const double sweep = 1.0 - floor;

  for (int n = 0; n < kSampleCount; ++n) {
    const double e = envelopeValue(AttackDecay, n, filterAttack, filterDecay);
    const double cutoff = (e * sweep + floor) * base;
    sampleBuffer[n] = lowPass(kFilterSlot, sampleBuffer[n], cutoff, resonance);
  }
  normalizePeak();
}

}  // namespace corvane
