// How a sound is named in text: its generator state and voice, as the window and the renderer print it.
#pragma once

#include <cstdint>
#include <string>

#include "synth/voices.h"

namespace corvane {

// "0x6A99B44C": the state in eight upper-case hex digits, as `corvane-render -s` reads it back.
std::string stateText(std::uint32_t state);

// "0x6A99B44C CrossModVoice"
std::string soundLine(std::uint32_t state, VoiceId voice);

}  // namespace corvane
