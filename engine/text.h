#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between field texts (UTF-8) and numbers. Every digit the user sees
// comes from here, so all of them are locale-independent and never fail.
namespace parvelo {

// Longest numeric prefix after width folding and leading blanks; 0 when there is none.
double text_to_number(std::string_view text);

// "%.13g"-style layout of the 17-digit form rounded by its 14th digit alone.
std::string number_to_text(double value);

std::string integer_to_text(std::int32_t value);

// Truncation with a tolerance just below whole numbers, wrapping to 32 bits.
std::int32_t number_to_integer(double value);

// Plain truncation, wrapping to 32 bits.
std::int32_t truncate_to_integer(double value);

// Length in GBK bytes: 1 per ASCII character, 2 per other character.
std::int32_t text_length(std::string_view text);

// Byte length of the UTF-8 sequence starting at text[pos]; 1 for a malformed or cut one.
std::size_t utf8_char_length(std::string_view text, std::size_t pos);

} // namespace parvelo
