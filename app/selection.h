// The selection file, Sorvane.cfg: which table lines of which settings files
// to leave out.
#ifndef KALVERO_APP_SELECTION_H
#define KALVERO_APP_SELECTION_H

#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// Whether each of a settings file's two table lines is written.
struct BlockSwitches {
  bool first = true;
  bool second = true;
  bool operator==(const BlockSwitches& other) const { return first == other.first && second == other.second; }
};

// Loads the selection text: the file's bytes up to its first zero byte.
// False when the file is not a readable regular file.
bool load_selection_text(const char* name, std::string& text);

// The switches of a name that first occurs at `position` of the text
// (std::string_view::npos: not found). The characters five and three places
// in front of it switch the first and the second line off when they are "0";
// a place before the start of the text does not exist and switches nothing.
BlockSwitches switches_at(std::string_view text, std::size_t position);

// The plain rule: the first occurrence of `name` as a case-sensitive
// substring of the text decides.
BlockSwitches look_up_switches(std::string_view text, std::string_view name);

}  // namespace app

#endif  // KALVERO_APP_SELECTION_H
