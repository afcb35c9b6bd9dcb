#include "estimate.h"
#include "presets.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <string>
#include <vector>

using namespace parvelo;

namespace {

class MemoryFields : public Fields
{
public:
    MemoryFields(std::map<std::string, std::string, std::less<>> texts)
        : texts(std::move(texts))
    {}

    std::string read(std::string_view name) const override
    {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
    void write(std::string_view name, std::string_view text) override
    {
        texts.insert_or_assign(std::string(name), std::string(text));
        written.emplace_back(name);
    }

    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> written;
};

const BoardPreset &preset(std::string_view button)
{
    const BoardPreset *p = find_preset(button);
    EXPECT_NE(p, nullptr) << button;
    return *p;
}

const char *const result_order[] = {"板长",   "板高",   "整屏长", "整屏高", "整屏面积", "电源块数",
                                    "单元板", "边框长", "边框高", "成本",   "总价"};

TEST(Presets, ValuesAreExactlyTheTabledDoubles)
{
    struct Bits
    {
        std::string_view board_type;
        std::uint64_t width, height;
    };
    const Bits boards[] = {
        {"3.75", 0x3FD374BC6A7EF9DB, 0x3FC374BC6A7EF9DB},
        {"5.0", 0x3FDF3B645A1CAC08, 0x3FCF3B645A1CAC08},
        {"P10", 0x3FD47AE147AE147B, 0x3FC47AE147AE147B},
        {"P12.5", 0x3FD999999999999A, 0x3FC999999999999A},
        {"P16", 0x3FD0624DD2F1A9FC, 0x3FC0624DD2F1A9FC},
    };
    const std::map<std::string_view, std::uint64_t> frames = {
        {"3590", 0x3FB1EB851EB851EC}, {"4090", 0x3FB47AE147AE147B}, {"4590", 0x3FB70A3D70A3D70A}};

    ASSERT_EQ(board_presets().size(), 15u);
    for (const BoardPreset &p : board_presets()) {
        SCOPED_TRACE(p.button);
        EXPECT_EQ(find_preset(p.button), &p);
        EXPECT_TRUE(p.caption.starts_with(p.board_type));
        bool board_found = false;
        for (const Bits &b : boards) {
            if (b.board_type != p.board_type)
                continue;
            board_found = true;
            EXPECT_EQ(std::bit_cast<std::uint64_t>(p.board_width), b.width);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(p.board_height), b.height);
        }
        EXPECT_TRUE(board_found);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(p.frame_allowance), frames.at(p.frame_profile));
    }
    EXPECT_EQ(find_preset("按钮10"), nullptr);
    EXPECT_EQ(preset("按钮12").caption, "P12.5 4590 边框");
}

