// number_to_text on any double: at most 13 significant digits, and for a finite number
// the text reads back to a number that shows as the same text.
#include "check.h"
#include "text.h"

#include <cmath>
#include <cstring>

namespace {

int significant_digits(const std::string &text)
{
    int digits = 0;
    bool leading = true;
    for (const char c : text) {
        if (c == 'e')
            break;
        if (c < '0' || c > '9')
            continue;
        if (c != '0')
            leading = false;
        if (!leading)
            ++digits;
    }
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const std::string text = parvelo::number_to_text(value);
    check(!text.empty(), "a number always has a text");
    if (!std::isfinite(value))
        return 0;
    check(significant_digits(text) <= 13, "at most 13 significant digits");
    check(parvelo::number_to_text(parvelo::text_to_number(text)) == text,
          "the text reads back as itself");
    return 0;
}
