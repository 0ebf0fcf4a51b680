// A nonlinear spring oscillator with hard walls, heard through a double sine.
#pragma once

namespace corvane {

// Reworks the buffer in place: each sample pushes the spring's velocity.
void SpringProcess();
// Self-excited: starts with velocity 0.25 and rings on its own; the buffer is not read.
void SpringVoice();
// One of the FM voices, then the spring driven by its output.
void FmSpringVoice();

}  // namespace corvane
