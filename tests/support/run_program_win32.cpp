#include <windows.h>

#include <stdexcept>

#include "support/run_program.h"
#include "support/scratch_directory.h"

namespace testing_support {

namespace {

constexpr DWORD kTimeLimitMs = 30000;

// The built binary's path as Windows sees it. Under Wine a Unix path from
// the build is reached through drive Z:.
std::string program_path() {
  std::string path = KALVERO_BINARY;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// One argument quoted as the C runtime parses it back.
std::string quoted(const std::string& argument) {
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      out.append(backslashes * 2 + 1, '\\');
    } else {
      out.append(backslashes, '\\');
    }
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

HANDLE inheritable_file(const std::filesystem::path& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE file = ::CreateFileA(path.string().c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                              disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path.string());
  return file;
}

}  // namespace

Outcome run_kalvero(const std::filesystem::path& directory, const std::vector<std::string>& arguments,
                    const Conditions&) {
  // Standard output and error go to files outside the scanned directory.
  ScratchDirectory capture;
  HANDLE in = inheritable_file("NUL", GENERIC_READ, OPEN_EXISTING);
  HANDLE out = inheritable_file(capture / "out", GENERIC_WRITE, CREATE_ALWAYS);
  HANDLE err = inheritable_file(capture / "err", GENERIC_WRITE, CREATE_ALWAYS);

  std::string command = quoted(program_path());
  for (const std::string& argument : arguments) command += " " + quoted(argument);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  std::string cwd = directory.string();
  BOOL started = ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, cwd.c_str(),
                                  &startup, &process);
  ::CloseHandle(in);
  ::CloseHandle(out);
  ::CloseHandle(err);
  if (!started) throw std::runtime_error("cannot start " + command);

  Outcome outcome;
  if (::WaitForSingleObject(process.hProcess, kTimeLimitMs) != WAIT_OBJECT_0) {
    outcome.timed_out = true;
    ::TerminateProcess(process.hProcess, 255);
    ::WaitForSingleObject(process.hProcess, INFINITE);
  }
  DWORD status = 0;
  ::GetExitCodeProcess(process.hProcess, &status);
  outcome.status = static_cast<int>(status);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  outcome.out = capture.read("out");
  outcome.err = capture.read("err");
  return outcome;
}

}  // namespace testing_support
