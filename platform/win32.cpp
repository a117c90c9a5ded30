// Win32 implementation of the platform layer.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/platform.h"

namespace platform {

namespace {

// Every opening shares reading and writing, so that the scan can read the
// table file while it is open for writing, and a shop's viewer can keep it
// open across runs.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr UINT kCodePage866 = 866;

HANDLE handle_of(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
std::intptr_t stored(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

bool write_to_console(HANDLE console, std::string_view message) {
  std::string text;
  for (char c : message) {
    if (c == '\n') text += '\r';
    text += c;
  }
  int size = ::MultiByteToWideChar(kCodePage866, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (size <= 0) return text.empty();
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(kCodePage866, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
  DWORD written = 0;
  return ::WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
         written == wide.size();
}

}  // namespace

bool list_current_directory(std::vector<std::string>& names) {
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA("*.*", &entry);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    names.emplace_back(entry.cFileName);
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
  return true;
}

File::~File() { close(); }

bool File::open_for_reading(const char* name) { return open_disk_file(name, GENERIC_READ, OPEN_EXISTING); }

bool File::create_for_writing(const char* name) { return open_disk_file(name, GENERIC_WRITE, CREATE_ALWAYS); }

bool File::open_for_appending(const char* name) {
  return open_disk_file(name, FILE_APPEND_DATA | SYNCHRONIZE, OPEN_EXISTING);
}

bool File::open_disk_file(const char* name, unsigned long access, unsigned long disposition) {
  close();
  // A directory does not open without backup semantics; what opens but is
  // not a disk file (a device, a pipe) is refused by its type.
  HANDLE file = ::CreateFileA(name, access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  handle_ = stored(file);
  if (::GetFileType(file) != FILE_TYPE_DISK) {
    close();
    return false;
  }
  return true;
}

long long File::read(void* buffer, std::size_t size) {
  // A disk file reads short only at its end.
  DWORD got = 0;
  if (!::ReadFile(handle_of(handle_), buffer, static_cast<DWORD>(size), &got, nullptr)) return -1;
  return static_cast<long long>(got);
}

bool File::seek(std::uint64_t offset) {
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  return ::SetFilePointerEx(handle_of(handle_), position, nullptr, FILE_BEGIN) != 0;
}

bool File::size(std::uint64_t& length) {
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(handle_of(handle_), &size)) return false;
  length = static_cast<std::uint64_t>(size.QuadPart);
  return true;
}

bool File::write(const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    DWORD written = 0;
    DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!::WriteFile(handle_of(handle_), bytes, chunk, &written, nullptr) || written == 0) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

bool File::close() {
  if (handle_ == -1) return true;
  HANDLE file = handle_of(handle_);
  handle_ = -1;
  return ::CloseHandle(file) != 0;
}

bool write_console(std::string_view message) {
  HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (out != INVALID_HANDLE_VALUE && out != nullptr && ::GetConsoleMode(out, &mode)) {
    // Shown right whatever code page the console has; none is set.
    return write_to_console(out, message);
  }
  // Redirected: the code-page-866 bytes through the C runtime's text stream,
  // which turns each "\n" into CR LF.
  return std::fwrite(message.data(), 1, message.size(), stdout) == message.size() && std::fflush(stdout) == 0;
}

}  // namespace platform
