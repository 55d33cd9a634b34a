// The image converter on libgd: BMP in, GIF out, the palette kept exactly.
#include "output/gd_converter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "run/file_system.h"

GdConverter::~GdConverter() { rilascia_immagine(); }

bool GdConverter::carica_bitmap(const std::string& path, std::string* err) {
  std::FILE* file = std::fopen(native_path(path).c_str(), "rb");
  if (file == nullptr) {
    *err = std::strerror(errno);
    return false;
  }
  gdImagePtr loaded = gdImageCreateFromBmp(file);
  std::fclose(file);
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
