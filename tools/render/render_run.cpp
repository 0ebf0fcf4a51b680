#include "tools/render/render_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "export/safe_file.h"
#include "export/sample_format.h"
#include "synth/sample_buffer.h"
#include "synth/sound_line.h"
#include "tools/render/output_plan.h"
#include "tools/render/path_text.h"
#include "tools/render/progress_line.h"
#include "tools/render/render_sound.h"
#include "ui/display/picture.h"
#include "tools/render/usage.h"

namespace corvane {

namespace {

constexpr std::string_view kProgram = "corvane-render: ";

std::string writeProblem(const std::filesystem::path& path, std::error_code error) {
  if (!error) return {};
  const std::string name = inQuotes(pathText(path));
  if (error == std::errc::file_exists) return name + " already exists (--force replaces it)";
  return "cannot write " + name + ": " + error.message();
}

ExistingFile existingFilePolicy(const RenderOptions& options) {
  return options.force ? ExistingFile::Replace : ExistingFile::Keep;
}

// Encodes the sound now in sampleBuffer and writes it to path. Returns the problem, or "".
std::string writeSound(const std::filesystem::path& path, const RenderOptions& options,
                       std::vector<std::byte>& encoded) {
  encodeSound(options.format, sampleBuffer, encoded);
  return writeProblem(path, writeFileSafely(path, encoded, existingFilePolicy(options)));
}

int interruptSignal(const RenderContext& context) {
  return context.interrupted ? context.interrupted->load(std::memory_order_relaxed) : 0;
}

}  // namespace

std::uint32_t stateFromClock() {
  const auto ticks = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

int runRender(const RenderOptions& options, std::ostream& out, std::ostream& err, const RenderContext& context) {
  std::uint32_t state = options.state ? *options.state : stateFromClock();
  if (!options.state && !options.quiet) err << kProgram << "state " << stateText(state) << " taken from the clock\n";

  OutputPlan sounds;
  OutputPlan pictures;
  std::string problem = prepareOutput(options.output, options.count, fileExtension(options.format), sounds);
  if (problem.empty() && options.picture) problem = prepareOutput(options.picture, options.count, ".png", pictures);
  if (!problem.empty()) {
    err << kProgram << problem << '\n';
    return kExitFailure;
  }

  ProgressLine progress(err, context.progress && !options.quiet && options.count > 1, options.count);
  // Messages start on a line of their own, not after the progress text.
  auto fail = [&](const std::string& message, int status) {
    progress.clear();
    err << kProgram << message << '\n';
    return status;
  };

  std::vector<std::byte> encoded;
  for (std::uint32_t written = 0; written < options.count; ++written) {
    if (const int signal = interruptSignal(context); signal != 0) {
      out.flush();
      return fail("interrupted after " + std::to_string(written) + " of " + std::to_string(options.count) + " sounds",
                  kExitInterruptedBase + signal);
    }
    progress.update(written);
    const std::uint32_t searchStart = state;
    const std::optional<RenderedSound> sound = renderNextSound(state, options.voice);
    if (!sound) {
      return fail("no " + std::string(voiceName(*options.voice)) + " among " + std::to_string(kMaxSkippedSounds + 1) +
                      " sounds in a row from state " + stateText(searchStart),
                  kExitFailure);
    }
    const std::filesystem::path path = outputPathFor(sounds, sound->state);
    if (problem = writeSound(path, options, encoded); !problem.empty()) return fail(problem, kExitFailure);
    if (!options.quiet) {
      // On a shared screen the line goes above the progress text, which is drawn again after it.
      if (context.outputIsTerminal) progress.clear();
      out << soundLine(sound->state, sound->voice) << ' ' << pathText(path) << '\n';
      if (context.outputIsTerminal) out.flush();
    }
    // The sound is written and reported; a picture that fails after it ends the run all the same.
    if (options.picture) {
      const std::filesystem::path picturePath = outputPathFor(pictures, sound->state);
      problem = writeProblem(picturePath, writeDisplayPicture(picturePath, existingFilePolicy(options)));
      if (!problem.empty()) return fail(problem, kExitFailure);
    }
  }
  progress.clear();

  out.flush();
  if (!out) {
    err << kProgram << "cannot write to standard output\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

int runRenderCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                     const RenderContext& context) {
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
      return runRender(parsed.options, out, err, context);
  }
  out.flush();
  return out ? kExitSuccess : kExitFailure;
}

}  // namespace corvane
