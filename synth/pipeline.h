// One press of Generate: a new random sound in the sample buffer.
#pragma once

#include "synth/voices.h"

namespace corvane {

// Clears the filters, runs one randomly chosen voice, an optional random low- or high-pass, the
// clamp, the peak normalisation and a 100-sample fade-out. Returns the voice it chose.
VoiceId generateSample();

}  // namespace corvane
