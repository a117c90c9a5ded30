// The second copy of the table lines, grouped by interface type: RS, SER, PAR.
#ifndef KALVERO_TABLE_GROUPED_SECTION_H
#define KALVERO_TABLE_GROUPED_SECTION_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace table {

// Reads up to `size` bytes of the table from `offset`, fewer only at its end.
// Returns the count, or -1 on a read error.
using ReadTable = std::function<long long(std::uint64_t offset, char* buffer, std::size_t size)>;
using WriteTable = std::function<void(std::string_view bytes)>;

// Writes the grouped copy of a table of `length` bytes: four CR LF pairs, the
// RS lines, CR LF, the SER lines, CR LF, the PAR lines, each group in the
// order of the table. Only whole lines are taken. Returns false when a read
// fails.
bool write_grouped_section(std::uint64_t length, const ReadTable& read, const WriteTable& write);

enum class AppendResult { kAppended, kOpenFailed, kReadFailed, kWriteFailed };

// Appends the grouped copy to the closed table file `name`, reading it back
// through a fixed buffer.
AppendResult append_grouped_section(const char* name);

}  // namespace table

#endif  // KALVERO_TABLE_GROUPED_SECTION_H
