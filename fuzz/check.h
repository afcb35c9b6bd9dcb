#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A property that must hold for every input; libFuzzer keeps the input that breaks it.
inline void check(bool holds, const char *what, std::string_view input = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s (input %zu bytes)\n", what, input.size());
    std::abort();
}

inline std::string_view text_of(const unsigned char *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}
