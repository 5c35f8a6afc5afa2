// The library's version record.
#include "rukm.h"

namespace {
constexpr rukLibraryVersion kVersion = {
    5, 3, 85, 452, {'m', 'x', '\0', '\0'}, "rukmmx-5.3.dll", "5.3 Update 4 build 85.38", "Aug 12 2008",
};
}  // namespace

extern "C" const rukLibraryVersion* rukmGetLibVersion(void) { return &kVersion; }
