// split_text and build_link_bar over any link list, then a few scroll and hover steps:
// the segments come from the text in order, the timers always start, the bar's width is
// what its links claim.
#include "check.h"
#include "link_bar.h"
#include "text.h"

#include <vector>

namespace {

class Host final : public parvelo::LinkBarHost
{
public:
    int client_width() const override { return 910; }
    int client_height() const override { return 466; }
    parvelo::BarRect window_outer() const override { return {54, 138, 916, 491}; }
    std::string tag_text() const override { return tag; }
    parvelo::BarRect bar() const override { return rect; }
    void set_bar_left(int left) override { rect.left = left; }
    void set_bar_top(int top) override { rect.top = top; }
    void set_bar_width(int width) override { rect.width = width; }
    void set_bar_content(std::string_view html) override { content = html; }
    void set_timer_period(std::string_view, int ms) override { periods.push_back(ms); }
    parvelo::ScreenPoint pointer() const override { return point; }

    std::string tag, content;
    parvelo::BarRect rect{487, 448, 33, 16};
    std::vector<int> periods;
    parvelo::ScreenPoint point{0, 0};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view text = text_of(data, size);
    for (const std::string_view separator : {parvelo::line_separator, parvelo::link_separator}) {
        const char *at = text.data();
        for (const std::string_view segment : parvelo::split_text(text, separator)) {
            check(segment.data() >= at && segment.data() + segment.size() <= text.data() + size,
                  "segments lie in order inside the text");
            at = segment.data() + segment.size();
        }
    }

    Host host;
    host.tag = text;
    parvelo::build_link_bar(host);
    check(host.periods == std::vector<int>{180, 180}, "both timers start");
    long long width = 0;
    for (const std::string_view line : parvelo::split_text(text, parvelo::line_separator)) {
        const auto parts = parvelo::split_text(line, parvelo::link_separator);
        if (parts.size() == 2)
            width += (parvelo::text_length(parts[0]) + 4) * 6LL;
    }
    check(static_cast<int>(width) == host.rect.width || width > 0x7FFFFFFF,
          "the width is the sum of the links' shares");
    for (int i = 0; i < 8; ++i) {
        host.point = {54 + 100 * i, 600 + i};
        parvelo::scroll_step(host);
        parvelo::hover_check(host);
    }
    return 0;
}
