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

bool GdConverter::salva_gif(const std::string& path, std::string* err) {
  if (picture_ == nullptr) {
    *err = "no picture loaded";
    return false;
  }
  int size = 0;
  void* bytes = gdImageGifPtr(picture_, &size);
  if (bytes == nullptr) {
    *err = "cannot encode the picture as GIF";
    return false;
  }
  const bool written = write_file_replacing(path, bytes, static_cast<std::size_t>(size), err);
  gdFree(bytes);
  return written;
}

void GdConverter::rilascia_immagine() {
  if (picture_ != nullptr) gdImageDestroy(picture_);
  picture_ = nullptr;
}
