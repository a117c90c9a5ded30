#include "app/scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "example/shop.h"
#include "support/scratch_directory.h"

namespace {

using testing_support::ScratchDirectory;

// The names given to the scan, as an enumeration would yield them, and the
// names of the units whose lines it wrote, in order.
std::vector<std::string> units_listed(const ScratchDirectory& dir, const std::vector<std::string>& names,
                                      std::string_view selection = {}) {
  std::string table_path = (dir / "table").string();
  table::TableWriter table;
  EXPECT_TRUE(table.create(table_path.c_str()));
  app::write_table_lines(names, selection, table);
  EXPECT_TRUE(table.finish());
  std::string bytes = dir.read("table");
  std::vector<std::string> listed;
  for (std::size_t offset = 0; offset + 81 <= bytes.size(); offset += 81) {
    std::string line = bytes.substr(offset, 81);
    listed.push_back(line.substr(0, line.find(' ')) + line.substr(17, 2));
  }
  return listed;
}

TEST(Scan, PassesOverOnlyTheDotEntriesWhereverTheyStand) {
  ScratchDirectory dir;
  std::vector<std::string> names;
  for (const char* unit : {"A", "B", "C", "D"}) {
    dir.write(unit, example::settings_file_bytes(unit, {}, {}));
    names.push_back((dir / unit).string());
  }
  // As on a drive's root, where no "." or ".." comes first.
  std::vector<std::string> enumeration = {names[0], names[1], ".", names[2], "..", names[3]};
  EXPECT_EQ(units_listed(dir, enumeration),
            (std::vector<std::string>{"A=>", "A<=", "B=>", "B<=", "C=>", "C<=", "D=>", "D<="}));
}

TEST(Scan, LooksUpTheNameAsTheEnumerationSpellsIt) {
  ScratchDirectory dir;
  dir.write("A", example::settings_file_bytes("A", {}, {}));
  dir.write("B", example::settings_file_bytes("B", {}, {}));
  std::string a = (dir / "A").string();
  std::string b = (dir / "B").string();
  std::string selection = "0,1: " + a + "\n1,0: " + b + "\n";
  EXPECT_EQ(units_listed(dir, {a, b}, selection), (std::vector<std::string>{"A<=", "B=>"}));
}

}  // namespace
