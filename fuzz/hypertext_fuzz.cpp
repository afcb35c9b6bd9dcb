// The hypertext reader and its layout over any content: every link run names a target,
// and the pointer and a press anywhere find at most that link.
#include "check.h"
#include "hypertext.h"
#include "platform.h"
#include "text.h"

namespace {

class Measure final : public parvelo::TextMeasure
{
public:
    int width(std::string_view text, const parvelo::TextStyle &style) const override
    {
        return parvelo::text_length(text) * style.pixels / 2;
    }
    int ascent(const parvelo::TextStyle &style) const override { return style.pixels - 2; }
    int height(const parvelo::TextStyle &style) const override { return style.pixels; }
};

class NoDesktop final : public parvelo::Platform
{
public:
    bool create_process(const std::string &) override { return false; }
    bool shell_open(const std::string &, const std::string &, parvelo::ShowState) override
    {
        ++opened;
        return false;
    }
    parvelo::PointerPosition cursor_position() const override { return {0, 0}; }
    int opened = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view content = text_of(data, size);
    const parvelo::HyperDocument doc = parvelo::parse_hypertext(content);
    for (const auto &line : doc.lines)
        for (const parvelo::HyperRun &run : line)
            check(run.link < static_cast<int>(doc.targets.size()), "a link run names a target");

    Measure measure;
    parvelo::HypertextModel model(measure, size % 2 == 0);
    model.set_style_sheet("body {font-size:9pt}");
    model.set_content(content);
    NoDesktop desktop;
    for (int x = 0; x < 200; x += 7) {
        model.pointer_moved(x, 8);
        check(model.hovered_link() == model.link_at(x, 8), "the hovered link is the one there");
        parvelo::press_link(model, desktop, x, 8);
    }
    check(desktop.opened <= 200 / 7 + 1, "a press opens at most one target");
    return 0;
}
