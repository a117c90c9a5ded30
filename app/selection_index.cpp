#include "app/selection_index.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <memory>

namespace app {

namespace {

constexpr std::uint64_t kBase = 0x100000001B3ull;  // odd, so powers never vanish
constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ull;

unsigned byte_at(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

std::uint64_t hash_of(std::string_view bytes) {
  std::uint64_t hash = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) hash = hash * kBase + byte_at(bytes, i);
  return hash;
}

// Every name, keyed by the polynomial hash of its bytes (open addressing).
// A matching hash is only a candidate: length and bytes are compared too.
class NameTable {
 public:
  explicit NameTable(const std::vector<std::string>& names) : names_(names) {
    std::size_t size = 2;
    bits_ = 1;
    while (size < 2 * names.size()) {
      size *= 2;
      ++bits_;
    }
    slots_.assign(size, Slot{0, kEmpty});
    for (std::size_t i = 0; i < names.size(); ++i) {
      std::uint64_t hash = hash_of(names[i]);
      std::size_t slot = slot_of(hash);
      while (slots_[slot].name != kEmpty) slot = (slot + 1) & (size - 1);
      slots_[slot] = Slot{hash, i};
    }
  }

  // Calls found(name) for every name that spells `window`, whose hash is `hash`.
  template <typename Found>
  void for_each_match(std::uint64_t hash, std::string_view window, Found&& found) const {
    std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = slot_of(hash); slots_[slot].name != kEmpty; slot = (slot + 1) & mask) {
      if (slots_[slot].hash == hash && names_[slots_[slot].name] == window) found(slots_[slot].name);
    }
  }

 private:
  static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);
  struct Slot {
    std::uint64_t hash;
    std::size_t name;
  };
  std::size_t slot_of(std::uint64_t hash) const {
    return static_cast<std::size_t>((hash * kMix) >> (64 - bits_));
  }

  const std::vector<std::string>& names_;
  unsigned bits_;
  std::vector<Slot> slots_;
};

// Which positions of the text can start a name at all: those whose first
// two bytes begin some name (or whose byte is a one-byte name). In a shop's
// selection file few positions pass, so the full test runs rarely.
class StartFilter {
 public:
  explicit StartFilter(const std::vector<std::string>& names)
      : pairs_(std::make_unique<std::bitset<65536>>()) {
    for (const std::string& name : names) {
      if (name.size() == 1) singles_.set(byte_at(name, 0));
      if (name.size() >= 2) pairs_->set(pair_at(name, 0));
    }
  }

  bool may_start_at(std::string_view text, std::size_t i) const {
    return singles_.test(byte_at(text, i)) || (i + 1 < text.size() && pairs_->test(pair_at(text, i)));
  }

 private:
  static std::size_t pair_at(std::string_view text, std::size_t i) {
    return byte_at(text, i) << 8 | byte_at(text, i + 1);
  }

  std::bitset<256> singles_;
  std::unique_ptr<std::bitset<65536>> pairs_;
};

}  // namespace

SelectionIndex::SelectionIndex(std::string_view text, const std::vector<std::string>& names)
    : switches_(names.size()) {
  if (text.empty() || names.empty()) return;
  // One pass over the text. At a position that may start a name, the hash
  // of every window up to the longest name's length is looked up: the first
  // match recorded for a name is its first occurrence.
  std::vector<bool> has_length(1, false);
  for (const std::string& name : names) {
    if (name.size() >= has_length.size()) has_length.resize(name.size() + 1, false);
    has_length[name.size()] = true;
  }
  const std::size_t longest = has_length.size() - 1;
  const NameTable table(names);
  std::vector<bool> found(names.size(), false);
  const StartFilter filter(names);
  std::size_t missing = names.size();
  for (std::size_t position = 0; position < text.size() && missing > 0; ++position) {
    if (!filter.may_start_at(text, position)) continue;
    std::size_t end = std::min(text.size(), position + longest);
    std::uint64_t hash = 0;
    for (std::size_t i = position; i < end; ++i) {
      hash = hash * kBase + byte_at(text, i);
      std::size_t length = i - position + 1;
      if (!has_length[length]) continue;
      table.for_each_match(hash, text.substr(position, length), [&](std::size_t name) {
        if (found[name]) return;
        found[name] = true;
        // Decided while this part of the text is at hand.
        switches_[name] = switches_at(text, position);
        --missing;
      });
    }
  }
}

BlockSwitches SelectionIndex::switches(std::size_t name_index) const { return switches_[name_index]; }

}  // namespace app
