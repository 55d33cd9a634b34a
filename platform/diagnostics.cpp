// The program's messages, and the escaping of what they quote from files and folders.
#include "platform/diagnostics.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "platform/utf8.h"

namespace {

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

// A stray byte is shown as itself, "\xff", so that the name it belongs to can be found.
std::string escaped(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for_each_character(text, [&shown](std::string_view bytes, std::optional<std::uint32_t> c) {
    if (!c) {
      shown += escape_of(static_cast<unsigned char>(bytes.front()), "\\x%02x");
    } else if (acts_on_display(*c)) {
      shown += escape_of(*c, bytes.size() == 1 ? "\\x%02x" : "\\u%04x");
    } else {
      shown.append(bytes);
    }
  });
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
