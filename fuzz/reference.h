// What every fuzz target shares: the check that stops the fuzzer on a broken property, and
// a plain line splitter to compare the program's readers with.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text_file.h"

/// Stops the run with `what` on standard error when `holds` is false; the fuzzer keeps the
/// input that did it.
inline void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

/// The lines of the first `TextFile::kReadBudget` bytes of `input`, each ended by CR, CR LF
/// or LF, the last one needing no end.
inline std::vector<std::string> reference_lines(const std::string& input) {
  const std::string text = input.substr(0, TextFile::kReadBudget);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
  }
  return lines;
}

/// The text form of the fuzzer's input.
inline std::string as_text(const unsigned char* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}
