// Six-operator FM voices: a cross-modulating matrix (FmMatrixVoice) and detuned sines with a fold (FmFoldVoice).
#pragma once

namespace corvane {

void FmMatrixVoice();
void FmFoldVoice();

// Runs FmMatrixVoice on a randBelow(2) draw of 0 and FmFoldVoice otherwise.
void runRandomFmVoice();

}  // namespace corvane
