// UTF-8 as every output reads the text it takes from files and folders.
#include "platform/utf8.h"

std::size_t decode_utf8(std::string_view text, std::size_t i, std::uint32_t* code_point) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  std::uint32_t value = 0;
  std::uint32_t smallest = 0;
  if (lead < 0x80) {
    *code_point = lead;
    return 1;
  } else if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2, value = lead & 0x1fU, smallest = 0x80;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3, value = lead & 0x0fU, smallest = 0x800;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4, value = lead & 0x07U, smallest = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(k) & 0xc0U) != 0x80) return 0;
    value = (value << 6) | (byte(k) & 0x3fU);
  }
  const bool surrogate = value >= 0xd800 && value <= 0xdfff;
  if (value < smallest || value > 0x10ffff || surrogate) return 0;
  *code_point = value;
  return length;
}

std::string valid_utf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  for_each_character(text, [&valid](std::string_view bytes, std::optional<std::uint32_t> c) {
    valid.append(c ? bytes : kReplacementCharacter);
  });
  return valid;
}
