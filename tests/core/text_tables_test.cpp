#include <gtest/gtest.h>

#include "app/file_window.h"
#include "app/practice_buttons.h"
#include "practice/code_from_file.h"
#include "practice/qso_practice.h"
#include "practice/text_list.h"
#include "practice/text_tables.h"
#include "tests/support/program_state.h"

namespace korvane {
namespace {

class TextTablesTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::reset_program(); }
};

TEST_F(TextTablesTest, ItemLookupIsEmptyOutsideTheList) {
    EXPECT_EQ(text_list_item(0), "");
    EXPECT_EQ(text_list_item(-1), "");
    EXPECT_EQ(text_list_item(194), "");
    EXPECT_EQ(text_list_item(1), "--..--");
    EXPECT_EQ(text_list_item(48), "vincent");
    EXPECT_EQ(text_list_item(193), "   Dash -...-");
}

TEST_F(TextTablesTest, EveryTableStartsAndEndsWithItsItems) {
    // The first and last slot of each table, as one running counter places them.
    EXPECT_EQ(MorseTable[1], "--..--");
    EXPECT_EQ(MorseTable[47], "--..");
    EXPECT_EQ(OperatorNames[1], "vincent");
    EXPECT_EQ(OperatorNames[32], "ron");
    EXPECT_EQ(NamePhrases[1], "great copy, ");
    EXPECT_EQ(NamePhrases[10], " is the name on this end");
    EXPECT_EQ(QthPhrases[7], "i am operating portable from ");
    EXPECT_EQ(QthCities[1], "albany, ny");
    EXPECT_EQ(QthCities[34], "nassau, ny");
    EXPECT_EQ(RigPhrases[4], "hr rig is a ");
    EXPECT_EQ(RigDescriptions[1], "Century/21 working into a g5rv");
    EXPECT_EQ(WeatherPhrases[4], "hr wx is windy and temp is");
    EXPECT_EQ(HandOverPhrases[1], "ok, back to you, hw cpy");
    EXPECT_EQ(ReportPhrases[3], "ur report hr is ");
    EXPECT_EQ(LessonLines[1], "   E .  A .-");
    EXPECT_EQ(LessonLines[43], "   Dash -...-");
}

TEST_F(TextTablesTest, SixCharactersHaveNoCode) {
    for (const char ch : std::string(":;<=>@")) {
        EXPECT_EQ(MorseTable[static_cast<std::size_t>(ch - 43)], kNoCode) << ch;
    }
    EXPECT_EQ(MorseTable['?' - 43], "..--..");
    EXPECT_EQ(MorseTable['-' - 43], "-...-");
}

// Each letter line walks from the first element to its letter: every code
// listed before the letter is a proper beginning of the letter's code.
TEST_F(TextTablesTest, LetterLessonsAgreeWithTheCodeTable) {
    for (std::size_t row = 1; row <= 26; ++row) {
        const std::string& line = LessonLines[row];
        const char letter = static_cast<char>('A' + row - 1);
        const std::string& code = MorseTable[static_cast<std::size_t>(letter - 43)];
        ASSERT_GE(line.size(), code.size() + 2) << row;
        EXPECT_EQ(line.substr(line.size() - code.size() - 2), std::string(1, letter) + " " + code);
        std::size_t previous = 0;
        for (std::size_t at = 3; at < line.size(); at = line.find("  ", at) + 2) {
            const char listed = line[at];
            const std::string& listed_code = MorseTable[static_cast<std::size_t>(listed - 43)];
            EXPECT_EQ(line.compare(at + 2, listed_code.size(), listed_code), 0) << row;
            EXPECT_EQ(code.rfind(listed_code, 0), 0u) << row << " " << listed;
            EXPECT_GT(listed_code.size(), previous) << row;
            previous = listed_code.size();
            if (line.find("  ", at) == std::string::npos) {
                break;
            }
        }
    }
}

}  // namespace
}  // namespace korvane
