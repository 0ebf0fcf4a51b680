// RefillThread: watches how far the device has played the ring and refills the segment it has just left.
#pragma once

#include <cstdint>

namespace corvane {

// One poll: from the bytes the device has played, the segment it is in; if the segment before it (the
// one just finished) is not lastSegment, fills it, tells the device and records it in lastSegment.
// Returns the segment filled, or -1. The count is 64 bits wide, so it never wraps.
int refillStep(std::uint64_t playedBytes, int& lastSegment);

// The thread body: a refillStep every millisecond, keeping the device open meanwhile, until
// stopRefillThread asks it to end (in the program: never).
void RefillThread();

// Starts RefillThread; it is never joined.
void startRefillThread();

// Asks RefillThread to end and returns once it has: it then no longer touches the device or the ring.
void stopRefillThread();

}  // namespace corvane
