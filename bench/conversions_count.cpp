// number_to_text beside std::to_chars's shortest form on the same numbers, for callgrind
// to count per call:   conversions_count text|chars N
#include "text.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>

#include <valgrind/callgrind.h>

namespace {

const std::array<double, 8> numbers
    = {9.76, 22.5, 13234.4, 1.0 / 3, 10 / 0.304, 4.035028, 1234567890122.5, 0.00001234};

[[gnu::noinline]] std::string shortest(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end); // the same work of handing out a string
}

} // namespace

int main(int argc, char **argv)
{
    const bool ours = argc > 1 && std::strcmp(argv[1], "text") == 0;
    const int n = argc > 2 ? std::atoi(argv[2]) : 10000;
    std::size_t total = 0;
    for (int i = 0; i < n; ++i) {
        const double value = numbers[static_cast<std::size_t>(i) % numbers.size()];
        CALLGRIND_TOGGLE_COLLECT;
        const std::string text = ours ? parvelo::number_to_text(value) : shortest(value);
        CALLGRIND_TOGGLE_COLLECT;
        total += text.size();
    }
    return total == 0;
}
