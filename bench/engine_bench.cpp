// Conversions beside their C library counterparts on the same inputs, and one whole
// estimate run against an in-memory set of fields.
#include "estimate.h"
#include "presets.h"
#include "text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

using namespace parvelo;

const std::array<double, 8> numbers
    = {9.76, 22.5, 13234.4, 1.0 / 3, 10 / 0.304, 4.035028, 1234567890122.5, 0.00001234};
const std::array<const char *, 8> texts
    = {"5", "3.75", "13234.4", "0.3333333333333", "32.89473684211", "4.035028", "1e+015", "-.8"};

void NumberToText(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = number_to_text(numbers[i++ % numbers.size()]);
        benchmark::DoNotOptimize(text.data());
    }
}

void Snprintf13g(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.13g", numbers[i++ % numbers.size()]);
        std::string text = buf; // the same work of handing out a string
        benchmark::DoNotOptimize(text.data());
    }
}

void TextToNumber(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(text_to_number(texts[i++ % texts.size()]));
}

void Strtod(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(std::strtod(texts[i++ % texts.size()], nullptr));
}

class MapFields : public Fields
{
public:
    std::string read(std::string_view name) const override
    {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
    void write(std::string_view name, std::string_view text) override
    {
        if (const auto it = texts.find(name); it != texts.end())
            it->second.assign(text);
        else
            texts.emplace(name, text);
    }

    struct Hash
    {
        using is_transparent = void;
        // Field names are short and differ early: their first bytes and length will do.
        std::size_t operator()(std::string_view s) const
        {
            std::uint64_t head = 0;
            std::memcpy(&head, s.data(), std::min<std::size_t>(s.size(), sizeof head));
            return (head ^ (head >> 29) ^ s.size()) * 0x9E3779B97F4A7C15ull;
        }
    };
    std::unordered_map<std::string, std::string, Hash, std::equal_to<>> texts;
};

void ComputeEstimate(benchmark::State &state)
{
    MapFields fields;
    fields.texts = {{"长", "5"},        {"高", "2"},        {"板单价", "60"},    {"控制卡", "300"},
                    {"电源单价", "80"}, {"边框单价", "10"}, {"其它费用", "200"}, {"报价", "3000"}};
    const BoardPreset &preset = *find_preset("按钮1");
    for (auto _ : state) {
        compute_estimate(preset, fields);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(NumberToText);
BENCHMARK(Snprintf13g);
BENCHMARK(TextToNumber);
BENCHMARK(Strtod);
BENCHMARK(ComputeEstimate);

BENCHMARK_MAIN();
