// Decoded bundle texts for the tests, built inline.
#ifndef KYVO_TESTS_BUNDLE_TEXT_H
#define KYVO_TESTS_BUNDLE_TEXT_H

#include <random>
#include <string>

const std::string kTerm(39, '@');

// A sound decoded bundle: 57 sections, section k with (k % 16) message
// blocks, then strings lines and the strings terminator line.
inline std::string SoundBundle() {
    std::string text;
    for (int k = 0; k < 57; k++) {
        text += "# cog " + std::to_string(k) + "\nflags=0x240\ncode\n";
        for (int m = 0; m < k % 16; m++)
            text += "$ msg" + std::to_string(m) + ": call(" + std::to_string(k) + "); return;\n";
        text += kTerm + "\n";
    }
    text += "MSG \"one\"\nMSG \"two\"\n" + kTerm + "\n";
    return text;
}

// Random decoded bundles with every feature the layout allows.
class BundleMaker {
public:
    explicit BundleMaker(unsigned seed) : myRandom(seed) {}

    std::string Bundle() {
        std::string text;
        for (int k = 0; k < 57; k++)
            text += Section(k % 16);
        int strings = Pick(0, 4);
        for (int i = 0; i < strings; i++)
            text += Pick(0, 3) == 0 ? kTerm + " \n" : Line() + "\n";
        text += kTerm;
        if (Pick(0, 2) != 0)
            text += "\n";
        if (Pick(0, 2) == 0)
            text += "trailer never read\n" + kTerm + "\n";
        return text;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(myRandom); }

    // Any byte but LF, so a line of it is one line.
    char LineChar() {
        const char special[] = {'\r', '\t', '$', '@', ' ', '\x0b', '\x0c', '\xe9', '\xff', '\x01', '\x1a', '\0'};
        if (Pick(0, 4) == 0)
            return special[Pick(0, sizeof special - 1)];
        return static_cast<char>(Pick('!', '~'));
    }

    std::string Line() {
        std::string line;
        int length = Pick(0, 30);
        for (int i = 0; i < length; i++)
            line += LineChar();
        return line == "code" ? "code " : line;
    }

    // A word that is neither "$" nor the terminator, nor one of them
    // followed by a NUL, which compares equal to it.
    std::string Word() {
        std::string word;
        int length = Pick(1, 8);
        for (int i = 0; i < length; i++) {
            char ch = LineChar();
            word += (ch == ' ' || ch == '\0' || (ch >= '\t' && ch <= '\r')) ? 'w' : ch;
        }
        return (word == "$" || word == kTerm) ? word + "x" : word;
    }

    std::string Section(int messages) {
        std::string text;
        int headers = Pick(0, 4);
        for (int i = 0; i < headers; i++)
            text += Line() + "\n";
        text += "code\n";
        for (int m = 0; m < messages; m++) {
            if (Pick(0, 3) == 0)
                text += Word() + " " + Word() + "\n";
            text += "$";
            const char* gaps[] = {" ", "", "\n\n  \n ", "  "};
            int gap = Pick(0, 3);
            text += gaps[gap];
            // Straight after the "$" only white space keeps it a word of its own.
            char first = gap == 1 ? "\t\r\v\f"[Pick(0, 3)] : LineChar();
            text += (first == ' ' || first == '\0') ? '\t' : first;
            text += Line() + "\n";
        }
        text += kTerm;
        const char* rests[] = {"\n", " rest\n", "\t\n", "\r\n", " $ \n"};
        text += rests[Pick(0, 4)];
        return text;
    }

    std::mt19937 myRandom;
};

#endif
