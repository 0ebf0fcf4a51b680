// Each of the twelve voices run alone from one fixed state, as the per-voice reference sounds are made.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "synth/filters/filter_bank.h"
#include "synth/random_source.h"
#include "synth/sample_buffer.h"
#include "synth/voices.h"

namespace corvane {
namespace {

// One state for every voice: the parameters it draws are the voice's own, and stay the same run to run.
constexpr std::uint32_t kVoiceState = 0x2545F491u;

void voiceAlone(benchmark::State& state, VoiceId voice) {
  const VoiceRoutine routine = voiceRoutine(voice);
  for (auto _ : state) {
    // Clearing is part of every iteration; it costs little next to a voice.
    randomSource.seed(kVoiceState);
    clearFilterBank();
    clearSampleBuffer();
    routine();
    benchmark::DoNotOptimize(sampleBuffer.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSampleCount);
}

const bool registered = [] {
  for (int i = 0; i < kVoiceCount; ++i) {
    const auto voice = static_cast<VoiceId>(i);
    const std::string name = "Voice/" + std::string(voiceName(voice));
    benchmark::RegisterBenchmark(name.c_str(), voiceAlone, voice)->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace corvane
