#include "app/selection_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/selection.h"

namespace {

std::string random_string(std::mt19937& random, std::string_view alphabet, std::size_t max_length) {
  std::size_t length = std::uniform_int_distribution<std::size_t>(0, max_length)(random);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
  }
  return text;
}

// The index against the plain first-occurrence search, on texts and names
// over short alphabets, so that overlaps, repeats and near misses abound.
TEST(SelectionIndex, AgreesWithThePlainSearch) {
  std::mt19937 random(20261211);
  const std::string alphabets[] = {"01A", std::string("0A\0", 3), "0,1: AB\n", "ab"};
  for (int round = 0; round < 3000; ++round) {
    const std::string& alphabet = alphabets[static_cast<std::size_t>(round) % 4];
    std::string text = random_string(random, alphabet, round % 7 == 0 ? 400 : 40);
    std::vector<std::string> names;
    std::size_t count = std::uniform_int_distribution<std::size_t>(1, 30)(random);
    for (std::size_t i = 0; i < count; ++i) {
      std::string name = random_string(random, alphabet, 6);
      if (name.empty()) name = "A";
      names.push_back(name);
    }
    if (!text.empty()) {
      names.push_back(text.substr(0, 3));             // at the very start
      names.push_back(text);                          // the whole text
      names.push_back(text + "A");                    // longer than the text
      names.push_back(text.substr(text.size() / 2));  // up to the end
    }
    names.push_back(names.front());  // a name twice
    app::SelectionIndex index(text, names);
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i].empty()) continue;
      ASSERT_EQ(index.switches(i), app::look_up_switches(text, names[i]))
          << "text \"" << text << "\" name \"" << names[i] << "\"";
    }
  }
}

TEST(SelectionIndex, ManyNamesOfManyLengthsInALargeText) {
  std::mt19937 random(7);
  std::string text;
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) {
    std::string name = "U" + std::to_string(i * 37 % 100000);
    names.push_back(name);
    if (i % 5 != 0)
      text += std::string(1, "01"[random() % 2]) + "," + "01"[random() % 2] + ": " + name + "\r\n";
  }
  app::SelectionIndex index(text, names);
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(index.switches(i), app::look_up_switches(text, names[i])) << names[i];
  }
}

TEST(SelectionIndex, EmptyTextSwitchesNothing) {
  std::vector<std::string> names = {"A", "B"};
  app::SelectionIndex index("", names);
  EXPECT_EQ(index.switches(0), app::BlockSwitches{});
  EXPECT_EQ(index.switches(1), app::BlockSwitches{});
}

}  // namespace
