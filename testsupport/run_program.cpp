// Runs the built program as a separate process, the way cron runs it.
#include "testsupport/run_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <csignal>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

Outcome run_program(const TempDir& folder, const std::string& arguments) {
  return run_program(folder.path(), arguments);
}

Outcome run_program(const std::string& folder, const std::string& arguments,
                    const std::string& runner) {
  TempDir streams;
  const std::string command = "cd '" + folder + "' && timeout 120 " + runner +
                              " '" KURVO_EXECUTABLE "' " + arguments + " >'" + (streams / "out") +
                              "' 2>'" + (streams / "err") + "' </dev/null";
  const int raw = std::system(command.c_str());
  const auto read = [&](const std::string& name) {
    std::ifstream file(streams / name);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  };
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read("out"), read("err")};
}

namespace {

int status_of(int raw) {
  if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

}  // namespace

StartedProgram::StartedProgram(const TempDir& folder, const std::vector<std::string>& arguments,
                               int err) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  if (err >= 0) {
    posix_spawn_file_actions_adddup2(&actions, err, 2);
  } else {
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  }
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) sigaddset(&defaults, signal);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

  std::vector<std::string> words = {KURVO_EXECUTABLE};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  if (::posix_spawn(&pid_, KURVO_EXECUTABLE, &actions, &attributes, argv.data(), environ) != 0) {
    pid_ = -1;
  }
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
}

StartedProgram::~StartedProgram() {
  if (pid_ > 0 && status_ < 0) {
    ::kill(pid_, SIGKILL);
    Wait();
  }
}

void StartedProgram::Signal(int signal) const { ::kill(pid_, signal); }

bool StartedProgram::Running() {
  if (pid_ <= 0 || status_ >= 0) return false;
  int raw = 0;
  if (::waitpid(pid_, &raw, WNOHANG) != pid_) return true;
  status_ = status_of(raw);
  return false;
}

int StartedProgram::Wait() {
  if (pid_ <= 0 || status_ >= 0) return status_;
  int raw = 0;
  while (::waitpid(pid_, &raw, 0) < 0 && errno == EINTR) {
  }
  status_ = status_of(raw);
  return status_;
}
