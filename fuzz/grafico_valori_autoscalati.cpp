// The measurement files' value field: a family 4 station whose folder holds a few
// measurement files of fuzzed content. Every slot draws what its line 5 says: a red dot
// within the range the field allows (-999 to 9999) for a value, joined back by the rule of
// tenths of an hour; a green tick for "N/A"; nothing for "NO" or a file of fewer than five
// lines.
//
// The input is a sequence of files, each an hour byte, a minute byte, a two-byte length
// (little-endian) and that many bytes of content; the last file takes what is left.
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>

#include "chart/grafico_valori_autoscalati.h"
#include "fuzz/recorded.h"
#include "fuzz/reference.h"
#include "testsupport/chart_day.h"

namespace {

constexpr std::size_t kMaxFiles = 4;

using Slot = std::pair<int, int>;  // hour 0 to 23, minute 0 to 59

std::map<Slot, std::string> measurement_files(const std::uint8_t* data, std::size_t size) {
  std::map<Slot, std::string> files;
  std::size_t at = 0;
  while (files.size() < kMaxFiles && size - at >= 4) {
    const Slot slot{data[at] % 24, data[at + 1] % 60};
    const std::size_t length =
        std::min<std::size_t>(data[at + 2] | data[at + 3] << 8, size - at - 4);
    files[slot] = as_text(data + at + 4, length);
    at += 4 + length;
  }
  return files;
}

std::string file_name(const Slot& slot) {
  char name[64];
  std::snprintf(name, sizeof name, "/station/data/RM041_2009195%02d%02d00.TXT", slot.first,
                slot.second);
  return name;
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The digits of a right-aligned field such as " 2.95" or "10.50", as hundredths; -1 for a
// field of another form.
int well_formed_value(const std::string& field) {
  if (field.size() != 5 || field[2] != '.' || !is_digit(field[1]) || !is_digit(field[3]) ||
      !is_digit(field[4]) || !(field[0] == ' ' || is_digit(field[0]))) {
    return -1;
  }
  const int tens = field[0] == ' ' ? 0 : field[0] - '0';
  return 1000 * tens + 100 * (field[1] - '0') + 10 * (field[3] - '0') + (field[4] - '0');
}

// Walks the slots of the day in the order they are tried, matching each measurement file
// with the operations it must have drawn.
class Expectation {
 public:
  explicit Expectation(const std::vector<Recorded>& operations) : operations_(operations) {}

  void slot(const Slot& slot, const std::string& content) {
    const std::vector<std::string> lines = reference_lines(content);
    if (lines.size() < 5) return;
    const std::string field = lines[4].size() >= 16 ? lines[4].substr(15, 5) : "";
    const std::string t = trimmed(field);
    if (t == "NO") return;
    const int x = 10 * slot.first + (slot.second + 2) / 6;
    if (t == "N/A") {
      const Recorded& tick = next();
      require(tick.kind == "Line" && tick.colour == "green" &&
                  tick.numbers == std::vector<double>{double(x), 251, double(x), 259},
              "an N/A is not a green tick at its minute");
      return;
    }
    const Recorded& dot = next();
    require(dot.kind == "Circle" && dot.colour == "red" && dot.numbers.size() == 3 &&
                dot.numbers[0] == x && dot.numbers[2] == 2,
            "a measured value is not a red dot at its minute");
    const double y = dot.numbers[1];
    require(y >= -999 && y <= 9999, "a measured value out of -999 to 9999");
    const int digits = well_formed_value(field);
    if (digits >= 0) require(y == digits, "a well-formed measured value is misread");
    if ((x == x_last_ + 2 || x == x_last_ + 3) && value_last_ != 0) {
      const Recorded& join = next();
      require(join.kind == "Line" && join.colour == "red" &&
                  join.numbers ==
                      std::vector<double>{double(x), y, double(x_last_), double(value_last_)},
              "a close measurement is not joined to the one before");
    }
    x_last_ = x;
    value_last_ = static_cast<int>(std::nearbyint(y));
  }

  void end() const { require(next_ == operations_.size(), "something more is drawn"); }

 private:
  const Recorded& next() {
    require(next_ < operations_.size(), "a measurement is not drawn");
    return operations_[next_++];
  }

  const std::vector<Recorded>& operations_;
  std::size_t next_ = 0;
  int x_last_ = 0;
  int value_last_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::map<Slot, std::string> files = measurement_files(data, size);
  ChartDay window;
  window.files.files["/station/data/AAA_station.TXT"] = "Rome (fuzzed measurements)\r\n";
  for (const auto& [slot, content] : files) window.files.files[file_name(slot)] = content;
  grafico_valori_autoscalati(window.surface, window.read());

  const std::vector<Recorded> operations = drawn(window.surface.operations);
  Expectation expectation(operations);
  // Minute 00 is tried last in its hour, after minute 59.
  for (int hour = 0; hour <= 23; ++hour) {
    for (int minute_index = 1; minute_index <= 60; ++minute_index) {
      const auto found = files.find({hour, minute_index % 60});
      if (found != files.end()) expectation.slot(found->first, found->second);
    }
  }
  expectation.end();
  return 0;
}
