// Reading back what a RecordingSurface recorded, for the targets that draw.
#pragma once

#include <sstream>
#include <string>
#include <vector>

/// One recorded drawing operation: its kind, its numbers and its colour.
struct Recorded {
  std::string kind;
  std::vector<double> numbers;
  std::string colour;
};

/// The operation recorded as `text`, e.g. "Circle 137 295 2 red".
inline Recorded parse_recorded(const std::string& text) {
  std::istringstream in(text);
  Recorded operation;
  in >> operation.kind;
  std::string word;
  while (in >> word) {
    std::istringstream number(word);
    double value;
    if (number >> value && number.eof()) {
      operation.numbers.push_back(value);
    } else {
      operation.colour = word;
    }
  }
  return operation;
}

/// The Circle and Line operations among `operations`, in order.
inline std::vector<Recorded> drawn(const std::vector<std::string>& operations) {
  std::vector<Recorded> found;
  for (const std::string& text : operations) {
    Recorded operation = parse_recorded(text);
    if (operation.kind == "Circle" || operation.kind == "Line") found.push_back(operation);
  }
  return found;
}
