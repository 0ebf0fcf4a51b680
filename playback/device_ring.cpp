#include "playback/device_ring.h"

namespace corvane {

DeviceRing deviceRing{};

void clearDeviceRing() { deviceRing.fill(0); }

}  // namespace corvane
