#include "table/grouped_section.h"

#include <vector>

#include "platform/platform.h"
#include "settings/table_line.h"
#include "table/table_writer.h"

namespace table {

namespace {

using settings::kLineSize;
using settings::kTableHeader;
using settings::kTypeColumn;

// "RS" is followed by a space on every line, but only its two letters are
// tested.
constexpr std::string_view kGroups[] = {"RS", "SER", "PAR"};
constexpr std::string_view kSeparator = "\r\n\r\n\r\n\r\n";
constexpr std::string_view kGroupEnd = "\r\n";
constexpr std::size_t kLinesPerRead = 1024;

bool in_group(const char* line, std::string_view group) {
  return std::string_view(line + kTypeColumn, group.size()) == group;
}

// One pass over the table's lines, writing those of `group`.
bool write_group(std::uint64_t lines, std::string_view group, const ReadTable& read, const WriteTable& write,
                 std::vector<char>& buffer) {
  std::uint64_t offset = kTableHeader.size();
  while (lines > 0) {
    std::size_t batch = lines < kLinesPerRead ? static_cast<std::size_t>(lines) : kLinesPerRead;
    long long got = read(offset, buffer.data(), batch * kLineSize);
    if (got < 0) return false;
    std::size_t whole = static_cast<std::size_t>(got) / kLineSize;
    for (std::size_t i = 0; i < whole; ++i) {
      const char* line = buffer.data() + i * kLineSize;
      if (in_group(line, group)) write(std::string_view(line, kLineSize));
    }
    // A table that shrank under our feet ends the walk where it ends.
    if (whole < batch) break;
    offset += batch * kLineSize;
    lines -= batch;
  }
  return true;
}

}  // namespace

bool write_grouped_section(std::uint64_t length, const ReadTable& read, const WriteTable& write) {
  std::uint64_t lines = length > kTableHeader.size() ? (length - kTableHeader.size()) / kLineSize : 0;
  std::vector<char> buffer(kLinesPerRead * kLineSize);
  write(kSeparator);
  for (std::string_view group : kGroups) {
    if (group != kGroups[0]) write(kGroupEnd);
    if (!write_group(lines, group, read, write, buffer)) return false;
  }
  return true;
}

AppendResult append_grouped_section(const char* name) {
  platform::File table;
  std::uint64_t length = 0;
  if (!table.open_for_reading(name) || !table.size(length)) return AppendResult::kOpenFailed;
  TableWriter out;
  if (!out.open_for_appending(name)) return AppendResult::kOpenFailed;

  auto read = [&table](std::uint64_t offset, char* buffer, std::size_t size) -> long long {
    return table.seek(offset) ? table.read(buffer, size) : -1;
  };
  auto write = [&out](std::string_view bytes) { out.write(bytes); };
  bool read_ok = write_grouped_section(length, read, write);
  bool written = out.finish();
  if (!read_ok) return AppendResult::kReadFailed;
  return written ? AppendResult::kAppended : AppendResult::kWriteFailed;
}

}  // namespace table
