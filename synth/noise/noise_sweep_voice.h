// Decaying white noise through a high-pass whose cutoff falls with it.
#pragma once

namespace corvane {

void NoiseSweepVoice();

}  // namespace corvane
