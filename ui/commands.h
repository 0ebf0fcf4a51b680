// What a press on each command area does.
#pragma once

#include "synth/sound_line.h"  // soundLine: the line Generate prints
#include "ui/hit_areas.h"

namespace corvane {

// Runs one command on the user-interface thread. Returns false when the program should end.
bool runCommand(Command command);

}  // namespace corvane
