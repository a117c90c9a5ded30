#include "app/selection.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scratch_directory.h"

namespace {

using app::BlockSwitches;

constexpr BlockSwitches kBoth{true, true};
constexpr BlockSwitches kNone{false, false};
constexpr BlockSwitches kOnlyFirst{true, false};
constexpr BlockSwitches kOnlySecond{false, true};

struct LookupCase {
  const char* what;
  std::string text;
  std::string name;
  BlockSwitches expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.what; }

class Lookup : public testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, FirstOccurrenceDecides) {
  const LookupCase& c = GetParam();
  BlockSwitches got = app::look_up_switches(c.text, c.name);
  EXPECT_EQ(got.first, c.expected.first) << c.what;
  EXPECT_EQ(got.second, c.expected.second) << c.what;
}

const LookupCase kLookupCases[] = {
    {"not found", "0,0: A1\n", "B2", kBoth},
    {"both on", "1,1: A1\n", "A1", kBoth},
    {"first off", "0,1: A1\n", "A1", kOnlySecond},
    {"second off", "1,0: A1\n", "A1", kOnlyFirst},
    {"both off", "0,0: A1\n", "A1", kNone},
    {"any other character leaves a line on", "x,O: A1\n", "A1", kBoth},
    {"a name inside a longer name takes that occurrence", "1,1: XA1\n0,0: A1\n", "A1", kBoth},
    {"and so switches off what the longer name's place says", "0,0:XA1\n1,1: A1\n", "A1", kNone},
    {"letter case differs", "0,0: a1\n", "A1", kBoth},
    {"characters four, two and one in front are not examined", "01011A1", "A1", kNone},
    {"nor are they when they are zero",
     "1010"
     "0A1",
     "A1", kBoth},
    {"name at position 0", "A1 0,0: A1", "A1", kBoth},
    {"name at position 1", "0A1", "A1", kBoth},
    {"name at position 3: only the second switch exists", "0 0A1", "A1", kOnlyFirst},
    {"name at position 4", "00,,A1", "A1", kOnlyFirst},
    {"name at position 5: both exist", "0,0: A1", "A1", kNone},
    {"empty text", "", "A1", kBoth},
    {"bytes above 0x7F compare exactly", "0,0: \x94\x90-2", "\x94\x90-2", kNone},
};

INSTANTIATE_TEST_SUITE_P(Selection, Lookup, testing::ValuesIn(kLookupCases));

TEST(LoadSelection, TextEndsAtTheFirstZeroByte) {
  testing_support::ScratchDirectory dir;
  dir.write("Sorvane.cfg", std::string("0,0: A1\n\0"
                                       "0,0: B2\n",
                                       17));
  std::string text;
  ASSERT_TRUE(app::load_selection_text((dir / "Sorvane.cfg").string().c_str(), text));
  EXPECT_EQ(text, "0,0: A1\n");
  EXPECT_EQ(app::look_up_switches(text, "B2").first, true);
}

TEST(LoadSelection, ReadsLargeFilesWhole) {
  testing_support::ScratchDirectory dir;
  std::string content(300000, 'x');
  content += "0,0: LAST";
  dir.write("Sorvane.cfg", content);
  std::string text;
  ASSERT_TRUE(app::load_selection_text((dir / "Sorvane.cfg").string().c_str(), text));
  EXPECT_EQ(text, content);
}

TEST(LoadSelection, EmptyFileIsAnEmptyText) {
  testing_support::ScratchDirectory dir;
  dir.write("Sorvane.cfg", "");
  std::string text = "stale";
  EXPECT_TRUE(app::load_selection_text((dir / "Sorvane.cfg").string().c_str(), text));
  EXPECT_EQ(text, "");
}

TEST(LoadSelection, AbsentOrNotARegularFileIsNotLoaded) {
  testing_support::ScratchDirectory dir;
  std::filesystem::create_directory(dir / "folder");
  std::string text;
  EXPECT_FALSE(app::load_selection_text((dir / "absent").string().c_str(), text));
  EXPECT_FALSE(app::load_selection_text((dir / "folder").string().c_str(), text));
}

}  // namespace
