#include "table/grouped_section.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/table_line.h"

namespace {

// A table line of `type` ("RS ", "SER" or "PAR") whose name tells it apart.
std::string line_of(const std::string& name, const std::string& type) {
  std::string line = name + std::string(17 - name.size(), ' ') + "=> 00 00 00   00 00 00 00   %   lf  -  " +
                     type + " 4-       CTS       \r\n";
  EXPECT_EQ(line.size(), 81u);
  return line;
}

// The grouped copy of an in-memory table.
std::string grouped(const std::string& table) {
  std::string out;
  auto read = [&table](std::uint64_t offset, char* buffer, std::size_t size) -> long long {
    if (offset >= table.size()) return 0;
    return static_cast<long long>(table.copy(buffer, size, static_cast<std::size_t>(offset)));
  };
  EXPECT_TRUE(
      table::write_grouped_section(table.size(), read, [&out](std::string_view bytes) { out += bytes; }));
  return out;
}

const std::string kHeader(settings::kTableHeader);
const std::string kSeparator = "\r\n\r\n\r\n\r\n";
const std::string kCrLf = "\r\n";

TEST(GroupedSection, EmptyTableGetsOnlyTheSeparators) {
  std::string table = kHeader + grouped(kHeader);
  EXPECT_EQ(table.size(), 95u);
  EXPECT_EQ(table, kHeader + kSeparator + kCrLf + kCrLf);
}

TEST(GroupedSection, GroupsRsThenSerThenParInTableOrder) {
  std::string a = line_of("A", "RS "), b = line_of("B", "PAR"), c = line_of("C", "SER"),
              d = line_of("D", "RS ");
  EXPECT_EQ(grouped(kHeader + a + b + c + d), kSeparator + a + d + kCrLf + c + kCrLf + b);
}

TEST(GroupedSection, AllSerialLinesEndWithOneCrLf) {
  std::string a = line_of("A", "SER"), b = line_of("B", "SER");
  EXPECT_EQ(grouped(kHeader + a + b), kSeparator + kCrLf + a + b + kCrLf);
}

TEST(GroupedSection, TypeColumnsAloneDecide) {
  // A SER line whose flag4 also has the parallel bit; an RS line is told by
  // its two letters only.
  std::string serial_parallel =
      "T                => 00 03 00   00 00 00 00   %   lf  -  SER 4      - byte   011\r\n";
  std::string rs_any = line_of("R", "RS ");
  rs_any[58] = 'X';
  EXPECT_EQ(grouped(kHeader + serial_parallel + rs_any),
            kSeparator + rs_any + kCrLf + serial_parallel + kCrLf);
}

TEST(GroupedSection, TakesOnlyWholeLines) {
  std::string a = line_of("A", "RS "), b = line_of("B", "SER");
  // A table cut inside its second line, or grown by a stray tail.
  EXPECT_EQ(grouped(kHeader + a + b.substr(0, 60)), kSeparator + a + kCrLf + kCrLf);
  EXPECT_EQ(grouped(kHeader + a + "tail"), kSeparator + a + kCrLf + kCrLf);
  EXPECT_EQ(grouped(kHeader.substr(0, 50)), kSeparator + kCrLf + kCrLf);
}

TEST(GroupedSection, ManyLinesAcrossReadBatches) {
  std::string table = kHeader, rs, ser, par;
  for (int i = 0; i < 5000; ++i) {
    std::string line = line_of("U" + std::to_string(i), i % 3 == 0 ? "RS " : i % 3 == 1 ? "SER" : "PAR");
    table += line;
    (i % 3 == 0 ? rs : i % 3 == 1 ? ser : par) += line;
  }
  EXPECT_EQ(grouped(table), kSeparator + rs + kCrLf + ser + kCrLf + par);
}

TEST(GroupedSection, ReadErrorIsReported) {
  std::string table = kHeader + line_of("A", "RS ");
  auto failing = [](std::uint64_t, char*, std::size_t) -> long long { return -1; };
  EXPECT_FALSE(table::write_grouped_section(table.size(), failing, [](std::string_view) {}));
}

}  // namespace