TEST(ComputeEstimate, EachPresetOnFiveByTwo)
{
    struct Case
    {
        const char *button;
        std::vector<std::string> results; // 板长 … 边框高, in step order
    };
    const Case cases[] = {
        {"按钮1", {"15", "12", "4.88", "2", "9.76", "22.5", "180", "4.8", "1.92"}},
        {"按钮2", {"15", "12", "4.87", "1.99", "9.6913", "22.5", "180", "4.8", "1.92"}},
        {"按钮3", {"15", "12", "4.89", "2.01", "9.8289", "22.5", "180", "4.8", "1.92"}},
        {"按钮4", {"10", "8", "4.96", "2.032", "10.07872", "10", "80", "4.88", "1.952"}},
        {"按钮5", {"10", "8", "4.97", "2.042", "10.14874", "10", "80", "4.88", "1.952"}},
        {"按钮6", {"10", "8", "4.95", "2.022", "10.0089", "10", "80", "4.88", "1.952"}},
        {"按钮7", {"16", "13", "4.944", "2.056", "10.164864", "26", "208", "4.864", "1.976"}},
        {"按钮8", {"16", "13", "4.954", "2.066", "10.234964", "26", "208", "4.864", "1.976"}},
        {"按钮9", {"16", "13", "4.934", "2.046", "10.094964", "26", "208", "4.864", "1.976"}},
        {"按钮11", {"12", "10", "4.88", "2.08", "10.1504", "15", "120", "4.8", "2"}},
        {"按钮12", {"12", "10", "4.89", "2.09", "10.2201", "15", "120", "4.8", "2"}},
        {"按钮13", {"12", "10", "4.87", "2.07", "10.0809", "15", "120", "4.8", "2"}},
        {"按钮14", {"19", "15", "4.944", "2", "9.888", "35.625", "285", "4.864", "1.92"}},
        {"按钮15", {"19", "15", "4.954", "2.01", "9.95754", "35.625", "285", "4.864", "1.92"}},
        {"按钮16", {"19", "15", "4.934", "1.99", "9.81866", "35.625", "285", "4.864", "1.92"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        MemoryFields fields({{"长", "5"}, {"高", "2"}});
        compute_estimate(preset(c.button), fields);
        for (std::size_t i = 0; i < c.results.size(); ++i)
            EXPECT_EQ(fields.read(result_order[i]), c.results[i]) << result_order[i];
        EXPECT_EQ(fields.read("成本"), "0");
        EXPECT_EQ(fields.read("总价"), "0");
        // All eleven results, in step order, and no input is touched.
        EXPECT_EQ(fields.written,
                  std::vector<std::string>(std::begin(result_order), std::end(result_order)));
    }
}

TEST(ComputeEstimate, WorkedExamples)
{
    for (const fakes::WorkedExample &example : fakes::worked_examples) {
        SCOPED_TRACE(example.button);
        MemoryFields fields({example.inputs.begin(), example.inputs.end()});
        compute_estimate(preset(example.button), fields);
        for (const auto &[name, text] : example.results)
            EXPECT_EQ(fields.read(name), text) << name;
    }
}

TEST(ComputeEstimate, Edges)
{
    using Texts = std::map<std::string, std::string, std::less<>>;
    struct Case
    {
        const char *what;
        const char *button;
        Texts inputs;
        Texts expected;
    };
    const Case cases[] = {
        // A whole multiple of the board width counts every board.
        {"1.2 on P12.5", "按钮11", {{"长", "1.2"}}, {{"板长", "3"}, {"边框长", "1.2"}}},
        {"4.56 on 3.75", "按钮7", {{"长", "4.56"}}, {{"板长", "15"}}},
        {"9.28 on P10", "按钮1", {{"长", "9.28"}}, {{"板长", "29"}}},
        {"shorter than a board",
         "按钮1",
         {{"长", "0.3"}, {"高", "2"}},
         {{"板长", "0"}, {"边框长", "0"}, {"整屏长", "0.08"}, {"单元板", "0"}}},
        {"empty length",
         "按钮1",
         {{"高", "2"}},
         {{"板长", "0"}, {"整屏长", "0.08"}, {"单元板", "0"}, {"电源块数", "0"}}},
        {".8 means 0.8 m",
         "按钮1",
         {{"长", ".8"}, {"高", "2"}},
         {{"板长", "2"}, {"整屏长", "0.72"}, {"单元板", "24"}, {"电源块数", "3"}}},
        {"negative length", "按钮1", {{"长", "-5"}}, {{"板长", "-15"}, {"整屏长", "-4.72"}}},
        {"units and blanks around the numbers",
         "按钮1",
         {{"长", "  5米"}, {"高", "２ "}, {"报价", "3000元"}},
         {{"板长", "15"}, {"板高", "12"}, {"总价", "29280"}}},
        // The area is 8.7024999999999988 as computed; the total multiplies the displayed
        // 8.7025, which gives ...273 where the computed area would give ...272.
        {"area read back as displayed",
         "按钮2",
         {{"长", "3"}, {"高", "3"}, {"报价", "123456.789"}},
         {{"整屏面积", "8.7025"}, {"总价", "1074382.706273"}}},
        // Stale or hand-edited results have no effect.
        {"old results ignored",
         "按钮1",
         {{"长", "5"},
          {"高", "2"},
          {"板长", "999"},
          {"单元板", "abc"},
          {"整屏面积", "1e9"},
          {"报价", "1"}},
         {{"板长", "15"}, {"单元板", "180"}, {"总价", "9.76"}}},
        // The count leaves the Integer range and wraps; the run still completes.
        {"count wraps",
         "按钮11",
         {{"长", "1200000000"}, {"高", "0.2"}},
         {{"板长", "-1294967296"}, {"板高", "1"}, {"单元板", "-1294967296"}}},
        {"infinite length",
         "按钮1",
         {{"长", "1e400"}, {"高", "2"}, {"报价", "1"}},
         {{"板长", "0"}, {"整屏长", "0.08"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        MemoryFields fields(c.inputs);
        compute_estimate(preset(c.button), fields);
        for (const auto &[name, text] : c.expected)
            EXPECT_EQ(fields.read(name), text) << name;
        for (const auto &[name, text] : c.inputs)
            if (std::find(std::begin(result_order), std::end(result_order), name)
                == std::end(result_order)) {
                EXPECT_EQ(fields.read(name), text) << "input " << name << " was changed";
            }
    }
}

// A field that shows something other than what was written: every later step must
// work with what the field shows.
class RewritingFields : public MemoryFields
{
public:
    using MemoryFields::MemoryFields;
    void write(std::string_view name, std::string_view text) override
    {
        const auto shown = shows.find(name);
        MemoryFields::write(name, shown == shows.end() ? text : shown->second);
    }
    std::map<std::string, std::string, std::less<>> shows;
};

TEST(ComputeEstimate, LaterStepsReadResultsBackFromTheirFields)
{
    RewritingFields fields({{"长", "5"},
                            {"高", "2"},
                            {"板单价", "1"},
                            {"电源单价", "1000"},
                            {"边框单价", "1"},
                            {"报价", "10"}});
    fields.shows = {{"板长", "4"}, {"电源块数", "0.5"}, {"边框长", "100"}, {"整屏面积", "7"}};
    compute_estimate(preset("按钮1"), fields);
    EXPECT_EQ(fields.read("单元板"), "48");   // 4 x 12
    EXPECT_EQ(fields.read("成本"), "751.84"); // 48 + 500 + 200 + 3.84
    EXPECT_EQ(fields.read("总价"), "70");
    // The screen length comes from 长 itself, not from the 板长 field.
    EXPECT_EQ(fields.read("整屏长"), "4.88");
}

} // namespace
