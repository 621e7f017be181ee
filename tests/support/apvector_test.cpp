#include "support/apvector.h"

#include <gtest/gtest.h>

#include "support/apstring.h"

using kyvo::apstring;
using kyvo::apvector;

TEST(ApVector, AcceptsEveryIndexInsideItsSize) {
    apvector<int> values(57);
    EXPECT_EQ(57, values.length());
    for (int k = 0; k < 57; k++)
        values[k] = k * 2;
    EXPECT_EQ(0, values[0]);
    EXPECT_EQ(112, values[56]);
}

TEST(ApVector, FillsEveryElementWithTheFillValue) {
    apvector<apstring> names(15, "");
    for (int k = 0; k < 15; k++)
        EXPECT_STREQ("", names[k].c_str());
    apvector<apstring> words(3, "x");
    EXPECT_STREQ("x", words[2].c_str());
}

TEST(ApVector, NameSlotsHoldThirtyCharacters) {
    apvector<char[30]> slots(57);
    EXPECT_EQ(30u, sizeof slots[56]);
}

struct BadIndex {
    int size;
    int index;
    const char* line;
};

void PrintTo(const BadIndex& c, std::ostream* os) { *os << "index " << c.index << " of " << c.size; }

class ApVectorDeathTest : public ::testing::TestWithParam<BadIndex> {};

TEST_P(ApVectorDeathTest, BadIndexWritesItsLineAndExitsWithOne) {
    const BadIndex& c = GetParam();
    apvector<int> values(c.size);
    EXPECT_EXIT(values[c.index] = 1, ::testing::ExitedWithCode(1), c.line);
}

// GoogleTest on Windows reads the dying child's output back in text mode,
// which turns its CR LF into LF; the native run checks the CR.
#ifdef _WIN32
#define LINE_END "\r?\n$"
#else
#define LINE_END "\r\n$"
#endif

INSTANTIATE_TEST_SUITE_P(Cases, ApVectorDeathTest,
                         ::testing::Values(BadIndex{57, 57, "^Illegal vector index: 57 max index = 56" LINE_END},
                                           BadIndex{57, -1, "^Illegal vector index: -1 max index = 56" LINE_END},
                                           BadIndex{15, 15, "^Illegal vector index: 15 max index = 14" LINE_END},
                                           BadIndex{0, 0, "^Illegal vector index: 0 max index = -1" LINE_END}));
