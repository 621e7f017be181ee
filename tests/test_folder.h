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

// Makes path the current directory while it lives.
class InFolder {
public:
    explicit InFolder(const std::string& path);
    ~InFolder();
    // The current directory as the host reports it.
    std::string current() const;
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::string myPrevious;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Writes text through the system's own text stream: LF becomes CR LF.
void WriteText(const std::string& path, const std::string& text);

#endif
