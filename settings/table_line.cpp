#include "settings/table_line.h"

#include <cstring>

namespace settings {

namespace {

// Each bit's meaning, by the byte that holds it.
constexpr unsigned kFlag3HandshakeSet = 0x01;  // second character of "89"
constexpr unsigned kFlag3HandshakeH = 0x02;
constexpr unsigned kFlag3Xon = 0x08;
constexpr unsigned kFlag3XonPlus = 0x10;
constexpr unsigned kFlag3Speed9600 = 0x20;
constexpr unsigned kFlag3Speed4800 = 0x40;
constexpr unsigned kFlag3SpeedCode = 0x80;

constexpr unsigned kFlag4Serial = 0x01;
constexpr unsigned kFlag4Parallel = 0x02;
constexpr unsigned kFlag4Minus = 0x08;  // first character of "89", sign after "block"
constexpr unsigned kFlag4H = 0x10;
constexpr unsigned kFlag4MCode = 0x20;
constexpr unsigned kFlag4M30 = 0x40;
constexpr unsigned kFlag4M2 = 0x80;

constexpr unsigned kFlag5Display = 0x01;
constexpr unsigned kFlag5NoLineFeed = 0x02;
constexpr unsigned kFlag5Caret = 0x04;
constexpr unsigned kFlag5Column3 = 0x08;  // also the first character of "3CD"
constexpr unsigned kFlag5CdSecond = 0x10;
constexpr unsigned kFlag5CdThird = 0x20;
constexpr unsigned kFlag5Block = 0x40;

constexpr unsigned char kSpeedCode2400 = 0x67;
constexpr unsigned char kSpeedCode1200 = 0xCF;

struct Fields {
  unsigned flag3, flag4, flag5;
  unsigned char dc4;
  bool parallel() const { return (flag4 & kFlag4Parallel) != 0; }
};

void put(Line& line, std::size_t column, std::string_view text) {
  std::memcpy(line.data() + column, text.data(), text.size());
}

void put_hex(Line& line, std::size_t column, unsigned char value) {
  static const char kDigits[] = "0123456789abcdef";
  line[column] = kDigits[value >> 4];
  line[column + 1] = kDigits[value & 0x0F];
}

std::string_view end_of_file(const Fields& f) {
  if (f.flag4 & kFlag4MCode) {
    if (f.flag4 & kFlag4M2) return "M2 ";
    return (f.flag4 & kFlag4M30) ? "M30" : "M02";
  }
  return (f.flag5 & kFlag5Caret) ? "^  " : "%  ";
}

std::string_view interface_type(const Fields& f) {
  if (f.flag4 & kFlag4Serial) return "SER";
  if (f.flag4 & kFlag4Parallel) return "PAR";
  return "RS ";
}

void put_column_89(Line& line, std::size_t column, const Fields& f) {
  line[column] = (f.flag4 & kFlag4Minus) ? '-' : (f.flag4 & kFlag4H) ? 'H' : '4';
  char second = '4';
  if (f.parallel()) {
    second = ' ';
  } else if (!(f.flag3 & kFlag3HandshakeSet)) {
    second = '-';
  } else if (f.flag3 & kFlag3HandshakeH) {
    second = 'H';
  }
  line[column + 1] = second;
}

std::string_view speed(const Fields& f) {
  if (f.parallel()) return "    ";
  if (f.flag3 & kFlag3Speed9600) return "9600";
  if (f.flag3 & kFlag3Speed4800) return "4800";
  if (f.flag3 & kFlag3SpeedCode) {
    if (f.dc4 == kSpeedCode2400) return "2400";
    if (f.dc4 == kSpeedCode1200) return "1200";
  }
  return "    ";
}

char column_3(const Fields& f) {
  if (!(f.flag4 & kFlag4Serial)) return ' ';
  return (f.flag5 & kFlag5Column3) ? '+' : '-';
}

std::string_view synchronisation(const Fields& f) {
  if (f.parallel()) {
    if (!(f.flag5 & kFlag5Block)) return "byte  ";
    return (f.flag4 & kFlag4Minus) ? "block+" : "block-";
  }
  if (!(f.flag3 & kFlag3Xon)) return "CTS   ";
  return (f.flag3 & kFlag3XonPlus) ? "XON+  " : "XON-  ";
}

void put_column_3cd(Line& line, std::size_t column, const Fields& f) {
  if (!f.parallel()) return;  // stays blank
  line[column] = (f.flag5 & kFlag5Column3) ? '1' : '0';
  line[column + 1] = (f.flag5 & kFlag5CdSecond) ? '0' : '1';
  line[column + 2] = (f.flag5 & kFlag5CdThird) ? '0' : '1';
}

}  // namespace

Line format_table_line(const Image& image, Block block) {
  const unsigned char* bytes = block_bytes(image, block);
  Fields f{bytes[0], bytes[1], bytes[2], bytes[6]};

  Line line;
  line.fill(' ');
  put(line, 0, unit_name(image));
  put(line, 17, block == Block::kFirst ? "=>" : "<=");
  for (std::size_t i = 0; i < 3; ++i) put_hex(line, 20 + 3 * i, bytes[i]);
  for (std::size_t i = 0; i < 4; ++i) put_hex(line, 31 + 3 * i, bytes[3 + i]);
  put(line, 45, end_of_file(f));
  put(line, 49, (f.flag5 & kFlag5NoLineFeed) ? "- " : "lf");
  line[53] = (f.flag5 & kFlag5Display) ? '+' : '-';
  put(line, kTypeColumn, interface_type(f));
  put_column_89(line, 60, f);
  put(line, 63, speed(f));
  line[67] = column_3(f);
  put(line, 69, synchronisation(f));
  put_column_3cd(line, 76, f);
  line[79] = '\r';
  line[80] = '\n';
  return line;
}

}  // namespace settings
