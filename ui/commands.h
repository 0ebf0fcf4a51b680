// What a press on each command area does.
#pragma once

#include <cstdint>
#include <string>

#include "synth/voices.h"
#include "ui/hit_areas.h"

namespace corvane {

// Runs one command on the user-interface thread. Returns false when the program should end.
bool runCommand(Command command);

// The line Generate prints: the generator state just before the sound, and its voice,
// "0x0000ABCD FmMatrixVoice". The state regenerates the sound with corvane-render.
std::string soundLine(std::uint32_t state, VoiceId voice);

}  // namespace corvane
