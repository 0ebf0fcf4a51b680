// generateSample over a fixed list of states: a mix of voices and post-filters, one second of sound each.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "synth/pipeline.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"

namespace corvane {
namespace {

constexpr std::array<std::uint32_t, 16> kStates = {
    0x00000001u, 0x6A99B44Cu, 0xA708A7AEu, 0x11A25BFAu, 0x81A05C0Au, 0x08D12DFDu, 0x78DDE6C4u, 0x3C6EF362u,
    0xE3779B10u, 0x56E27D59u, 0x538453D7u, 0xFA8CFB85u, 0x6DF7DDCEu, 0xDAA66D13u, 0x2545F491u, 0xDEADBEEFu,
};

// One iteration makes every sound of the list; the time per sound is the time per item.
void generateFixedStates(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::uint32_t s : kStates) {
      randomSource.seed(s);
      benchmark::DoNotOptimize(generateSample());
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kStates.size()));
}
BENCHMARK(generateFixedStates)->Name("GenerateSample/16states")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
