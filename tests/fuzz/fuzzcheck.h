#pragma once

#include <cstdio>

// A failed check in a fuzz target: say which one, then stop so that libFuzzer
// keeps the input that led here.
#define FUZZ_FAIL(message)                                                                         \
    do {                                                                                           \
        std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, message);                          \
        __builtin_trap();                                                                          \
    } while (false)

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            FUZZ_FAIL("check failed: " #condition);                                                \
        }                                                                                          \
    } while (false)
