// text_to_number on any bytes: it never fails, and what it reads is shown in a form that
// reads back as itself.
#include "check.h"
#include "text.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view text = text_of(data, size);
    const double value = parvelo::text_to_number(text);
    if (std::isfinite(value)) {
        const std::string shown = parvelo::number_to_text(value);
        check(parvelo::number_to_text(parvelo::text_to_number(shown)) == shown,
              "a shown number reads back as itself", text);
    }
    parvelo::truncate_to_integer(value);
    parvelo::number_to_integer(value);
    parvelo::text_length(text);
    return 0;
}
