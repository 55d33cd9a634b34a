// Sequential text input: one line at a time, as the settings and data files are read.
#include "run/text_file.h"

#include <utility>

TextFile::TextFile(std::unique_ptr<std::istream> input) : input_(std::move(input)) {}

bool TextFile::ReadLine(std::string* line) {
  std::streambuf* buffer = input_->rdbuf();
  using Traits = std::char_traits<char>;
  if (Traits::eq_int_type(buffer->sgetc(), Traits::eof())) return false;

  std::string read;
  for (auto c = buffer->sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = buffer->sbumpc()) {
    const char ch = Traits::to_char_type(c);
    if (ch == '\n') break;
    if (ch == '\r') {
      if (Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('\n'))) buffer->sbumpc();
      break;
    }
    if (read.size() < kMaxLineLength) read += ch;
  }
  *line = std::move(read);
  return true;
}
