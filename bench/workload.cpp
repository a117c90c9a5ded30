#include "bench/workload.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <string_view>
#include <vector>

#include "example/shop.h"

namespace bench {

namespace {

bool write_bytes(const std::string& path, std::string_view bytes, std::uint64_t size = 0) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  if (ok && size > bytes.size()) ok = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
  return ::close(fd) == 0 && ok;
}

// Names as a shop's directory holds them: a machine type and a number,
// some in code page 866 as copied from DOS.
std::string settings_name(std::size_t i) {
  static const char* const kPatterns[] = {"STANOK-%zu.UCP", "FREZER%zu.UCP",
                                          "TOKAR_%zu",      "DMG%04zu.CFG",
                                          "OKUMA-%zu.UCP",  "\x91\x92\x80\x8d\x8e\x8a%zu.UCP"};
  char name[64];
  std::snprintf(name, sizeof name, kPatterns[i % 6], i);
  return name;
}

std::string unit_name(std::size_t i) {
  static const char* const kUnits[] = {"STANOK-%zu", "FREZER %zu", "TOKARNYJ-%zu", "DMG-%zu"};
  char name[64];
  std::snprintf(name, sizeof name, kUnits[i % 4], i);
  return name;
}

example::BlockBytes random_block(std::mt19937& random) {
  example::BlockBytes block;
  for (unsigned char& byte : block) byte = static_cast<unsigned char>(random());
  return block;
}

}  // namespace

bool write_workload(const std::string& path, const Workload& workload) {
  if (::mkdir(path.c_str(), 0755) != 0) return false;
  std::mt19937 random(workload.seed);
  const std::string prefix = path + '/';
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < workload.settings_files; ++i) {
    std::string name = settings_name(i);
    std::string bytes =
        example::settings_file_bytes(unit_name(i), random_block(random), random_block(random), 256);
    if (!write_bytes(prefix + name, bytes)) return false;
    char switches[8];
    std::snprintf(switches, sizeof switches, "%c,%c: ", random() % 4 ? '1' : '0', random() % 4 ? '1' : '0');
    lines.push_back(std::string(switches).append(name).append("\r\n"));
  }
  static const char kProgram[] =
      "%\r\nO1001\r\nG90 G54 G17\r\nT1 M06\r\nS1200 M03\r\nG00 X0 Y0 Z5.\r\nG01 Z-2. F100\r\nM30\r\n%\r\n";
  for (std::size_t i = 0; i < workload.other_files(); ++i) {
    char name[32];
    std::snprintf(name, sizeof name, i % 2 ? "O%04zu.NC" : "P%zu.MPF", i);
    if (!write_bytes(prefix + name, kProgram, workload.other_file_size)) return false;
  }
  std::shuffle(lines.begin(), lines.end(), random);
  std::string selection = "; b1,b2: settings file\r\n";
  for (const std::string& line : lines) selection += line;
  return write_bytes(path + "/Sorvane.cfg", selection);
}

}  // namespace bench
