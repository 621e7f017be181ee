// Preconditions that callers must never break. A broken one is a programming
// error: it is reported where the user can see it and the process ends.
#ifndef KYVO_SUPPORT_PRECONDITION_H
#define KYVO_SUPPORT_PRECONDITION_H

namespace kyvo {

[[noreturn]] void FailPrecondition(const char* condition, const char* file, int line);

} // namespace kyvo

#define KYVO_PRECONDITION(cond) \
    ((cond) ? static_cast<void>(0) : ::kyvo::FailPrecondition(#cond, __FILE__, __LINE__))

#endif
