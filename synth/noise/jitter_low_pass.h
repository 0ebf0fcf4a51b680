// The optional closing low-pass of the feedback routines, with a cutoff drawn afresh for every sample.
#pragma once

namespace corvane {

// Draws a ceiling, then on an even randBelow(2) low-passes the whole buffer through `slot`.
void jitterLowPass(int slot);

}  // namespace corvane
