// The console on a terminal that does not show code page 866.
#include "platform/posix_terminal.h"

#include <gtest/gtest.h>

#include <string>

#include "app/messages.h"

namespace {

std::string converted(std::string_view text, const std::string& charset) {
  std::string out;
  EXPECT_TRUE(platform::convert_from_cp866(text, charset, out)) << charset;
  return out;
}

TEST(TerminalCharset, EveryMessageReadsRightInUtf8) {
  std::string help;
  for (std::string_view line : app::kHelpLines) help += converted(line, "UTF-8");
  EXPECT_EQ(help,
            "\nПрограмма Kalvero предназначена для составления общей таблицы настроек УЧПУ.\n"
            "Таблица записывается в файл Kalvero.txt. Если в текущем каталоге находится файл\n"
            "Sorvane.cfg, то таблица заполняется в соответствии с настройками этого файла,\n"
            "иначе таблица создается для всех найденных настроек УЧПУ.\n"
            "В файле Kalvero.txt создаются две таблицы с одинаковым содержанием, но первая\n"
            "таблица не сортированная, а вторая - отсортирована по типу интерфейса.\n");
  EXPECT_EQ(converted(app::kSelectionNotFound, "UTF-8"), "\nНе найден файл 'Sorvane.cfg'.\n");
  EXPECT_EQ(converted(app::kCannotOpenTable, "UTF-8"), "\nНе могу открыть файл 'Kalvero.txt'\n");
  EXPECT_EQ(converted(app::kTableWriteError, "UTF-8"), "\nОшибка записи в файл 'Kalvero.txt'.\n");
  EXPECT_EQ(converted(app::kCompleted, "UTF-8"), "\nПрограмма Kalvero успешно завершена.\n");
}

TEST(TerminalCharset, EveryCyrillicLetterOfCodePage866) {
  std::string cp866;
  for (int byte = 0x80; byte <= 0xAF; ++byte) cp866 += static_cast<char>(byte);
  for (int byte = 0xE0; byte <= 0xF1; ++byte) cp866 += static_cast<char>(byte);
  EXPECT_EQ(converted(cp866, "UTF-8"),
            "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмноп"
            "рстуфхцчшщъыьэюяЁё");
}

TEST(TerminalCharset, OtherCyrillicCharsets) {
  // "Программа" in KOI8-R and in Windows-1251.
  EXPECT_EQ(converted("\x8f\xe0\xae\xa3\xe0\xa0\xac\xac\xa0", "KOI8-R"),
            "\xf0\xd2\xcf\xc7\xd2\xc1\xcd\xcd\xc1");
  EXPECT_EQ(converted("\x8f\xe0\xae\xa3\xe0\xa0\xac\xac\xa0", "CP1251"),
            "\xcf\xf0\xee\xe3\xf0\xe0\xec\xec\xe0");
}

TEST(TerminalCharset, LettersTheCharsetLacksBecomeQuestionMarks) {
  EXPECT_EQ(converted("\n\x8d\xa5 OK\n", "ISO-8859-1"), "\n?? OK\n");
}

TEST(TerminalCharset, CodePage866ItselfOrAnUnknownCharsetIsNotConverted) {
  std::string out;
  EXPECT_FALSE(platform::convert_from_cp866("\x8d\xa5", "CP866", out));
  EXPECT_FALSE(platform::convert_from_cp866("\x8d\xa5", "ibm866", out));
  EXPECT_FALSE(platform::convert_from_cp866("\x8d\xa5", "NO-SUCH-CHARSET", out));
}

}  // namespace
