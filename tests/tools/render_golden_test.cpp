// corvane-render against the reference sounds: the 16-bit file byte for byte, and both WAV formats
// read back by libsndfile, an independent reader, with the reference's values.
#include <gtest/gtest.h>

#include <sndfile.h>

#include <bit>
#include <fstream>
#include <iostream>
#include <map>
#include <vector>

#include <nlohmann/json.hpp>

#include "export/float32_wav.h"
#include "export/pcm16_wav.h"
#include "golden.h"
#include "run_program.h"
#include "scratch_directory.h"
#include "sha256.h"

namespace corvane::testing {
namespace {

// The SHA-256 the manifest records for each reference file.
std::map<std::string, std::string> manifestHashes() {
  std::ifstream in(goldenDir() / "manifest.json");
  const nlohmann::json manifest = nlohmann::json::parse(in);
  std::map<std::string, std::string> hashes;
  for (const auto& [section, items] : manifest.items()) {
    for (const auto& item : items) hashes[item.at("file").get<std::string>()] = item.at("sha256").get<std::string>();
  }
  return hashes;
}

class RenderGoldenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveGolden()) GTEST_SKIP() << "no reference sounds in " << goldenDir();
  }

  // Renders state in format to a file in the scratch directory and returns its path.
  std::filesystem::path render(std::uint32_t state, const char* format) {
    const std::filesystem::path path = work_ / (std::string(format) + "-" + std::to_string(state) + ".wav");
    const ProgramResult r = runProgram(
        {CORVANE_RENDER_EXE, "-q", "-s", std::to_string(state), "-f", format, "-o", path.string()}, work_.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return path;
  }

  ScratchDirectory work_;
};

// An open libsndfile reader, closed when it goes out of scope.
struct SoundFile {
  explicit SoundFile(const std::filesystem::path& path) { file = sf_open(path.c_str(), SFM_READ, &info); }
  ~SoundFile() {
    if (file) sf_close(file);
  }
  SoundFile(const SoundFile&) = delete;
  SoundFile& operator=(const SoundFile&) = delete;
  SF_INFO info{};
  SNDFILE* file = nullptr;
};

void expectMonoSecond(const SoundFile& sound, int subformat) {
  ASSERT_NE(sound.file, nullptr) << sf_strerror(nullptr);
  EXPECT_EQ(sound.info.channels, 1);
  EXPECT_EQ(sound.info.samplerate, 44100);
  EXPECT_EQ(sound.info.frames, 44100);
  EXPECT_EQ(sound.info.format, SF_FORMAT_WAV | subformat);
}

// The reference bytes are checked against the manifest's hash first. A reference file that does not
// match its own recorded hash is damaged; the output is then held to the recorded hash alone.
TEST_F(RenderGoldenTest, Pcm16OutputIsTheReferenceWavByteForByte) {
  const std::map<std::string, std::string> hashes = manifestHashes();
  for (const GoldenEntry& e : goldenEntries("wav")) {
    SCOPED_TRACE(e.file);
    const std::vector<unsigned char> written = readBytes(render(e.state, "pcm16"));
    ASSERT_EQ(written.size(), 88244u);
    EXPECT_EQ(sha256Hex(written), hashes.at(e.file));
    const std::vector<unsigned char> reference = readBytes(goldenDir() / e.file);
    if (sha256Hex(reference) == hashes.at(e.file)) {
      EXPECT_TRUE(written == reference);
    } else {
      std::cout << "note: " << e.file << " does not match the SHA-256 in the manifest; compared with the hash only\n";
    }
  }
}

TEST_F(RenderGoldenTest, LibsndfileReadsBothWavFormatsWithTheReferenceValues) {
  for (const GoldenEntry& e : goldenEntries("generate")) {
    SCOPED_TRACE(e.file);
    const std::vector<double> reference = readDoubles(goldenDir() / e.file);
    ASSERT_EQ(reference.size(), 44100u);

    const SoundFile pcm(render(e.state, "pcm16"));
    expectMonoSecond(pcm, SF_FORMAT_PCM_16);
    std::vector<short> shorts(44101);
    ASSERT_EQ(sf_read_short(pcm.file, shorts.data(), 44101), 44100);
    for (std::size_t i = 0; i < reference.size(); ++i) {
      ASSERT_EQ(shorts[i], pcm16Sample(reference[i])) << "sample " << i;
    }

    const SoundFile floats(render(e.state, "float32"));
    expectMonoSecond(floats, SF_FORMAT_FLOAT);
    std::vector<float> values(44101);
    ASSERT_EQ(sf_read_float(floats.file, values.data(), 44101), 44100);
    for (std::size_t i = 0; i < reference.size(); ++i) {
      ASSERT_EQ(std::bit_cast<std::uint32_t>(values[i]), std::bit_cast<std::uint32_t>(static_cast<float>(reference[i])))
          << "sample " << i;
    }
  }
}

}  // namespace
}  // namespace corvane::testing
