#include "text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

using namespace parvelo;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(TextToNumber, ReadsTheLongestNumericPrefix)
{
    struct Case
    {
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {"", 0},
        {"3.75", 3.75},
        {" 3.75 ", 3.75},
        {"\t\n\v\f\r 7", 7}, // every leading blank is skipped
        {".8", 0.8},
        {"8.", 8},
        {"+.8", 0.8},
        {"-.8", -0.8},
        {"00012", 12},
        {"１２．５", 12.5}, // full-width digits and point
        {"－１．５", -1.5},
        {"　３", 3}, // ideographic space is a blank
        {"＋３ｅ２", 300},
        {"３ｄ２", 300},
        {"３。７５", 3}, // the Chinese full stop is not folded
        {"3.75米", 3.75},
        {"12abc", 12},
        {"1,000", 1},
        {"1 000", 1},
        {"1.5.3", 1.5},
        {"abc", 0},
        {".", 0},
        {"+", 0},
        {"-", 0},
        {"- 5", 0}, // a blank between sign and digits ends it
        {"0x10", 0},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"1d3", 1000},
        {"1D3", 1000},
        {"2.5e-1", 0.25},
        {"1e", 1},
        {"1e+", 1},
        {"1ex", 1},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0},
        {"0.0000001e-400", 0},
        {"1e99999999999999999999", inf}, // the exponent saturates
        {"0e99999999999999999999", 0},
        {"123456789012345e-22", 1.23456789012345e-8}, // exact mantissa and power of ten
        {"1e22", 1e22},
        {"1e23", 1e23},                           // beyond the exact powers of ten
        {"9007199254740993", 9007199254740992.0}, // 2^53 + 1 ties to even
        {"0.000000000000000000000000001", 1e-27},
        {"inf", 0},
        {"nan", 0},
        {"\xff\xfe 12", 0}, // invalid UTF-8 is not a number
        {"\xe3\x80", 0},    // cut-off sequence
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(text_to_number(c.text)),
                  std::bit_cast<std::uint64_t>(c.expected));
    }
}

TEST(TextToNumber, HugeInputsConvertWithoutFailing)
{
    const std::string digits(1 << 20, '9');
    EXPECT_EQ(text_to_number(digits), inf);
    EXPECT_EQ(text_to_number("0." + std::string(1 << 20, '0') + "1"), 0.0);
    std::string wide;
    for (int i = 0; i < 100000; ++i)
        wide += "１";
    EXPECT_EQ(text_to_number(wide), inf);
    EXPECT_EQ(text_to_number(std::string(1 << 20, '\x80')), 0.0);
}

