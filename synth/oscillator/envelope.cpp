#include "synth/oscillator/envelope.h"

#include <cmath>

namespace corvane {

double envelopeValue(int shape, double t, double attack, double decay) {
  const bool inAttack = t < attack;
  switch (shape) {
    case AttackDecay:
      return inAttack ? t / attack : std::pow(0.5, (t - attack) / decay);
    case AttackSustain:
      return inAttack ? t / attack : 1.0;
    case HoldDecay:
      return inAttack ? 1.0 : std::pow(0.5, (t - attack) / decay);
    default:  // Flat
      return 1.0;
  }
}

}  // namespace corvane
