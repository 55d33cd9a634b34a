// Scrapes metrics files through node_exporter's textfile collector.
#include "testsupport/node_exporter.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

#include "testsupport/temp_dir.h"

namespace {

// A port of the loopback interface that nothing listens on now.
int free_port() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
                     ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0;
  ::close(fd);
  return bound ? ntohs(address.sin_port) : 0;
}

}  // namespace

// The exporter is asked until it answers, for up to ten seconds, and stopped after one scrape.
std::string node_exporter_scrape(const std::string& folder) {
  TempDir work;
  const std::string address = "127.0.0.1:" + std::to_string(free_port());
  work.write("scrape.sh", "prometheus-node-exporter --web.listen-address=" + address +
                              " --collector.disable-defaults --collector.textfile"
                              " --collector.textfile.directory='" +
                              folder +
                              "' >/dev/null 2>&1 &\n"
                              "exporter=$!\n"
                              "for try in $(seq 100); do\n"
                              "  curl -sf http://" +
                              address + "/metrics >'" + (work / "scraped") +
                              "' && break\n"
                              "  sleep 0.1\n"
                              "done\n"
                              "kill $exporter\n"
                              "wait $exporter\n");
  const std::string command =
      "timeout 60 sh '" + (work / "scrape.sh") + "' </dev/null >/dev/null 2>&1";
  std::system(command.c_str());
  return work.read("scraped");
}
