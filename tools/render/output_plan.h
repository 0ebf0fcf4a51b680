// Where the files of one run go: one named file, or default names in a directory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

struct OutputPlan {
  std::filesystem::path directory;            // empty: the current directory
  std::optional<std::filesystem::path> file;  // the one file of a single-sound run, when named
  std::string extension;                      // of default names: ".wav", ".f64", ".png"
};

// "corvane-6a99b44c.wav": the state in eight lower-case hex digits and the extension.
std::string defaultFileName(std::uint32_t state, std::string_view extension);

// `output` names a directory when several sounds are asked for, when it ends in a separator or
// when it is an existing directory; otherwise it names the file of the one sound. No output means
// default names in the current directory. Creates the directory, or the file's missing parent
// directories. Returns the problem, or an empty string.
std::string prepareOutput(const std::optional<std::filesystem::path>& output, std::uint32_t count,
                          std::string_view extension, OutputPlan& plan);

std::filesystem::path outputPathFor(const OutputPlan& plan, std::uint32_t state);

}  // namespace corvane
