#include "generate/generation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

// The file-backed path, as the window's run takes it: temp.dat in the
// working folder, the files in the scratch folder.
bool GenerateFromTemp(int unique, kyvo::RunFiles& files, void (*pause)(int ms)) {
    files.all.open("temp.dat");
    return kyvo::GenerateFiles(unique, files, pause);
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
    kyvo::RunFiles files;
    kyvo::apvector<char[30]>& slots = files.rand_values;
    pauses = pausedMs = 0;
    ASSERT_TRUE(GenerateFromTemp(297, files, CountPause)) << kyvo::GenerateError();
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
        kyvo::RunFiles files;
        kyvo::apvector<char[30]>& slots = files.rand_values;
        ASSERT_TRUE(GenerateFromTemp(-22, files, nullptr));
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
        std::string problem;
        bool sound = kyvo::CheckBundle(all, problem);
        EXPECT_EQ(cut + 1 == text.size(), sound) << "cut at " << cut;
        if (!sound) {
            EXPECT_FALSE(problem.empty()) << cut;
        }
    }
}

TEST_F(Generation, TruncatedBundlesStopTheRun) {
    std::string text = SoundBundle();
    for (std::size_t cut = 0; cut + 1 < text.size(); cut += 211) {
        WriteText("temp.dat", text.substr(0, cut));
        kyvo::RunFiles files;
        EXPECT_FALSE(GenerateFromTemp(1, files, nullptr)) << "cut at " << cut;
        EXPECT_EQ(0u, std::string(kyvo::GenerateError()).find("The template bundle is broken: ")) << cut;
    }
}

// The sample bundle that ships with the tool.
TEST_F(Generation, TheSampleBundleIsSoundAndEveryCutOfItIsReported) {
    ASSERT_TRUE(kyvo::DecodeBundle(KYVO_SAMPLE_INFO, "temp.dat")) << kyvo::GenerateError();
    {
        kyvo::RunFiles files;
        ASSERT_TRUE(GenerateFromTemp(297, files, nullptr)) << kyvo::GenerateError();
    }
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
        std::string problem;
        EXPECT_FALSE(kyvo::CheckBundle(all, problem)) << "cut at " << cut;
    }
}

// The command line generates in memory and the window on disk: for random
// bundles and the sample, the 59 files and the decoded bundle are the same
// bytes either way.
TEST_F(Generation, MemoryEqualsFiles) {
    std::vector<std::string> bundles;
    for (unsigned seed = 1; seed <= 25; seed++)
        bundles.push_back(kyvo::EncodeBundleBytes(BundleMaker(seed).Bundle()));
    bundles.push_back(ReadBytes(KYVO_SAMPLE_INFO));
    int unique = -40;
    for (const std::string& encoded : bundles) {
        unique += 17;
        WriteBytes("info.txt", encoded);
        ASSERT_TRUE(kyvo::DecodeBundle("info.txt", "temp.dat")) << kyvo::GenerateError();
        std::string decoded = kyvo::DecodeBundleBytes(encoded);
        EXPECT_EQ(ReadBytes("temp.dat"), decoded);

        kyvo::RunFiles onDisk;
        ASSERT_TRUE(GenerateFromTemp(unique, onDisk, nullptr)) << kyvo::GenerateError();
        kyvo::RunFiles inMemory;
        inMemory.WriteInMemory();
        inMemory.all.OpenMemory(decoded);
        ASSERT_TRUE(kyvo::GenerateFiles(unique, inMemory, nullptr)) << kyvo::GenerateError();
        for (int k = 0; k < kyvo::kRunFileCount; k++) {
            std::string name = kyvo::RunFileName(onDisk.rand_values, k);
            ASSERT_EQ(name, kyvo::RunFileName(inMemory.rand_values, k));
            EXPECT_EQ(ReadBytes("generated cogs/" + name), inMemory.memory[k]) << name << ", seed value " << unique;
            fs::remove("generated cogs/" + name);
        }
    }
}
