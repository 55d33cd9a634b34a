// UTF-8 as every output reads the text it takes from files and folders: one decoder, so that
// a message, an SVG, a page, a data file and the metrics agree on what is a character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// The length of the UTF-8 sequence that starts at `text[i]`, with its code point in
/// `*code_point`; 0 when the bytes there are no valid sequence: a stray continuation byte,
/// a sequence cut short, an overlong form, a surrogate or a value above U+10FFFF.
std::size_t decode_utf8(std::string_view text, std::size_t i, std::uint32_t* code_point);

/// Calls `visit(bytes, code_point)` for each character of `text` in order, `bytes` being its
/// encoding, and `visit(byte, std::nullopt)` for each byte that begins no valid sequence, the
/// text being read on from the byte after it.
template <typename Visit>
void for_each_character(std::string_view text, Visit visit) {
  for (std::size_t i = 0; i < text.size();) {
    std::uint32_t code_point = 0;
    const std::size_t length = decode_utf8(text, i, &code_point);
    if (length == 0) {
      visit(text.substr(i, 1), std::optional<std::uint32_t>());
      ++i;
    } else {
      visit(text.substr(i, length), std::optional<std::uint32_t>(code_point));
      i += length;
    }
  }
}

/// `text` with every byte that begins no valid sequence replaced by U+FFFD, one for each
/// such byte; valid text is returned unchanged.
std::string valid_utf8(std::string_view text);

/// The replacement character U+FFFD, encoded.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
