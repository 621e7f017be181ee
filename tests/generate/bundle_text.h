// Decoded bundle texts for the tests, built inline.
#ifndef KYVO_TESTS_BUNDLE_TEXT_H
#define KYVO_TESTS_BUNDLE_TEXT_H

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

#endif
