// Decodes PNG files for tests with libpng: pictures rendered by other programs.
#include "testsupport/png_reader.h"

#include <png.h>

#include <cstring>
#include <stdexcept>

DecodedPng read_png(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
    throw std::runtime_error("cannot open PNG " + path + ": " + image.message);
  }
  image.format = PNG_FORMAT_RGB;  // alpha composed over the background below
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  const png_color black{0, 0, 0};
  if (png_image_finish_read(&image, &black, rgb.data(), 0, nullptr) == 0) {
    throw std::runtime_error("cannot decode PNG " + path + ": " + image.message);
  }
  DecodedPng decoded;
  decoded.width = static_cast<int>(image.width);
  decoded.height = static_cast<int>(image.height);
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    decoded.pixels.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
  }
  return decoded;
}
