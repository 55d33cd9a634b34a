// Runs the built program as a separate process, the way cron runs it.
#include "testsupport/run_program.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

Outcome run_program(const TempDir& folder, const std::string& arguments) {
  TempDir streams;
  const std::string command = "cd '" + folder.path() + "' && timeout 120 '" KURVO_EXECUTABLE "' " +
                              arguments + " >'" + (streams / "out") + "' 2>'" + (streams / "err") +
                              "' </dev/null";
  const int raw = std::system(command.c_str());
  const auto read = [&](const std::string& name) {
    std::ifstream file(streams / name);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  };
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read("out"), read("err")};
}
