#include "generate/generation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "bundle_text.h"
#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/names.h"
#include "test_folder.h"

namespace fs = std::filesystem;

namespace {

int pauses = 0;
int pausedMs = 0;
void CountPause(int ms) {
    pauses++;
    pausedMs += ms;
}

} // namespace

class Generation : public ::testing::Test {
protected:
    Generation() : here(folder.path()) { fs::create_directory("generated cogs"); }
    TestFolder folder;
    InFolder here;
};

TEST_F(Generation, WritesEveryFileFromTheBundle) {
    WriteText("temp.dat", SoundBundle());
    kyvo::apvector<char[30]> slots(57);
    pauses = pausedMs = 0;
    ASSERT_TRUE(kyvo::GenerateFiles(297, slots, CountPause)) << kyvo::GenerateError();
    EXPECT_EQ(59, pauses);
    EXPECT_EQ(5900, pausedMs);
    int count = 0;
    for (const auto& entry : fs::directory_iterator("generated cogs")) {
        (void)entry;
        count++;
    }
    EXPECT_EQ(59, count);
    EXPECT_STREQ("item_bacta.cog", slots[0]);
    EXPECT_STREQ("19564.cog", slots[46]);
    EXPECT_EQ("# cog 0\r\nflags=0x240\r\ncode\r\nend", ReadBytes("generated cogs/item_bacta.cog"));
    EXPECT_EQ("\r\n# cog 1\r\nflags=0x240\r\ncode\r\nmsg0: call(1); return;'0 0 0',tormesk,0;end",
              ReadBytes("generated cogs/item_shields.cog"));
    EXPECT_EQ("\r\nMSG \"one\"\r\nMSG \"two\"\r\n", ReadBytes("generated cogs/jkstrings.uni"));
    EXPECT_NE(std::string::npos, ReadBytes("generated cogs/items.dat").find("fists 1 0 1 0x024 cog=22674.cog"));
}

TEST_F(Generation, SamePasswordSameBytes) {
    WriteText("temp.dat", SoundBundle());
    std::string first[57];
    for (int run = 0; run < 2; run++) {
        kyvo::apvector<char[30]> slots(57);
        ASSERT_TRUE(kyvo::GenerateFiles(-22, slots, nullptr));
        for (int k = 0; k < 57; k++) {
            std::string bytes = ReadBytes(std::string("generated cogs/") + slots[k]);
            if (run == 0)
                first[k] = bytes;
            else
                EXPECT_EQ(first[k], bytes) << slots[k];
        }
    }
}

// Every cut of a bundle is either sound or a clear error: never a hang.
TEST_F(Generation, EveryTruncationIsReportedAtTheReader) {
    std::string text;
    for (int k = 0; k < 57; k++)
        text += "h\ncode\n$ m\n" + kTerm + "\n";
    text += "s\n" + kTerm + "\n";
    for (std::size_t cut = 0; cut < text.size(); cut++) {
        WriteText("temp.dat", text.substr(0, cut));
        kyvo::ifstream all("temp.dat");
        bool sound = kyvo::CheckBundle(all);
        EXPECT_EQ(cut + 1 == text.size(), sound) << "cut at " << cut;
        if (!sound) {
            EXPECT_EQ(0u, std::string(kyvo::GenerateError()).find("The template bundle is broken: ")) << cut;
        }
    }
}

TEST_F(Generation, TruncatedBundlesStopTheRun) {
    std::string text = SoundBundle();
    for (std::size_t cut = 0; cut + 1 < text.size(); cut += 211) {
        WriteText("temp.dat", text.substr(0, cut));
        kyvo::apvector<char[30]> slots(57);
        EXPECT_FALSE(kyvo::GenerateFiles(1, slots, nullptr)) << "cut at " << cut;
        EXPECT_EQ(0u, std::string(kyvo::GenerateError()).find("The template bundle is broken: ")) << cut;
    }
}

TEST_F(Generation, AMissingTempFileIsAnError) {
    kyvo::apvector<char[30]> slots(57);
    EXPECT_FALSE(kyvo::GenerateFiles(1, slots, nullptr));
    EXPECT_STREQ("Cannot read temp.dat back from the working folder.", kyvo::GenerateError());
}

// The sample bundle that ships with the tool.
TEST_F(Generation, TheSampleBundleIsSoundAndEveryCutOfItIsReported) {
    ASSERT_TRUE(kyvo::DecodeBundle(KYVO_SAMPLE_INFO, "temp.dat")) << kyvo::GenerateError();
    kyvo::apvector<char[30]> slots(57);
    ASSERT_TRUE(kyvo::GenerateFiles(297, slots, nullptr)) << kyvo::GenerateError();
    EXPECT_EQ(std::string::npos, ReadBytes("generated cogs/kyle.cog").find('$'));

    std::string text;
    {
        kyvo::ifstream in("temp.dat");
        char ch;
        while (in.get(ch))
            text += ch;
    }
    for (std::size_t cut = 0; cut + 1 < text.size(); cut += 97) {
        WriteText("temp.dat", text.substr(0, cut));
        kyvo::ifstream all("temp.dat");
        EXPECT_FALSE(kyvo::CheckBundle(all)) << "cut at " << cut;
    }
}
