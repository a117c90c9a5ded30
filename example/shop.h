// The bundled example: the settings directory of a small CNC shop, made from
// the readable description in shop.cpp. The tests build their fixtures with
// the same helpers.
#ifndef KALVERO_EXAMPLE_SHOP_H
#define KALVERO_EXAMPLE_SHOP_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace example {

// flag3, flag4, flag5, dc1, dc2, dc3, dc4.
using BlockBytes = std::array<unsigned char, 7>;

// The bytes of a settings file of `total_size` bytes (at least 91): the
// signature, the name padded with zero bytes, both blocks, and filler.
std::string settings_file_bytes(std::string_view unit_name, const BlockBytes& first, const BlockBytes& second,
                                std::size_t total_size = 128);

struct ShopUnit {
  std::string file_name;
  std::string unit_name;  // as stored: code page 866 where it is Cyrillic
  BlockBytes first;
  BlockBytes second;
  // The two table lines the unit is expected to give, without CR LF.
  std::string first_line;
  std::string second_line;
};

// The settings files of the shop.
const std::vector<ShopUnit>& shop_units();

// Writes the shop's directory into `directory` (created if absent): the
// settings files beside a part program, a text note, a settings file of an
// older version and a subfolder.
bool write_shop_directory(const std::string& directory);

// Writes `bytes` to the file `path`, byte-exact.
bool write_file(const std::string& path, std::string_view bytes);

}  // namespace example

#endif  // KALVERO_EXAMPLE_SHOP_H
