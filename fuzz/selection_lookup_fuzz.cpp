// Any selection text and any names: the index gives exactly the switches of
// the plain first-occurrence search.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/selection.h"
#include "app/selection_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::vector<std::string> names;
  std::size_t count = input.ConsumeIntegralInRange<std::size_t>(1, 12);
  for (std::size_t i = 0; i < count; ++i) {
    std::string name = input.ConsumeRandomLengthString(24);
    if (!name.empty()) names.push_back(name);
  }
  std::string text = input.ConsumeRemainingBytesAsString();
  app::SelectionIndex index(text, names);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!(index.switches(i) == app::look_up_switches(text, names[i]))) __builtin_trap();
  }
  return 0;
}
