// The scan: the table lines of every settings file among a directory's names.
#ifndef KALVERO_APP_SCAN_H
#define KALVERO_APP_SCAN_H

#include <string>
#include <string_view>
#include <vector>

#include "table/table_writer.h"

namespace app {

// Writes, in the order of `names`, the lines of every settings file among
// them: the first block's line, then the second's, each unless the selection
// text switches it off (an empty text switches nothing). "." and ".." are
// passed over wherever they stand. Stops early once a write to the table
// has failed.
void write_table_lines(std::vector<std::string> names, std::string_view selection_text,
                       table::TableWriter& table);

}  // namespace app

#endif  // KALVERO_APP_SCAN_H
