#include "export/temporary_name.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>

namespace corvane {

namespace {

// SplitMix64 finaliser: spreads the clock and counter bits over the whole name.
std::uint64_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

std::atomic<std::uint64_t> callCounter{0};

}  // namespace

std::filesystem::path temporarySibling(const std::filesystem::path& target) {
  const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  // The address of a local differs between processes under address-space randomisation.
  int local = 0;
  const auto where = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&local));
  const std::uint64_t bits = mix(now ^ mix(where) ^ mix(callCounter.fetch_add(1) + 0x9E3779B97F4A7C15u));

  char name[32];
  std::snprintf(name, sizeof name, ".corvane-%012llx.tmp",
                static_cast<unsigned long long>(bits & 0xFFFFFFFFFFFFu));
  return target.parent_path() / name;
}

}  // namespace corvane
