// Composes the window picture: the skin, the baseline and 440 segments through randomly chosen samples
// of each 100-sample block, each in a randomly drawn green.
#include "ui/display/display.h"

#include <algorithm>

#include "resources/embedded.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"
#include "ui/display/line.h"

namespace corvane {
namespace {

constexpr Rgb kBaselineColour{0, 78, 15};
constexpr int kBaselineRow = 135;
constexpr int kBaselineStart = 39;
constexpr int kBaselineEnd = 274;  // not drawn
constexpr int kTraceStartX = 45;
constexpr int kSegments = 440;
constexpr int kBlockSize = 100;
constexpr double kTraceRowLimit = 1 << 24;

SkinImage skin = [] {
  SkinImage s;
  s.rgb.fill(0xFF);
  return s;
}();
bool displayReady = false;

void copySkin(BackBuffer& target) {
  std::copy(skin.rgb.begin(), skin.rgb.end(), target.rgb.begin());
  // Below the skin and outside the window shape: never seen, kept white like the skin's outside.
  std::fill(target.rgb.begin() + skin.rgb.size(), target.rgb.end(), std::uint8_t{0xFF});
}

int traceColumn(int segment) { return static_cast<int>(0.5 * segment + 43.0); }

std::uint8_t drawChannel(double lo, double hi) { return static_cast<std::uint8_t>(randRange(lo, hi)); }

}  // namespace

int traceRow(double value) {
  const double y = 60.0 * value + 135.0;
  if (!(y >= -kTraceRowLimit)) return static_cast<int>(-kTraceRowLimit);
  if (y > kTraceRowLimit) return static_cast<int>(kTraceRowLimit);
  return static_cast<int>(y);
}

bool setupDisplay() {
  // The skin never changes, so it is decoded once however often this is called.
  if (displayReady) return true;
  if (!decodeSkinBitmap(embeddedSkinBitmap(), skin)) skin.rgb.fill(0xFF);
  displayReady = true;
  return true;
}

const SkinImage& displaySkin() { return skin; }

bool composeDisplay() { return composeDisplay(backBuffer); }

bool composeDisplay(BackBuffer& target) {
  if (!displayReady) {
    // Nothing to draw on yet, but the generator moves as it does for every repaint.
    skipDraws(kDisplayDrawsPerRepaint);
    return false;
  }
  copySkin(target);
  drawLine(target, kBaselineStart, kBaselineRow, kBaselineEnd, kBaselineRow, kBaselineColour);

  int x = kTraceStartX;
  int y = traceRow(sampleBuffer[0]);
  for (int i = 1; i <= kSegments; ++i) {
    Rgb colour;
    colour.red = drawChannel(0.0, 10.0);
    colour.green = drawChannel(50.0, 106.0);
    colour.blue = drawChannel(0.0, 30.0);
    const int j = static_cast<int>(randRange(0.0, 99.0));
    const int endX = traceColumn(i);
    const int endY = traceRow(sampleBuffer[static_cast<std::size_t>(kBlockSize * i + j)]);
    drawLine(target, x, y, endX, endY, colour);
    x = endX;
    y = endY;
  }
  return true;
}

}  // namespace corvane
