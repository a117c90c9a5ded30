#include "app/selection.h"

#include "platform/platform.h"

namespace app {

namespace {
constexpr std::size_t kFirstSwitchDistance = 5;
constexpr std::size_t kSecondSwitchDistance = 3;
constexpr std::size_t kReadSize = std::size_t{64} * 1024;

bool switch_is_off(std::string_view text, std::size_t position, std::size_t distance) {
  return position >= distance && text[position - distance] == '0';
}
}  // namespace

bool load_selection_text(const char* name, std::string& text) {
  text.clear();
  platform::File file;
  if (!file.open_for_reading(name)) return false;
  // Reading stops at the first zero byte: nothing after it is ever searched.
  for (;;) {
    std::size_t start = text.size();
    text.resize(start + kReadSize);
    long long got = file.read(&text[start], kReadSize);
    if (got < 0) {
      text.clear();
      return false;
    }
    text.resize(start + static_cast<std::size_t>(got));
    std::size_t zero = text.find('\0', start);
    if (zero != std::string::npos) {
      text.resize(zero);
      return true;
    }
    if (static_cast<std::size_t>(got) < kReadSize) return true;
  }
}

BlockSwitches switches_at(std::string_view text, std::size_t position) {
  BlockSwitches switches;
  if (position == std::string_view::npos) return switches;
  switches.first = !switch_is_off(text, position, kFirstSwitchDistance);
  switches.second = !switch_is_off(text, position, kSecondSwitchDistance);
  return switches;
}

BlockSwitches look_up_switches(std::string_view text, std::string_view name) {
  return switches_at(text, text.find(name));
}

}  // namespace app
