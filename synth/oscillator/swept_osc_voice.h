// Three enveloped oscillators through a low-pass whose cutoff follows its own envelope.
#pragma once

namespace corvane {

void SweptOscVoice();

}  // namespace corvane
