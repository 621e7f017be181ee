#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/names.h"
#include "generate/random.h"

using kyvo::apvector;

struct DrawRow {
    int seedValue;
    std::vector<int> names; // slots 46 to 56
    std::vector<int> next;  // draws 12 to 14
};

void PrintTo(const DrawRow& row, std::ostream* os) { *os << "seed value " << row.seedValue; }

class RandomNamesRows : public ::testing::TestWithParam<DrawRow> {};

TEST_P(RandomNamesRows, NameTheNumberedSlotsAndLeaveTheSequenceForTheCogs) {
    const DrawRow& row = GetParam();
    apvector<int> values(57), randcopy(57);
    apvector<char[30]> slots(57);
    kyvo::RandomNames(values, slots, row.seedValue, randcopy);
    for (int k = 0; k < 11; k++)
        EXPECT_EQ(std::to_string(row.names[k]), slots[46 + k]) << "slot " << 46 + k;
    for (int expected : row.next)
        EXPECT_EQ(expected, kyvo::rand());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, RandomNamesRows,
    ::testing::Values(
        DrawRow{10, {0, 21468, 9988, 22117, 3498, 16927, 16045, 19741, 12122, 8410, 12261}, {27052, 5659, 9758}},
        DrawRow{1000, {0, 21468, 9988, 22117, 3498, 16927, 16045, 19741, 12122, 8410, 12261}, {27052, 5659, 9758}},
        DrawRow{-10, {0, 21468, 9988, 22117, 3498, 16927, 16045, 19741, 12122, 8410, 12261}, {27052, 5659, 9758}},
        DrawRow{1, {16838, 5758, 10113, 17515, 31051, 5627, 23010, 7419, 16212, 4086, 2749}, {12767, 9084, 12060}},
        DrawRow{297, {19564, 9806, 10868, 22674, 32531, 3365, 32034, 31790, 7985, 10913, 11213}, {25363, 29630, 25874}},
        DrawRow{-22, {31859, 20118, 9736, 31320, 13928, 6758, 2114, 11618, 3942, 17057, 31285}, {22854, 31578, 5154}}));

TEST(RandomNames, FixedSlotsHoldTheTableNames) {
    apvector<int> values(57), randcopy(57);
    apvector<char[30]> slots(57);
    kyvo::RandomNames(values, slots, 20, randcopy);
    EXPECT_STREQ("item_bacta", slots[0]);
    EXPECT_STREQ("kyle", slots[2]);
    EXPECT_STREQ("pow_single_sequencer", slots[35]);
    EXPECT_STREQ("pow_wrenchyellow", slots[45]);
    EXPECT_STREQ("0", slots[46]);
    EXPECT_STREQ("12261", slots[56]);
    for (int k = 0; k < 46; k++)
        EXPECT_STREQ(kyvo::kCogTable[k], slots[k]);
}

TEST(RandomNames, EveryRemainderGivesDistinctNames) {
    for (int unique = -9; unique <= 9; unique++) {
        apvector<int> values(57), randcopy(57);
        apvector<char[30]> slots(57);
        kyvo::RandomNames(values, slots, unique, randcopy);
        for (int a = 0; a < 57; a++)
            for (int b = a + 1; b < 57; b++)
                EXPECT_STRNE(slots[a], slots[b]) << "seed value " << unique;
    }
}

TEST(Random, SrandSetsTheStateAndDrawsNothing) {
    kyvo::srand(0xFFFFFFFEu);
    EXPECT_EQ(31859, kyvo::rand());
    kyvo::srand(0);
    EXPECT_EQ(0, kyvo::rand());
    EXPECT_EQ(21468, kyvo::rand());
}

TEST(SeedValue, CountsCharactersPlusSignedCodes) {
    EXPECT_EQ(297, kyvo::SeedValue("abc"));
    EXPECT_EQ(0, kyvo::SeedValue(""));
    EXPECT_EQ(1 - 23, kyvo::SeedValue("\xE9"));
    EXPECT_EQ(2 + 0x41 - 23, kyvo::SeedValue("A\xE9"));
    EXPECT_EQ(30 + 30 * 0x7A, kyvo::SeedValue(std::string(30, 'z').c_str()));
}
