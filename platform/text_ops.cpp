// Text operations the file readers use: Mid, Trim, Len, Val and Integer conversion.
#include "platform/text_ops.h"

#include <charconv>
#include <cmath>

std::string Mid(const std::string& text, int start, int length) {
  if (start < 1 || length <= 0 || static_cast<std::size_t>(start) > text.size()) return "";
  return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

int Len(const std::string& text) { return static_cast<int>(text.size()); }

namespace {

bool ignored_by_val(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double Val(const std::string& text) {
  // Gather the number's characters first, so that blanks inside it ("3 1" reads as 31)
  // do not end it; then one conversion reads the gathered text.
  std::string number;
  bool seen_point = false;
  for (char c : text) {
    if (ignored_by_val(c)) continue;
    if ((c == '+' || c == '-') && number.empty()) {
      number += c;
    } else if (is_digit(c)) {
      number += c;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
      number += c;
    } else {
      break;
    }
  }
  if (!number.empty() && number.front() == '+') number.erase(0, 1);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc()) return 0.0;
  return value;
}

std::string zero_padded(long value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::optional<std::int16_t> to_integer(double value) {
  if (std::isnan(value)) return std::nullopt;
  // nearbyint under the default rounding mode rounds halves to the even neighbour.
  const double rounded = std::nearbyint(value);
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}
