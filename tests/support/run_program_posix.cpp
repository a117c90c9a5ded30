#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <stdexcept>

#include "support/run_program.h"

namespace testing_support {

namespace {

constexpr auto kTimeLimit = std::chrono::seconds(30);

[[noreturn]] void exec_child(const std::filesystem::path& directory,
                             const std::vector<std::string>& arguments,
                             const Conditions& conditions, int out, int err) {
  int null = ::open("/dev/null", O_RDONLY);
  if (null < 0 || ::dup2(null, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) _exit(126);
  if (::chdir(directory.c_str()) != 0) _exit(126);
  if (conditions.file_size_limit != 0) {
    rlimit limit{conditions.file_size_limit, conditions.file_size_limit};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
  }
  std::signal(SIGXFSZ, conditions.ignore_file_size_signal ? SIG_IGN : SIG_DFL);
  std::signal(SIGPIPE, SIG_DFL);
  std::vector<char*> argv;
  std::string program = KALVERO_BINARY;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  _exit(127);
}

}  // namespace

Outcome run_kalvero(const std::filesystem::path& directory,
                    const std::vector<std::string>& arguments, const Conditions& conditions) {
  int out[2];
  int err[2];
  if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe");
  }
  pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork");
  if (child == 0) exec_child(directory, arguments, conditions, out[1], err[1]);
  ::close(out[1]);
  ::close(err[1]);

  Outcome outcome;
  auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  pollfd streams[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&outcome.out, &outcome.err};
  int open_streams = 2;
  while (open_streams > 0) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      outcome.timed_out = true;
      ::kill(child, SIGKILL);
      break;
    }
    if (::poll(streams, 2, static_cast<int>(left.count())) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (streams[i].fd < 0 || streams[i].revents == 0) continue;
      char buffer[4096];
      ssize_t got = ::read(streams[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(got));
      } else {
        ::close(streams[i].fd);
        streams[i].fd = -1;
        --open_streams;
      }
    }
  }
  for (pollfd& stream : streams) {
    if (stream.fd >= 0) ::close(stream.fd);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) outcome.status = 128 + WTERMSIG(status);
  return outcome;
}

}  // namespace testing_support
