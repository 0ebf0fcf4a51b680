// Three-oscillator voices: free-running (TripleOscVoice) and ring-modulated (CrossModVoice).
#pragma once

namespace corvane {

void TripleOscVoice();
void CrossModVoice();

}  // namespace corvane
