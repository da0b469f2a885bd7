#include "sky/vectorstate.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    __builtin_ia32_vzeroupper();
}

const bool HasAvx = __builtin_cpu_supports("avx");

}  // namespace

void clearUpperVectorState()
{
    if (HasAvx)
        zeroUpper();
}

#else

void clearUpperVectorState() {}

#endif
