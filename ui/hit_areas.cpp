// The drag test handed to the platform, from the same table as the commands.
#include "ui/hit_areas.h"

namespace corvane {

bool dragsWindow(int x, int y) { return commandAt(x, y) == Command::None; }

}  // namespace corvane
