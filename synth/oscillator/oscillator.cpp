#include "synth/oscillator/oscillator.h"

#include <cmath>

#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {

constexpr double kBaseFrequency = 110.0;
// Ratio 1 comes up half of the time.
constexpr double kRatios[6] = {1.0, 1.0, 1.0, 0.5, 2.0, 3.0};

}  // namespace

double waveValue(int kind, double phase) {
  const double s = std::sin(phase);
  switch (kind) {
    case Sine:
      return s;
    case Square:
      return s > 0.0 ? 0.5 : -0.5;
    case CosineSaw: {
      const double c = std::fabs(std::cos(phase * 0.5));
      return s > 0.0 ? c : -c;
    }
    default:  // SineFifth, as s * (s^2)^2 rather than pow, which rounds differently
      return s * ((s * s) * (s * s));
  }
}

void drawOscillator(Oscillator& osc, double detuneSpan) {
  osc.kind = randBelow(4);
  const double ratio = kRatios[randBelow(6)];
  const double detune = randRange(-detuneSpan, detuneSpan);
  osc.frequency = kBaseFrequency * ratio + detune;
  osc.increment = (2.0 * osc.frequency) * kPi / static_cast<double>(kSampleRate);
  osc.phase = 0.0;
  osc.output = 0.0;
}

}  // namespace corvane
