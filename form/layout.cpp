#include "layout.h"

#include <array>

namespace parvelo {

namespace {

constexpr const char separator[]
    = "----------------------------------------------------------------------";
constexpr const char notes[] = "使用说明：\r\n"
                               "     1、A项必填，不足1米的小数，可只填点几，如.8就是0.8。\r\n"
                               "     2、B项为主要材料单价，可填任意几项，不填也可以。\r\n"
                               "     3、C项为辅助材料，估计个总数填入就可以。\r\n"
                               "     4、D项为向终端客户报的价格，通常按平方计算。\r\n"
                               "\r\n"
                               "     电源按5V40A来计算，单元板按每张5A来计算,实际应用时酌情增减。";

constexpr const char *input = "分组框2";
constexpr const char *results = "分组框1";

constexpr FontSpec song12{12, false};
constexpr FontSpec song12_bold{12, true};
constexpr FontSpec song14{14, false};
constexpr FontSpec song14_bold{14, true};
constexpr FontSpec song16{16, false};
constexpr FontSpec song16_bold{16, true};

constexpr int red = 0xFF0000, blue = 0x0000FF, black = 0x000000, orange = 0xFF8000, navy = 0x000080,
              green = 0x008000;

using K = Kind;

constexpr std::array<ControlSpec, 71> controls = {{
    // Top left of the window.
    {K::Picture, "图片框1", nullptr, 7, 12, 440, 77, ""},
    {K::GroupBox, "分组框2", nullptr, 6, 100, 440, 223, "请输入以下参数", blue, song14_bold},
    {K::Hypertext, "简单超文本框2", nullptr, 6, 333, 440, 107, notes},

    // Input group.
    {K::Label, "标签21", input, 22, 26, 111, 16, "A、客户要求数据：", blue, song14},
    {K::Label, "标签1", input, 151, 26, 48, 16, "屏长(米):", red},
    {K::Edit, "长", input, 209, 22, 64, 24, "", red, song16, true},
    {K::Label, "标签3", input, 288, 26, 48, 16, "屏高(米):", red},
    {K::Edit, "高", input, 362, 22, 64, 24, "", red, song16, true},
    {K::Label, "标签22", input, 19, 52, 406, 9, separator, orange},
    {K::Label, "标签23", input, 22, 68, 111, 24, "B、主要材料单价：", blue, song14},
    {K::Label, "标签11", input, 140, 72, 64, 16, "控制卡单价:", black},
    {K::Edit, "控制卡", input, 209, 66, 64, 24, "", blue, song16, true},
    {K::Label, "标签12", input, 288, 68, 56, 16, "电源单价:", black},
    {K::Edit, "电源单价", input, 362, 64, 64, 24, "", blue, song16, true},
    {K::Label, "标签7", input, 138, 102, 64, 16, "单元板单价:", black},
    {K::Edit, "板单价", input, 209, 98, 64, 24, "", blue, song16, true},
    {K::Label, "标签13", input, 288, 94, 56, 24, "边框单价:", black},
    {K::Edit, "边框单价", input, 362, 96, 64, 24, "", blue, song16, true},
    {K::Label, "标签2", input, 19, 131, 406, 8, separator, orange},
    {K::Label, "标签24", input, 22, 144, 143, 24, "C、其它成本费用(元)：", blue, song14},
    {K::Label, "标签31", input, 165, 149, 32, 16, "龙骨、", black},
    {K::Label, "标签30", input, 197, 149, 144, 16, "燕尾丝、角铁等固定机构", black},
    {K::Edit, "其它费用", input, 362, 144, 64, 24, "", black, song16, true},
    {K::Label, "标签32", input, 19, 175, 406, 8, separator, orange},
    {K::Label, "标签25", input, 22, 189, 127, 16, "D、整屏给客户报价:", blue, song14},
    {K::Edit, "报价", input, 210, 189, 64, 24, "", navy, song16_bold, true},
    {K::Label, "标签26", input, 278, 193, 80, 16, "元/平方米", red, song16},

    // Results group.
    {K::GroupBox, "分组框1", nullptr, 455, 4, 448, 436, "电子屏计算结果", blue, song14_bold},
    {K::Label, "标签5", results, 8, 25, 88, 16, "单元板长(块)", black},
    {K::Edit, "板长", results, 88, 21, 64, 24, "", black},
    {K::Label, "标签9", results, 160, 25, 64, 16, "整屏长(米)", black},
    {K::Edit, "整屏长", results, 226, 19, 64, 24, "", black},
    {K::Label, "标签4", results, 300, 25, 64, 16, "电源(块数)", red},
    {K::Edit, "电源块数", results, 368, 18, 64, 24, "", black},
    {K::Label, "标签6", results, 8, 54, 72, 24, "单元板高(块)", black},
    {K::Edit, "板高", results, 88, 51, 64, 24, "", black},
    {K::Label, "标签10", results, 160, 53, 64, 24, "整屏高(米)", black},
    {K::Edit, "整屏高", results, 226, 51, 64, 24, "", black},
    {K::Label, "标签14", results, 300, 58, 64, 16, "单元板(张)", green},
    {K::Edit, "单元板", results, 367, 51, 64, 24, "", black},
    {K::Label, "标签15", results, 16, 91, 64, 16, "边框长(米)", black},
    {K::Edit, "边框长", results, 88, 86, 64, 24, "", black},
    {K::Label, "标签16", results, 158, 87, 64, 24, "边框高(米)", black},
    {K::Edit, "边框高", results, 225, 86, 64, 24, "", black},
    {K::Label, "标签8", results, 300, 93, 64, 19, "面积(平方)", blue},
    {K::Edit, "整屏面积", results, 367, 86, 64, 24, "", black},
    {K::Label, "标签18", results, 8, 120, 72, 24, "成本约(元):", red, song12_bold},
    {K::Edit, "成本", results, 88, 119, 64, 24, "", red, song14},
    // Window controls inside the group's area, created after it so they draw above it.
    {K::Label, "标签27", nullptr, 744, 121, 80, 24, "工程总价(元):", red, song12_bold},
    {K::Edit, "总价", results, 368, 118, 64, 24, "", black},
    {K::Label, "标签29", results, 8, 156, 296, 16,
     "由于各厂家板材用料各有差异，以上计算结果仅供参考。", black},
    {K::Button, "按钮10", nullptr, 759, 184, 136, 32, "调用系统计算器\r\n"},
    {K::Label, "标签17", results, 7, 192, 272, 16, "↓请选择您所用单元板类型及边框类型↓", blue,
     song14_bold},
    {K::Timer, "时钟1", results, 336, 148, 32, 24, ""},
    {K::Timer, "时钟2", results, 376, 148, 40, 24, ""},

    // Preset buttons: three columns by frame profile, five rows by board type.
    {K::Button, "按钮14", results, 8, 220, 136, 32, "P16 4090边框", default_colour, song12},
    {K::Button, "按钮15", results, 160, 220, 136, 32, "P16 4590边框"},
    {K::Button, "按钮16", results, 304, 220, 136, 32, "P16 3590边框"},
    {K::Button, "按钮11", results, 8, 262, 136, 32, "P12.5 4090边框"},
    {K::Button, "按钮12", results, 160, 262, 136, 32, "P12.5 4590 边框"},
    {K::Button, "按钮13", results, 304, 262, 136, 32, "P12.5 3590边框"},
    {K::Button, "按钮1", results, 8, 306, 136, 32, "P10 4090边框", default_colour, song12},
    {K::Button, "按钮3", results, 160, 306, 136, 32, "P10 4590边框"},
    {K::Button, "按钮2", results, 304, 305, 136, 32, "P10 3590边框"},
    {K::Button, "按钮4", results, 8, 347, 136, 32, "5.0 4090边框"},
    {K::Button, "按钮5", results, 160, 347, 136, 32, "5.0 4590边框"},
    {K::Button, "按钮6", results, 304, 347, 136, 32, "5.0 3590边框"},
    {K::Button, "按钮7", results, 8, 391, 136, 32, "3.75 4090边框"},
    {K::Button, "按钮8", results, 160, 390, 136, 32, "3.75 4590边框"},
    {K::Button, "按钮9", results, 304, 389, 136, 32, "3.75 3590边框"},

    // Bottom of the window: the link bar, placed and filled when the window is created.
    {K::Hypertext, "简单超文本框1", nullptr, 487, 448, 33, 16, ""},
}};

constexpr std::array<const char *, 37> tabs
    = {"按钮1",    "按钮2",        "按钮3",  "板长",   "板高",   "整屏面积", "整屏长",
       "整屏高",   "按钮4",        "按钮5",  "按钮6",  "按钮7",  "按钮8",    "按钮9",
       "电源块数", "长",           "高",     "板单价", "控制卡", "电源单价", "边框单价",
       "单元板",   "边框长",       "边框高", "成本",   "按钮10", "按钮11",   "按钮12",
       "按钮13",   "报价",         "按钮14", "按钮15", "按钮16", "总价",     "简单超文本框1",
       "其它费用", "简单超文本框2"};

} // namespace

std::span<const ControlSpec> window_layout()
{
    return controls;
}

const ControlSpec *find_control(std::string_view name)
{
    for (const ControlSpec &row : controls)
        if (name == row.name)
            return &row;
    return nullptr;
}

std::span<const char *const> tab_order()
{
    return tabs;
}

const char *const usage_notes = notes;

const char *const default_style_sheet
    = "body {font-size:9pt; color:black; font-family:\"宋体\", Verdana}\r\n"
      "p {font-size:9pt; color:black; font-family:\"宋体\", Verdana}\r\n"
      "h1 {font-size:14pt; color:black; font-family:\"宋体\", Verdana; font-weight:bold}\r\n"
      "h2 {font-size:13pt; color:#ff9900; font-family:\"宋体\", Verdana; font-weight:bold}\r\n"
      "h3 {font-size:12pt; color:#ff9900; font-family:\"宋体\", Arial; font-weight:bold}\r\n"
      "h4 {font-size:10pt; color:black; font-family:\"宋体\", Verdana; font-weight:bold}\r\n"
      "h5 {font-size:9pt; color:#ff9900; font-family:\"宋体\", Verdana; font-weight:bold}\r\n"
      "h6 {font-size:65%; color:#626262; font-family:\"宋体\", Verdana; font-weight:normal}\r\n"
      "pre {font-size:9pt; font-family:\"宋体\", \"Courier\"; background-color:#fbedbb}\r\n"
      "code {color:#990000; font-family:\"宋体\", Arial}\r\n"
      "a:link {text-decoration:none; color:blue}\r\n"
      "a:hover {text-decoration:underline; color:blue}\r\n"
      "sub {font-size:65%; vertical-align:bottom}\r\n"
      "sup {font-size:65%; vertical-align:top}\r\n"
      "big {font-size:125%}\r\n"
      "small {font-size:75%}\r\n"
      ".comment {color:green}\r\n";

} // namespace parvelo
