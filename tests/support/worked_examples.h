#pragma once

#include <string>
#include <utility>
#include <vector>

namespace parvelo::fakes {

using FieldTexts = std::vector<std::pair<std::string, std::string>>;

// The two worked examples of the estimate: what is typed, the button pressed, and the
// eleven result texts.
struct WorkedExample
{
    const char *button;
    FieldTexts inputs;
    FieldTexts results;
};

inline const std::vector<WorkedExample> worked_examples = {
    {"按钮1", // P10 4090边框
     {{"长", "5"},
      {"高", "2"},
      {"板单价", "60"},
      {"控制卡", "300"},
      {"电源单价", "80"},
      {"边框单价", "10"},
      {"其它费用", "200"},
      {"报价", "3000"}},
     {{"板长", "15"},
      {"板高", "12"},
      {"整屏长", "4.88"},
      {"整屏高", "2"},
      {"整屏面积", "9.76"},
      {"电源块数", "22.5"},
      {"单元板", "180"},
      {"边框长", "4.8"},
      {"边框高", "1.92"},
      {"成本", "13234.4"},
      {"总价", "29280"}}},
    {"按钮9", // 3.75 3590边框
     {{"长", "3"},
      {"高", "1.5"},
      {"板单价", "45.5"},
      {"控制卡", "280"},
      {"电源单价", "75"},
      {"边框单价", "12"},
      {"其它费用", "150"},
      {"报价", "2600"}},
     {{"板长", "9"},
      {"板高", "9"},
      {"整屏长", "2.806"},
      {"整屏高", "1.438"},
      {"整屏面积", "4.035028"},
      {"电源块数", "10.125"},
      {"单元板", "81"},
      {"边框长", "2.736"},
      {"边框高", "1.368"},
      {"成本", "4973.371"},
      {"总价", "10491.0728"}}},
};

} // namespace parvelo::fakes
