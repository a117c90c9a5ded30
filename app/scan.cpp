#include "app/scan.h"

#include <algorithm>
#include <string_view>

#include "app/selection.h"
#include "app/selection_index.h"
#include "settings/settings_file.h"
#include "settings/table_line.h"

namespace app {

namespace {

bool is_directory_link(const std::string& name) { return name == "." || name == ".."; }

void write_line(table::TableWriter& table, const settings::Image& image, settings::Block block) {
  settings::Line line = settings::format_table_line(image, block);
  table.write(std::string_view(line.data(), line.size()));
}

}  // namespace

void write_table_lines(std::vector<std::string> names, std::string_view selection_text,
                       table::TableWriter& table) {
  names.erase(std::remove_if(names.begin(), names.end(), is_directory_link), names.end());
  // Indexed once, so that a selection file naming every unit of a large
  // directory costs time in proportion to the directory, not its square.
  const SelectionIndex selection(selection_text, names);
  settings::Image image;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (table.failed()) return;  // the run has failed; the rest would be lost too
    BlockSwitches switches = selection.switches(i);
    if (!settings::read_settings_file(names[i].c_str(), image)) continue;
    if (switches.first) write_line(table, image, settings::Block::kFirst);
    if (switches.second) write_line(table, image, settings::Block::kSecond);
  }
}

}  // namespace app
