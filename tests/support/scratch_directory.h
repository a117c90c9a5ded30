// Fresh temporary directories and the files in them, for tests that run the
// real program or touch real files.
#ifndef KALVERO_TESTS_SUPPORT_SCRATCH_DIRECTORY_H
#define KALVERO_TESTS_SUPPORT_SCRATCH_DIRECTORY_H

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// A new empty directory under the system's temporary directory, removed with
// everything in it when the object goes, whether the test passed or not.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / std::string(name); }

  void write(std::string_view name, std::string_view bytes) const;
  std::string read(std::string_view name) const;
  bool exists(std::string_view name) const;
  // The directory's names in the order its enumeration yields them.
  std::vector<std::string> names_in_order() const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file, byte-exact.
std::string read_file(const std::filesystem::path& path);

}  // namespace testing_support

#endif  // KALVERO_TESTS_SUPPORT_SCRATCH_DIRECTORY_H
