// The forecast value line: whatever the file holds, the curve is 24 white dots at the hour
// positions joined in order, each value is what a five-character field can give (a sign or
// units digit and two decimals read as hundredths: -99 to 999), a missing field gives 0
// and a well-formed field gives its digits.
#include <algorithm>
#include <cstdint>

#include "chart/grafico_previsione.h"
#include "fuzz/recorded.h"
#include "fuzz/reference.h"
#include "testsupport/chart_day.h"

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The value line as the procedure picks it: line 3, or the last line of a shorter file.
std::string value_line(const std::vector<std::string>& lines) {
  if (lines.empty()) return "";
  return lines[std::min<std::size_t>(lines.size(), 3) - 1];
}

// Checks the value of field k (1 to 24) of `line` against its five characters.
void check_field(const std::string& line, int k, double y) {
  require(y >= -99 && y <= 999 && y == static_cast<int>(y), "a forecast value out of -99 to 999");
  const std::size_t units = static_cast<std::size_t>(5 * k - 4);  // 0-based column of the units
  if (line.size() <= units) {
    require(y == 0, "a missing forecast field is not 0");
    return;
  }
  if (line.size() >= units + 4 && is_digit(line[units]) && is_digit(line[units + 2]) &&
      is_digit(line[units + 3])) {
    const int digits =
        100 * (line[units] - '0') + 10 * (line[units + 2] - '0') + (line[units + 3] - '0');
    require(y == digits, "a well-formed forecast field is misread");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = as_text(data, size);
  ChartDay window;
  window.files.files["/station/fc/072009.txt"] = text;
  grafico_previsione(window.surface, window.read());

  const std::string line = value_line(reference_lines(text));
  const std::vector<Recorded> operations = drawn(window.surface.operations);
  require(operations.size() == 24 + 23, "the curve is not 24 dots and 23 lines");
  std::size_t next = 0;
  const Recorded* before = nullptr;
  for (int k = 1; k <= 24; ++k) {
    const Recorded& dot = operations[next++];
    require(dot.kind == "Circle" && dot.colour == "white" && dot.numbers.size() == 3,
            "a forecast point is not a white dot");
    require(dot.numbers[0] == 10 * (k - 1), "a forecast dot is off its hour");
    check_field(line, k, dot.numbers[1]);
    if (before != nullptr) {
      const Recorded& join = operations[next++];
      require(join.kind == "Line" && join.colour == "white" &&
                  join.numbers == std::vector<double>{before->numbers[0], before->numbers[1],
                                                      dot.numbers[0], dot.numbers[1]},
              "a forecast line does not join two neighbouring dots");
    }
    before = &dot;
  }
  return 0;
}
