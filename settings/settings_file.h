// A CNC unit's settings file: its layout as far as Kalvero reads it, and the
// signature that tells it from every other file in the directory.
#ifndef KALVERO_SETTINGS_SETTINGS_FILE_H
#define KALVERO_SETTINGS_SETTINGS_FILE_H

#include <array>
#include <cstddef>
#include <string_view>

namespace settings {

constexpr std::size_t kSignatureSize = 43;
// The 42 signature characters and the zero byte that ends them.
constexpr std::string_view kSignature{"Vorlantessik ucpu settings file (one) v1.3\0", kSignatureSize};

constexpr std::size_t kUnitNameOffset = 43;
constexpr std::size_t kUnitNameSize = 16;
constexpr std::size_t kBlockSize = 7;
constexpr std::size_t kFirstBlockOffset = 59;
constexpr std::size_t kSecondBlockOffset = 84;
// Nothing past the second block is read.
constexpr std::size_t kImageSize = kSecondBlockOffset + kBlockSize;

// The first kImageSize bytes of a file. A shorter file's content is followed
// by one 0xFF byte and then zero bytes, so that every field has a defined value.
using Image = std::array<unsigned char, kImageSize>;

enum class Block { kFirst, kSecond };

// Fills the image's bytes from `length` on as a short file's are filled.
void pad_short_image(Image& image, std::size_t length);

// True when the first `length` bytes of the image begin with the signature.
bool has_signature(const Image& image, std::size_t length);

// Reads the start of the named file. True only for a readable regular file
// that carries the signature; `image` then holds its first bytes, padded.
bool read_settings_file(const char* name, Image& image);

// The unit name: up to 16 bytes as stored, ending at the first zero byte.
std::string_view unit_name(const Image& image);

// The seven bytes of a parameter block: flag3, flag4, flag5, dc1 to dc4.
const unsigned char* block_bytes(const Image& image, Block block);

}  // namespace settings

#endif  // KALVERO_SETTINGS_SETTINGS_FILE_H
