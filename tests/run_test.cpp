// The built program, run in fresh directories: help, the table, the console.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "example/shop.h"
#include "support/expected_table.h"
#include "support/run_program.h"
#include "support/scratch_directory.h"

namespace {

using testing_support::expected_table;
using testing_support::Outcome;
using testing_support::run_kalvero;
using testing_support::ScratchDirectory;

// The unit lines expected from the settings files in `lines_by_file`, in the
// order the directory's enumeration yields the files.
std::vector<std::string> in_directory_order(
    const ScratchDirectory& dir, const std::map<std::string, std::vector<std::string>>& lines_by_file) {
  std::vector<std::string> lines;
  for (const std::string& name : dir.names_in_order()) {
    auto found = lines_by_file.find(name);
    if (found != lines_by_file.end()) lines.insert(lines.end(), found->second.begin(), found->second.end());
  }
  return lines;
}

class Help : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(Help, AnyArgumentPrintsTheSixLinesAndTouchesNoFile) {
  ScratchDirectory dir;
  dir.write("Sorvane.cfg", "00 00 A");  // must not even be read
  Outcome outcome = run_kalvero(dir.path(), GetParam());
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, testing_support::kHelpText);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(dir.names_in_order(), std::vector<std::string>{"Sorvane.cfg"});
}

INSTANTIATE_TEST_SUITE_P(Arguments, Help,
                         testing::Values(std::vector<std::string>{"x"}, std::vector<std::string>{"--help"},
                                         std::vector<std::string>{""},
                                         std::vector<std::string>{"Kalvero.txt"},
                                         std::vector<std::string>{"/?", "two", "three"}));

TEST(Run, EmptyDirectoryGivesTheHeaderAndTheSeparators) {
  ScratchDirectory dir;
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCompletedMessage);
  EXPECT_EQ(outcome.err, "");
  std::string table = dir.read("Kalvero.txt");
  EXPECT_EQ(table.size(), 95u);
  EXPECT_EQ(table, expected_table({}));
}

TEST(Run, ListsTheShopInDirectoryOrder) {
  ScratchDirectory dir;
  ASSERT_TRUE(example::write_shop_directory(dir.path().string()));
  std::map<std::string, std::vector<std::string>> lines;
  for (const example::ShopUnit& unit : example::shop_units()) {
    lines[unit.file_name] = {unit.first_line, unit.second_line};
  }
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCompletedMessage);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table(in_directory_order(dir, lines)));
}

TEST(Run, GroupedCopyRepeatsEveryLineOnceByteForByte) {
  ScratchDirectory dir;
  ASSERT_TRUE(example::write_shop_directory(dir.path().string()));
  ASSERT_EQ(run_kalvero(dir.path()).status, 0);
  std::string table = dir.read("Kalvero.txt");
  std::size_t separator = table.find("\r\n\r\n\r\n\r\n\r\n");
  ASSERT_NE(separator, std::string::npos);
  std::multiset<std::string> first, grouped;
  for (std::size_t at = 83; at < separator + 2; at += 81) first.insert(table.substr(at, 81));
  std::vector<std::string> types;
  for (std::size_t at = separator + 10; at < table.size();) {
    if (table.compare(at, 2, "\r\n") == 0) {
      at += 2;
      continue;
    }
    grouped.insert(table.substr(at, 81));
    types.push_back(table.substr(at + 56, 3));
    at += 81;
  }
  EXPECT_EQ(first.size(), 2 * example::shop_units().size());
  EXPECT_EQ(grouped, first);
  EXPECT_TRUE(std::is_sorted(types.begin(), types.end(), [](const std::string& a, const std::string& b) {
    auto rank = [](const std::string& t) { return t == "RS " ? 0 : t == "SER" ? 1 : 2; };
    return rank(a) < rank(b);
  }));
}

TEST(Run, TruncatesAnEarlierTable) {
  ScratchDirectory dir;
  dir.write("Kalvero.txt", std::string(10000, 'x'));
  EXPECT_EQ(run_kalvero(dir.path()).status, 0);
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table({}));
}

TEST(Run, ManyUnitsKeepDirectoryOrderAndBlockOrder) {
  ScratchDirectory dir;
  const int kUnits = 40;
  for (int i = 0; i < kUnits; ++i) {
    std::string name = "U" + std::to_string(i);
    dir.write(name, example::settings_file_bytes(name, {}, {}));
  }
  ASSERT_EQ(run_kalvero(dir.path()).status, 0);
  std::string table = dir.read("Kalvero.txt");
  ASSERT_EQ(table.size(), 95u + 81u * 4 * kUnits);
  std::size_t line = 0;
  for (const std::string& name : dir.names_in_order()) {
    if (name == "Kalvero.txt") continue;
    std::string start = name + std::string(17 - name.size(), ' ');
    EXPECT_EQ(table.substr(83 + 81 * line++, 20), start + "=> ");
    EXPECT_EQ(table.substr(83 + 81 * line++, 20), start + "<= ");
  }
}

TEST(Run, TableThatCannotBeCreatedFailsWithItsMessage) {
  ScratchDirectory dir;
  std::filesystem::create_directory(dir / "Kalvero.txt");
  dir.write("UNIT", example::settings_file_bytes("UNIT", {}, {}));
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCannotOpenMessage);
  EXPECT_EQ(outcome.err, "");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Kalvero.txt"));
  EXPECT_TRUE(std::filesystem::is_empty(dir / "Kalvero.txt"));
}

}  // namespace