TEST(NumberToText, WritesThe13DigitForm)
{
    struct Case
    {
        double value;
        std::string expected;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {2, "2"},
        {22.5, "22.5"},
        {-4.72, "-4.72"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.3333333333333"},
        {2.0 / 3, "0.6666666666667"},
        {100.0 / 3, "33.33333333333"},
        {10 / 0.304, "32.89473684211"},
        {1.2 / 0.4, "3"},
        {123456789.123, "123456789.123"},
        {1234567890123.4, "1234567890123"},
        {9999999999999, "9999999999999"},
        {9999999999999.5, "1e+013"}, // the carry raises the exponent
        {12345678901234, "1.234567890123e+013"},
        {1e15, "1e+015"},
        {1e100, "1e+100"},
        {0.0001, "0.0001"},
        {0.00012345678901234, "0.0001234567890123"},
        {0.00001, "1e-005"},
        {0.00001234, "1.234e-005"},
        {9.9999999999995, "10"},
        {1234567890122.5, "1234567890123"},  // an exact 5 rounds up
        {437.89328694845, "437.8932869485"}, // decided by the 17-digit form
        {std::numeric_limits<double>::max(), "1.797693134862e+308"},
        {std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
        {inf, "1.#INF"},
        {-inf, "-1.#INF"},
        {nan, "-1.#IND"},
        {-nan, "-1.#IND"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(number_to_text(c.value), c.expected);
    }
}

TEST(IntegerConversions, TruncateAndWrap)
{
    struct Case
    {
        double value;
        std::int32_t with_tolerance; // number_to_integer
        std::int32_t truncated;      // truncate_to_integer
    };
    const Case cases[] = {
        {2.5, 2, 2},
        {-2.5, -2, -2},
        {-15.625, -15, -15},
        {2.99999999999, 2, 2},
        {2.9999999999995, 3, 2}, // within the tolerance of 3
        {1.2 / 0.4, 3, 2},
        {4.56 / 0.304, 15, 14},
        {9.28 / 0.32, 29, 28},
        {0.9999999999995, 1, 0},
        {-0.9999999999995, -1, 0},
        {-2.9999999999995, -3, -2},
        {-7.9, -7, -7},
        {2147483648.0, -2147483647 - 1, -2147483647 - 1},
        {3000000000.0, -1294967296, -1294967296},
        {-3000000000.0, 1294967296, 1294967296},
        {4294967301.0, 5, 5},
        {9223372036854774784.0, -1024, -1024}, // just below 2^63 still wraps
        {9223372036854775808.0, 0, 0},         // 2^63
        {1e19, 0, 0},
        {inf, 0, 0},
        {-inf, 0, 0},
        {nan, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(number_to_integer(c.value), c.with_tolerance);
        EXPECT_EQ(truncate_to_integer(c.value), c.truncated);
    }
    // Equality with the tolerance does not count.
    EXPECT_EQ(number_to_integer(0.999999999999), 0);
}

TEST(IntegerToTextAndLength, Basics)
{
    EXPECT_EQ(integer_to_text(0), "0");
    EXPECT_EQ(integer_to_text(-15), "-15");
    EXPECT_EQ(integer_to_text(-2147483647 - 1), "-2147483648");

    struct Case
    {
        std::string text;
        std::int32_t bytes;
    };
    const Case cases[] = {
        {"", 0},     {"屏长(米):", 9}, {"QQ客服在线  ", 12}, {"性价比第一的控制卡 ", 19},
        {"\xff", 2}, // a stray byte counts as one double-byte character
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(text_length(c.text), c.bytes);
    }
}

TEST(Conversions, IgnoreTheProcessLocale)
{
    const char *found = nullptr;
    for (const char *name :
         {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "C.UTF-8", "German_Germany.1252"})
        if ((found = std::setlocale(LC_ALL, name)) && std::localeconv()->decimal_point[0] == ',')
            break;
    if (!found || std::localeconv()->decimal_point[0] != ',') {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const double value = text_to_number("12.5");
    const std::string text = number_to_text(22.5);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(value, 12.5);
    EXPECT_EQ(text, "22.5");
}

// The 13-digit form built independently: printf's 17 digits, rounded by the 14th
// digit, laid out by "%.13g" on the rounded decimal.
std::string reference_text(double v)
{
    char sci[64];
    std::snprintf(sci, sizeof sci, "%.16e", std::fabs(v));
    std::string digits = std::string(1, sci[0]) + std::string(sci + 2, 16);
    int exponent = std::atoi(sci + 19);
    std::string rounded = digits.substr(0, 13);
    if (digits[13] >= '5') {
        int k = 12;
        while (k >= 0 && rounded[k] == '9')
            rounded[k--] = '0';
        if (k < 0) {
            rounded = "1000000000000";
            ++exponent;
        } else {
            ++rounded[k];
        }
    }
    const std::string decimal
        = rounded.substr(0, 1) + "." + rounded.substr(1) + "e" + std::to_string(exponent);
    char out[64];
    std::snprintf(out, sizeof out, "%.13g", std::strtod(decimal.c_str(), nullptr));
    std::string text = out;
    // Three-digit exponents.
    if (const auto e = text.find('e'); e != std::string::npos) {
        const std::string magnitude = text.substr(e + 2);
        text = text.substr(0, e + 2) + std::string(3 - magnitude.size(), '0') + magnitude;
    }
    return v < 0 ? "-" + text : text;
}

TEST(Conversions, AgreeWithIndependentReferences)
{
    std::mt19937_64 random(20100529);
    std::uniform_int_distribution<int> exponent(-330, 310);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    for (int i = 0; i < 20000; ++i) {
        const double value = i % 2 ? std::bit_cast<double>(random())
                                   : mantissa(random) * std::pow(10.0, exponent(random));
        if (!std::isfinite(value) || value == 0)
            continue;
        SCOPED_TRACE(value);
        const std::string text = number_to_text(value);
        ASSERT_EQ(text, reference_text(value));

        // Parsing agrees with a correctly rounded reading of the same prefix.
        char longer[64];
        std::snprintf(longer, sizeof longer, "%.17g", value);
        const std::string input = std::string(longer) + "米";
        ASSERT_EQ(text_to_number(input), std::strtod(longer, nullptr));
        ASSERT_EQ(text_to_number(text), std::strtod(text.c_str(), nullptr));
    }
}

} // namespace
