#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <stdexcept>

#include "support/run_program.h"

namespace testing_support {

namespace {

constexpr auto kTimeLimit = std::chrono::seconds(30);

[[noreturn]] void exec_kalvero(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 2);
  std::string program = KALVERO_BINARY;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  _exit(127);
}

[[noreturn]] void exec_child(const std::filesystem::path& directory,
                             const std::vector<std::string>& arguments, const Conditions& conditions, int out,
                             int err) {
  int null = ::open("/dev/null", O_RDONLY);
  if (null < 0 || ::dup2(null, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) _exit(126);
  if (::chdir(directory.c_str()) != 0) _exit(126);
  if (conditions.file_size_limit != 0) {
    rlimit limit{conditions.file_size_limit, conditions.file_size_limit};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
  }
  std::signal(SIGXFSZ, conditions.ignore_file_size_signal ? SIG_IGN : SIG_DFL);
  std::signal(SIGPIPE, SIG_DFL);
  exec_kalvero(arguments);
}

struct Stream {
  int fd;
  std::string* sink;
};

// Collects the streams until each has ended (or the time limit has passed),
// then reaps the child.
void collect(pid_t child, std::vector<Stream> streams, Outcome& outcome) {
  auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  std::size_t open_streams = streams.size();
  while (open_streams > 0) {
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      outcome.timed_out = true;
      ::kill(child, SIGKILL);
      break;
    }
    std::vector<pollfd> polled;
    polled.reserve(streams.size());
    for (const Stream& stream : streams) polled.push_back({stream.fd, POLLIN, 0});
    if (::poll(polled.data(), polled.size(), static_cast<int>(left.count())) < 0) continue;
    for (std::size_t i = 0; i < streams.size(); ++i) {
      if (streams[i].fd < 0 || polled[i].revents == 0) continue;
      char buffer[4096];
      ssize_t got = ::read(streams[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        streams[i].sink->append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {  // a terminal's end reads as EIO
        ::close(streams[i].fd);
        streams[i].fd = -1;
        --open_streams;
      }
    }
  }
  for (const Stream& stream : streams) {
    if (stream.fd >= 0) ::close(stream.fd);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) outcome.status = 128 + WTERMSIG(status);
}

}  // namespace

Outcome run_kalvero(const std::filesystem::path& directory, const std::vector<std::string>& arguments,
                    const Conditions& conditions) {
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
  collect(child, {{out[0], &outcome.out}, {err[0], &outcome.err}}, outcome);
  return outcome;
}

Outcome run_kalvero_on_terminal(const std::filesystem::path& directory,
                                const std::vector<std::string>& arguments, const std::string& locale) {
  int terminal = -1;
  pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child < 0) throw std::runtime_error("forkpty");
  if (child == 0) {
    termios settings{};
    if (::tcgetattr(STDOUT_FILENO, &settings) == 0) {
      settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
      ::tcsetattr(STDOUT_FILENO, TCSANOW, &settings);
    }
    if (::chdir(directory.c_str()) != 0) _exit(126);
    ::setenv("LC_ALL", locale.c_str(), 1);
    exec_kalvero(arguments);
  }
  Outcome outcome;
  collect(child, {{terminal, &outcome.out}}, outcome);
  return outcome;
}

}  // namespace testing_support
