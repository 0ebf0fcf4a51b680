#include "synth/spring/spring.h"

#include <cmath>

#include "synth/fm/fm_voices.h"
#include "synth/noise/jitter_low_pass.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {

constexpr int kClosingSlot = 0;

struct SpringParameters {
  float sineDrive;
  float noiseDepth;
  float decayLoss;
  float stiffness;
  float exponent;
  float knee;
  float wobble;
};

// Product of draws multiplied in draw order, in double, rounded once by the caller.
double drawProduct(double lo1, double hi1, double lo2, double hi2, double lo3, double hi3) {
  const double a = randRange(lo1, hi1);
  const double b = randRange(lo2, hi2);
  const double c = randRange(lo3, hi3);
  return (a * b) * c;
}

SpringParameters drawParameters(double lossFloor) {
  SpringParameters p{};
  p.sineDrive = static_cast<float>(randRange(0.0, 18.0));
  p.noiseDepth = static_cast<float>(randRange(0.0, 0.3));
  const double lossSpread = randUnit();
  const double loss = randRange(lossFloor, 0.005);
  p.decayLoss = static_cast<float>(loss * lossSpread);
  const double stiffnessHead = drawProduct(0.0, 0.0035, 0.0, 1.5, 0.0, 1.5);
  const double stiffnessTail = randRange(0.0, 2.5);
  p.stiffness = static_cast<float>(stiffnessHead * stiffnessTail);
  p.exponent = static_cast<float>(drawProduct(1.0, 1.3, 1.0, 1.3, 1.0, 1.3));
  p.knee = static_cast<float>(drawProduct(1.0, 10.0, 1.0, 10.0, 3.0, 10.0));
  p.wobble = static_cast<float>(drawProduct(1.0, 10.0, 1.0, 10.0, 1.0, 10.0));
  return p;
}

inline float single(double v) { return static_cast<float>(v); }

// Grows as a power of the distance from rest, its strength wobbling with a sine of that power.
double restoringForce(float power, float damp, double wobble, double stiffness) {
  const float wobbleSine = single(std::sin(static_cast<double>(single(static_cast<double>(power) * wobble))));
  return (((1.0 + static_cast<double>(wobbleSine)) * static_cast<double>(damp)) * stiffness) *
         static_cast<double>(power);
}

// Single-precision values enter every formula as doubles; only assignments round to float.
void runSpring(double lossFloor, float startVelocity, bool drivenByBuffer) {
  const SpringParameters p = drawParameters(lossFloor);
  const double sineDrive = p.sineDrive;
  const double noiseDepth = p.noiseDepth;
  const double stiffness = p.stiffness;
  const double exponent = p.exponent;
  const double knee = p.knee;
  const double wobble = p.wobble;
  const double decay = 1.0 - static_cast<double>(p.decayLoss);

  float position = 0.0f;
  float velocity = startVelocity;
  for (double& sample : sampleBuffer) {
    if (drivenByBuffer) velocity = single(static_cast<double>(velocity) + 0.001 * sample);
    // Damping uses the previous sample's position, already held inside the walls.
    const float damp = single(knee / (knee + std::fabs(static_cast<double>(position))));
    position = single(static_cast<double>(position) + static_cast<double>(velocity));
    velocity = single((static_cast<double>(damp) * decay) * static_cast<double>(velocity));
    const float power = single(std::pow(std::fabs(static_cast<double>(position)), exponent));
    // The restoring force pulls toward 0; at exactly 0 there is none.
    if (position > 0.0f) {
      velocity = single(static_cast<double>(velocity) - restoringForce(power, damp, wobble, stiffness));
    } else if (position < 0.0f) {
      velocity = single(static_cast<double>(velocity) + restoringForce(power, damp, wobble, stiffness));
    }
    if (position > 1.0f) {
      position = 1.0f;
    } else if (position < -1.0f) {
      position = -1.0f;
    }
    const float inner = single(std::sin(static_cast<double>(single(sineDrive * static_cast<double>(position)))));
    const float out = single(std::sin(static_cast<double>(inner)));
    const double noise = randUnit() - 0.5;
    sample = single(static_cast<double>(out) + (noise * static_cast<double>(out)) * noiseDepth);
  }
  jitterLowPass(kClosingSlot);
}

}  // namespace

void SpringProcess() { runSpring(0.0001, 0.0f, true); }

void SpringVoice() { runSpring(0.0, 0.25f, false); }

void FmSpringVoice() {
  runRandomFmVoice();
  runSpring(0.0, 0.0f, true);
}

}  // namespace corvane
