// Attack and decay envelope shapes of the swept oscillator voice.
#pragma once

namespace corvane {

enum EnvelopeShape : int { AttackDecay = 0, AttackSustain = 1, HoldDecay = 2, Flat = 3 };

// Gain at sample t for an attack of `attack` samples; the decay halves the gain every `decay` samples.
double envelopeValue(int shape, double t, double attack, double decay);

}  // namespace corvane
