#include "support/codepage.h"

#include <cstdint>
#include <cstdio>

namespace kyvo {

namespace {

// The characters of the bytes 0x80 to 0x9F; 0 where the code page has none.
const std::uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The byte for code point c, or -1.
int Windows1252Byte(std::uint32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; i++)
        if (kHighControls[i] != 0 && kHighControls[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

bool Utf8ToWindows1252(const std::string& text, std::string& bytes, std::string& error) {
    bytes.clear();
    for (std::size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) {
            error = "the password is not valid UTF-8";
            return false;
        }
        std::uint32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; k++) {
            unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next >> 6) != 2) {
                error = "the password is not valid UTF-8";
                return false;
            }
            c = (c << 6) | (next & 0x3F);
        }
        int byte = Windows1252Byte(c);
        if (byte < 0) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            error = std::string("the password holds ") + code +
                    ", which a Windows-1252 password cannot hold; choose another password";
            return false;
        }
        bytes += static_cast<char>(byte);
        i += 1 + extra;
    }
    return true;
}

std::string Windows1252ToUtf8(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        unsigned char byte = static_cast<unsigned char>(ch);
        std::uint32_t c = byte;
        if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
            c = kHighControls[byte - 0x80];
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | (c >> 12));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

} // namespace kyvo
