#include "link_bar.h"

#include "text.h"

namespace parvelo {

std::vector<std::string_view> split_text(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> segments;
    if (text.empty() || separator.empty())
        return text.empty() ? segments : std::vector<std::string_view>{text};
    std::size_t start = 0;
    std::size_t pos = 0;
    while (text.size() - pos >= separator.size()) {
        if (text.compare(pos, separator.size(), separator) == 0) {
            segments.push_back(text.substr(start, pos - start));
            pos += separator.size();
            start = pos;
        } else {
            pos += utf8_char_length(text, pos);
        }
    }
    if (start < text.size())
        segments.push_back(text.substr(start));
    return segments;
}

void build_link_bar(LinkBarHost &host)
{
    host.set_bar_left(host.client_width());
    host.set_bar_top(truncate_to_integer(host.client_height() - 20.0));

    const std::string list = host.tag_text();
    std::string html;
    int width = 0;
    for (const std::string_view line : split_text(list, line_separator)) {
        const std::vector<std::string_view> parts = split_text(line, link_separator);
        if (parts.size() != 2)
            continue;
        const std::string_view label = parts[0];
        const std::string_view target = parts[1];
        // Label and target go in as they are: no quotes, no escaping, no trimming.
        html.append("  <a href=").append(target).append(">").append(label).append("</a>  ");
        width = truncate_to_integer(width + (text_length(label) + 4) * 6.0);
    }
    host.set_bar_width(width);
    host.set_bar_content(html);
    host.set_timer_period(scroll_timer, tick_period);
    host.set_timer_period(hover_timer, tick_period);
}

void scroll_step(LinkBarHost &host)
{
    const BarRect bar = host.bar();
    if (static_cast<long long>(bar.left) + bar.width >= 0)
        host.set_bar_left(truncate_to_integer(bar.left - static_cast<double>(scroll_distance)));
    else
        host.set_bar_left(host.client_width());
}

void hover_check(LinkBarHost &host)
{
    const ScreenPoint p = host.pointer();
    const BarRect window = host.window_outer();
    const BarRect bar = host.bar();
    // The band is measured from the window's outer top, moved down by the bar's height;
    // the sum is formed in 64 bits, where it cannot overflow.
    const long long bottom = static_cast<long long>(window.top) + bar.top + 2LL * bar.height;
    const long long x = p.x, y = p.y;
    const bool in_band = x > window.left && x < static_cast<long long>(window.left) + window.width
                         && y < bottom && y > bottom - bar.height;
    host.set_timer_period(scroll_timer, in_band ? 0 : tick_period);
}

} // namespace parvelo
