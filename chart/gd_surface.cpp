// The drawing surface on a libgd palette raster, with labels in an 8-point sans-serif font.
#include "chart/gd_surface.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <gdfonts.h>
#include FT_FREETYPE_H

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

#include "platform/file_system.h"
#include "platform/gd_memory_io.h"

namespace {

// The window's stored background is system colour 18 (button text), which is black.
constexpr Colour kBackground = RGB(0, 0, 0);

// Allocated first, in this order, so that every chart colour keeps its exact value and
// black, the first entry, is the raster's background.
constexpr Colour kChartColours[] = {
    kBackground,        RGB(255, 255, 0), RGB(100, 100, 100), kLabelColour,
    RGB(255, 255, 255), RGB(255, 0, 0),   RGB(0, 255, 0),
};
constexpr int kChartColourCount = std::size(kChartColours);

// Families drawn to the same metrics as the label font, so that a label takes the same
// width whichever of them is installed; any other match would move the labels.
constexpr std::string_view kSameMetricFamilies[] = {kLabelFontFamily, "Arimo", "Arial"};

bool has_label_font_family(FcPattern* font) {
  FcChar8* family = nullptr;
  for (int k = 0; FcPatternGetString(font, FC_FAMILY, k, &family) == FcResultMatch; ++k) {
    const std::string_view name(reinterpret_cast<const char*>(family));
    for (std::string_view accepted : kSameMetricFamilies) {
      if (name == accepted) return true;
    }
  }
  return false;
}

// The file of the font `config` matches to the label font's family, or "" when the match is
// of another family or is not the first face of its file, the only one libgd opens by path.
std::string matched_font_file(FcConfig* config) {
  FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(kLabelFontFamily));
  if (wanted == nullptr) return "";
  FcConfigSubstitute(config, wanted, FcMatchPattern);
  FcDefaultSubstitute(wanted);
  FcResult result = FcResultNoMatch;
  FcPattern* font = FcFontMatch(config, wanted, &result);
  FcPatternDestroy(wanted);
  if (font == nullptr) return "";
  std::string file;
  FcChar8* path = nullptr;
  int index = 0;
  if (has_label_font_family(font) && FcPatternGetString(font, FC_FILE, 0, &path) == FcResultMatch &&
      FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch && index == 0) {
    file = reinterpret_cast<const char*>(path);
  }
  FcPatternDestroy(font);
  return file;
}

}  // namespace

// A configuration of its own, destroyed after the one match, leaves Fontconfig's default
// configuration untouched.
std::string GdSurface::LabelFontFile() {
  FcConfig* config = FcInitLoadConfigAndFonts();
  std::string file;
  if (config != nullptr) {
    file = matched_font_file(config);
    FcConfigDestroy(config);
  }
  return file.empty() ? kLabelFontFile : file;
}

// libgd's font cache is made here, before any drawing, so that surfaces drawn on at once by
// several threads share it under libgd's own lock rather than race to make it.
GdSurface::GdSurface(Diagnostics& diagnostics, std::string font_file, float twips_per_pixel)
    : GridSurface(twips_per_pixel), diagnostics_(diagnostics), font_file_(std::move(font_file)) {
  gdFontCacheSetup();
  create_raster(grid().Width(), grid().Height());
  load_font_metrics();
}

GdSurface::~GdSurface() { gdImageDestroy(image_); }

void GdSurface::create_raster(int width, int height) {
  if (image_ != nullptr) gdImageDestroy(image_);
  image_ = gdImageCreate(width, height);
  inks_.clear();
  if (image_ == nullptr) std::abort();  // Only out of memory can refuse so small a raster.
  for (Colour colour : kChartColours) {
    gdImageColorAllocate(image_, red_of(colour), green_of(colour), blue_of(colour));
  }
}

// The text cell's top lies one ascent above the baseline that libgd draws on; FreeType
// gives the ascent of the face at the label size.
void GdSurface::load_font_metrics() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) {
    use_builtin_font("the font library cannot start");
    return;
  }
  FT_Face face = nullptr;
  if (FT_New_Face(library, font_file_.c_str(), 0, &face) != 0) {
    use_builtin_font("cannot open font " + font_file_);
  } else if (FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(kLabelFontPoints * 64), kDotsPerInch,
                              kDotsPerInch) != 0) {
    use_builtin_font("cannot size font " + font_file_);
  } else {
    font_ascent_ = static_cast<int>((face->size->metrics.ascender + 63) / 64);
  }
  if (face != nullptr) FT_Done_Face(face);
  FT_Done_FreeType(library);
}

void GdSurface::use_builtin_font(const std::string& reason) {
  builtin_font_ = true;
  diagnostics_.Warning(reason + "; labels use the built-in font");
}

void GdSurface::Resized() { create_raster(grid().Width(), grid().Height()); }

// A colour's palette index is looked up once per chart and then remembered: the answer
// cannot change until Cls, as the palette only grows in between and a lookup returns the
// first entry that matches exactly (or, in a full palette, the nearest one, which stays the
// nearest).
int GdSurface::ink(Colour colour) {
  for (const Ink& known : inks_) {
    if (known.colour == colour) return known.index;
  }
  const int index = gdImageColorResolve(image_, red_of(colour), green_of(colour), blue_of(colour));
  if (index >= 0) inks_.push_back({colour, index});
  return index;
}

