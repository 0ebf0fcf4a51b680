// The face of the window: skin, baseline and a shimmering trace of the current sample.
#pragma once

namespace corvane {

// Prepares the skin surface and backBuffer; always true.
bool setupDisplay();

// Composes skin, baseline and trace into backBuffer (1,760 draws from randomSource). Returns false,
// composing nothing, before setupDisplay.
bool composeDisplay();

}  // namespace corvane
