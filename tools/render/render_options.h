// The options of corvane-render and the parser that reads them from the command line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "export/sample_format.h"
#include "synth/voices.h"

namespace corvane {

inline constexpr std::uint32_t kMaxSoundCount = 0xFFFFFFFFu;

struct RenderOptions {
  std::optional<std::uint32_t> state;           // none: taken from the clock
  std::uint32_t count = 1;                      // sounds to write
  std::optional<std::filesystem::path> output;  // none: default names in the current directory
  SampleFormat format = SampleFormat::Pcm16;
  std::optional<VoiceId> voice;                 // keep only sounds of this voice
  std::optional<std::filesystem::path> picture; // also write PNG pictures: a file, or a directory
  bool force = false;                           // replace existing files
  bool quiet = false;                           // print nothing but errors
};

enum class RenderRequest { Render, Help, Version };

struct ParsedArguments {
  RenderRequest request = RenderRequest::Render;
  RenderOptions options;
  std::string error;  // one line naming the problem; empty when the arguments are good
};

// Reads the arguments after the program name. Short options may be grouped ("-qn5"), values follow
// an option as the next argument or attached ("-n5", "--count=5"); "--" ends the options. The first
// problem stops the parse. --help and --version stop it too and win over anything after them.
ParsedArguments parseRenderArguments(std::span<const std::string_view> args);

}  // namespace corvane
