// The operating system, as Kalvero needs it: the current directory's names,
// byte-exact files and the console. One implementation per platform, chosen
// by the build; nothing above this header sees a platform type.
#ifndef KALVERO_PLATFORM_PLATFORM_H
#define KALVERO_PLATFORM_PLATFORM_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Appends to `names` the entries of the current directory in the order the
// file system yields them, "." and ".." included wherever they come.
// Returns false when the enumeration cannot be started.
bool list_current_directory(std::vector<std::string>& names);

// One open file in the current directory, owned: the destructor closes it.
// Every opening shares read and write access with other openings of the same
// file, and no byte is translated.
class File {
 public:
  File() = default;
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Each opening takes regular files only (symbolic links followed) and
  // fails, without ever blocking, for anything else: absent, not permitted,
  // a directory, a FIFO, a device.

  // Opens the file for reading.
  bool open_for_reading(const char* name);
  // Creates the file for writing, truncating an earlier one.
  bool create_for_writing(const char* name);
  // Opens the existing file for writing at its end.
  bool open_for_appending(const char* name);

  // Reads up to `size` bytes; fewer only at the end of the file (a regular
  // file's read comes back short only there).
  // Returns the count, or -1 on a read error.
  long long read(void* buffer, std::size_t size);
  // Places the next read at `offset` from the start.
  bool seek(std::uint64_t offset);
  // The file's present length in bytes.
  bool size(std::uint64_t& length);
  // Writes all `size` bytes, or returns false.
  bool write(const void* data, std::size_t size);
  // Returns false when closing reports an error (a deferred write failure).
  bool close();

 private:
#ifndef _WIN32
  bool open_regular(const char* name, int flags);
#else
  bool open_disk_file(const char* name, unsigned long access, unsigned long disposition);
#endif

  std::intptr_t handle_ = -1;
};

// Writes a message of code-page-866 bytes to standard output, shown in the
// console's character set where standard output is a console, exactly as
// given where it is redirected. Returns false when the write fails.
bool write_console(std::string_view message);

}  // namespace platform

#endif  // KALVERO_PLATFORM_PLATFORM_H
