#include "settings/table_line.h"

#include <gtest/gtest.h>

#include <string>

#include "example/shop.h"

namespace {

using example::BlockBytes;
using settings::Block;

settings::Image image_of(std::string_view name, const BlockBytes& first, const BlockBytes& second) {
  std::string bytes = example::settings_file_bytes(name, first, second);
  settings::Image image;
  std::copy_n(bytes.begin(), image.size(), image.begin());
  return image;
}

std::string line_text(const settings::Line& line) { return std::string(line.data(), line.size()); }

struct LineCase {
  const char* what;
  std::string name;
  Block block;
  BlockBytes bytes;
  std::string expected;  // the 79 characters before CR LF
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.what; }

class TableLine : public testing::TestWithParam<LineCase> {};

TEST_P(TableLine, DecodesEveryColumn) {
  const LineCase& c = GetParam();
  BlockBytes other{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  settings::Image image =
      c.block == Block::kFirst ? image_of(c.name, c.bytes, other) : image_of(c.name, other, c.bytes);
  ASSERT_EQ(c.expected.size(), 79u) << "the case itself is malformed";
  EXPECT_EQ(line_text(settings::format_table_line(image, c.block)), c.expected + "\r\n");
}

// Columns:   0 name, 17 arrow, 20 flag3-5, 31 dc1-dc4, 45 eof, 49 LF, 53 dsp,
//            56 typ, 60 89, 63 bps, 67 3, 69 synchr, 76 3CD.
// clang-format off
const LineCase kLineCases[] = {
    {"all-zero first block", "X", Block::kFirst, {0, 0, 0, 0, 0, 0, 0},
     "X                => 00 00 00   00 00 00 00   %   lf  -  RS  4-       CTS       "},
    {"serial at 9600 with XON-", "STANOK-1", Block::kFirst, {0x28, 0x01, 0x09, 0x11, 0x12, 0x13, 0x14},
     "STANOK-1         => 28 01 09   11 12 13 14   %   lf  +  SER 4- 9600+ XON-      "},
    {"parallel second block", "STANOK-1", Block::kSecond, {0x00, 0x4A, 0x55, 0x11, 0x12, 0x13, 0xCF},
     "STANOK-1         <= 00 4a 55   11 12 13 cf   ^   lf  +  PAR -        block+ 001"},
    {"hex is lowercase, two digits; flag3 0x08 is XON", "A", Block::kFirst, {0x0A, 0x00, 0x00, 0xFF, 0xAB, 0x01, 0xC0},
     "A                => 0a 00 00   ff ab 01 c0   %   lf  -  RS  4-       XON-      "},
    {"name of 16 characters", "ABCDEFGHIJKLMNOP", Block::kFirst, {0, 0, 0, 0, 0, 0, 0},
     "ABCDEFGHIJKLMNOP => 00 00 00   00 00 00 00   %   lf  -  RS  4-       CTS       "},
    {"name in code page 866 copied as stored", "\x94\x90\x85\x87\x85\x90", Block::kFirst, {0, 0, 0, 0, 0, 0, 0},
     "\x94\x90\x85\x87\x85\x90           => 00 00 00   00 00 00 00   %   lf  -  RS  4-       CTS       "},
    {"empty name", "", Block::kSecond, {0, 0, 0, 0, 0, 0, 0},
     "                 <= 00 00 00   00 00 00 00   %   lf  -  RS  4-       CTS       "},
    // eof
    {"M30", "E", Block::kFirst, {0, 0x60, 0, 0, 0, 0, 0},
     "E                => 00 60 00   00 00 00 00   M30 lf  -  RS  4-       CTS       "},
    {"M02", "E", Block::kFirst, {0, 0x20, 0, 0, 0, 0, 0},
     "E                => 00 20 00   00 00 00 00   M02 lf  -  RS  4-       CTS       "},
    {"M2 wins over M30", "E", Block::kFirst, {0, 0xE0, 0, 0, 0, 0, 0},
     "E                => 00 e0 00   00 00 00 00   M2  lf  -  RS  4-       CTS       "},
    {"M2 bit without M-code bit is not read", "E", Block::kFirst, {0, 0xC0, 0x04, 0, 0, 0, 0},
     "E                => 00 c0 04   00 00 00 00   ^   lf  -  RS  4-       CTS       "},
    // LF and dsp
    {"no line feed, display on", "L", Block::kFirst, {0, 0, 0x03, 0, 0, 0, 0},
     "L                => 00 00 03   00 00 00 00   %   -   +  RS  4-       CTS       "},
    // typ
    {"serial and parallel bits: typed SER, decoded as parallel", "T", Block::kFirst, {0, 0x03, 0, 0, 0, 0, 0},
     "T                => 00 03 00   00 00 00 00   %   lf  -  SER 4      - byte   011"},
    // 89
    {"89: H and H", "N", Block::kFirst, {0x03, 0x10, 0, 0, 0, 0, 0},
     "N                => 03 10 00   00 00 00 00   %   lf  -  RS  HH       CTS       "},
    {"89: minus wins over H; 4", "N", Block::kFirst, {0x01, 0x18, 0, 0, 0, 0, 0},
     "N                => 01 18 00   00 00 00 00   %   lf  -  RS  -4       CTS       "},
    // bps
    {"4800", "S", Block::kFirst, {0x40, 0, 0, 0, 0, 0, 0},
     "S                => 40 00 00   00 00 00 00   %   lf  -  RS  4- 4800  CTS       "},
    {"9600 wins over 4800 and the speed code", "S", Block::kFirst, {0xE0, 0, 0, 0, 0, 0, 0x67},
     "S                => e0 00 00   00 00 00 67   %   lf  -  RS  4- 9600  CTS       "},
    {"speed code 0x67 is 2400", "S", Block::kFirst, {0x80, 0, 0, 0, 0, 0, 0x67},
     "S                => 80 00 00   00 00 00 67   %   lf  -  RS  4- 2400  CTS       "},
    {"speed code 0xCF is 1200", "S", Block::kFirst, {0x80, 0, 0, 0, 0, 0, 0xCF},
     "S                => 80 00 00   00 00 00 cf   %   lf  -  RS  4- 1200  CTS       "},
    {"unknown speed code is blank", "S", Block::kFirst, {0x80, 0, 0, 0, 0, 0, 0x68},
     "S                => 80 00 00   00 00 00 68   %   lf  -  RS  4-       CTS       "},
    {"parallel has no speed", "S", Block::kFirst, {0x80, 0x02, 0, 0, 0, 0, 0x67},
     "S                => 80 02 00   00 00 00 67   %   lf  -  PAR 4        byte   011"},
    // column 3
    {"column 3 minus on a serial line", "C", Block::kFirst, {0, 0x01, 0, 0, 0, 0, 0},
     "C                => 00 01 00   00 00 00 00   %   lf  -  SER 4-     - CTS       "},
    {"column 3 blank without the serial bit", "C", Block::kFirst, {0, 0, 0x08, 0, 0, 0, 0},
     "C                => 00 00 08   00 00 00 00   %   lf  -  RS  4-       CTS       "},
    // synchr
    {"XON+", "H", Block::kFirst, {0x18, 0, 0, 0, 0, 0, 0},
     "H                => 18 00 00   00 00 00 00   %   lf  -  RS  4-       XON+      "},
    {"XON sign bit alone is CTS", "H", Block::kFirst, {0x10, 0, 0, 0, 0, 0, 0},
     "H                => 10 00 00   00 00 00 00   %   lf  -  RS  4-       CTS       "},
    {"parallel block-", "H", Block::kFirst, {0, 0x02, 0x40, 0, 0, 0, 0},
     "H                => 00 02 40   00 00 00 00   %   lf  -  PAR 4        block- 011"},
    // 3CD
    {"3CD 100", "D", Block::kFirst, {0, 0x02, 0x38, 0, 0, 0, 0},
     "D                => 00 02 38   00 00 00 00   %   lf  -  PAR 4        byte   100"},
    {"3CD 010", "D", Block::kFirst, {0, 0x02, 0x20, 0, 0, 0, 0},
     "D                => 00 02 20   00 00 00 00   %   lf  -  PAR 4        byte   010"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rules, TableLine, testing::ValuesIn(kLineCases),
                         [](const testing::TestParamInfo<LineCase>& param) {
                           return "case" + std::to_string(param.index);
                         });

TEST(TableLine, ShopUnitsGiveTheirWorkedOutLines) {
  for (const example::ShopUnit& unit : example::shop_units()) {
    settings::Image image = image_of(unit.unit_name, unit.first, unit.second);
    EXPECT_EQ(line_text(settings::format_table_line(image, Block::kFirst)), unit.first_line + "\r\n");
    EXPECT_EQ(line_text(settings::format_table_line(image, Block::kSecond)), unit.second_line + "\r\n");
  }
}

TEST(TableLine, EveryFlagValueKeepsTheColumnsInPlace) {
  // Every value of each flag byte, the others all-ones and all-zeros.
  for (unsigned fill : {0x00u, 0xFFu}) {
    for (int byte = 0; byte < 3; ++byte) {
      for (unsigned value = 0; value < 256; ++value) {
        BlockBytes bytes;
        bytes.fill(static_cast<unsigned char>(fill));
        bytes[static_cast<std::size_t>(byte)] = static_cast<unsigned char>(value);
        settings::Image image = image_of("ABCDEFGHIJKLMNOP", bytes, bytes);
        std::string line = line_text(settings::format_table_line(image, Block::kSecond));
        ASSERT_EQ(line.size(), 81u);
        EXPECT_EQ(line.substr(16, 4), " <= ");
        EXPECT_EQ(line.substr(79), "\r\n");
        std::string type = line.substr(settings::kTypeColumn, 3);
        EXPECT_TRUE(type == "RS " || type == "SER" || type == "PAR") << type;
        EXPECT_EQ(line.find('\0'), std::string::npos);
      }
    }
  }
}

TEST(TableHeader, IsTheCaptionLineAndAnEmptyLine) {
  EXPECT_EQ(std::string(settings::kTableHeader),
            "Name                Flag3-5      DC1-DC4     eof LF dsp typ 89 bps 3 synchr 3CD\r\n\r\n");
}

}  // namespace
