// Layered feedback voices: a self-excited base and ten noise-loop or spring passes driven by it.
#pragma once

namespace corvane {

void StackedVoice();
// Also adds a resonant low- or high-pass copy of the buffer to itself after each pass, when drawn.
void StackedFilterVoice();

}  // namespace corvane
