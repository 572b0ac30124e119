// zentara-cli: the command-line companion of the desktop program. It computes what
// the program computes, for scripts and for checking results by hand.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/system_files.h"

int main(int argc, char** argv) {
  zentara::system::OpenMissingStandardStreams();
  zentara::system::ReportFileSizeLimitAsError();
  return zentara::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), {std::cout, std::cerr});
}
