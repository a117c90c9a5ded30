// What a run is expected to print and write, built from a test's own lines.
#ifndef KALVERO_TESTS_SUPPORT_EXPECTED_TABLE_H
#define KALVERO_TESTS_SUPPORT_EXPECTED_TABLE_H

#include <cstddef>
#include <string>
#include <vector>

namespace testing_support {

// The console texts as code-page-866 bytes, spelled out independently of the
// program's own constants.
extern const std::string kHelpText;
extern const std::string kNotFoundMessage;
extern const std::string kCannotOpenMessage;
extern const std::string kWriteErrorMessage;
extern const std::string kCompletedMessage;

// The table file for `lines` (79 characters each, in directory order): the
// header, every line with CR LF, four CR LF pairs, and the lines again
// grouped RS, SER, PAR with CR LF between the groups.
std::string expected_table(const std::vector<std::string>& lines);

// A settings file of `size` bytes for the unit `name`: its first block a
// serial line at 9600 baud with XON, its second a parallel port.
std::string unit_file(const std::string& name, std::size_t size = 128);
// The two lines that unit_file(name) gives.
std::string unit_first_line(const std::string& name);
std::string unit_second_line(const std::string& name);

}  // namespace testing_support

#endif  // KALVERO_TESTS_SUPPORT_EXPECTED_TABLE_H
