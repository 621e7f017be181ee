// Passwords typed on a POSIX host arrive in UTF-8; the Windows tool reads
// them as Windows-1252 bytes on a Western-European system.
#ifndef KYVO_SUPPORT_CODEPAGE_H
#define KYVO_SUPPORT_CODEPAGE_H

#include <string>

namespace kyvo {

// False, with the reason in error, for text that is not UTF-8 or holds a
// character that Windows-1252 has no byte for.
bool Utf8ToWindows1252(const std::string& text, std::string& bytes, std::string& error);

// The UTF-8 form of Windows-1252 bytes; a byte with no character (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stands for itself as U+0080 to U+009F.
std::string Windows1252ToUtf8(const std::string& bytes);

} // namespace kyvo

#endif
