// What only Windows does: sharing between openings, locked files, and the
// C runtime's text stream on a redirected standard output.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/expected_table.h"
#include "support/run_program.h"
#include "support/scratch_directory.h"

namespace {

using testing_support::expected_table;
using testing_support::Outcome;
using testing_support::run_kalvero;
using testing_support::ScratchDirectory;

const std::string kUnitLine1 = testing_support::unit_first_line("UNIT");
const std::string kUnitLine2 = testing_support::unit_second_line("UNIT");

class Held {
 public:
  Held(const std::filesystem::path& path, DWORD share)
      : handle_(::CreateFileA(path.string().c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~Held() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST(Windows, TheTableCanBeWrittenWhileAViewerHoldsItOpen) {
  ScratchDirectory dir;
  dir.write("UNIT", testing_support::unit_file("UNIT"));
  Held viewer(dir / "Kalvero.txt", FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(viewer.held());
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCompletedMessage);
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table({kUnitLine1, kUnitLine2}));
}

TEST(Windows, AFileHeldWithoutSharingIsSkippedSilently) {
  ScratchDirectory dir;
  dir.write("UNIT", testing_support::unit_file("UNIT"));
  dir.write("LOCKED", testing_support::unit_file("LOCKED"));
  Held editor(dir / "LOCKED", 0);
  ASSERT_TRUE(editor.held());
  Outcome outcome = run_kalvero(dir.path());
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, testing_support::kNotFoundMessage + testing_support::kCompletedMessage);
  EXPECT_EQ(dir.read("Kalvero.txt"), expected_table({kUnitLine1, kUnitLine2}));
}

TEST(Windows, RedirectedMessagesEndLinesWithCrLf) {
  ScratchDirectory dir;
  Outcome outcome = run_kalvero(dir.path(), {"x"});
  ASSERT_GE(outcome.out.size(), 2u);
  EXPECT_EQ(outcome.out.substr(0, 2), "\r\n");
  EXPECT_EQ(outcome.out.substr(outcome.out.size() - 2), "\r\n");
  for (std::size_t i = 0; i < outcome.out.size(); ++i) {
    if (outcome.out[i] == '\n') {
      EXPECT_EQ(outcome.out[i - 1], '\r') << i;
    }
  }
  EXPECT_EQ(outcome.out.size(), testing_support::kHelpText.size());
}

}  // namespace
