// The drawing surface on a libgd palette raster, with labels in an 8-point sans-serif font.
#pragma once

#include <gd.h>

#include <string>
#include <vector>

#include "chart/grid_surface.h"
#include "chart/label_font.h"
#include "chart/rendered_labels.h"
#include "platform/diagnostics.h"

/// A Surface on a libgd palette image. A palette image keeps every colour exact through
/// the bitmap and the GIF; a truecolor one would be quantised on GIF output. A label printed
/// again where it was printed before, on the same pixels and palette, as the frame's labels
/// are on every chart, is not rendered again: it is given the pixels and palette entries of
/// its first rendering.
class GdSurface : public GridSurface {
 public:
  /// The file of the label font: the one Fontconfig matches to kLabelFontFamily when the
  /// match is Liberation Sans or a family with the same metrics (Arimo, Arial) and is the
  /// first face of its file; otherwise kLabelFontFile.
  static std::string LabelFontFile();

  /// A surface of the window's stored outer size, 292 x 256 pixels, whose raster is the
  /// 286 x 231 pixels inside border and caption. When `font_file` cannot be used, labels
  /// fall back to libgd's built-in small font with a warning on `diagnostics`.
  explicit GdSurface(Diagnostics& diagnostics, std::string font_file = LabelFontFile(),
                     float twips_per_pixel = 15.0F);
  ~GdSurface() override;
  GdSurface(const GdSurface&) = delete;
  GdSurface& operator=(const GdSurface&) = delete;

  bool SavePicture(FileSystem& files, const std::string& path, std::string* err) override;

  /// The raster's size in pixels.
  int RasterWidth() const { return gdImageSX(image_); }
  int RasterHeight() const { return gdImageSY(image_); }
  /// The colour of one pixel of the raster.
  Colour PixelAt(int column, int row) const;
  /// The number of entries in the raster's palette.
  int PaletteSize() const { return gdImageColorsTotal(image_); }
  /// The number of labels kept for printing again.
  int LabelsKept() const { return labels_.Size(); }

 private:
  void Resized() override;
  void DrawText(Pixel top_left, const std::string& text) override;
  void DrawLine(Pixel from, Pixel to, Colour colour) override;
  void DrawDot(Pixel centre, int radius, Colour outline, std::optional<Colour> fill) override;
  void Clear() override;

  void create_raster(int width, int height);
  void restore_palette();
  void load_font_metrics();
  void use_builtin_font(const std::string& reason);
  const char* render_label(const std::string& text, Pixel top_left, int text_ink);
  int ink(Colour colour);
  void set_pixel(Pixel p, Colour colour);

  struct Ink {
    Colour colour;
    int index;
  };

  std::vector<Ink> inks_;  // the palette indices of the colours drawn so far
  RenderedLabels labels_;
  Diagnostics& diagnostics_;
  std::string font_file_;
  bool builtin_font_ = false;
  int font_ascent_ = 0;
  gdImagePtr image_ = nullptr;
};
