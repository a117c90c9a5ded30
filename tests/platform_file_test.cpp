#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "support/scratch_directory.h"

namespace {

using testing_support::ScratchDirectory;

TEST(PlatformFile, AFileOpenForWritingCanBeReadAtTheSameTime) {
  ScratchDirectory dir;
  std::string path = (dir / "Kalvero.txt").string();
  platform::File writer;
  ASSERT_TRUE(writer.create_for_writing(path.c_str()));
  ASSERT_TRUE(writer.write("Name", 4));
  platform::File reader;
  ASSERT_TRUE(reader.open_for_reading(path.c_str()));
  char bytes[8] = {};
  EXPECT_EQ(reader.read(bytes, sizeof bytes), 4);
  EXPECT_EQ(std::string(bytes, 4), "Name");
  EXPECT_TRUE(reader.close());
  EXPECT_TRUE(writer.close());
}

TEST(PlatformFile, WritesAppendsSeeksAndReadsBytesAsStored) {
  ScratchDirectory dir;
  std::string path = (dir / "t").string();
  std::string bytes("A\r\nB\n\x1a\0\xff", 8);
  {
    platform::File file;
    ASSERT_TRUE(file.create_for_writing(path.c_str()));
    ASSERT_TRUE(file.write(bytes.data(), bytes.size()));
    ASSERT_TRUE(file.close());
  }
  {
    platform::File file;
    ASSERT_TRUE(file.open_for_appending(path.c_str()));
    ASSERT_TRUE(file.write("\n", 1));
  }
  EXPECT_EQ(dir.read("t"), bytes + "\n");
  platform::File file;
  ASSERT_TRUE(file.open_for_reading(path.c_str()));
  std::uint64_t size = 0;
  ASSERT_TRUE(file.size(size));
  EXPECT_EQ(size, 9u);
  ASSERT_TRUE(file.seek(5));
  char tail[16];
  EXPECT_EQ(file.read(tail, sizeof tail), 4);
  EXPECT_EQ(std::string(tail, 4), bytes.substr(5) + "\n");
  EXPECT_EQ(file.read(tail, sizeof tail), 0);
}

TEST(PlatformFile, OnlyRegularFilesOpenForReading) {
  ScratchDirectory dir;
  platform::File file;
  EXPECT_FALSE(file.open_for_reading(dir.path().string().c_str()));
  EXPECT_FALSE(file.open_for_reading((dir / "absent").string().c_str()));
}

TEST(PlatformFile, TheEnumerationYieldsEveryName) {
  ScratchDirectory dir;
  dir.write("a", "");
  dir.write("B.UCP", "");
  std::filesystem::create_directory(dir / "sub");
  std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  std::vector<std::string> names;
  bool listed = platform::list_current_directory(names);
  std::filesystem::current_path(before);
  ASSERT_TRUE(listed);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "B.UCP", "a", "sub"}));
}

}  // namespace
