// Any 91-byte image and either block give exactly 81 bytes ending in CR LF,
// a type column of "RS ", "SER" or "PAR", the name as stored, and hex
// columns that spell the block's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "settings/settings_file.h"
#include "settings/table_line.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string hex(const unsigned char* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02x ", bytes[i]);
    text += digits;
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  settings::Image image{};
  std::memcpy(image.data(), data, size < image.size() ? size : image.size());
  settings::Block block =
      size > image.size() && (data[image.size()] & 1) ? settings::Block::kSecond : settings::Block::kFirst;
  settings::Line line = settings::format_table_line(image, block);
  std::string text(line.data(), line.size());

  require(text.size() == 81);
  require(text.compare(79, 2, "\r\n") == 0);
  std::string type = text.substr(settings::kTypeColumn, 3);
  require(type == "RS " || type == "SER" || type == "PAR");
  std::string_view name = settings::unit_name(image);
  require(name.size() <= 16 && text.compare(0, name.size(), name) == 0);
  require(text.find_first_not_of(' ', name.size()) == 17);
  require(text.compare(17, 3, block == settings::Block::kFirst ? "=> " : "<= ") == 0);
  const unsigned char* bytes = settings::block_bytes(image, block);
  require(text.compare(20, 9, hex(bytes, 3)) == 0);
  require(text.compare(31, 12, hex(bytes + 3, 4)) == 0);
  return 0;
}
