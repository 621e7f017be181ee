// One generation run of the Windows tool, from the button press to its final
// message. It blocks the window's thread for as long as it lasts.
#ifndef KYVO_APP_GENERATION_RUN_H
#define KYVO_APP_GENERATION_RUN_H

#include <windows.h>

// The message box captions, owned by the window.
extern const char Alert[];
extern const char Finish[];

namespace kyvo {

// Reads the password from passwordField; every message box is owned by owner.
void GenerationRun(HWND owner, HWND passwordField);

} // namespace kyvo

#endif
