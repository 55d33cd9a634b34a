// Text operations the file readers use: Mid, Trim, Len, Val and Integer conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

/// The part of `text` from character `start` (counted from 1) for `length` characters;
/// shorter where the text ends first, empty where it ends before `start`.
std::string Mid(const std::string& text, int start, int length);

/// `text` without leading and trailing blanks.
std::string Trim(const std::string& text);

/// The number of characters of `text`.
int Len(const std::string& text);

/// The number formed by the longest leading part of `text` that reads as a decimal number
/// (optional sign, digits with at most one decimal point); blanks, tabs and line feeds are
/// ignored wherever they stand. 0 when the text begins with no such part.
double Val(const std::string& text);

/// `value` in decimal with zeros in front up to `width` digits: zero_padded(5, 3) is "005".
std::string zero_padded(long value, std::size_t width);

/// `value` rounded to a 16-bit Integer, halves to the even neighbour; nullopt on overflow.
std::optional<std::int16_t> to_integer(double value);
