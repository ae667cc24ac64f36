// SPDX-License-Identifier: MIT
// One libFuzzer target; the build names its entry function (FuzzEntries.h).
#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LUMIVEX_FUZZ_ENTRY(data, size);
    return 0;
}
