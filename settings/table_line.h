// The table file's header and the fixed-width line that decodes one
// parameter block of a settings file.
#ifndef KALVERO_SETTINGS_TABLE_LINE_H
#define KALVERO_SETTINGS_TABLE_LINE_H

#include <array>
#include <cstddef>
#include <string_view>

#include "settings/settings_file.h"

namespace settings {

// The captions, CR LF, and an empty line.
constexpr std::string_view kTableHeader{
    "Name                Flag3-5      DC1-DC4     eof LF dsp typ 89 bps 3 synchr 3CD\r\n\r\n"};
static_assert(kTableHeader.size() == 83);

// 79 characters, then CR LF. Every column has a fixed width, so the lines lie
// at a fixed stride after the header.
constexpr std::size_t kLineSize = 81;
using Line = std::array<char, kLineSize>;

// Where the interface type ("RS ", "SER" or "PAR") stands in a line.
constexpr std::size_t kTypeColumn = 56;

// The line of one block: unit name, arrow ("=>" for the first block, "<="
// for the second), raw bytes in hex and their decoded meaning.
Line format_table_line(const Image& image, Block block);

}  // namespace settings

#endif  // KALVERO_SETTINGS_TABLE_LINE_H
