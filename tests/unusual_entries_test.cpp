// Entries a shop's directory may hold besides settings files, and a table
// file that cannot be written: the program skips, never blocks, and reports
// what failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/expected_table.h"
#include "support/run_program.h"
#include "support/scratch_directory.h"

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using testing_support::expected_table;
using testing_support::Outcome;
using testing_support::run_kalvero;
using testing_support::ScratchDirectory;

using testing_support::unit_file;
const std::string kUnitLine1 = testing_support::unit_first_line("UNIT");
const std::string kUnitLine2 = testing_support::unit_second_line("UNIT");

void expect_completed(const Outcome& outcome) {
  EXPECT_FALSE(outcome.timed_out);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCompletedMessage);
  EXPECT_EQ(outcome.err, "");
}

#ifdef _WIN32
#define POSIX_ONLY() GTEST_SKIP() << "needs POSIX file types, links or limits"
#else
#define POSIX_ONLY() (void)0
#endif

// A file cut short after `length` bytes of a settings file: listed when the
// signature is whole, the byte after its end reading 0xFF, all beyond 0x00.
struct ShortFileCase {
  const char* what;
  std::size_t length;
  std::vector<std::string> lines;
};

void PrintTo(const ShortFileCase& c, std::ostream* os) { *os << c.what; }

class ShortFile : public testing::TestWithParam<ShortFileCase> {};

TEST_P(ShortFile, IsReadAsFarAsItGoes) {
  ScratchDirectory dir;
  dir.write("SHORT", unit_file("UNIT").substr(0, GetParam().length));
  expect_completed(run_kalvero(dir.path()));
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table(GetParam().lines));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lengths, ShortFile, testing::Values(
    ShortFileCase{"empty", 0, {}},
    ShortFileCase{"one byte short of the signature", 42, {}},
    ShortFileCase{"the signature alone: name FF, zero blocks", 43, {
        "\xFF                => 00 00 00   00 00 00 00   %   lf  -  RS  4-       CTS       ",
        "\xFF                <= 00 00 00   00 00 00 00   %   lf  -  RS  4-       CTS       "}},
    // Ends after flag3 of block 1: flag4 reads 0xFF.
    ShortFileCase{"ending inside the first block", 60, {
        "UNIT             => 28 ff 00   00 00 00 00   M2  lf  -  SER -      - byte   011",
        "UNIT             <= 00 00 00   00 00 00 00   %   lf  -  RS  4-       CTS       "}},
    ShortFileCase{"ending one byte before the end of the second block", 90, {
        testing_support::unit_first_line("UNIT"),
        "UNIT             <= 00 4a 55   11 12 13 ff   ^   lf  +  PAR -        block+ 001"}},
    ShortFileCase{"91 bytes: nothing is missing", 91, {
        testing_support::unit_first_line("UNIT"), testing_support::unit_second_line("UNIT")}}));
// clang-format on

TEST(HugeFile, IsReadOnlyAtItsStart) {
  ScratchDirectory dir;
  dir.write("HUGE", unit_file("UNIT"));
  dir.write("HUGE.NC", "%\r\nO1\r\n");
  // Eight gibibytes, sparse: reading it whole would take minutes and memory.
  fs::resize_file(dir / "HUGE", std::uint64_t{8} << 30);
  fs::resize_file(dir / "HUGE.NC", std::uint64_t{8} << 30);
  expect_completed(run_kalvero(dir.path()));
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table({kUnitLine1, kUnitLine2}));
}

TEST(SpecialFiles, AreSkippedWithoutBlocking) {
  POSIX_ONLY();
#ifndef _WIN32
  ScratchDirectory dir;
  dir.write("UNIT", unit_file("UNIT"));
  ASSERT_EQ(::mkfifo((dir / "FIFO").c_str(), 0666), 0);
  fs::create_symlink("/dev/zero", dir / "ZERO");
  fs::create_symlink("/dev/null", dir / "NULL");
  fs::create_directory(dir / "FOLDER");
  fs::create_directory_symlink(dir / "FOLDER", dir / "FOLDER.LNK");
  fs::create_symlink(dir / "GONE", dir / "DANGLING");
  int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::string socket_path = (dir / "SOCKET").string();
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  std::copy(socket_path.begin(), socket_path.end(), address.sun_path);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  expect_completed(run_kalvero(dir.path()));
  ::close(sock);
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table({kUnitLine1, kUnitLine2}));
#endif
}

