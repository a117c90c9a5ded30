#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "example/shop.h"
#include "support/scratch_directory.h"

namespace {

using settings::Image;

const std::string kSignature(settings::kSignature);

// The image as the reader leaves it: the first bytes of the content, padded.
Image image_of(std::string_view content) {
  Image image;
  image.fill(0xAA);  // stands for whatever the memory held before
  std::size_t length = std::min(content.size(), image.size());
  std::copy_n(content.begin(), length, image.begin());
  settings::pad_short_image(image, length);
  return image;
}

bool recognised(std::string_view content) {
  return settings::has_signature(image_of(content), std::min(content.size(), settings::kImageSize));
}

struct RecognitionCase {
  const char* what;
  std::string content;
  bool expected;
};

void PrintTo(const RecognitionCase& c, std::ostream* os) { *os << c.what; }

class Recognition : public testing::TestWithParam<RecognitionCase> {};

TEST_P(Recognition, TellsSettingsFilesByTheirSignature) {
  EXPECT_EQ(recognised(GetParam().content), GetParam().expected) << GetParam().what;
}

std::string with_byte(std::string text, std::size_t offset, char byte) {
  text[offset] = byte;
  return text;
}

const RecognitionCase kRecognitionCases[] = {
    {"exactly the 43 signature bytes", kSignature, true},
    {"a full settings file", example::settings_file_bytes("A", {}, {}), true},
    {"any bytes after the signature", kSignature + std::string(500, '\xFF'), true},
    {"no zero byte after the 42 characters", with_byte(kSignature, 42, ' '), false},
    {"the 42 characters alone", kSignature.substr(0, 42), false},
    {"empty", "", false},
    {"another version", with_byte(kSignature, 41, '2'), false},
    {"letter case differs", with_byte(kSignature, 0, 'v'), false},
    {"first byte differs", with_byte(kSignature, 0, 'X'), false},
    {"the table header", "Name                Flag3-5      DC1-DC4     eof", false},
};

INSTANTIATE_TEST_SUITE_P(Signature, Recognition, testing::ValuesIn(kRecognitionCases));

TEST(Recognition, NoPrefixOfTheSignaturePasses) {
  for (std::size_t length = 0; length < settings::kSignatureSize; ++length) {
    EXPECT_FALSE(recognised(kSignature.substr(0, length))) << length;
  }
}

TEST(ShortImage, ContentIsFollowedByOneFFByteAndThenZeros) {
  for (std::size_t length = settings::kSignatureSize; length < settings::kImageSize; ++length) {
    std::string content =
        example::settings_file_bytes("NAME", {1, 2, 3, 4, 5, 6, 7}, {8, 9, 10, 11, 12, 13, 14})
            .substr(0, length);
    Image image = image_of(content);
    EXPECT_EQ(0, std::memcmp(image.data(), content.data(), length)) << length;
    EXPECT_EQ(image[length], 0xFF) << length;
    for (std::size_t i = length + 1; i < image.size(); ++i) ASSERT_EQ(image[i], 0) << length << " " << i;
  }
}

TEST(ShortImage, ASignatureAloneHasTheNameFFAndZeroBlocks) {
  Image image = image_of(kSignature);
  EXPECT_EQ(settings::unit_name(image), "\xFF");
  for (settings::Block block : {settings::Block::kFirst, settings::Block::kSecond}) {
    const unsigned char* bytes = settings::block_bytes(image, block);
    for (std::size_t i = 0; i < settings::kBlockSize; ++i) EXPECT_EQ(bytes[i], 0);
  }
}

TEST(UnitName, EndsAtTheFirstZeroByteOrAfterSixteenBytes) {
  EXPECT_EQ(settings::unit_name(image_of(example::settings_file_bytes("DMG-5", {}, {}))), "DMG-5");
  // Offset 59 starts the first block; it is never part of the name.
  EXPECT_EQ(settings::unit_name(image_of(example::settings_file_bytes("ABCDEFGHIJKLMNOP", {0x41}, {}))),
            "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(settings::unit_name(image_of(example::settings_file_bytes(std::string("AB\0CD", 5), {}, {}))),
            "AB");
}

TEST(ReadSettingsFile, ReadsOnlyRegularFilesThatCarryTheSignature) {
  testing_support::ScratchDirectory dir;
  dir.write("unit", example::settings_file_bytes("U1", {1}, {2}, 5000));
  dir.write("other", "just a note");
  Image image;
  ASSERT_TRUE(settings::read_settings_file((dir / "unit").string().c_str(), image));
  EXPECT_EQ(settings::unit_name(image), "U1");
  EXPECT_EQ(settings::block_bytes(image, settings::Block::kSecond)[0], 2);
  EXPECT_FALSE(settings::read_settings_file((dir / "other").string().c_str(), image));
  EXPECT_FALSE(settings::read_settings_file((dir / "absent").string().c_str(), image));
  EXPECT_FALSE(settings::read_settings_file(dir.path().string().c_str(), image));
}

}  // namespace
