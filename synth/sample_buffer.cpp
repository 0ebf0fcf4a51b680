#include "synth/sample_buffer.h"

namespace corvane {

SampleBuffer sampleBuffer{};

void clearSampleBuffer() { sampleBuffer.fill(0.0); }

}  // namespace corvane
