#include "tools/render/output_plan.h"

#include <cstdio>
#include <system_error>

#include "tools/render/path_text.h"

namespace corvane {

namespace {

std::string createDirectories(const std::filesystem::path& directory) {
  if (directory.empty()) return {};
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) return "cannot create directory '" + pathText(directory) + "': " + error.message();
  return {};
}

bool namesDirectory(const RenderOptions& options, const std::filesystem::path& output) {
  std::error_code ignored;
  return options.count > 1 || !output.has_filename() || std::filesystem::is_directory(output, ignored);
}

}  // namespace

std::string defaultFileName(std::uint32_t state, SampleFormat format) {
  char name[24];
  std::snprintf(name, sizeof name, "corvane-%08x", static_cast<unsigned>(state));
  return std::string(name) + std::string(fileExtension(format));
}

std::string prepareOutput(const RenderOptions& options, OutputPlan& plan) {
  plan = OutputPlan{};
  if (!options.output) return {};
  const std::filesystem::path& output = *options.output;
  if (namesDirectory(options, output)) {
    plan.directory = output;
    return createDirectories(output);
  }
  plan.file = output;
  return createDirectories(output.parent_path());
}

std::filesystem::path outputPathFor(const OutputPlan& plan, std::uint32_t state, SampleFormat format) {
  if (plan.file) return *plan.file;
  return plan.directory / defaultFileName(state, format);
}

}  // namespace corvane
