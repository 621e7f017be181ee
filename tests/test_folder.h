// A fresh folder per test, removed with everything in it afterwards, and
// byte-exact file helpers.
#ifndef KYVO_TESTS_TEST_FOLDER_H
#define KYVO_TESTS_TEST_FOLDER_H

#include <string>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& path() const { return myPath; }
    // The path of name inside the folder.
    std::string operator/(const std::string& name) const;

private:
    std::string myPath;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

#endif
