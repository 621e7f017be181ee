#include "generate/cogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "bundle_text.h"
#include "generate/generate_error.h"
#include "generate/random.h"
#include "test_folder.h"

// A working folder with its scratch folder and a decoded bundle.
class CogWriter : public ::testing::Test {
protected:
    CogWriter() : here(folder.path()) { std::filesystem::create_directory("generated cogs"); }

    void Open(const std::string& text) {
        WriteText("temp.dat", text);
        all.open("temp.dat");
        ASSERT_TRUE(all.is_open());
    }

    // Seeds the generator, takes `skip` draws, then writes the next section.
    std::string Write(const char* name, unsigned seed = 0, int skip = 11) {
        kyvo::srand(seed);
        for (int i = 0; i < skip; i++)
            kyvo::rand();
        std::strcpy(slot, name);
        kyvo::ofstream dafile;
        EXPECT_TRUE(kyvo::CreateCogs(0, slot, dafile, all, 7)) << kyvo::GenerateError();
        EXPECT_FALSE(dafile.is_open());
        return ReadBytes(std::string("generated cogs/") + slot);
    }

    // The number of draws the writer took, found by replaying the sequence.
    int DrawsTaken(unsigned seed = 0, int skip = 11) {
        int next = kyvo::rand();
        kyvo::srand(seed);
        for (int i = 0; i < skip; i++)
            kyvo::rand();
        for (int taken = 0; taken < 100; taken++)
            if (kyvo::rand() == next)
                return taken;
        return -1;
    }

    TestFolder folder;
    InFolder here;
    kyvo::ifstream all;
    char slot[30];
};

TEST_F(CogWriter, WorkedExample) {
    Open("flags=0x240\ntype=item\ncode\n$ startup: x=1;\n$\n   activated: x=2; Return;\nstray words\n"
         "$ killed: x=3; Return;\n" + kTerm + "\n");
    std::string file = Write("item_bacta");
    EXPECT_STREQ("item_bacta.cog", slot);
    EXPECT_EQ("flags=0x240\r\ntype=item\r\ncode\r\n"
              "activated: x=2; Return;'0 0 0',tormesk,0;killed: x=3; Return;'0 0 0',tormesk,0;"
              "startup: x=1;'0 0 0',tormesk,0;end",
              file);
    EXPECT_EQ(4, DrawsTaken());
}

TEST_F(CogWriter, NoMessagesTakesNoDraw) {
    Open("a\ncode\n" + kTerm);
    EXPECT_EQ("a\r\ncode\r\nend", Write("kyle"));
    EXPECT_EQ(0, DrawsTaken());
}

TEST_F(CogWriter, OneMessageTakesOneDraw) {
    Open("code\n$ only: x;\n" + kTerm);
    EXPECT_EQ("code\r\nonly: x;'0 0 0',tormesk,0;end", Write("12261"));
    EXPECT_STREQ("12261.cog", slot);
    EXPECT_EQ(1, DrawsTaken());
}

TEST_F(CogWriter, LaterSectionsStartWithTheRestOfTheTerminatorLine) {
    Open("code\n" + kTerm + "\ncode\n" + kTerm + " tail\ncode\n" + kTerm);
    Write("a");
    EXPECT_EQ("\r\ncode\r\nend", Write("b"));
    EXPECT_EQ(" tail\r\ncode\r\nend", Write("c"));
}

// Seed 0 with no draws before: four messages come out in template order, so
// the last index is 3 and every decoy is of the second kind.
TEST_F(CogWriter, LastIndexThreeGivesTheSecondKindEverywhere) {
    Open("code\n$ m0\n$ m1\n$ m2\n$ m3\n" + kTerm);
    const std::string decoy = "SetActorFlagz(tmk,god),'6 6 6',Damage(newb,3);";
    EXPECT_EQ("code\r\nm0" + decoy + "m1" + decoy + "m2" + decoy + "m3" + decoy + "end", Write("x", 0, 0));
    EXPECT_EQ(6, DrawsTaken(0, 0));
}

// Seed 0, fourteen messages: the order 0 6 11 12 1 10 4 3 8 7 5 9 2 13 in
// 64 draws; with last index 13 the first kind stands at positions 1 to 3.
TEST_F(CogWriter, LastIndexThirteenMixesTheKinds) {
    std::string text = "code\n";
    for (int m = 0; m < 14; m++)
        text += "$ m" + std::to_string(m) + "\n";
    Open(text + kTerm);
    const int order[] = {0, 6, 11, 12, 1, 10, 4, 3, 8, 7, 5, 9, 2, 13};
    std::string expected = "code\r\n";
    for (int i = 0; i < 14; i++) {
        expected += "m" + std::to_string(order[i]);
        expected += (i >= 1 && i <= 3) ? "'0 0 0',tormesk,13;" : "SetActorFlagz(tmk,god),'6 6 6',Damage(newb,13);";
    }
    EXPECT_EQ(expected + "end", Write("x", 0, 0));
    EXPECT_EQ(64, DrawsTaken(0, 0));
}

TEST_F(CogWriter, AFileThatCannotBeCreatedIsAnError) {
    std::filesystem::remove("generated cogs");
    Open("code\n" + kTerm);
    std::strcpy(slot, "kyle");
    kyvo::ofstream dafile;
    EXPECT_FALSE(kyvo::CreateCogs(2, slot, dafile, all, 0));
    EXPECT_NE(std::string::npos, std::string(kyvo::GenerateError()).find("Cannot create"));
    EXPECT_NE(std::string::npos, std::string(kyvo::GenerateError()).find("kyle.cog"));
}
