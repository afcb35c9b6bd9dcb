#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parvelo {

struct BarRect
{
    int left, top, width, height;
};

struct ScreenPoint
{
    int x, y;
};

// What the link bar needs of the window it runs in. Geometry of the bar is in the
// window's client pixels, the window and the pointer in screen pixels.
class LinkBarHost
{
public:
    virtual ~LinkBarHost() = default;
    virtual int client_width() const = 0;
    virtual int client_height() const = 0;
    virtual BarRect window_outer() const = 0; // frame and title bar included
    virtual std::string tag_text() const = 0; // the link list
    virtual BarRect bar() const = 0;
    virtual void set_bar_left(int left) = 0;
    virtual void set_bar_top(int top) = 0;
    virtual void set_bar_width(int width) = 0;
    virtual void set_bar_content(std::string_view html) = 0;
    virtual void set_timer_period(std::string_view timer, int milliseconds) = 0;
    virtual ScreenPoint pointer() const = 0;
};

inline constexpr std::string_view line_separator = "\r\n";
inline constexpr std::string_view link_separator = "··";
inline constexpr std::string_view scroll_timer = "时钟1";
inline constexpr std::string_view hover_timer = "时钟2";
inline constexpr int tick_period = 180;
inline constexpr int scroll_distance = 5;

// Segments of `text` between occurrences of `separator`, found only where a character
// begins; a separator at the very end yields no empty last segment.
std::vector<std::string_view> split_text(std::string_view text, std::string_view separator);

// Places the bar just beyond the right edge, fills it from the link list, starts both timers.
void build_link_bar(LinkBarHost &host);

// One tick of the scroll timer: 5 px to the left, or back to the right edge once passed.
void scroll_step(LinkBarHost &host);

// One tick of the hover timer: pause scrolling while the pointer is in the hover band.
void hover_check(LinkBarHost &host);

} // namespace parvelo
