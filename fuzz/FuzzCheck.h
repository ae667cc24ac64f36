// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

// Ends the process when an invariant does not hold: the fuzzer records the
// input, and the corpus replay fails.
#define LUMIVEX_FUZZ_CHECK(condition)                                                                                  \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
