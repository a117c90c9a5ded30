// Runs the built kalvero binary in a directory and collects what it did.
#ifndef KALVERO_TESTS_SUPPORT_RUN_PROGRAM_H
#define KALVERO_TESTS_SUPPORT_RUN_PROGRAM_H

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct Outcome {
  int status = -1;  // the exit status; 128 + the signal when killed
  bool timed_out = false;
  std::string out;  // standard output, byte-exact
  std::string err;  // standard error
};

struct Conditions {
  // A file-size limit in bytes for the program (0: none). POSIX only.
  std::uint64_t file_size_limit = 0;
  // Start the program with SIGXFSZ ignored. POSIX only.
  bool ignore_file_size_signal = false;
};

// Runs kalvero with `arguments` in `directory`, its standard input empty,
// for at most 30 seconds.
Outcome run_kalvero(const std::filesystem::path& directory, const std::vector<std::string>& arguments = {},
                    const Conditions& conditions = {});

#ifndef _WIN32
// Runs kalvero with its standard output on a pseudo-terminal, under the
// locale `locale` (LC_ALL), and returns what the terminal received. Output
// post-processing is off, so a "\n" arrives as it was written.
Outcome run_kalvero_on_terminal(const std::filesystem::path& directory,
                                const std::vector<std::string>& arguments, const std::string& locale);
#endif

}  // namespace testing_support

#endif  // KALVERO_TESTS_SUPPORT_RUN_PROGRAM_H