TEST(Links, ALinkToASettingsFileIsListed) {
  POSIX_ONLY();
  ScratchDirectory dir;
  ScratchDirectory elsewhere;
  elsewhere.write("REAL", unit_file("UNIT"));
  fs::create_symlink(elsewhere / "REAL", dir / "LINKED");
  expect_completed(run_kalvero(dir.path()));
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table({kUnitLine1, kUnitLine2}));
}

// A table file that cannot be written to the end: the write error message,
// no completion message, exit status 1, whether the failure comes during the
// scan or while the grouped copy is appended.
struct WriteFailureCase {
  const char* what;
  std::uint64_t file_size_limit;
  bool ignore_file_size_signal;
};

void PrintTo(const WriteFailureCase& c, std::ostream* os) { *os << c.what; }

class WriteFailure : public testing::TestWithParam<WriteFailureCase> {};

TEST_P(WriteFailure, IsReportedAndNotSuccess) {
  POSIX_ONLY();
  ScratchDirectory dir;
  for (int i = 0; i < 30; ++i) {
    dir.write("UNIT" + std::to_string(i), unit_file("UNIT"));
  }
  testing_support::Conditions conditions;
  conditions.file_size_limit = GetParam().file_size_limit;
  conditions.ignore_file_size_signal = GetParam().ignore_file_size_signal;
  Outcome outcome = run_kalvero(dir.path(), {}, conditions);
  EXPECT_FALSE(outcome.timed_out);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kWriteErrorMessage);
  EXPECT_EQ(outcome.err, "");
}

constexpr std::uint64_t kFirstCopy = 83 + 81 * 60;

INSTANTIATE_TEST_SUITE_P(
    FileSizeLimit, WriteFailure,
    testing::Values(WriteFailureCase{"inside the header", 50, true},
                    WriteFailureCase{"inside the lines", 1000, true},
                    WriteFailureCase{"inside the lines, signal not ignored", 1000, false},
                    WriteFailureCase{"after the first copy, in the separators", kFirstCopy + 4, true},
                    WriteFailureCase{"inside the grouped copy", kFirstCopy + 2000, true},
                    WriteFailureCase{"inside the grouped copy, signal not ignored", kFirstCopy + 2000,
                                     false}));

// A table file that is not a regular file cannot be written and read back:
// it is refused at once, without waiting on a FIFO that has no reader.
class TableNotAFile : public testing::TestWithParam<const char*> {};

TEST_P(TableNotAFile, IsReportedAsNotOpenable) {
  POSIX_ONLY();
#ifndef _WIN32
  ScratchDirectory dir;
  dir.write("UNIT", unit_file("UNIT"));
  std::string kind = GetParam();
  if (kind == "fifo") {
    ASSERT_EQ(::mkfifo((dir / "Kalvero.txt").c_str(), 0666), 0);
  }
  if (kind == "device") fs::create_symlink("/dev/full", dir / "Kalvero.txt");
  if (kind == "dangling link into a directory that is not there") {
    fs::create_symlink(dir / "gone" / "table", dir / "Kalvero.txt");
  }
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_FALSE(outcome.timed_out);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCannotOpenMessage);
  EXPECT_EQ(outcome.err, "");
#endif
}

INSTANTIATE_TEST_SUITE_P(Kinds, TableNotAFile,
                         testing::Values("fifo", "device",
                                         "dangling link into a directory that is not there"),
                         [](const testing::TestParamInfo<const char*>& param) {
                           std::string name = param.param;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

}  // namespace
