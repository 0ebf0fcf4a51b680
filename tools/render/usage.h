// The texts of --help and --version.
#pragma once

#include <ostream>

namespace corvane {

void printUsage(std::ostream& out);
void printVersion(std::ostream& out);

}  // namespace corvane
