// POSIX implementation of the platform layer.
#include "platform/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>

#include "platform/posix_terminal.h"

namespace platform {

namespace {

int descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

// A write past the file-size limit must fail with EFBIG like any other write
// error, so that it is reported, instead of killing the process.
void ignore_file_size_signal() { std::signal(SIGXFSZ, SIG_IGN); }

bool write_all(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

bool list_current_directory(std::vector<std::string>& names) {
  DIR* directory = ::opendir(".");
  if (directory == nullptr) return false;
  while (const dirent* entry = ::readdir(directory)) names.emplace_back(entry->d_name);
  ::closedir(directory);
  return true;
}

File::~File() { close(); }

bool File::open_for_reading(const char* name) { return open_regular(name, O_RDONLY); }

bool File::create_for_writing(const char* name) {
  ignore_file_size_signal();
  return open_regular(name, O_WRONLY | O_CREAT | O_TRUNC);
}

bool File::open_for_appending(const char* name) {
  ignore_file_size_signal();
  return open_regular(name, O_WRONLY | O_APPEND);
}

bool File::open_regular(const char* name, int flags) {
  close();
  // Non-blocking, so that a FIFO opens at once (or fails at once, for
  // writing without a reader) and is then refused by its type. A regular
  // file's reads and writes do not care.
  int fd = ::open(name, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  return true;
}

long long File::read(void* buffer, std::size_t size) {
  // Only regular files are opened for reading, and a read of a regular file
  // comes back short only at its end: one call is enough, and a small file
  // costs no second call to find its end.
  for (;;) {
    ssize_t got = ::read(descriptor(handle_), buffer, size);
    if (got >= 0) return got;
    if (errno != EINTR) return -1;
  }
}

bool File::seek(std::uint64_t offset) {
  return ::lseek(descriptor(handle_), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

bool File::size(std::uint64_t& length) {
  struct stat status {};
  if (::fstat(descriptor(handle_), &status) != 0) return false;
  length = static_cast<std::uint64_t>(status.st_size);
  return true;
}

bool File::write(const void* data, std::size_t size) {
  return write_all(descriptor(handle_), static_cast<const char*>(data), size);
}

bool File::close() {
  if (handle_ < 0) return true;
  int fd = descriptor(handle_);
  handle_ = -1;
  return ::close(fd) == 0;
}

std::string terminal_charset() {
  static const std::string charset = [] {
    std::setlocale(LC_CTYPE, "");
    std::string name = nl_langinfo(CODESET);
    // What glibc and the BSDs call the C locale's ASCII.
    if (name == "ANSI_X3.4-1968" || name == "ASCII" || name == "US-ASCII" || name.empty()) {
      return std::string("UTF-8");
    }
    return name;
  }();
  return charset;
}

bool convert_from_cp866(std::string_view text, const std::string& charset, std::string& converted) {
  for (const char* same : {"CP866", "IBM866", "866", "CSIBM866"}) {
    if (::strcasecmp(charset.c_str(), same) == 0) return false;
  }
  iconv_t conversion = ::iconv_open(charset.c_str(), "CP866");
  // iconv_open() reports failure as (iconv_t)-1.
  if (conversion == reinterpret_cast<iconv_t>(-1)) return false;  // NOLINT(performance-no-int-to-ptr)
  converted.clear();
  char* in = const_cast<char*>(text.data());
  std::size_t in_left = text.size();
  char buffer[256];
  while (in_left > 0) {
    char* out = buffer;
    std::size_t out_left = sizeof buffer;
    std::size_t result = ::iconv(conversion, &in, &in_left, &out, &out_left);
    converted.append(buffer, static_cast<std::size_t>(out - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // A character the terminal's charset cannot show.
      converted += '?';
      ++in;
      --in_left;
    }
  }
  // Stateful charsets may owe a closing shift sequence.
  char* out = buffer;
  std::size_t out_left = sizeof buffer;
  if (::iconv(conversion, nullptr, nullptr, &out, &out_left) != static_cast<std::size_t>(-1)) {
    converted.append(buffer, static_cast<std::size_t>(out - buffer));
  }
  ::iconv_close(conversion);
  return true;
}

bool write_console(std::string_view message) {
  if (::isatty(STDOUT_FILENO)) {
    std::string converted;
    if (convert_from_cp866(message, terminal_charset(), converted)) {
      return write_all(STDOUT_FILENO, converted.data(), converted.size());
    }
  }
  // Redirected output keeps the code-page-866 bytes that scripts expect.
  return write_all(STDOUT_FILENO, message.data(), message.size());
}

}  // namespace platform
