#include "text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <cmath>
#include <limits>
#include <system_error>

namespace parvelo {

namespace {

struct Decoded
{
    char32_t code; // U+FFFD for a malformed sequence
    std::size_t length;
};

Decoded decode_utf8(std::string_view s, std::size_t pos)
{
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80)
        return {b0, 1};
    std::size_t len = 0;
    char32_t code = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2, code = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3, code = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4, code = b0 & 0x07, min = 0x10000;
    } else {
        return {0xFFFD, 1};
    }
    if (pos + len > s.size())
        return {0xFFFD, 1};
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80)
            return {0xFFFD, 1};
        code = (code << 6) | (b & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {0xFFFD, 1};
    return {code, len};
}

// The ASCII character a full-width character stands for; 0 when it is not folded.
char fold_width(char32_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E && c != 0xFF04)
        return static_cast<char>(c - 0xFEE0);
    switch (c) {
    case 0x3000:
        return ' ';
    case 0xFFE5:
        return '$';
    case 0xFFE3:
        return '~';
    case 0x2605:
    case 0x2606:
        return '*';
    default:
        return 0;
    }
}

bool has_high_byte(std::string_view s)
{
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

// Each character folded to ASCII; characters that stay wide become one byte that
// no number can contain, which is all the parser needs to know of them.
std::string fold_for_parsing(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const Decoded d = decode_utf8(s, i);
        if (d.code < 0x80)
            out += static_cast<char>(d.code);
        else if (const char folded = fold_width(d.code))
            out += folded;
        else
            out += '\x80';
        i += d.length;
    }
    return out;
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool is_blank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

double parse_ascii(std::string_view s)
{
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n && is_blank(s[i]))
        ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';

    const std::size_t mantissa_begin = i;
    std::size_t digits = 0;
    std::size_t point = std::string_view::npos;
    std::uint64_t mantissa = 0; // the first 19 significant digits
    int significant = 0;
    int fraction_digits = 0;
    for (; i < n; ++i) {
        if (is_digit(s[i])) {
            ++digits;
            if (point != std::string_view::npos)
                ++fraction_digits;
            if ((significant > 0 || s[i] != '0') && ++significant <= 19)
                mantissa = mantissa * 10 + static_cast<unsigned>(s[i] - '0');
        } else if (s[i] == '.' && point == std::string_view::npos) {
            point = i;
        } else {
            break;
        }
    }
    if (digits == 0)
        return 0.0;
    const std::size_t mantissa_end = i;

    // An exponent belongs to the number only when digits follow its letter and sign.
    std::size_t end = mantissa_end;
    bool d_exponent = false;
    long long exponent = 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        bool exponent_negative = false;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            exponent_negative = s[j++] == '-';
        const std::size_t exponent_digits = j;
        for (; j < n && is_digit(s[j]); ++j)
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (s[j] - '0');
        if (j > exponent_digits) {
            end = j;
            d_exponent = s[i] == 'd' || s[i] == 'D';
            if (exponent_negative)
                exponent = -exponent;
        }
    }

    // Exact mantissa and power of ten: one correctly rounded operation gives the answer.
    static constexpr double powers[]
        = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
           1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const long long scale = exponent - fraction_digits;
    if (significant <= 15 && scale >= -22 && scale <= 22) {
        const auto m = static_cast<double>(mantissa);
        const double value = scale < 0 ? m / powers[-scale] : m * powers[scale];
        return negative ? -value : value;
    }

    double value = 0.0;
    std::from_chars_result result;
    if (d_exponent) {
        std::string copy(s.substr(mantissa_begin, end - mantissa_begin));
        copy[mantissa_end - mantissa_begin] = 'e';
        result = std::from_chars(copy.data(), copy.data() + copy.size(), value);
    } else {
        result = std::from_chars(s.data() + mantissa_begin, s.data() + end, value);
    }

    if (result.ec == std::errc::result_out_of_range) {
        // Out of range leaves no value: decide between overflow and underflow by the
        // decimal exponent of the first significant digit.
        if (point == std::string_view::npos)
            point = mantissa_end;
        std::size_t first = mantissa_begin;
        while (first < mantissa_end && (s[first] == '0' || s[first] == '.'))
            ++first;
        const long long position = first < point ? static_cast<long long>(point - first) - 1
                                                 : -static_cast<long long>(first - point);
        value = position + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::int32_t low_32_bits(double truncated)
{
    if (!(std::fabs(truncated) < 9223372036854775808.0)) // 2^63; NaN fails too
        return 0;
    const auto wide = static_cast<std::int64_t>(truncated);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

} // namespace

std::size_t utf8_char_length(std::string_view text, std::size_t pos)
{
    return decode_utf8(text, pos).length;
}

double text_to_number(std::string_view text)
{
    if (has_high_byte(text))
        return parse_ascii(fold_for_parsing(text));
    return parse_ascii(text);
}

std::string number_to_text(double value)
{
    if (std::isnan(value))
        return "-1.#IND";
    if (std::isinf(value))
        return value > 0 ? "1.#INF" : "-1.#INF";
    if (value == 0.0)
        return "0";

    // Digits d1..d17 and exponent X of v = d1.d2...d17 x 10^X.
    std::array<char, 17> digits;
    digits.fill('0');
    int exponent = 0;
    // Reads "d[.ddd]e±x": the digits into `digits`, the exponent; returns the digit count.
    const auto read_scientific = [&](const char *p, const char *end) {
        int count = 0;
        for (; p < end && *p != 'e'; ++p)
            if (*p != '.' && count < 17)
                digits[count++] = *p;
        const bool negative = p + 1 < end && p[1] == '-';
        exponent = 0;
        for (p += 2; p < end; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
        return count;
    };
    char sci[32];
    const double magnitude = std::fabs(value);
    const auto end
        = std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific).ptr;
    const int count = read_scientific(sci, end);
    // The shortest form of a normal number serves as the 17 correctly rounded digits do,
    // as far as the 14th. Up to 13 digits it is the answer itself: the 17-digit form lies
    // within a few units of its 17th digit, far from any boundary of the 14th-digit
    // rounding. From 15 digits on, no 14-digit decimal lies between it and the 17-digit
    // form: such a decimal would be within half an ulp of the number, so it would read
    // back as the number, and the shortest form would have 14 digits or fewer. A shortest
    // form of exactly 14 digits may have been rounded up at its 14th digit, and subnormals
    // have too few bits for the argument: those two take the 17 digits.
    if (count == 14 || magnitude < std::numeric_limits<double>::min()) {
        digits.fill('0');
        const auto exact
            = std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, 16)
                  .ptr;
        read_scientific(sci, exact);
    }
    if (digits[13] >= '5') {
        // Round to 13 digits by the 14th digit alone.
        int k = 12;
        for (; k >= 0 && digits[k] == '9'; --k)
            digits[k] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    int significant = 13;
    while (significant > 1 && digits[significant - 1] == '0')
        --significant;

    // Built on the stack: the longest form, "-d.dddddddddddde-ddd", has 20 characters.
    char out[24];
    char *p = out;
    if (value < 0)
        *p++ = '-';
    const auto put = [&p](const char *from, int count) {
        std::memcpy(p, from, static_cast<std::size_t>(count));
        p += count;
    };
    if (exponent < -4 || exponent >= 13) {
        *p++ = digits[0];
        if (significant > 1) {
            *p++ = '.';
            put(digits.data() + 1, significant - 1);
        }
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        *p++ = static_cast<char>('0' + magnitude / 100);
        *p++ = static_cast<char>('0' + magnitude / 10 % 10);
        *p++ = static_cast<char>('0' + magnitude % 10);
    } else if (exponent >= 0) {
        const int whole = exponent + 1;
        put(digits.data(), whole);
        if (significant > whole) {
            *p++ = '.';
            put(digits.data() + whole, significant - whole);
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int zeros = -exponent - 1; zeros > 0; --zeros)
            *p++ = '0';
        put(digits.data(), significant);
    }
    return std::string(out, p);
}

std::string integer_to_text(std::int32_t value)
{
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

std::int32_t number_to_integer(double value)
{
    if (!std::isfinite(value))
        return 0;
    // The double nearest to 0.999999999999; equality does not count.
    constexpr double tolerance = 0.999999999999;
    double whole = std::trunc(value);
    if (std::fabs(value - whole) > tolerance)
        whole += value > 0 ? 1.0 : -1.0;
    return low_32_bits(whole);
}

std::int32_t truncate_to_integer(double value)
{
    if (!std::isfinite(value))
        return 0;
    return low_32_bits(std::trunc(value));
}

std::int32_t text_length(std::string_view text)
{
    std::int32_t length = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t step = utf8_char_length(text, i);
        length += static_cast<unsigned char>(text[i]) < 0x80 ? 1 : 2;
        i += step;
    }
    return length;
}

} // namespace parvelo
