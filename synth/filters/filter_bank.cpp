#include "synth/filters/filter_bank.h"

#include <cmath>
#include <limits>

namespace corvane {

FilterBank filterBank{};

void clearFilterBank() { filterBank = FilterBank{}; }

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kSqrt2 = 1.4142135623;

// tan of the corner as a fraction of the sample rate, and the damping q.
struct Prewarp {
  double t;
  double q;
};

Prewarp prewarp(double cutoff, double resonance) {
  double d = cutoff * 0.5;
  if (d > 0.5) {
    d = 0.5;
  } else if (d < 0.0) {
    d = 0.0;
  }
  return {std::tan(d * kPi), (1.0 - resonance) * kSqrt2};
}

// Sums the five terms left to right and shifts the slot's state.
double runSection(int slot, double input, double a0, double x1Factor, double y1Factor, double y2Factor) {
  FilterBank& b = filterBank;
  const double out = a0 * input + x1Factor * b.x1[slot] + a0 * b.x2[slot] - y1Factor * b.y1[slot] -
                     y2Factor * b.y2[slot];
  b.x2[slot] = b.x1[slot];
  b.x1[slot] = input;
  b.y2[slot] = b.y1[slot];
  b.y1[slot] = out;
  return out;
}

}  // namespace

double highPass(int slot, double input, double cutoff, double resonance) {
  const Prewarp p = prewarp(cutoff, resonance);
  const double k = p.t;
  const double kk = k * k;
  const double a0 = 1.0 / ((p.q * k + 1.0) + kk);
  return runSection(slot, input, a0, -(2.0 * a0), (2.0 * (kk - 1.0)) * a0, (kk + (1.0 - p.q * k)) * a0);
}

double lowPass(int slot, double input, double cutoff, double resonance) {
  const Prewarp p = prewarp(cutoff, resonance);
  const double k = 1.0 / p.t;
  const double kk = k * k;
  if (kk == std::numeric_limits<double>::infinity()) {
    // Cutoff 0 (tan 0 = 0) or so small that K squared overflows: take the coefficients' limit as the
    // cutoff falls to 0. The input no longer reaches the output (a0 -> 0) and the feedback tends to
    // 2*y1 - y2: finite whenever the slot is, and a slot at rest stays at rest. (Held at cutoff 0 for
    // many calls it would continue the output's slope; the only caller that reaches it, the swept
    // voice, does so once, at its first sample, on a slot at rest.)
    return runSection(slot, input, 0.0, 0.0, -2.0, 1.0);
  }
  const double a0 = 1.0 / ((p.q * k + 1.0) + kk);
  return runSection(slot, input, a0, 2.0 * a0, (2.0 * (1.0 - kk)) * a0, (kk + (1.0 - p.q * k)) * a0);
}

}  // namespace corvane
