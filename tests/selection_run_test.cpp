// The built program with a selection file in the directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "support/expected_table.h"
#include "support/run_program.h"
#include "support/scratch_directory.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;
using testing_support::expected_table;
using testing_support::Outcome;
using testing_support::run_kalvero;
using testing_support::ScratchDirectory;

using testing_support::unit_first_line;
using testing_support::unit_second_line;

void write_unit(const ScratchDirectory& dir, const std::string& file, const std::string& unit) {
  dir.write(file, testing_support::unit_file(unit));
}

// The lines of the units in directory order, as `kept` says for each file.
std::vector<std::string> kept_lines(const ScratchDirectory& dir,
                                    const std::map<std::string, std::pair<bool, bool>>& kept) {
  std::vector<std::string> lines;
  for (const std::string& name : dir.names_in_order()) {
    auto found = kept.find(name);
    if (found == kept.end()) continue;
    if (found->second.first) lines.push_back(unit_first_line(name));
    if (found->second.second) lines.push_back(unit_second_line(name));
  }
  return lines;
}

TEST(SelectionRun, SwitchesLinesOffInBothCopies) {
  ScratchDirectory dir;
  for (const char* unit : {"BOTH", "FIRST", "SECOND", "NONE", "LOST", "A1"}) write_unit(dir, unit, unit);
  dir.write("Sorvane.cfg",
            "; block 1, block 2: file\r\n"
            "1,1: BOTH\r\n"
            "1,0: FIRST\r\n"
            "0,1: SECOND\r\n"
            "0,0: NONE\r\n"
            // A1 is first found inside XA1, one place further on than the
            // switches of its own line expect: both stay on.
            "0,0: XA1\r\n"
            "0,0: A1\r\n");
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, testing_support::kCompletedMessage);
  EXPECT_EQ(outcome.err, "");
  std::string table = dir.read("Kalvero.txt");
  EXPECT_EQ(table, expected_table(kept_lines(dir, {{"BOTH", {true, true}},
                                                   {"FIRST", {true, false}},
                                                   {"SECOND", {false, true}},
                                                   {"NONE", {false, false}},
                                                   {"LOST", {true, true}},
                                                   {"A1", {true, true}}})));
  EXPECT_EQ(table.find("NONE "), std::string::npos);
}

TEST(SelectionRun, EmptyFileKeepsEveryLineWithoutAMessage) {
  ScratchDirectory dir;
  write_unit(dir, "U1", "U1");
  dir.write("Sorvane.cfg", "");
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.out, testing_support::kCompletedMessage);
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table({unit_first_line("U1"), unit_second_line("U1")}));
}

TEST(SelectionRun, ASelectionFileThatIsASettingsFileIsListedToo) {
  ScratchDirectory dir;
  write_unit(dir, "Sorvane.cfg", "SELF");
  write_unit(dir, "U1", "U1");
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.out, testing_support::kCompletedMessage);
  std::vector<std::string> lines;
  for (const std::string& name : dir.names_in_order()) {
    std::string unit = name == "Sorvane.cfg" ? "SELF" : name;
    if (name == "Kalvero.txt") continue;
    lines.push_back(unit_first_line(unit));
    lines.push_back(unit_second_line(unit));
  }
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table(lines));
}

// A selection file that is not a readable regular file counts as absent:
// its message, every line kept, and the run never waits on it.
class UnreadableSelection : public testing::TestWithParam<const char*> {};

TEST_P(UnreadableSelection, CountsAsAbsent) {
  std::string kind = GetParam();
#ifdef _WIN32
  if (kind != "directory") {
    GTEST_SKIP() << "needs POSIX FIFOs and links";
  }
#endif
  ScratchDirectory dir;
  write_unit(dir, "U1", "U1");
  if (kind == "directory") fs::create_directory(dir / "Sorvane.cfg");
#ifndef _WIN32
  if (kind == "fifo") {
    ASSERT_EQ(::mkfifo((dir / "Sorvane.cfg").c_str(), 0666), 0);
  }
  if (kind == "dangling link") fs::create_symlink(dir / "gone", dir / "Sorvane.cfg");
  if (kind == "device") fs::create_symlink("/dev/zero", dir / "Sorvane.cfg");
#endif
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_FALSE(outcome.timed_out);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCompletedMessage);
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table({unit_first_line("U1"), unit_second_line("U1")}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnreadableSelection,
                         testing::Values("directory", "fifo", "dangling link", "device"),
                         [](const testing::TestParamInfo<const char*>& param) {
                           std::string name = param.param;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

TEST(SelectionRun, WithoutTheFileNotFoundComesFirstAndCompletionLast) {
  ScratchDirectory dir;
  write_unit(dir, "U1", "U1");
  fs::create_directory(dir / "Kalvero.txt");
  // Even when the table cannot be created, the selection is looked for first.
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCannotOpenMessage);
}

}  // namespace
