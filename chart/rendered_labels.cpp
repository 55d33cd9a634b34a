// Labels kept as libgd rendered them on a palette raster, to be given again to a raster in the
// same state without rendering them anew.
#include "chart/rendered_labels.h"

#include <cassert>
#include <cstring>
#include <utility>

// Every entry is taken, not only the allocated ones: the files written from the raster may
// carry entries past the last allocated one as well.
Palette Palette::Of(const gdImage& image) {
  Palette palette;
  palette.total = image.colorsTotal;
  std::memcpy(palette.red, image.red, sizeof palette.red);
  std::memcpy(palette.green, image.green, sizeof palette.green);
  std::memcpy(palette.blue, image.blue, sizeof palette.blue);
  std::memcpy(palette.alpha, image.alpha, sizeof palette.alpha);
  std::memcpy(palette.open, image.open, sizeof palette.open);
  return palette;
}

bool Palette::Matches(const gdImage& image) const {
  return image.colorsTotal == total && std::memcmp(image.red, red, sizeof red) == 0 &&
         std::memcmp(image.green, green, sizeof green) == 0 &&
         std::memcmp(image.blue, blue, sizeof blue) == 0 &&
         std::memcmp(image.alpha, alpha, sizeof alpha) == 0 &&
         std::memcmp(image.open, open, sizeof open) == 0;
}

void Palette::ApplyTo(gdImage& image) const {
  image.colorsTotal = total;
  std::memcpy(image.red, red, sizeof red);
  std::memcpy(image.green, green, sizeof green);
  std::memcpy(image.blue, blue, sizeof blue);
  std::memcpy(image.alpha, alpha, sizeof alpha);
  std::memcpy(image.open, open, sizeof open);
}

RasterState::RasterState(const gdImage& image)
    : width_(image.sx),
      height_(image.sy),
      clip_{image.cx1, image.cy1, image.cx2, image.cy2},
      palette_(Palette::Of(image)) {
  assert(!image.trueColor);
  pixels_.reserve(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (int number = 0; number < height_; ++number) {
    pixels_.insert(pixels_.end(), image.pixels[number], image.pixels[number] + width_);
  }
}

const unsigned char* RasterState::row(int number) const {
  return &pixels_[static_cast<std::size_t>(number) * static_cast<std::size_t>(width_)];
}

bool RasterState::Matches(const gdImage& image) const {
  if (image.sx != width_ || image.sy != height_ || image.cx1 != clip_[0] || image.cy1 != clip_[1] ||
      image.cx2 != clip_[2] || image.cy2 != clip_[3] || !palette_.Matches(image)) {
    return false;
  }
  for (int number = 0; number < height_; ++number) {
    if (std::memcmp(row(number), image.pixels[number], static_cast<std::size_t>(width_)) != 0) {
      return false;
    }
  }
  return true;
}

std::vector<IndexedPixel> RasterState::ChangesIn(const gdImage& image) const {
  assert(image.sx == width_ && image.sy == height_);
  std::vector<IndexedPixel> changes;
  for (int number = 0; number < height_; ++number) {
    const unsigned char* was = row(number);
    const unsigned char* is = image.pixels[number];
    if (std::memcmp(was, is, static_cast<std::size_t>(width_)) == 0) continue;  // most rows
    for (int column = 0; column < width_; ++column) {
      if (is[column] != was[column]) changes.push_back({column, number, is[column]});
    }
  }
  return changes;
}

RenderedLabels::Label* RenderedLabels::find(const std::string& text, Pixel origin, int ink) {
  for (Label& label : labels_) {
    if (label.text == text && label.origin.column == origin.column &&
        label.origin.row == origin.row && label.ink == ink) {
      return &label;
    }
  }
  return nullptr;
}

bool RenderedLabels::Replay(gdImage& image, const std::string& text, Pixel origin, int ink) {
  Label* label = find(text, origin, ink);
  if (label == nullptr || !label->before.Matches(image)) return false;
  for (const IndexedPixel& change : label->changes) {
    image.pixels[change.row][change.column] = change.index;
  }
  label->palette_after.ApplyTo(image);
  label->drawn = true;
  return true;
}

void RenderedLabels::Remember(const std::string& text, Pixel origin, int ink, RasterState before,
                              const gdImage& image) {
  std::vector<IndexedPixel> changes = before.ChangesIn(image);
  Label label{text, origin, ink, std::move(before), std::move(changes), Palette::Of(image), true};
  if (Label* kept = find(text, origin, ink)) {
    *kept = std::move(label);
  } else {
    labels_.push_back(std::move(label));
  }
}

void RenderedLabels::ChartDrawn() {
  std::erase_if(labels_, [](const Label& label) { return !label.drawn; });
  for (Label& label : labels_) label.drawn = false;
}
