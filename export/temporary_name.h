// Names for the temporary files that a write goes through before it is renamed into place.
#pragma once

#include <filesystem>

namespace corvane {

// A hidden, hard-to-guess sibling of target: "<target's directory>/.corvane-<12 hex digits>.tmp".
// Each call gives a different name; the caller still creates it exclusively and retries on a clash.
std::filesystem::path temporarySibling(const std::filesystem::path& target);

}  // namespace corvane
