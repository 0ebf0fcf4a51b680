#include "tools/render/render_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "export/safe_file.h"
#include "export/sample_format.h"
#include "synth/sample_buffer.h"
#include "tools/render/output_plan.h"
#include "tools/render/path_text.h"
#include "tools/render/render_sound.h"
#include "tools/render/usage.h"

namespace corvane {

namespace {

constexpr std::string_view kProgram = "corvane-render: ";

std::string hexState(std::uint32_t state) {
  char text[12];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(state));
  return text;
}

// Encodes the sound now in sampleBuffer and writes it to path. Returns the problem, or "".
std::string writeSound(const std::filesystem::path& path, const RenderOptions& options,
                       std::vector<std::byte>& encoded) {
  encodeSound(options.format, sampleBuffer, encoded);
  const std::error_code error =
      writeFileSafely(path, encoded, options.force ? ExistingFile::Replace : ExistingFile::Keep);
  if (!error) return {};
  if (error == std::errc::file_exists) return "'" + pathText(path) + "' already exists (--force replaces it)";
  return "cannot write '" + pathText(path) + "': " + error.message();
}

}  // namespace

std::uint32_t stateFromClock() {
  const auto ticks = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

int runRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
  std::uint32_t state = options.state ? *options.state : stateFromClock();
  if (!options.state && !options.quiet) err << kProgram << "state " << hexState(state) << " taken from the clock\n";

  OutputPlan plan;
  if (const std::string problem = prepareOutput(options, plan); !problem.empty()) {
    err << kProgram << problem << '\n';
    return kExitFailure;
  }

  std::vector<std::byte> encoded;
  for (std::uint32_t written = 0; written < options.count; ++written) {
    const std::uint32_t searchStart = state;
    const std::optional<RenderedSound> sound = renderNextSound(state, options.voice);
    if (!sound) {
      err << kProgram << "no " << voiceName(*options.voice) << " among " << kMaxSkippedSounds + 1
          << " sounds in a row from state " << hexState(searchStart) << '\n';
      return kExitFailure;
    }
    const std::filesystem::path path = outputPathFor(plan, sound->state, options.format);
    if (const std::string problem = writeSound(path, options, encoded); !problem.empty()) {
      err << kProgram << problem << '\n';
      return kExitFailure;
    }
    if (!options.quiet) out << hexState(sound->state) << ' ' << voiceName(sound->voice) << ' ' << pathText(path) << '\n';
  }

  out.flush();
  if (!out) {
    err << kProgram << "cannot write to standard output\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

int runRenderCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = parseRenderArguments(args);
  if (!parsed.error.empty()) {
    err << kProgram << parsed.error << " (see --help)\n";
    return kExitUsage;
  }
  switch (parsed.request) {
    case RenderRequest::Help:
      printUsage(out);
      break;
    case RenderRequest::Version:
      printVersion(out);
      break;
    case RenderRequest::Render:
      return runRender(parsed.options, out, err);
  }
  out.flush();
  return out ? kExitSuccess : kExitFailure;
}

}  // namespace corvane
