// The selection text indexed once per run for all of a directory's names,
// so that looking a name up costs the same however long the text is.
#ifndef KALVERO_APP_SELECTION_INDEX_H
#define KALVERO_APP_SELECTION_INDEX_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/selection.h"

namespace app {

// Gives for every name exactly what look_up_switches() gives: the switches
// of the name's first occurrence as a plain substring of the text.
class SelectionIndex {
 public:
  // Neither the text nor the names are needed after construction.
  SelectionIndex(std::string_view text, const std::vector<std::string>& names);

  // The switches of names[name_index].
  BlockSwitches switches(std::size_t name_index) const;

 private:
  std::vector<BlockSwitches> switches_;  // per name
};

}  // namespace app

#endif  // KALVERO_APP_SELECTION_INDEX_H
