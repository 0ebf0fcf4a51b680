#include "synth/fm/fm_voices.h"

#include <cmath>

#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {

namespace {

constexpr int kOperators = 6;
// 2 * 3.14159265358979 * 220 / 44,100: a 220 Hz sine.
constexpr double kBaseIncrement = 0.03134468860724507;
constexpr double kProductMix = 0.97;
constexpr double kSumMix = 0.1;
constexpr double kFoldDivisor = 1.5;
// Six groups of four draws whose values are not used.
constexpr int kDiscardedDraws = 24;

using Matrix = double[kOperators][kOperators];  // [source j][target i]

// What the two voices share: amplitude shapes and the mix.
struct FmFrame {
  int ampMode[kOperators] = {};
  int mixMode = 0;
  int shapeGate = 0;
};

void drawAmpModes(FmFrame& frame) {
  for (int& mode : frame.ampMode) mode = randBelow(3);
}

// Each entry is the product of `factors` unit draws, multiplied in draw order.
void drawMatrix(Matrix& m, int factors) {
  for (auto& row : m) {
    for (double& entry : row) {
      double product = randUnit();
      for (int f = 1; f < factors; ++f) {
        const double u = randUnit();
        product = product * u;
      }
      entry = product;
    }
  }
}

double amplitude(const FmFrame& frame, int op, int n) {
  if (frame.shapeGate != 0) return 1.0;
  switch (frame.ampMode[op]) {
    case 1:
      return static_cast<double>(kSampleCount - n) / static_cast<double>(kSampleCount);
    case 2:
      return static_cast<double>(n) / static_cast<double>(kSampleCount);
    default:
      return 1.0;
  }
}

double mix(int mixMode, double value, double output) {
  return mixMode == 0 ? (output * kProductMix) * value : output * kSumMix + value;
}

double startValue(int mixMode) { return mixMode == 0 ? 1.0 : 0.0; }

double drawModScale(double s1, double s2, double s3) { return (s1 * s2) * s3; }

}  // namespace

void FmMatrixVoice() {
  FmFrame frame;
  const double s1 = randRange(0.4, 0.5);
  const double s2 = randRange(0.4, 3.0);
  const double s3 = randRange(0.4, 1.0);
  drawAmpModes(frame);
  frame.mixMode = randBelow(2);
  frame.shapeGate = randBelow(5);
  skipDraws(kDiscardedDraws);
  Matrix m;
  drawMatrix(m, 5);
  const double modScale = drawModScale(s1, s2, s3);

  double phase[kOperators] = {};
  double output[kOperators] = {};
  for (int n = 0; n < kSampleCount; ++n) {
    double v = startValue(frame.mixMode);
    for (int i = 0; i < kOperators; ++i) {
      const double a = amplitude(frame, i, n);
      // Operators before i have already moved on to this sample; i and those after it still
      // hold last sample's output.
      phase[i] += kBaseIncrement;
      for (int j = 0; j < kOperators; ++j) phase[i] += (modScale * m[j][i]) * output[j];
      output[i] = std::sin(phase[i]) * a;
      v = mix(frame.mixMode, v, output[i]);
    }
    sampleBuffer[n] = v;
  }
}

void FmFoldVoice() {
  FmFrame frame;
  const double s1 = randRange(0.0, 0.5);
  const double s2 = randUnit();
  const double s3 = randUnit();
  drawAmpModes(frame);
  const int foldGate = randBelow(3);
  const double threshold = randRange(0.05, 1.0);
  frame.mixMode = randBelow(2);
  frame.shapeGate = randBelow(5);
  skipDraws(kDiscardedDraws);
  Matrix m;
  drawMatrix(m, 3);
  const double modScale = drawModScale(s1, s2, s3);

  // The matrix only adds constants to the increments; they are still added one by one at every
  // sample, since summing them first would round differently.
  Matrix step;
  for (int j = 0; j < kOperators; ++j) {
    for (int i = 0; i < kOperators; ++i) step[j][i] = modScale * m[j][i];
  }
  const double foldScale = kFoldDivisor * std::sqrt(threshold);

  double phase[kOperators] = {};
  for (int n = 0; n < kSampleCount; ++n) {
    double v = startValue(frame.mixMode);
    for (int i = 0; i < kOperators; ++i) {
      const double a = amplitude(frame, i, n);
      phase[i] += kBaseIncrement;
      for (int j = 0; j < kOperators; ++j) phase[i] += step[j][i];
      v = mix(frame.mixMode, v, std::sin(phase[i]) * a);
    }
    if (foldGate == 0) {
      // Each reflection happens at most once, so the result is not confined to -T..T.
      if (v > threshold) v = (2.0 * threshold) - v;
      if (v < -threshold) v = (-2.0 * threshold) - v;
      v = v / foldScale;
    }
    sampleBuffer[n] = v;
  }
}

void runRandomFmVoice() {
  if (randBelow(2) == 0) {
    FmMatrixVoice();
  } else {
    FmFoldVoice();
  }
}

}  // namespace corvane
