// One repaint: a fresh picture composed off-screen and shown in one piece.
#pragma once

namespace corvane {

// Composes backBuffer and presents it; shows nothing before setupDisplay.
void drawDisplay();

}  // namespace corvane
