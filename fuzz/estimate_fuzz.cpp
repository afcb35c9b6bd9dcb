// compute_estimate over any field texts and any preset: it writes exactly the eleven
// result fields, once each, in their order, and never an input field.
#include "check.h"
#include "estimate.h"
#include "presets.h"

#include <array>
#include <map>
#include <vector>

namespace {

constexpr std::array<std::string_view, 8> inputs
    = {"长", "高", "板单价", "控制卡", "电源单价", "边框单价", "其它费用", "报价"};
constexpr std::array<std::string_view, 11> results
    = {"板长",   "板高",   "整屏长", "整屏高", "整屏面积", "电源块数",
       "单元板", "边框长", "边框高", "成本",   "总价"};

class RecordingFields final : public parvelo::Fields
{
public:
    std::string read(std::string_view name) const override
    {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
    void write(std::string_view name, std::string_view text) override
    {
        written.emplace_back(name);
        texts.insert_or_assign(std::string(name), std::string(text));
    }
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> written;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const auto presets = parvelo::board_presets();
    const parvelo::BoardPreset &preset = presets[data[0] % presets.size()];
    // The rest: the eight input texts, separated by NUL bytes.
    RecordingFields fields;
    std::string_view rest = text_of(data + 1, size - 1);
    for (const std::string_view name : inputs) {
        const std::size_t end = rest.find('\0');
        fields.texts.emplace(name, rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    const auto before = fields.texts;
    parvelo::compute_estimate(preset, fields);
    check(fields.written.size() == results.size(), "eleven writes");
    for (std::size_t i = 0; i < results.size(); ++i)
        check(fields.written[i] == results[i], "the results in their order");
    for (const std::string_view name : inputs)
        check(fields.read(name) == before.find(name)->second, "no input field is written");
    return 0;
}
