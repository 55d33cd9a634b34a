// The image converter on libgd: BMP in, GIF out, the palette kept exactly.
#include "output/gd_converter.h"

#include <cstddef>

#include "platform/gd_memory_io.h"

namespace {

// Far above the 66 KB of a chart's bitmap; a larger file is no bitmap this program wrote.
constexpr std::size_t kLargestBitmap = 16 << 20;

}  // namespace

GdConverter::~GdConverter() { rilascia_immagine(); }

// The bitmap is read whole and decoded from memory through a context of our own, which costs
// fewer instructions than libgd's own in-memory reader.
bool GdConverter::carica_bitmap(FileSystem& files, const std::string& path, std::string* err) {
  std::string bytes;
  if (!files.ReadFile(path, kLargestBitmap, &bytes, err)) return false;
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
bool GdConverter::salva_gif(FileSystem& files, const std::string& path, std::string* err) {
  if (picture_ == nullptr) {
    *err = "no picture loaded";
    return false;
  }
  if (gif_ == nullptr) gif_ = static_cast<unsigned char*>(gdImageGifPtr(picture_, &gif_size_));
  if (gif_ == nullptr) {
    *err = "cannot encode the picture as GIF";
    return false;
  }
  return files.WriteFile(path, gif_, static_cast<std::size_t>(gif_size_), Durability::kFlushed,
                         err);
}

void GdConverter::rilascia_immagine() {
  if (gif_ != nullptr) gdFree(gif_);
  gif_ = nullptr;
  if (picture_ != nullptr) gdImageDestroy(picture_);
  picture_ = nullptr;
}
