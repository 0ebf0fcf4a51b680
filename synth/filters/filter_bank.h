// Two-pole resonant high-pass and low-pass filters whose memory lives in a bank of numbered slots.
#pragma once

#include <array>

namespace corvane {

inline constexpr int kFilterSlots = 30;

// Slot s is element s of each array. A slot does not know which filter used it last:
// high-pass and low-pass calls on one slot continue from each other's history.
struct FilterBank {
  std::array<double, kFilterSlots> x1{};  // previous input
  std::array<double, kFilterSlots> x2{};  // input before that
  std::array<double, kFilterSlots> y1{};  // previous output
  std::array<double, kFilterSlots> y2{};  // output before that
};

extern FilterBank filterBank;

void clearFilterBank();

// One sample through the filter on `slot`. cutoff is a fraction of the Nyquist frequency, clamped
// to 0..1; resonance 0 is Butterworth damping and 1 none. Coefficients follow every call's arguments.
double highPass(int slot, double input, double cutoff, double resonance);
double lowPass(int slot, double input, double cutoff, double resonance);

}  // namespace corvane
