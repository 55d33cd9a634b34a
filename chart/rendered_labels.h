// Labels kept as libgd rendered them on a palette raster, to be given again to a raster in the
// same state without rendering them anew.
#pragma once

#include <gd.h>

#include <string>
#include <vector>

#include "chart/pixel_grid.h"

/// Every entry of a libgd palette image's palette, and how many are allocated.
struct Palette {
  static Palette Of(const gdImage& image);
  /// Whether `image` has exactly this palette.
  bool Matches(const gdImage& image) const;
  void ApplyTo(gdImage& image) const;

  int total;
  int red[gdMaxColors], green[gdMaxColors], blue[gdMaxColors];
  int alpha[gdMaxColors], open[gdMaxColors];
};

/// A pixel of a raster and the palette index it holds.
struct IndexedPixel {
  int column;
  int row;
  unsigned char index;
};

/// The pixels, palette and clipping rectangle of a libgd palette image at one moment: all of
/// the image that rendering a label reads.
class RasterState {
 public:
  explicit RasterState(const gdImage& image);

  /// Whether `image` holds exactly these pixels, palette and clipping rectangle.
  bool Matches(const gdImage& image) const;
  /// The pixels of `image`, of the same size, that differ from these.
  std::vector<IndexedPixel> ChangesIn(const gdImage& image) const;

 private:
  const unsigned char* row(int number) const;

  int width_;
  int height_;
  int clip_[4];
  std::vector<unsigned char> pixels_;  // row after row
  Palette palette_;
};

/// The labels a surface has rendered, each with the raster state it was drawn on and what it
/// changed there. libgd renders a text from nothing but the font, the text, its place, its
/// colour index and the pixels, palette and clipping beneath, so the same label on the same
/// state comes out the same: the same pixels and the same palette entries, added in the same
/// order.
class RenderedLabels {
 public:
  /// Gives `image` the pixels and palette that rendering `text` at `origin` in `ink` gave it
  /// before, when it was in the state it is in now; false, leaving it untouched, otherwise.
  bool Replay(gdImage& image, const std::string& text, Pixel origin, int ink);

  /// Keeps what rendering `text` at `origin` in `ink` did to `image`, which was in state
  /// `before`, in place of what was kept for that text, place and ink.
  void Remember(const std::string& text, Pixel origin, int ink, RasterState before,
                const gdImage& image);

  /// Ends a chart: forgets the labels it did not draw, such as the date of the chart before,
  /// so that what is kept stays one chart's labels however many charts are drawn.
  void ChartDrawn();

  /// The number of labels kept.
  int Size() const { return static_cast<int>(labels_.size()); }

 private:
  struct Label {
    std::string text;
    Pixel origin;
    int ink;
    RasterState before;
    std::vector<IndexedPixel> changes;
    Palette palette_after;
    bool drawn;  // in the chart being drawn
  };

  Label* find(const std::string& text, Pixel origin, int ink);

  std::vector<Label> labels_;
};
