#include "app/scan.h"

#include <string_view>

#include "app/selection.h"
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

void write_table_lines(const std::vector<std::string>& names, const std::string* selection_text,
                       table::TableWriter& table) {
  settings::Image image;
  for (const std::string& name : names) {
    if (table.failed()) return;  // the run has failed; the rest would be lost too
    if (is_directory_link(name)) continue;
    BlockSwitches switches;
    if (selection_text != nullptr) switches = look_up_switches(*selection_text, name);
    if (!settings::read_settings_file(name.c_str(), image)) continue;
    if (switches.first) write_line(table, image, settings::Block::kFirst);
    if (switches.second) write_line(table, image, settings::Block::kSecond);
  }
}

}  // namespace app
