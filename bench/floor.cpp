// The I/O floor of a run: everything a run of kurvo_M3000F2 must do to the file system, and
// nothing else — no drawing, no encoding, no libraries beyond the C library. Run it in the
// benchmark's station folder after one real run; it writes each picture with the size of the
// one the real run left there.
//
// Once per run: list the measurement folder and read the first line of its first file. Per
// chart: read the month's forecast file; try the day's 1,440 measurement names and read the first
// five lines of each file found; write, read back and delete the temporary bitmap; write the
// publication and the archive picture through a temporary file, flushed to disk and renamed.
// With --archive, for a range of days: the listing once, then per day the same reads and the
// bitmap, and only the archive picture.
//
//   kurvo_bench_floor YYYY-MM-DD
//   kurvo_bench_floor --archive FROM TO
//   kurvo_bench_floor --list     only the listing of the measurement folder
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace chrono = std::chrono;

namespace {

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "kurvo_bench_floor: %s: %s\n", what.c_str(), std::strerror(errno));
  std::exit(1);
}

// The size of a 286 x 231 palette bitmap: file and info headers, 256 palette entries, and
// rows padded to four bytes.
constexpr std::size_t kBitmapSize = 14 + 40 + 256 * 4 + 288 * 231;

char buffer[1 << 16];

// Opens `name` relative to `folder` and reads at most the first five lines, one read() for
// files of ordinary size. Returns whether the file exists.
bool read_five_lines(int folder, const char* name) {
  const int fd = ::openat(folder, name, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  int lines = 0;
  for (ssize_t got; lines < 5 && (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
    for (ssize_t i = 0; i < got; ++i) lines += buffer[i] == '\n';
  }
  ::close(fd);
  return true;
}

std::string first_name(const char* folder) {
  DIR* listing = ::opendir(folder);
  if (listing == nullptr) fail(folder);
  std::string first;
  while (const dirent* entry = ::readdir(listing)) {
    if (entry->d_name[0] == '.' || entry->d_type != DT_REG) continue;
    if (first.empty() || first > entry->d_name) first = entry->d_name;
  }
  ::closedir(listing);
  return first;
}

void write_whole(const std::string& path, std::size_t size, bool durable) {
  const std::string temporary = path + ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) fail(temporary);
  std::vector<char> bytes(size, 'x');
  if (::write(fd, bytes.data(), size) != static_cast<ssize_t>(size)) fail(temporary);
  if (durable && ::fsync(fd) != 0) fail(temporary);
  if (::close(fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) fail(path);
}

std::size_t size_of(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) fail(path + " (run the program once first)");
  return static_cast<std::size_t>(info.st_size);
}

void read_station() {
  const std::string station = first_name("data");
  read_five_lines(AT_FDCWD, ("data/" + station).c_str());
}

int day_of_year(chrono::year_month_day day) {
  return (chrono::sys_days{day} - chrono::sys_days{day.year() / 1 / 0}).count();
}

std::string archive_picture(chrono::year_month_day day) {
  char text[64];
  std::snprintf(text, sizeof text, "forecast/previous_M3000F2_plots/%04d%03d.gif", int(day.year()),
                day_of_year(day));
  return text;
}

// The forecast, the day's measurements and the temporary bitmap of chart `number`.
void read_day(int number, chrono::year_month_day day) {
  const int year = int(day.year());
  char text[64];
  std::snprintf(text, sizeof text, "forecast/%02u%04d.txt", unsigned(day.month()), year);
  read_five_lines(AT_FDCWD, text);

  const int data = ::open("data", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (data < 0) fail("data");
  for (int hour = 0; hour < 24; ++hour) {
    for (int minute = 1; minute <= 60; ++minute) {
      std::snprintf(text, sizeof text, "RM041_%04d%03d%02d%02d00.TXT", year, day_of_year(day), hour,
                    minute % 60);
      read_five_lines(data, text);
    }
  }
  ::close(data);

  const std::string bitmap = "forecast/grafico" + std::to_string(number) + ".bmp";
  write_whole(bitmap, kBitmapSize, false);
  read_five_lines(AT_FDCWD, bitmap.c_str());
  if (::unlink(bitmap.c_str()) != 0) fail(bitmap);
}

void chart(int number, chrono::year_month_day day) {
  read_day(number, day);
  const std::string publication = "www/plotM" + std::to_string(number) + ".gif";
  const std::string archive = archive_picture(day);
  write_whole(publication, size_of(publication), true);
  write_whole(archive, size_of(archive), true);
}

bool parse_day(const char* text, chrono::sys_days* day) {
  int year = 0;
  unsigned month = 0, day_of_month = 0;
  if (std::sscanf(text, "%d-%u-%u", &year, &month, &day_of_month) != 3) return false;
  *day = chrono::sys_days{chrono::year{year} / month / day_of_month};
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
    first_name("data");
    return 0;
  }
  chrono::sys_days first{}, last{};
  if (argc == 4 && std::strcmp(argv[1], "--archive") == 0 && parse_day(argv[2], &first) &&
      parse_day(argv[3], &last)) {
    read_station();
    for (chrono::sys_days day = first; day <= last; day += chrono::days{1}) {
      read_day(1, day);
      const std::string archive = archive_picture(day);
      write_whole(archive, size_of(archive), true);
    }
    return 0;
  }
  if (argc != 2 || !parse_day(argv[1], &last)) {
    std::fprintf(stderr, "usage: kurvo_bench_floor YYYY-MM-DD | --archive FROM TO | --list\n");
    return 2;
  }
  read_station();
  for (int number = 1; number <= 6; ++number) {
    chart(number, chrono::year_month_day{last - chrono::days{6 - number}});
  }
  return 0;
}
