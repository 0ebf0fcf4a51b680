// The oscillator model of the tonal voices: four waveforms, a random tuning near 110 Hz, phase stepping.
#pragma once

namespace corvane {

inline constexpr double kPi = 3.14159265358979;

enum WaveKind : int { Sine = 0, Square = 1, CosineSaw = 2, SineFifth = 3 };

struct Oscillator {
  int kind = Sine;
  double frequency = 0.0;  // Hz, fixed for the whole sound
  double increment = 0.0;  // radians per sample, derived from frequency
  double phase = 0.0;      // never wrapped
  double output = 0.0;     // latest value, 0 before the first sample
  double depth = 0.0;      // ring-modulation depth (CrossModVoice only)
};

double waveValue(int kind, double phase);

// Three draws: kind, ratio index, detune within -detuneSpan..detuneSpan.
void drawOscillator(Oscillator& osc, double detuneSpan);

// Advances the phase by extra plus one increment, then evaluates the waveform there.
inline double stepOscillator(Oscillator& osc, double extra) {
  osc.phase = osc.phase + (extra + osc.increment);
  osc.output = waveValue(osc.kind, osc.phase);
  return osc.output;
}

}  // namespace corvane
