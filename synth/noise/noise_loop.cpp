#include "synth/noise/noise_loop.h"

#include "synth/filters/filter_bank.h"
#include "synth/fm/fm_voices.h"
#include "synth/noise/jitter_low_pass.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {

constexpr int kLoopSlot = 1;
constexpr int kToneSlot = 3;
constexpr int kClosingSlot = 2;

enum class Drive { FromBuffer, DecayingEnvelope };

struct LoopParameters {
  float leak;
  float loopGain;
  float baseCutoff;
  float cutoffSwing;
  float loopResonance;
  float toneRatio;
  float toneResonance;
  double toneCutoff;
};

LoopParameters drawParameters(double leakTop) {
  LoopParameters p{};
  p.leak = static_cast<float>(randRange(0.998, leakTop));
  p.loopGain = static_cast<float>(randRange(0.985, 0.9999999));
  p.baseCutoff = static_cast<float>(randRange(0.000001, 0.0029));
  p.cutoffSwing = static_cast<float>(randRange(-0.5 * static_cast<double>(p.baseCutoff), 0.0001));
  p.loopResonance = static_cast<float>(randRange(0.0, 0.8));
  p.toneRatio = static_cast<float>(randRange(7.0, 20.0));
  const double spread = randRange(0.0, 0.8);
  p.toneResonance = static_cast<float>(spread * randUnit());
  p.toneCutoff = static_cast<double>(p.toneRatio) * static_cast<double>(p.baseCutoff);
  return p;
}

// Single-precision values enter every formula as doubles; only assignments round to float.
void runLoop(double leakTop, Drive mode) {
  const LoopParameters p = drawParameters(leakTop);
  const double leak = p.leak;
  const double loopGain = p.loopGain;
  const double baseCutoff = p.baseCutoff;
  const double cutoffSwing = p.cutoffSwing;
  const double loopResonance = p.loopResonance;
  const double toneResonance = p.toneResonance;

  float drive = mode == Drive::DecayingEnvelope ? 1.0f : 0.0f;
  float loopValue = 0.0f;
  for (double& sample : sampleBuffer) {
    if (mode == Drive::FromBuffer) {
      const float integrated = static_cast<float>(static_cast<double>(drive) + 0.001 * sample);
      drive = static_cast<float>(static_cast<double>(integrated) * leak);
    } else {
      drive = static_cast<float>(leak * static_cast<double>(drive));
    }
    const double noise = randUnit() - 0.5;
    const float fed = static_cast<float>(static_cast<double>(loopValue) + noise * static_cast<double>(drive));
    loopValue = static_cast<float>(static_cast<double>(fed) * loopGain);
    // Only the value entering the loop filter is limited; the filter output may overshoot.
    if (loopValue > 1.0f) {
      loopValue = 1.0f;
    } else if (loopValue < -1.0f) {
      loopValue = -1.0f;
    }
    loopValue = static_cast<float>(highPass(kLoopSlot, loopValue, baseCutoff + cutoffSwing * static_cast<double>(drive),
                                            loopResonance));
    const double tone = highPass(kToneSlot, loopValue, p.toneCutoff, toneResonance);
    sample = static_cast<float>(0.5 * tone + 0.5 * static_cast<double>(loopValue));
  }
  jitterLowPass(kClosingSlot);
}

}  // namespace

void NoiseLoopProcess() { runLoop(0.999, Drive::FromBuffer); }

void NoiseLoopVoice() { runLoop(0.99999, Drive::DecayingEnvelope); }

void FmNoiseLoopVoice() {
  runRandomFmVoice();
  runLoop(0.99999, Drive::FromBuffer);
}

}  // namespace corvane
