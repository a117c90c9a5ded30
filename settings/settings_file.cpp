#include "settings/settings_file.h"

#include <cstring>

#include "platform/platform.h"

namespace settings {

void pad_short_image(Image& image, std::size_t length) {
  if (length >= image.size()) return;
  image[length] = 0xFF;
  std::memset(image.data() + length + 1, 0, image.size() - length - 1);
}

bool has_signature(const Image& image, std::size_t length) {
  return length >= kSignatureSize && std::memcmp(image.data(), kSignature.data(), kSignatureSize) == 0;
}

bool read_settings_file(const char* name, Image& image) {
  platform::File file;
  if (!file.open_for_reading(name)) return false;
  // Only the start is read: a file of any size costs what a small one does.
  long long length = file.read(image.data(), image.size());
  if (length < 0) return false;
  auto content = static_cast<std::size_t>(length);
  if (!has_signature(image, content)) return false;
  pad_short_image(image, content);
  return true;
}

std::string_view unit_name(const Image& image) {
  const char* name = reinterpret_cast<const char*>(image.data() + kUnitNameOffset);
  const void* end = std::memchr(name, 0, kUnitNameSize);
  std::size_t size = end ? static_cast<std::size_t>(static_cast<const char*>(end) - name) : kUnitNameSize;
  return {name, size};
}

const unsigned char* block_bytes(const Image& image, Block block) {
  return image.data() + (block == Block::kFirst ? kFirstBlockOffset : kSecondBlockOffset);
}

}  // namespace settings
