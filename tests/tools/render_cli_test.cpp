// corvane-render as users run it: the real program, its output lines, files and exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export/sample_format.h"
#include "file_content.h"
#include "run_program.h"
#include "scratch_directory.h"
#include "synth/sample_buffer.h"
#include "synth/voices.h"
#include "tools/render/render_sound.h"

namespace corvane::testing {
namespace {

// The file the program should write for state, encoded here in the test's own process.
std::string expectedFile(std::uint32_t state, SampleFormat format) {
  renderSound(state);
  std::vector<std::byte> bytes;
  encodeSound(format, sampleBuffer, bytes);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::string hex(std::uint32_t state) {
  char text[12];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(state));
  return text;
}

// "corvane-6a99b44c.wav": worked out here independently of the program.
std::string defaultName(std::uint32_t state, const char* extension = ".wav") {
  char name[32];
  std::snprintf(name, sizeof name, "corvane-%08x%s", static_cast<unsigned>(state), extension);
  return name;
}

std::string lineFor(const RenderedSound& sound, const std::string& path) {
  return hex(sound.state) + " " + std::string(voiceName(sound.voice)) + " " + path + "\n";
}

bool isOneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && std::count(text.begin(), text.end(), '\n') == 1;
}

class RenderCliTest : public ::testing::Test {
 protected:
  ProgramResult run(const std::vector<std::string>& args) { return runProgram(withProgram(args), work_.path()); }
  ProgramResult runLimited(int blocks, const std::vector<std::string>& args) {
    return runWithFileSizeLimit(blocks, withProgram(args), work_.path());
  }
  static std::vector<std::string> withProgram(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {CORVANE_RENDER_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
  }
  ScratchDirectory work_;
};

TEST_F(RenderCliTest, BadUsageIsNamedOnOneLineWithStatus2AndWritesNothing) {
  struct Case {
    std::vector<std::string> args;
    std::string problem;
  };
  const Case cases[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"-x"}, "unknown option '-x'"},
      {{"-qz"}, "unknown option '-z'"},
      {{"-s"}, "option '-s' needs a value"},
      {{"-n", "3", "--state"}, "option '--state' needs a value"},
      {{"--output"}, "option '--output' needs a value"},
      {{"-f"}, "option '-f' needs a value"},
      {{"--voice"}, "option '--voice' needs a value"},
      {{"--force=yes"}, "option '--force' takes no value"},
      {{"-s", "abc"}, "state 'abc' is not a number"},
      {{"-s", "12abc"}, "state '12abc' is not a number"},
      {{"-s", "-1"}, "state '-1' is not a number"},
      {{"-s", "0x"}, "state '0x' is not a number"},
      {{"-s", ""}, "state '' is not a number"},
      {{"-s", "1.5"}, "state '1.5' is not a number"},
      {{"-s", "4294967296"}, "state '4294967296' does not fit in 32 bits"},
      {{"--state=0x100000000"}, "state '0x100000000' does not fit in 32 bits"},
      {{"-s", "99999999999999999999999"}, "does not fit in 32 bits"},
      {{"-n", "0"}, "count must be at least 1"},
      {{"-n", "-3"}, "count '-3' is not a positive whole number"},
      {{"--count=many"}, "count 'many' is not a positive whole number"},
      {{"-n", "2.5"}, "count '2.5' is not a positive whole number"},
      {{"-n", "4294967296"}, "count '4294967296' is too large"},
      {{"-f", "mp3"}, "unknown format 'mp3'"},
      {{"--format=PCM16"}, "unknown format 'PCM16'"},
      {{"--voice", "Kazoo"}, "unknown voice 'Kazoo'"},
      {{"--voice=springvoice"}, "unknown voice 'springvoice'"},
      {{"-o", ""}, "output path is empty"},
      {{"-s", "1", "extra.wav"}, "unexpected argument 'extra.wav'"},
      {{"-s", "1", "--", "extra.wav"}, "unexpected argument 'extra.wav'"},
      // Good options before the bad one do not start a render.
      {{"-s", "1", "-o", "sound.wav", "-n", "0"}, "count must be at least 1"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const auto& a : c.args) shown += "[" + a + "] ";
    SCOPED_TRACE(shown);
    const ProgramResult r = run(c.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(isOneLine(r.err)) << r.err;
    EXPECT_NE(r.err.find(c.problem), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(work_.names().empty());
  }
}

TEST_F(RenderCliTest, OutputThatCannotBeWrittenFailsWithStatus1AndNoFile) {
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string problem;
    int fileSizeBlocks;  // 0: no limit
    bool fileInTheWay;   // sound.wav exists beforehand
  };
  const Case cases[] = {
      {"missing parent that cannot be created", {"-s", "1", "-o", "/proc/corvane-render-test/sub/x.wav"},
       "cannot create directory '/proc/corvane-render-test/sub'", 0, false},
      {"directory for several that cannot be created", {"-s", "1", "-n", "2", "-o", "/proc/corvane-render-test"},
       "cannot create directory '/proc/corvane-render-test'", 0, false},
      {"directory that cannot be written", {"-s", "1", "-o", "/proc/corvane-render-test.wav"},
       "cannot write '/proc/corvane-render-test.wav'", 0, false},
      {"full disk", {"-s", "1", "-o", "sound.wav"}, "cannot write 'sound.wav': File too large", 50, false},
      {"full disk, default name", {"-s", "1", "-f", "f64"}, "cannot write 'corvane-00000001.f64'", 50, false},
      {"several sounds where a file is in the way of the directory", {"-s", "1", "-n", "2", "-o", "sound.wav"},
       "cannot create directory 'sound.wav'", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.fileInTheWay) std::ofstream(work_ / "sound.wav") << "precious";
    const ProgramResult r = c.fileSizeBlocks > 0 ? runLimited(c.fileSizeBlocks, c.args) : run(c.args);
    EXPECT_EQ(r.signal, 0);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(isOneLine(r.err)) << r.err;
    EXPECT_NE(r.err.find(c.problem), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists("/proc/corvane-render-test.wav"));
    if (c.fileInTheWay) {
      EXPECT_EQ(fileContent(work_ / "sound.wav"), "precious");
      std::filesystem::remove(work_ / "sound.wav");
    }
    EXPECT_TRUE(work_.names().empty());
  }
}

TEST_F(RenderCliTest, AnExistingFileIsKeptUnlessForced) {
  struct Case {
    std::vector<std::string> args;
    std::string file;
  };
  const Case cases[] = {
      {{"-s", "1", "-o", "mine.wav"}, "mine.wav"},
      {{"-s", "1"}, "corvane-00000001.wav"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::ofstream(work_ / c.file) << "precious";
    const ProgramResult kept = run(c.args);
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_TRUE(isOneLine(kept.err)) << kept.err;
    EXPECT_NE(kept.err.find("'" + c.file + "' already exists"), std::string::npos) << kept.err;
    EXPECT_EQ(fileContent(work_ / c.file), "precious");
    EXPECT_EQ(work_.names(), std::set<std::string>{c.file});

    std::vector<std::string> forced = c.args;
    forced.push_back("--force");
    const ProgramResult replaced = run(forced);
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_EQ(fileContent(work_ / c.file), expectedFile(1, SampleFormat::Pcm16));
    EXPECT_EQ(work_.names(), std::set<std::string>{c.file});
    std::filesystem::remove(work_ / c.file);
  }
}

TEST_F(RenderCliTest, OneSoundGoesToItsDefaultNameInTheCurrentDirectory) {
  struct Case {
    SampleFormat format;
    std::string name;
  };
  const Case cases[] = {
      {SampleFormat::Pcm16, "corvane-6a99b44c.wav"},
      {SampleFormat::Float32, "corvane-6a99b44c.wav"},
      {SampleFormat::F64, "corvane-6a99b44c.f64"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ProgramResult r = run({"--state", "0x6a99b44c", "--format", std::string(sampleFormatName(c.format))});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "0x6A99B44C CrossModVoice " + c.name + "\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(fileContent(work_ / c.name), expectedFile(0x6A99B44C, c.format));
    EXPECT_EQ(work_.names(), std::set<std::string>{c.name});
    std::filesystem::remove(work_ / c.name);
  }
}

TEST_F(RenderCliTest, EachNextSoundStartsWhereThePreviousLeftTheGenerator) {
  const ProgramResult r = run({"-s", "1788458060", "-n", "3", "-f", "f64", "-o", "new/sounds"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string expectedLines;
  std::uint32_t state = 1788458060;
  for (int i = 0; i < 3; ++i) {
    const RenderedSound sound = renderSound(state);
    const std::string name = defaultName(state, ".f64");
    expectedLines += lineFor(sound, "new/sounds/" + name);
    EXPECT_EQ(fileContent(work_ / "new" / "sounds" / name), expectedFile(state, SampleFormat::F64)) << name;
    state = sound.endState;
  }
  EXPECT_EQ(r.out, expectedLines);
  EXPECT_EQ(ScratchDirectory::namesIn(work_ / "new" / "sounds").size(), 3u);
}

TEST_F(RenderCliTest, AVoiceFilterWritesOnlyThatVoiceAndPassesOverTheOthersInOrder) {
  const ProgramResult r = run({"-s", "5", "-n", "3", "--voice", "SpringVoice", "-o", "springs"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string expectedLines;
  std::uint32_t state = 5;
  int rendered = 0;
  for (int kept = 0; kept < 3;) {
    const RenderedSound sound = renderSound(state);
    state = sound.endState;
    ++rendered;
    if (sound.voice != VoiceId::Spring) continue;
    ++kept;
    expectedLines += lineFor(sound, "springs/" + defaultName(sound.state));
  }
  EXPECT_GT(rendered, 3) << "the filter had nothing to pass over from this state";
  EXPECT_EQ(r.out, expectedLines);
  EXPECT_EQ(ScratchDirectory::namesIn(work_ / "springs").size(), 3u);
}

TEST_F(RenderCliTest, ARunStopsAtTheFirstFileItCannotWrite) {
  const std::uint32_t second = renderSound(1).endState;
  const std::string secondName = defaultName(second);
  const std::string thirdName = defaultName(renderSound(second).endState);
  std::filesystem::create_directory(work_ / "out");
  std::ofstream(work_ / "out" / secondName) << "precious";

  const ProgramResult r = run({"-s", "1", "-n", "3", "-o", "out"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, lineFor(renderSound(1), "out/corvane-00000001.wav"));
  EXPECT_NE(r.err.find("already exists"), std::string::npos) << r.err;
  EXPECT_EQ(fileContent(work_ / "out" / "corvane-00000001.wav"), expectedFile(1, SampleFormat::Pcm16));
  EXPECT_EQ(fileContent(work_ / "out" / secondName), "precious");
  EXPECT_FALSE(std::filesystem::exists(work_ / "out" / thirdName));
}

TEST_F(RenderCliTest, AnOutputDirectoryForOneSoundTakesTheDefaultName) {
  std::filesystem::create_directory(work_ / "existing");
  for (const std::string output : {"existing", "created/"}) {
    SCOPED_TRACE(output);
    const ProgramResult r = run({"-s", "1", "-o", output});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::filesystem::path written = std::filesystem::path(output) / "corvane-00000001.wav";
    EXPECT_EQ(r.out, lineFor(renderSound(1), written.string()));
    EXPECT_TRUE(std::filesystem::is_regular_file(work_ / written));
  }
}

TEST_F(RenderCliTest, WithoutAStateTheClockChoosesAndTheRunSaysWhich) {
  const ProgramResult r = run({"-o", "sounds/"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string prefix = "corvane-render: state ";
  const std::string suffix = " taken from the clock\n";
  ASSERT_TRUE(r.err.starts_with(prefix) && r.err.ends_with(suffix)) << r.err;
  const std::string said = r.err.substr(prefix.size(), r.err.size() - prefix.size() - suffix.size());
  const auto state = static_cast<std::uint32_t>(std::stoul(said, nullptr, 16));
  EXPECT_EQ(said, hex(state));
  EXPECT_EQ(r.out, lineFor(renderSound(state), "sounds/" + defaultName(state)));
  EXPECT_EQ(fileContent(work_ / "sounds" / defaultName(state)), expectedFile(state, SampleFormat::Pcm16));

  const ProgramResult quiet = run({"-q", "-o", "quiet/"});
  EXPECT_EQ(quiet.exitCode, 0) << quiet.err;
  EXPECT_EQ(quiet.out, "");
  EXPECT_EQ(quiet.err, "");
  EXPECT_EQ(ScratchDirectory::namesIn(work_ / "quiet").size(), 1u);
}

TEST_F(RenderCliTest, HelpAndVersionPrintAndWriteNoSound) {
  const ProgramResult help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("Usage: corvane-render", 0), 0u) << help.out;
  for (const char* option : {"--state", "--count", "--output", "--format", "--voice", "--force", "--quiet"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(help.err, "");

  const ProgramResult version = run({"-s", "1", "--version", "--bogus"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "corvane-render " CORVANE_VERSION "\n");
  EXPECT_TRUE(work_.names().empty());
}

}  // namespace
}  // namespace corvane::testing
