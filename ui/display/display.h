// The face of the window: skin, baseline and a shimmering trace of the current sample.
#pragma once

#include "ui/display/back_buffer.h"
#include "ui/display/skin.h"

namespace corvane {

// Draws every composition takes from randomSource: red, green, blue and offset for each of the 440
// trace segments.
inline constexpr int kDisplayDrawsPerRepaint = 1760;

// Prepares the skin surface and backBuffer; always true.
bool setupDisplay();

// Composes skin, baseline and trace into backBuffer (1,760 draws from randomSource). Returns false,
// composing nothing, before setupDisplay; the draws are taken even then, so every repaint moves the
// generator alike.
bool composeDisplay();

// The same composition into another image; backBuffer stays untouched.
bool composeDisplay(BackBuffer& target);

// The skin as setupDisplay decoded it (white before).
const SkinImage& displaySkin();

// Row of a sample value on the screen: 60 * value + 135, truncated toward zero. Values whose row lies
// beyond +-2^24 (infinities included) are held there; a value that is not a number gives the top limit.
int traceRow(double value);

}  // namespace corvane
