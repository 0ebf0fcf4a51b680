// Peak normalisation of the current sound.
#pragma once

namespace corvane {

// Divides every sample by the largest magnitude so that it becomes exactly 1; a silent buffer
// (only zeros and values that are not numbers) is left alone.
void normalizePeak();

}  // namespace corvane
