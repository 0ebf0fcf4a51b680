// corvane-render: the program entry. Everything else lives in the library, where tests reach it.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/render/render_run.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

// Set by Ctrl-C (or a termination request); the run stops between two sounds, so every file it
// wrote is complete.
std::atomic<int> interruptRequested{0};
static_assert(std::atomic<int>::is_always_lock_free, "the flag is set from a signal handler");

extern "C" void requestInterrupt(int signal) { interruptRequested.store(signal, std::memory_order_relaxed); }

int runWith(const std::vector<std::string>& arguments) {
#ifdef SIGXFSZ
  // Beyond the file-size limit a write should fail (EFBIG) and be reported, not kill the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::signal(SIGINT, requestInterrupt);
  std::signal(SIGTERM, requestInterrupt);
  corvane::RenderContext context;
  context.progress = isatty(fileno(stderr)) != 0;
  context.outputIsTerminal = isatty(fileno(stdout)) != 0;
  context.interrupted = &interruptRequested;
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  return corvane::runRenderCommand(views, std::cout, std::cerr, context);
}

}  // namespace

#ifdef _WIN32
// Wide arguments, so that any file name survives; the library reads them as UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    const std::u8string text = std::filesystem::path(argv[i]).u8string();
    arguments.emplace_back(text.begin(), text.end());
  }
  return runWith(arguments);
}
#else
int main(int argc, char** argv) { return runWith(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