void GdSurface::set_pixel(Pixel p, Colour colour) {
  gdImageSetPixel(image_, p.column, p.row, ink(colour));  // libgd clips to the raster.
}

Colour GdSurface::PixelAt(int column, int row) const {
  const int index = gdImageGetPixel(image_, column, row);
  return RGB(gdImageRed(image_, index), gdImageGreen(image_, index), gdImageBlue(image_, index));
}

// Rendering a label costs far more than all the rest of a chart's drawing, and the frame
// prints the same twelve labels on every chart, each time on the same pixels and palette.
void GdSurface::DrawText(Pixel top_left, const std::string& text) {
  const int text_ink = ink(kLabelColour);
  if (!builtin_font_) {
    if (labels_.Replay(*image_, text, top_left, text_ink)) return;
    RasterState before(*image_);
    const char* failure = render_label(text, top_left, text_ink);
    if (failure == nullptr) {
      labels_.Remember(text, top_left, text_ink, std::move(before), *image_);
      return;
    }
    use_builtin_font(std::string("cannot draw text with ") + font_file_ + ": " + failure);
  }
  gdImageString(image_, gdFontGetSmall(), top_left.column, top_left.row,
                reinterpret_cast<unsigned char*>(const_cast<char*>(text.c_str())), text_ink);
}

// libgd's error text, or null when the label is drawn.
const char* GdSurface::render_label(const std::string& text, Pixel top_left, int text_ink) {
  gdFTStringExtra extra{};
  extra.flags = gdFTEX_RESOLUTION;
  extra.hdpi = kDotsPerInch;
  extra.vdpi = kDotsPerInch;
  int bounds[8];
  return gdImageStringFTEx(image_, bounds, text_ink, font_file_.c_str(), kLabelFontPoints, 0.0,
                           top_left.column, top_left.row + font_ascent_,
                           const_cast<char*>(text.c_str()), &extra);
}

// Bresenham's walk from the first pixel to the last, which it leaves unset: a line drawn
// on from where another ends does not set their shared pixel twice.
void GdSurface::DrawLine(Pixel from, Pixel end, Colour colour) {
  Pixel p = from;
  const int dx = std::abs(end.column - p.column);
  const int dy = -std::abs(end.row - p.row);
  const int step_x = p.column < end.column ? 1 : -1;
  const int step_y = p.row < end.row ? 1 : -1;
  int error = dx + dy;
  while (p.column != end.column || p.row != end.row) {
    set_pixel(p, colour);
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      p.column += step_x;
    }
    if (doubled <= dx) {
      error += dx;
      p.row += step_y;
    }
  }
}

// A round dot: the pixels within r of the centre, widened by half a pixel (dx² + dy² <=
// r² + r), so that radius 2 is the 5 x 5 square without its corners. Pixels with a
// neighbour outside form the outline; the rest is filled when a fill is given.
void GdSurface::DrawDot(Pixel centre, int r, Colour outline, std::optional<Colour> fill) {
  const auto inside = [r](int dx, int dy) { return dx * dx + dy * dy <= r * r + r; };
  for (int dy = -r; dy <= r; ++dy) {
    for (int dx = -r; dx <= r; ++dx) {
      if (!inside(dx, dy)) continue;
      const bool on_outline =
          !inside(dx - 1, dy) || !inside(dx + 1, dy) || !inside(dx, dy - 1) || !inside(dx, dy + 1);
      const Pixel p{centre.column + dx, centre.row + dy};
      if (on_outline) {
        set_pixel(p, outline);
      } else if (fill) {
        set_pixel(p, *fill);
      }
    }
  }
}

// Clearing sets every row of the palette raster to the background's index at once, rather
// than pixel by pixel: a run clears six rasters.
void GdSurface::Clear() {
  labels_.ChartDrawn();
  restore_palette();
  const int background = ink(kBackground);
  for (int row = 0; row < gdImageSY(image_); ++row) {
    std::memset(image_->pixels[row], background, static_cast<std::size_t>(gdImageSX(image_)));
  }
}

// Text leaves the shades of its antialiasing in the palette, and which shades depends on
// the glyphs drawn. Dropping every entry after the chart colours, exactly as a new raster
// has them, makes each chart start from the same palette, so that a day's picture is the
// same bytes whichever chart of whichever run draws it.
void GdSurface::restore_palette() {
  for (int index = kChartColourCount; index < gdMaxColors; ++index) {
    image_->red[index] = 0;
    image_->green[index] = 0;
    image_->blue[index] = 0;
    image_->alpha[index] = 0;
    image_->open[index] = 1;
  }
  image_->colorsTotal = kChartColourCount;
  inks_.clear();
}

bool GdSurface::SavePicture(FileSystem& files, const std::string& path, std::string* err) {
  GdMemorySink bitmap;
  gdImageBmpCtx(image_, bitmap.context(), 0);
  if (bitmap.bytes().empty()) {
    *err = "cannot encode the bitmap";
    return false;
  }
  return files.WriteFile(path, bitmap.bytes().data(), bitmap.bytes().size(), Durability::kTemporary,
                         err);
}
