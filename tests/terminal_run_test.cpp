// The built program with its standard output on a terminal.
#include <gtest/gtest.h>

#include <string>

#include "support/expected_table.h"
#include "support/run_program.h"
#include "support/scratch_directory.h"

namespace {

using testing_support::Outcome;
using testing_support::ScratchDirectory;

const std::string kHelpUtf8 =
    "\nПрограмма Kalvero предназначена для составления общей таблицы настроек УЧПУ.\n"
    "Таблица записывается в файл Kalvero.txt. Если в текущем каталоге находится файл\n"
    "Sorvane.cfg, то таблица заполняется в соответствии с настройками этого файла,\n"
    "иначе таблица создается для всех найденных настроек УЧПУ.\n"
    "В файле Kalvero.txt создаются две таблицы с одинаковым содержанием, но первая\n"
    "таблица не сортированная, а вторая - отсортирована по типу интерфейса.\n";
const std::string kRunUtf8 =
    "\nНе найден файл 'Sorvane.cfg'.\n"
    "\nПрограмма Kalvero успешно завершена.\n";

class Terminal : public testing::TestWithParam<const char*> {};

#ifdef _WIN32
#define NEEDS_PSEUDO_TERMINAL() GTEST_SKIP() << "pseudo-terminals and locales are POSIX only"
#else
#define NEEDS_PSEUDO_TERMINAL() (void)0
#endif

TEST_P(Terminal, ShowsTheMessagesInUtf8) {
  NEEDS_PSEUDO_TERMINAL();
#ifndef _WIN32
  ScratchDirectory dir;
  Outcome run = testing_support::run_kalvero_on_terminal(dir.path(), {}, GetParam());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kRunUtf8);
  Outcome help = testing_support::run_kalvero_on_terminal(dir.path(), {"-h"}, GetParam());
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, kHelpUtf8);
#endif
}

// A UTF-8 locale, and the plain C locale, which terminals show as UTF-8.
INSTANTIATE_TEST_SUITE_P(Locales, Terminal, testing::Values("C.UTF-8", "C"),
                         [](const testing::TestParamInfo<const char*>& param) {
                           return std::string(param.param) == "C" ? "C" : "C_UTF_8";
                         });

TEST(Terminal, TheTableFileIsNeverConverted) {
  NEEDS_PSEUDO_TERMINAL();
#ifndef _WIN32
  ScratchDirectory dir;
  Outcome run = testing_support::run_kalvero_on_terminal(dir.path(), {}, "C.UTF-8");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(dir.read("Kalvero.txt"), testing_support::expected_table({}));
#endif
}

TEST(Terminal, ThroughAPipeTheSameRunGivesCodePage866) {
  ScratchDirectory dir;
  Outcome run = testing_support::run_kalvero(dir.path());
  EXPECT_EQ(run.out, testing_support::kNotFoundMessage + testing_support::kCompletedMessage);
  Outcome help = testing_support::run_kalvero(dir.path(), {"-h"});
  EXPECT_EQ(help.out, testing_support::kHelpText);
}

}  // namespace
