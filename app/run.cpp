#include "app/run.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/messages.h"
#include "app/scan.h"
#include "app/selection.h"
#include "platform/platform.h"
#include "settings/table_line.h"
#include "table/grouped_section.h"
#include "table/table_writer.h"

namespace app {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

int print_help() {
  bool printed = true;
  for (std::string_view line : kHelpLines) printed = platform::write_console(line) && printed;
  return printed ? kSuccess : kFailure;
}

// Creates the table file and writes the header and the lines of every
// settings file in the current directory. False when the file cannot be
// created; a failed write shows in finish().
bool write_table(std::string_view selection_text, table::TableWriter& table) {
  if (!table.create(kTableFileName)) return false;
  table.write(settings::kTableHeader);
  std::vector<std::string> names;
  platform::list_current_directory(names);  // nothing to examine when it cannot start
  write_table_lines(std::move(names), selection_text, table);
  return true;
}

}  // namespace

int run(int argument_count) {
  if (argument_count > 0) return print_help();

  // A failed console write does not stop the run, but the run does not
  // report success either.
  bool console_ok = true;
  std::string selection_text;
  bool selection_loaded = load_selection_text(kSelectionFileName, selection_text);
  if (!selection_loaded) console_ok = platform::write_console(kSelectionNotFound);

  table::TableWriter table;
  // Without a selection file the text is empty and switches nothing off.
  if (!write_table(selection_text, table)) {
    platform::write_console(kCannotOpenTable);
    return kFailure;
  }
  if (!table.finish()) {
    platform::write_console(kTableWriteError);
    return kFailure;
  }

  switch (table::append_grouped_section(kTableFileName)) {
    case table::AppendResult::kAppended:
      break;
    case table::AppendResult::kOpenFailed:
    case table::AppendResult::kReadFailed:
      platform::write_console(kCannotOpenTable);
      return kFailure;
    case table::AppendResult::kWriteFailed:
      platform::write_console(kTableWriteError);
      return kFailure;
  }

  console_ok = platform::write_console(kCompleted) && console_ok;
  return console_ok ? kSuccess : kFailure;
}

}  // namespace app
