// The reason the last generation step failed, in words for the user. The
// generators return false and leave the reason here; the caller shows it.
#ifndef KYVO_GENERATE_GENERATE_ERROR_H
#define KYVO_GENERATE_GENERATE_ERROR_H

namespace kyvo {

void SetGenerateError(const char* format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;
const char* GenerateError();
void ClearGenerateError();

} // namespace kyvo

#endif
