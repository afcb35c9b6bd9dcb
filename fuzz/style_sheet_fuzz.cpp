// The style sheet reader over any sheet: sizes stay positive and colours in 24 bits.
#include "check.h"
#include "hypertext.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const parvelo::HyperStyles styles = parvelo::read_style_sheet(text_of(data, size));
    for (const parvelo::TextStyle *style : {&styles.body, &styles.link, &styles.hover}) {
        check(style->pixels > 0, "a positive size");
        check(style->colour <= 0xFFFFFF, "a 24-bit colour");
    }
    return 0;
}
