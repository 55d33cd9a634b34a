// The program's messages about a run: one line each, its name first, every character that
// could act on a terminal or a log shown as a visible escape.
#pragma once

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
/// terminal it can also show a progress line, rewritten in place; on a stream the journal
/// reads, each line begins with its priority.
class Diagnostics {
 public:
  /// `terminal`: whether `out` is shown on a terminal, where a progress line can be rewritten.
  explicit Diagnostics(std::ostream& out, bool terminal = false) : out_(out), terminal_(terminal) {}

  /// Marks `out` as the stream the systemd journal reads: from then on every Diagnostics
  /// writing to it begins each line with the syslog priority of the line, "<3>" for an
  /// error, "<4>" for a warning and "<6>" for a hint, which the journal keeps as the
  /// message's priority and strips from its text. The mark stays with the stream, so it
  /// reaches every writer on it.
  static void MarkAsJournal(std::ostream& out);

  void Warning(std::string_view message);
  void Error(std::string_view message);
  /// A line of information that follows a message, such as where to read more, written
  /// escaped but without the program's name.
  void Hint(std::string_view line);

  /// A warning given at most once per run for each `key`, however often it is raised.
  void WarningOnce(const std::string& key, std::string_view message);

  /// On a terminal, shows "kurvo_M3000F2: <status>" as the progress line, in place of the one
  /// shown before; a warning or error clears it and is written above the next one. Nothing
  /// when the stream is not a terminal, where rewritten lines would only pile up in a log.
  void Progress(std::string_view status);

  /// Ends the progress line, if one is shown, leaving its last status on the screen.
  void EndProgress();

 private:
  void Write(std::string_view priority, const std::string& text);

  std::ostream& out_;
  bool terminal_;
  bool progress_shown_ = false;
  std::set<std::string> given_;
};
