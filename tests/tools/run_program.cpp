#include "run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "file_content.h"
#include "scratch_directory.h"

namespace corvane::testing {

ProgramResult runProgram(const std::vector<std::string>& argv, const std::filesystem::path& workingDir) {
  const ScratchDirectory capture;
  const std::filesystem::path outPath = capture / "stdout";
  const std::filesystem::path errPath = capture / "stderr";

  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    // Child: only async-signal-safe calls until exec.
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int in = ::open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0 || ::chdir(workingDir.c_str()) != 0) ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  ProgramResult result;
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  result.out = fileContent(outPath);
  result.err = fileContent(errPath);
  return result;
}

ProgramResult runWithFileSizeLimit(int blocks, const std::vector<std::string>& argv,
                                   const std::filesystem::path& workingDir) {
  std::vector<std::string> shell = {"/bin/sh", "-c", "ulimit -f " + std::to_string(blocks) + " && exec \"$0\" \"$@\""};
  shell.insert(shell.end(), argv.begin(), argv.end());
  return runProgram(shell, workingDir);
}

}  // namespace corvane::testing
