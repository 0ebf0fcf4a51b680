// Long runs of corvane-render: the progress line, pictures beside the sounds, and Ctrl-C.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <thread>

#include "file_content.h"
#include "run_program.h"
#include "scratch_directory.h"
#include "tools/render/progress_line.h"

namespace corvane::testing {
namespace {

int countFiles(const std::filesystem::path& dir) {
  std::error_code ignored;
  int n = 0;
  for (auto it = std::filesystem::directory_iterator(dir, ignored); it != std::filesystem::directory_iterator(); ++it) ++n;
  return n;
}

TEST(ProgressTextTest, CountRateAndTimeLeft) {
  const struct {
    std::uint32_t done;
    std::uint32_t total;
    double seconds;
    const char* text;
  } cases[] = {
      {0, 10, 0.0, "0/10 sounds"},
      {5, 10, 2.0, "5/10 sounds, 2.5 per second, 0:02 left"},
      {100, 10000, 10.0, "100/10000 sounds, 10.0 per second, 16:30 left"},
      {1, 4000, 1.0, "1/4000 sounds, 1.0 per second, 1:06:39 left"},
      {10, 10, 4.0, "10/10 sounds, 2.5 per second, 0:00 left"},
  };
  for (const auto& c : cases) EXPECT_EQ(progressText(c.done, c.total, c.seconds), c.text);
}

TEST(ProgressLineTest, DrawsOneUpdatingLineAtMostEveryIntervalAndClearsIt) {
  using namespace std::chrono_literals;
  std::ostringstream out;
  ProgressLine line(out, true, 10, 100ms);
  const auto t0 = ProgressLine::Clock::now();
  line.update(1, t0);
  line.update(2, t0 + 50ms);  // too soon: not drawn
  line.update(3, t0 + 150ms);
  const std::string drawn = out.str();
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '\r'), 2);
  EXPECT_EQ(drawn.find('\n'), std::string::npos);
  EXPECT_NE(drawn.find("3/10 sounds"), std::string::npos);
  EXPECT_EQ(drawn.find("2/10 sounds"), std::string::npos);
  line.clear();
  EXPECT_EQ(out.str().back(), '\r');

  std::ostringstream quiet;
  ProgressLine off(quiet, false, 10);
  off.update(5);
  off.clear();
  EXPECT_TRUE(quiet.str().empty());
}

TEST(RenderBatchTest, PicturesGoBesideTheSoundsAndChangeNoSound) {
  ScratchDirectory work;
  const auto plain = runProgram({CORVANE_RENDER_EXE, "-s", "0x6A99B44C", "-n", "3", "-o", "plain"}, work.path());
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  const auto pictured = runProgram(
      {CORVANE_RENDER_EXE, "-s", "0x6A99B44C", "-n", "3", "-o", "pictured", "--picture", "pictures"}, work.path());
  ASSERT_EQ(pictured.exitCode, 0) << pictured.err;

  int pictures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(work.path() / "plain")) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(fileContent(entry.path()), fileContent(work.path() / "pictured" / name)) << name;
    const auto png = work.path() / "pictures" / (entry.path().stem().string() + ".png");
    EXPECT_EQ(fileContent(png).substr(0, 8), "\x89PNG\r\n\x1a\n") << png;
    ++pictures;
  }
  EXPECT_EQ(pictures, 3);
  EXPECT_EQ(countFiles(work.path() / "pictures"), 3);

  const auto single = runProgram({CORVANE_RENDER_EXE, "-s", "7", "--picture", "one.png", "-q"}, work.path());
  ASSERT_EQ(single.exitCode, 0) << single.err;
  EXPECT_EQ(fileContent(work.path() / "one.png").substr(1, 3), "PNG");

  // An existing picture is kept without --force, like an existing sound.
  const auto again = runProgram({CORVANE_RENDER_EXE, "-s", "8", "-o", "x.wav", "--picture", "one.png"}, work.path());
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.err.find("already exists"), std::string::npos) << again.err;
}

// Ctrl-C and a termination request both stop the run between two sounds, with 128 plus the signal.
TEST(RenderBatchTest, InterruptStopsBetweenSoundsLeavingOnlyCompleteFiles) {
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal == SIGINT ? "SIGINT" : "SIGTERM");
    ScratchDirectory work;
    const std::filesystem::path out = work.path() / "batch";
    const std::filesystem::path errFile = work.path() / "stderr.txt";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      ::dup2(err, 2);
      ::execl(CORVANE_RENDER_EXE, CORVANE_RENDER_EXE, "-s", "1", "-n", "100000", "-q", "-o", out.c_str(),
              static_cast<char*>(nullptr));
      ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (countFiles(out) < 3 && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    EXPECT_NE(fileContent(errFile).find("interrupted after"), std::string::npos) << fileContent(errFile);

    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(out)) {
      EXPECT_EQ(entry.path().extension(), ".wav") << entry.path();
      EXPECT_EQ(entry.file_size(), 88244u) << entry.path();
      ++files;
    }
    EXPECT_GE(files, 3);
  }
}

}  // namespace
}  // namespace corvane::testing
