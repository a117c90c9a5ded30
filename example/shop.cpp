#include "example/shop.h"

#include <filesystem>
#include <fstream>

namespace example {

namespace {

constexpr std::string_view kSignature{"Vorlantessik ucpu settings file (one) v1.3\0", 43};
constexpr std::size_t kNameOffset = 43;
constexpr std::size_t kFirstBlockOffset = 59;
constexpr std::size_t kSecondBlockOffset = 84;
constexpr std::size_t kMinimumSize = 91;

// Bytes a real unit keeps between and after the blocks; never read.
constexpr unsigned char kFiller = 0x5A;

// The shop. Every bit of a block is spelled out in the README's column
// guide; the expected lines were worked out from it by hand.
std::vector<ShopUnit> describe_shop() {
  return {
      // A serial line at 9600 baud with XON handshake; its second block is
      // the parallel port.
      {"STANOK1.UCP",
       "STANOK-1",
       {0x28, 0x01, 0x09, 0x11, 0x12, 0x13, 0x14},
       {0x00, 0x4A, 0x55, 0x11, 0x12, 0x13, 0xCF},
       "STANOK-1         => 28 01 09   11 12 13 14   %   lf  +  SER 4- 9600+ XON-      ",
       "STANOK-1         <= 00 4a 55   11 12 13 cf   ^   lf  +  PAR -        block+ 001"},
      // A milling machine whose name is stored in code page 866: "ФРЕЗЕР-2".
      // RS at 4800 ending programs with M30, and RS at 2400 (speed code) with M02.
      {"FREZER2.UCP",
       "\x94\x90\x85\x87\x85\x90-2",
       {0x5B, 0x60, 0x01, 0x11, 0x13, 0x12, 0x14},
       {0x81, 0x20, 0x02, 0x11, 0x12, 0x13, 0x67},
       "\x94\x90\x85\x87\x85\x90-2         => 5b 60 01   11 13 12 14   M30 lf  +  RS  4H 4800  XON+      ",
       "\x94\x90\x85\x87\x85\x90-2         <= 81 20 02   11 12 13 67   M02 -   -  RS  44 2400  CTS       "},
      // A name of the full 16 characters, no zero byte after it. A serial
      // line at 1200 baud (speed code 0xCF), and a parallel port in byte mode.
      {"TOKAR16.UCP",
       "TOKARNYJ-CENTR16",
       {0x83, 0x11, 0x08, 0x11, 0x12, 0x13, 0xCF},
       {0x00, 0x02, 0x38, 0x00, 0x00, 0x00, 0x00},
       "TOKARNYJ-CENTR16 => 83 11 08   11 12 13 cf   %   lf  -  SER HH 1200+ CTS       ",
       "TOKARNYJ-CENTR16 <= 00 02 38   00 00 00 00   %   lf  -  PAR 4        byte   100"},
      // RS at 9600 with CTS handshake, and a serial line ending with M2.
      {"DMG5.UCP",
       "DMG-5",
       {0x20, 0x00, 0x00, 0x11, 0x12, 0x13, 0x14},
       {0x49, 0xA1, 0x05, 0x11, 0x12, 0x13, 0x14},
       "DMG-5            => 20 00 00   11 12 13 14   %   lf  -  RS  4- 9600  CTS       ",
       "DMG-5            <= 49 a1 05   11 12 13 14   M2  lf  +  SER 44 4800- XON-      "},
  };
}

// Files of the shop's directory that are not settings files.
constexpr std::string_view kPartProgram =
    "%\r\nO1001 (FLANEC)\r\nG90 G54 G17\r\nT1 M06\r\nS1200 M03\r\nG00 X0 Y0 Z5.\r\n"
    "G01 Z-2. F100\r\nG02 X0 Y0 I20. J0\r\nG00 Z50.\r\nM30\r\n%\r\n";
constexpr std::string_view kNote =
    "Settings of the shop floor units, copied from the units on 2026-11-30.\r\n"
    "Sorvane.cfg is not used here: every unit is listed.\r\n";

}  // namespace

std::string settings_file_bytes(std::string_view unit_name, const BlockBytes& first, const BlockBytes& second,
                                std::size_t total_size) {
  std::string bytes(total_size < kMinimumSize ? kMinimumSize : total_size, static_cast<char>(kFiller));
  bytes.replace(0, kSignature.size(), kSignature);
  std::string name(unit_name.substr(0, 16));
  name.resize(16, '\0');
  bytes.replace(kNameOffset, name.size(), name);
  bytes.replace(kFirstBlockOffset, first.size(), std::string(first.begin(), first.end()));
  bytes.replace(kSecondBlockOffset, second.size(), std::string(second.begin(), second.end()));
  return bytes;
}

const std::vector<ShopUnit>& shop_units() {
  static const std::vector<ShopUnit> units = describe_shop();
  return units;
}

bool write_file(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

bool write_shop_directory(const std::string& directory) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(fs::path(directory) / "ARCHIVE", error);
  if (error) return false;
  auto in = [&directory](const char* name) { return (fs::path(directory) / name).string(); };
  bool ok = true;
  for (const ShopUnit& unit : shop_units()) {
    ok = write_file(in(unit.file_name.c_str()),
                    settings_file_bytes(unit.unit_name, unit.first, unit.second)) &&
         ok;
  }
  // An older version of the format is not a settings file of this program.
  std::string old = settings_file_bytes("STAROE", shop_units()[0].first, shop_units()[0].second);
  old.replace(39, 3, "1.2");
  ok = write_file(in("STAROE.UCP"), old) && ok;
  // A settings file in a subfolder is not listed: only the directory itself is scanned.
  ok = write_file(in("ARCHIVE/STANOK0.UCP"),
                  settings_file_bytes("STANOK-0", shop_units()[0].first, shop_units()[0].second)) &&
       ok;
  ok = write_file(in("O1001.NC"), kPartProgram) && ok;
  ok = write_file(in("NOTES.TXT"), kNote) && ok;
  return ok;
}

}  // namespace example
