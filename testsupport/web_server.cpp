// A web server for tests: nginx serving folders as an operator's configuration would.
#include "testsupport/web_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

sockaddr_in loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// A port nothing listens on now: the one the system gives a socket bound to port 0.
int free_port() {
  const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = loopback(0);
  socklen_t length = sizeof address;
  ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(probe);
  return ntohs(address.sin_port);
}

bool accepts(int port) {
  const int client = ::socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = loopback(port);
  const bool connected =
      ::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(client);
  return connected;
}

// One process in the foreground, everything it writes kept under `prefix`.
std::string configuration(const std::string& prefix, int port, const std::string& site) {
  std::string temporary;
  for (const char* kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"}) {
    temporary += std::string(kind) + "_temp_path " + prefix + "/" + kind + ";\n";
  }
  return "daemon off;\nmaster_process off;\nworker_processes 1;\n"
         "pid " +
         prefix + "/nginx.pid;\nerror_log " + prefix +
         "/error.log;\n"
         "events { worker_connections 64; }\n"
         "http {\ninclude /etc/nginx/mime.types;\ndefault_type application/octet-stream;\n"
         "access_log off;\n" +
         temporary + "server {\nlisten 127.0.0.1:" + std::to_string(port) + ";\n" + site +
         "\n}\n}\n";
}

}  // namespace

WebServer::WebServer(const std::string& site) : port_(free_port()) {
  prefix_.write("nginx.conf", configuration(prefix_.path(), port_, site));
  const std::string conf = prefix_ / "nginx.conf";
  const std::string error_log = prefix_ / "error.log";
  const char* arguments[] = {"nginx",      "-p", prefix_.path().c_str(), "-c",
                             conf.c_str(), "-e", error_log.c_str(),      nullptr};
  if (::posix_spawnp(&pid_, "nginx", nullptr, nullptr, const_cast<char* const*>(arguments),
                     environ) != 0) {
    pid_ = -1;
    return;
  }
  for (int tries = 0; tries < 200 && !ready_; ++tries) {
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    ready_ = accepts(port_);
    if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

WebServer::~WebServer() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

std::string WebServer::log() const { return prefix_.read("error.log"); }

std::string WebServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

HttpResponse http_get(const std::string& url) {
  TempDir output;
  const std::string command = "curl --silent --max-time 30 --output '" + (output / "body") +
                              "' --write-out '%{http_code}\\n%{content_type}' '" + url + "' >'" +
                              (output / "meta") + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) return {};
  const std::string meta = output.read("meta");
  const std::size_t line_end = meta.find('\n');
  return {std::atoi(meta.substr(0, line_end).c_str()), meta.substr(line_end + 1),
          output.read("body")};
}
