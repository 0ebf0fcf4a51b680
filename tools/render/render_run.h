// One run of corvane-render: the loop over the sounds asked for, writing each and reporting it.
#pragma once

#include <atomic>
#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

#include "tools/render/render_options.h"

namespace corvane {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a sound could not be written
inline constexpr int kExitUsage = 2;    // bad arguments; nothing was written
inline constexpr int kExitInterruptedBase = 128;  // plus the signal: 130 for Ctrl-C, 143 for SIGTERM

// What the run learns from the process around it.
struct RenderContext {
  bool progress = false;                          // standard error is a terminal: show progress
  bool outputIsTerminal = false;                  // standard output shares the screen with it
  const std::atomic<int>* interrupted = nullptr;  // the signal that asked to stop, 0 for none
};

// Parses args (without the program name), then shows help or the version or renders.
// Lines for the sounds go to out, messages to err. Returns the exit status.
int runRenderCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                     const RenderContext& context = {});

// Renders and writes the sounds that options ask for. Stops at the first sound that cannot be
// written, or when interrupted; the files written before it stay, complete.
int runRender(const RenderOptions& options, std::ostream& out, std::ostream& err, const RenderContext& context = {});

// A state from the system clock, for runs without --state.
std::uint32_t stateFromClock();

}  // namespace corvane
