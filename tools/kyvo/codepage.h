// Passwords typed on a POSIX host arrive in UTF-8; the Windows tool reads
// them as Windows-1252 bytes on a Western-European system.
#ifndef KYVO_TOOLS_CODEPAGE_H
#define KYVO_TOOLS_CODEPAGE_H

#include <string>

namespace kyvo {

// False, with the reason in error, for text that is not UTF-8 or holds a
// character that Windows-1252 has no byte for.
bool Utf8ToWindows1252(const std::string& text, std::string& bytes, std::string& error);

} // namespace kyvo

#endif
