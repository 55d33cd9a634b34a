// Val and the Integer rounding: Val is finite, 0 for a text that begins with no number and
// signed as the number's sign says; the rounding is within half a unit, halves go to the
// even neighbour, and it fails exactly when the result would leave -32768 to 32767.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "fuzz/reference.h"
#include "platform/text_ops.h"

namespace {

// The text without the characters Val passes over wherever they stand.
std::string without_ignored(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') kept += c;
  }
  return kept;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` (ignored characters removed) begins with a sign or nothing, then a digit or
// a point followed by a digit.
bool begins_with_number(const std::string& text) {
  std::size_t at = text.size() > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (at < text.size() && text[at] == '.') ++at;
  return at < text.size() && is_digit(text[at]);
}

void check_val(const std::string& text) {
  const double value = Val(text);
  require(std::isfinite(value), "Val is not finite");
  const std::string kept = without_ignored(text);
  if (!begins_with_number(kept)) {
    require(value == 0.0, "Val of a text without a leading number is not 0");
  } else if (kept[0] == '-') {
    require(value <= 0.0, "Val of a negative number is positive");
  } else {
    require(value >= 0.0, "Val of a positive number is negative");
  }
}

void check_to_integer(double value) {
  const std::optional<std::int16_t> rounded = to_integer(value);
  // Halves go to the even neighbour: -32768.5 rounds to -32768, 32767.5 to 32768.
  const bool fits = value >= -32768.5 && value < 32767.5;
  require(rounded.has_value() == fits, "to_integer fails where it fits or fits where it fails");
  if (!rounded) return;
  const double error = std::fabs(static_cast<double>(*rounded) - value);
  require(error <= 0.5, "to_integer is more than half a unit off");
  if (error == 0.5) require(*rounded % 2 == 0, "to_integer rounds a half away from even");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = as_text(data, size);
  check_val(text);
  check_to_integer(Val(text));
  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    check_to_integer(value);
  }
  return 0;
}
