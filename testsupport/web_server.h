// A web server for tests: nginx serving folders as an operator's configuration would.
#pragma once

#include <sys/types.h>

#include <string>

#include "testsupport/temp_dir.h"

/// nginx running in the background on a free port of 127.0.0.1 with `site` (directives of a
/// server block, such as a `location` block) as its only site, its files and logs in a
/// folder of its own; stopped when the object ends.
class WebServer {
 public:
  explicit WebServer(const std::string& site);
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  /// Whether it started and accepts connections; what it logged when it did not.
  bool ready() const { return ready_; }
  std::string log() const;
  /// "http://127.0.0.1:PORT" followed by `path`.
  std::string url(const std::string& path) const;

 private:
  TempDir prefix_;
  int port_ = 0;
  pid_t pid_ = -1;
  bool ready_ = false;
};

/// What a GET of an address gave: the status (0 when there was no answer), the content
/// type and the body.
struct HttpResponse {
  int status = 0;
  std::string content_type;
  std::string body;
};

/// GETs `url` with curl, following no redirect.
HttpResponse http_get(const std::string& url);
