#include "estimate.h"

#include "text.h"

namespace parvelo {

void compute_estimate(const BoardPreset &preset, Fields &fields)
{
    const double w = preset.board_width;
    const double h = preset.board_height;
    const double a = preset.frame_allowance;

    const auto n = [&fields](std::string_view name) { return text_to_number(fields.read(name)); };
    const auto put = [&fields](std::string_view name, double value) {
        fields.write(name, number_to_text(value));
    };
    // Every step that needs a board count works it out afresh from the input field.
    const auto along_length = [&] { return number_to_integer(n("长") / w); };
    const auto along_height = [&] { return number_to_integer(n("高") / h); };

    fields.write("板长", integer_to_text(along_length()));
    fields.write("板高", integer_to_text(along_height()));
    put("整屏长", along_length() * w + a);
    put("整屏高", along_height() * h + a);
    const double screen_length = along_length() * w + a;
    const double screen_height = along_height() * h + a;
    put("整屏面积", screen_length * screen_height);
    // One supply feeds eight boards; the count stays fractional.
    put("电源块数", n("板长") * n("板高") / 8);
    put("单元板", n("板长") * n("板高"));
    put("边框长", along_length() * w);
    put("边框高", along_height() * h);

    const double boards = n("板单价") * n("单元板");
    const double supplies = n("电源单价") * n("电源块数");
    const double card = n("控制卡");
    const double frame_length = n("边框长") * n("边框单价") * 2;
    const double frame_height = n("边框高") * n("边框单价") * 2;
    const double other = n("其它费用");
    put("成本", boards + supplies + card + frame_length + frame_height + other);

    put("总价", n("报价") * n("整屏面积"));
}

} // namespace parvelo
