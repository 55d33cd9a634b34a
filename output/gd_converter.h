// The image converter on libgd: BMP in, GIF out, the palette kept exactly.
#pragma once

#include <gd.h>

#include "output/converter.h"

/// A Converter that reads bitmaps and writes GIFs with libgd. An 8-bit bitmap loads as a
/// palette image, so the GIF carries the bitmap's colours unchanged.
class GdConverter : public Converter {
 public:
  GdConverter() = default;
  ~GdConverter() override;
  GdConverter(const GdConverter&) = delete;
  GdConverter& operator=(const GdConverter&) = delete;

  bool carica_bitmap(FileSystem& files, const std::string& path, std::string* err) override;
  bool salva_gif(FileSystem& files, const std::string& path, std::string* err) override;
  void rilascia_immagine() override;

 private:
  gdImagePtr picture_ = nullptr;
  unsigned char* gif_ = nullptr;  // the picture encoded as GIF, once saved
  int gif_size_ = 0;
};
