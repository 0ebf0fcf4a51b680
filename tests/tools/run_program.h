// Runs a program to completion in a given directory and collects its exit status and output.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvane::testing {

struct ProgramResult {
  int exitCode = -1;       // -1 when the program did not exit normally
  int signal = 0;          // the signal that ended it, if one did
  std::string out;         // standard output
  std::string err;         // standard error
};

// argv[0] is the program path. Output is collected through files outside workingDir, so that
// workingDir shows only what the program itself wrote there.
ProgramResult runProgram(const std::vector<std::string>& argv, const std::filesystem::path& workingDir);

// The same, through /bin/sh with the file-size limit lowered to `blocks` (ulimit -f).
ProgramResult runWithFileSizeLimit(int blocks, const std::vector<std::string>& argv,
                                   const std::filesystem::path& workingDir);

}  // namespace corvane::testing
