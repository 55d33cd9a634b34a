// Decodes GIF files for tests with giflib, a decoder independent of the one that wrote them.
#include "testsupport/gif_reader.h"

#include <gif_lib.h>

#include <stdexcept>

namespace {

// The file opened and decoded whole; the caller closes it.
GifFileType* decode(const std::string& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (gif == nullptr) throw std::runtime_error("cannot open GIF " + path);
  if (DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) {
    DGifCloseFile(gif, &error);
    throw std::runtime_error("cannot decode GIF " + path);
  }
  return gif;
}

}  // namespace

DecodedGif read_gif(const std::string& path) {
  GifFileType* gif = decode(path);
  const SavedImage& frame = gif->SavedImages[0];
  const ColorMapObject* map =
      frame.ImageDesc.ColorMap != nullptr ? frame.ImageDesc.ColorMap : gif->SColorMap;
  DecodedGif decoded;
  decoded.width = gif->SWidth;
  decoded.height = gif->SHeight;
  const std::size_t count = static_cast<std::size_t>(decoded.width * decoded.height);
  decoded.pixels.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    const GifColorType& c = map->Colors[frame.RasterBits[k]];
    decoded.pixels.push_back(RGB(c.Red, c.Green, c.Blue));
  }
  int error = 0;
  DGifCloseFile(gif, &error);
  return decoded;
}

GifSize read_gif_size(const std::string& path) {
  GifFileType* gif = decode(path);
  const GifSize size{gif->SWidth, gif->SHeight};
  int error = 0;
  DGifCloseFile(gif, &error);
  return size;
}
