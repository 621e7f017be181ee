#include "test_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/textstream.h"

namespace fs = std::filesystem;

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path path = fs::temp_directory_path() /
                    ("kyvo-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(path);
    myPath = path.string();
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    fs::remove_all(myPath, ignored);
}

std::string TestFolder::operator/(const std::string& name) const { return (fs::path(myPath) / name).string(); }

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.is_open()) << "cannot read " << path;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(out.is_open()) << "cannot write " << path;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) { return fs::exists(path); }

InFolder::InFolder(const std::string& path) : myPrevious(fs::current_path().string()) { fs::current_path(path); }

InFolder::~InFolder() { fs::current_path(myPrevious); }

std::string InFolder::current() const { return fs::current_path().string(); }

void WriteText(const std::string& path, const std::string& text) {
    kyvo::ofstream out(path.c_str());
    ASSERT_TRUE(out.is_open()) << "cannot write " << path;
    out.write(text.data(), text.size());
}
