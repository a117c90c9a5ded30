// A candidate file of any length and content: it is recognised exactly when
// it begins with the signature, and the image holds its bytes, then 0xFF,
// then zeros, never anything left over from before the read.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/settings_file.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

char scratch_directory[] = "/tmp/kalvero-fuzz-XXXXXX";

void remove_scratch() {
  std::remove((std::string(scratch_directory) + "/candidate").c_str());
  ::rmdir(scratch_directory);
}

const std::string& candidate_path() {
  static const std::string path = [] {
    if (::mkdtemp(scratch_directory) == nullptr) std::abort();
    std::atexit(remove_scratch);
    return std::string(scratch_directory) + "/candidate";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = candidate_path();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  if (std::fclose(file) != 0) std::abort();

  settings::Image image;
  image.fill(0xA5);  // what the memory held before
  bool recognised = settings::read_settings_file(path.c_str(), image);
  bool expected = size >= settings::kSignatureSize &&
                  std::memcmp(data, settings::kSignature.data(), settings::kSignatureSize) == 0;
  require(recognised == expected);
  if (!recognised) return 0;
  for (std::size_t i = 0; i < image.size(); ++i) {
    unsigned char want = i < size ? data[i] : i == size ? 0xFF : 0x00;
    require(image[i] == want);
  }
  require(settings::unit_name(image).size() <= settings::kUnitNameSize);
  return 0;
}
