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

bool namesDirectory(std::uint32_t count, const std::filesystem::path& output) {
  std::error_code ignored;
  return count > 1 || !output.has_filename() || std::filesystem::is_directory(output, ignored);
}

}  // namespace

std::string defaultFileName(std::uint32_t state, std::string_view extension) {
  char name[24];
  std::snprintf(name, sizeof name, "corvane-%08x", static_cast<unsigned>(state));
  return std::string(name) + std::string(extension);
}

std::string prepareOutput(const std::optional<std::filesystem::path>& outputOption, std::uint32_t count,
                          std::string_view extension, OutputPlan& plan) {
  plan = OutputPlan{};
  plan.extension = extension;
  if (!outputOption) return {};
  const std::filesystem::path& output = *outputOption;
  if (namesDirectory(count, output)) {
    plan.directory = output;
    return createDirectories(output);
  }
  plan.file = output;
  return createDirectories(output.parent_path());
}

std::filesystem::path outputPathFor(const OutputPlan& plan, std::uint32_t state) {
  if (plan.file) return *plan.file;
  return plan.directory / defaultFileName(state, plan.extension);
}

}  // namespace corvane
