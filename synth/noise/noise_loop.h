// Noise-excited leaky feedback loops through resonant high-passes.
#pragma once

namespace corvane {

// Reworks the buffer in place: its samples drive the amount of noise injected into the loop.
void NoiseLoopProcess();
// Self-excited: the drive is a decaying envelope from 1; the buffer is not read.
void NoiseLoopVoice();
// One of the FM voices, then the loop driven by its output.
void FmNoiseLoopVoice();

}  // namespace corvane
