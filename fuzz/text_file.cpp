// The line reader, in memory and on a descriptor: nothing read past the budget, both forms give
// the lines of the plain splitter, and a read past the end changes nothing.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <memory>

#include "fuzz/reference.h"

namespace {

std::vector<std::string> all_lines(TextFile& file) {
  std::vector<std::string> lines;
  std::string line;
  while (file.ReadLine(&line)) {
    require(line.size() <= TextFile::kReadBudget, "a line is longer than the budget");
    lines.push_back(line);
  }
  line = "unchanged";
  require(!file.ReadLine(&line) && line == "unchanged", "a read past the end changed the line");
  return lines;
}

// A descriptor on a memory file holding `text`, read from its start; the reader then reads
// it block by block, so lines and CR LF pairs are split across blocks.
int descriptor_holding(const std::string& text) {
  const int fd = ::memfd_create("fuzz_text_file", 0);
  require(fd >= 0, "memfd_create failed");
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t got = ::write(fd, text.data() + written, text.size() - written);
    require(got > 0, "writing the memory file failed");
    written += static_cast<std::size_t>(got);
  }
  require(::lseek(fd, 0, SEEK_SET) == 0, "rewinding the memory file failed");
  return fd;
}

// Checks both forms of the reader on `text`.
void check(const std::string& text) {
  const std::vector<std::string> expected = reference_lines(text);

  TextFile in_memory(text);
  require(all_lines(in_memory) == expected, "the in-memory reader differs from the splitter");

  std::string err;
  const std::unique_ptr<TextFile> on_descriptor =
      TextFile::FromDescriptor(descriptor_holding(text), &err);
  require(on_descriptor != nullptr, "a memory file could not be read");
  require(all_lines(*on_descriptor) == expected, "the descriptor reader differs from the splitter");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = as_text(data, size);
  check(text);
  // The input again behind a first line that ends around the budget, which is also the end
  // of the sixteenth block: inputs this long seldom hold so long a line by chance.
  if (size > 0) check(std::string(TextFile::kReadBudget - 8 + data[0] % 16, 'x') + text);
  return 0;
}
