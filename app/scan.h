// The scan: the table lines of every settings file among a directory's names.
#ifndef KALVERO_APP_SCAN_H
#define KALVERO_APP_SCAN_H

#include <string>
#include <vector>

#include "table/table_writer.h"

namespace app {

// Writes, in the order of `names`, the lines of every settings file among
// them: the first block's line, then the second's, each unless the selection
// text (when one is loaded) switches it off. "." and ".." are passed over
// wherever they stand. Stops early once a write to the table has failed.
void write_table_lines(const std::vector<std::string>& names, const std::string* selection_text,
                       table::TableWriter& table);

}  // namespace app

#endif  // KALVERO_APP_SCAN_H
