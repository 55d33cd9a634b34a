// Whether a stream of the process is the one systemd connected to its journal.
#pragma once

/// True when the file descriptor `fd` is the stream that `journal_stream` names: the value
/// systemd gives a service in JOURNAL_STREAM when it connects its output to the journal, the
/// stream's device and inode numbers in decimal joined by a colon ("8:12345"). False when
/// `journal_stream` is null or malformed, and when `fd` is another file, such as a file the
/// service's standard error was redirected to, which inherits the variable all the same.
bool is_journal_stream(int fd, const char* journal_stream);

/// Whether standard error is the journal's stream, by the environment's JOURNAL_STREAM.
bool standard_error_is_journal();
