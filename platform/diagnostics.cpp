// The program's messages, and the escaping of what they quote from files and folders.
#include "platform/diagnostics.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

// The length of the UTF-8 sequence starting at `text[i]` and its code point; 0 when the
// bytes there are no valid, shortest-form sequence.
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

// Code points that move the cursor, clear the screen or reorder the text around them.
bool acts_on_display(std::uint32_t c) {
  return c < 0x20 || (c >= 0x7f && c <= 0x9f) || (c >= 0x200e && c <= 0x200f) ||
         (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

std::string escape_of(std::uint32_t c, const char* format) {
  switch (c) {
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      break;
  }
  char text[16];
  std::snprintf(text, sizeof text, format, static_cast<unsigned>(c));
  return text;
}

}  // namespace

std::string escaped(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::uint32_t c = 0;
    const std::size_t length = decode_utf8(text, i, &c);
    if (length == 0) {
      shown += escape_of(static_cast<unsigned char>(text[i]), "\\x%02x");
      ++i;
      continue;
    }
    if (!acts_on_display(c)) {
      shown.append(text.substr(i, length));
    } else {
      shown += escape_of(c, length == 1 ? "\\x%02x" : "\\u%04x");
    }
    i += length;
  }
  return shown;
}

namespace {

// Syslog priorities in the form the journal reads at the start of a line of a service's output.
constexpr std::string_view kErrorPriority = "<3>";
constexpr std::string_view kWarningPriority = "<4>";
constexpr std::string_view kInformationPriority = "<6>";

// Carriage return, then erase to the end of the line: the cursor at the start of an empty line.
constexpr std::string_view kClearLine = "\r\x1b[K";

// A message as the program's own line: its name, the kind of message, the message escaped.
std::string named(std::string_view kind, std::string_view message) {
  std::string line(kProgramName);
  line += ": ";
  line += kind;
  line += escaped(message);
  return line;
}

}  // namespace

void Diagnostics::Warning(std::string_view message) {
  Write(kWarningPriority, named("warning: ", message));
}

void Diagnostics::Error(std::string_view message) { Write(kErrorPriority, named("", message)); }

void Diagnostics::Hint(std::string_view line) { Write(kInformationPriority, escaped(line)); }

void Diagnostics::UsageError(std::string_view message) {
  Error(message);
  Hint("Try '" + std::string(kProgramName) + " --help' for more information.");
}

void Diagnostics::WarningOnce(const std::string& key, std::string_view message) {
  bool first = false;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    first = given_.insert(key).second;
  }
  if (first) Warning(message);
}

void Diagnostics::Progress(std::string_view status) {
  if (shown_ != Shown::terminal) return;
  const std::lock_guard<std::mutex> lock(mutex_);
  out_ << kClearLine << kProgramName << ": " << escaped(status) << std::flush;
  progress_shown_ = true;
}

void Diagnostics::EndProgress() {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!progress_shown_) return;
  out_ << '\n' << std::flush;
  progress_shown_ = false;
}

void Diagnostics::Write(std::string_view priority, const std::string& text) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (progress_shown_) {
    out_ << kClearLine;
    progress_shown_ = false;
  }
  std::string line;
  if (shown_ == Shown::journal) line = priority;
  line += text;
  line += '\n';
  out_ << line << std::flush;
}
