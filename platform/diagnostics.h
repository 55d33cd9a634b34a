// The program's messages about a run: one line each, its name first, every character that
// could act on a terminal or a log shown as a visible escape.
#pragma once

#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

/// The name every message begins with.
inline constexpr std::string_view kProgramName = "kurvo_M3000F2";

/// `text` safe to print on one line: C0 controls, DEL, C1 controls (as bytes or encoded),
/// the Unicode bidirectional controls and every byte that is not part of valid UTF-8 are
/// shown as "\n", "\t", "\x1b", "\xff" or "\u202e"; everything else is kept as it is.
std::string escaped(std::string_view text);

/// Writes warnings and errors to one stream, as "kurvo_M3000F2: warning: <message>" and
/// "kurvo_M3000F2: <message>", each escaped as a whole and ended with a line feed. On a
/// terminal it can also show a progress line, rewritten in place; on the stream the journal
/// reads, each line begins with its priority. Safe to call from several threads: each
/// message is written whole.
class Diagnostics {
 public:
  /// Where the stream `out` is shown.
  enum class Shown {
    elsewhere,  // a file, a pipe: plain lines
    terminal,   // a progress line can be rewritten in place
    journal,    // systemd's journal: each line begins with its syslog priority, "<3>" for an
                // error, "<4>" for a warning and "<6>" for a hint, which the journal keeps as
                // the message's priority and strips from its text
  };

  explicit Diagnostics(std::ostream& out, Shown shown = Shown::elsewhere)
      : out_(out), shown_(shown) {}

  void Warning(std::string_view message);
  void Error(std::string_view message);
  /// A line of information that follows a message, such as where to read more, written
  /// escaped but without the program's name.
  void Hint(std::string_view line);

  /// An error in the command line, followed by the hint that points to --help.
  void UsageError(std::string_view message);

  /// A warning given at most once per run for each `key`, however often it is raised.
  void WarningOnce(const std::string& key, std::string_view message);

  /// On a terminal, shows "kurvo_M3000F2: <status>" as the progress line, in place of the one
  /// shown before; a warning or error clears it and is written above the next one. Nothing
  /// when the stream is not a terminal, where rewritten lines would only pile up in a log.
  void Progress(std::string_view status);

  /// Ends the progress line, if one is shown, leaving its last status on the screen.
  void EndProgress();

 private:
  // Writes `text` as one line, with `priority` before it on the journal's stream.
  void Write(std::string_view priority, const std::string& text);

  std::mutex mutex_;
  std::ostream& out_;
  Shown shown_;
  bool progress_shown_ = false;
  std::set<std::string> given_;
};
