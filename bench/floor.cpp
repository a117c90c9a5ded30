// The floor: only the work that no implementation of Kalvero can avoid, on
// the same directory. It lists the directory, opens every entry without
// blocking, checks its type, reads the first 91 bytes of a regular file and
// closes it, then writes as many table bytes as Kalvero wrote.
//   floor TABLE_BYTES
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: floor TABLE_BYTES\n", stderr);
    return 2;
  }
  unsigned long long table_bytes = std::strtoull(argv[1], nullptr, 10);

  int table = ::open("Kalvero.txt", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (table < 0) return 1;
  DIR* directory = ::opendir(".");
  if (directory == nullptr) return 1;
  unsigned long long checksum = 0;
  while (const dirent* entry = ::readdir(directory)) {
    int fd = ::open(entry->d_name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
      unsigned char start[91];
      ssize_t got = ::read(fd, start, sizeof start);
      if (got > 0) checksum += start[0];
    }
    ::close(fd);
  }
  ::closedir(directory);

  std::vector<char> chunk(std::size_t{64} * 1024, ' ');
  while (table_bytes > 0) {
    std::size_t size = table_bytes < chunk.size() ? static_cast<std::size_t>(table_bytes) : chunk.size();
    if (::write(table, chunk.data(), size) != static_cast<ssize_t>(size)) return 1;
    table_bytes -= size;
  }
  if (::close(table) != 0) return 1;
  return checksum == 0xFFFFFFFFFFFFFFFFull ? 3 : 0;  // keeps the reads from being optimised away
}
