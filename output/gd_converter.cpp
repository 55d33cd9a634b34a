// The image converter on libgd: BMP in, GIF out, the palette kept exactly.
#include "output/gd_converter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/file_system.h"
#include "platform/gd_memory_io.h"

namespace {

// The bitmap is read whole and decoded from memory, which is faster than decoding it from
// a stdio stream a byte at a time.
bool read_whole_file(const std::string& path, std::vector<unsigned char>* bytes, std::string* err) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    *err = std::strerror(errno);
    return false;
  }
  constexpr std::size_t kBlock = 1 << 16;
  std::size_t filled = 0;
  int read_error = 0;
  for (;;) {
    bytes->resize(filled + kBlock);
    const ssize_t got = ::read(fd, bytes->data() + filled, kBlock);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      read_error = got < 0 ? errno : 0;
      break;
    }
    filled += static_cast<std::size_t>(got);
  }
  ::close(fd);
  bytes->resize(filled);
  if (read_error != 0) {
    *err = std::strerror(read_error);
    return false;
  }
  return true;
}

}  // namespace

GdConverter::~GdConverter() { rilascia_immagine(); }

bool GdConverter::carica_bitmap(const std::string& path, std::string* err) {
  std::vector<unsigned char> bytes;
  if (!read_whole_file(native_path(path), &bytes, err)) return false;
  GdMemorySource bitmap(bytes);
  gdImagePtr loaded = gdImageCreateFromBmpCtx(bitmap.context());
  if (loaded == nullptr) {
    *err = "not a readable bitmap";
    return false;
  }
  rilascia_immagine();
  picture_ = loaded;
  return true;
}

// The publication and the archive picture are the same picture: it is encoded once, at the
// first save after loading, and the same bytes are written to both.
bool GdConverter::salva_gif(const std::string& path, std::string* err) {
  if (picture_ == nullptr) {
    *err = "no picture loaded";
    return false;
  }
  if (gif_ == nullptr) gif_ = static_cast<unsigned char*>(gdImageGifPtr(picture_, &gif_size_));
  if (gif_ == nullptr) {
    *err = "cannot encode the picture as GIF";
    return false;
  }
  return write_file_replacing(path, gif_, static_cast<std::size_t>(gif_size_), Durability::kFlushed,
                              err);
}

void GdConverter::rilascia_immagine() {
  if (gif_ != nullptr) gdFree(gif_);
  gif_ = nullptr;
  if (picture_ != nullptr) gdImageDestroy(picture_);
  picture_ = nullptr;
}
