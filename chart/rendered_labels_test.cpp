#include "chart/rendered_labels.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Image = std::unique_ptr<gdImage, decltype(&gdImageDestroy)>;

// A raster as a surface starts it: two colours, background first.
Image blank_raster() {
  Image image(gdImageCreate(40, 20), gdImageDestroy);
  gdImageColorAllocate(image.get(), 0, 0, 0);
  gdImageColorAllocate(image.get(), 255, 255, 128);
  return image;
}

// Stands in for libgd's rendering of a label: ink, and two shades allocated in the order of
// the pixels that need them, as antialiasing allocates them.
void render(gdImage& image, Pixel at) {
  gdImageSetPixel(&image, at.column, at.row, 1);
  gdImageSetPixel(&image, at.column + 1, at.row, gdImageColorResolve(&image, 64, 64, 32));
  gdImageSetPixel(&image, at.column, at.row + 1, gdImageColorResolve(&image, 128, 128, 64));
}

void expect_same_raster(const gdImage& a, const gdImage& b) {
  EXPECT_TRUE(RasterState(a).Matches(b));
}

// Renders "5" at (5, 6) in ink 1 on `image` and keeps it in `labels`.
void render_and_remember(RenderedLabels& labels, gdImage& image) {
  RasterState before(image);
  render(image, {5, 6});
  labels.Remember("5", {5, 6}, 1, std::move(before), image);
}

TEST(RenderedLabels, ALabelOnTheStateItWasRenderedOnIsGivenItsPixelsAndPaletteAgain) {
  RenderedLabels labels;
  const Image first = blank_raster();
  render_and_remember(labels, *first);

  const Image again = blank_raster();
  EXPECT_TRUE(labels.Replay(*again, "5", {5, 6}, 1));
  expect_same_raster(*again, *first);
  EXPECT_EQ(gdImageColorsTotal(again.get()), 4);
  EXPECT_EQ(gdImageRed(again.get(), 2), 64);  // the shades in the order first allocated
  EXPECT_EQ(gdImageRed(again.get(), 3), 128);
}

TEST(RenderedLabels, ALabelIsRenderedAnewWhenAnythingItCouldReadHasChanged) {
  RenderedLabels labels;
  render_and_remember(labels, *blank_raster());

  struct Case {
    const char* what;
    void (*change)(gdImage&);
    const char* text;
    Pixel at;
    int ink;
  };
  const Case cases[] = {
      {"same state", [](gdImage&) {}, "5", {5, 6}, 1},
      {"another text", [](gdImage&) {}, "6", {5, 6}, 1},
      {"another place", [](gdImage&) {}, "5", {5, 7}, 1},
      {"another ink", [](gdImage&) {}, "5", {5, 6}, 0},
      {"a pixel far away",
       [](gdImage& image) { gdImageSetPixel(&image, 39, 19, 1); },
       "5",
       {5, 6},
       1},
      {"one more colour",
       [](gdImage& image) { gdImageColorAllocate(&image, 1, 2, 3); },
       "5",
       {5, 6},
       1},
      {"a shade in the palette",
       [](gdImage& image) { gdImageColorAllocate(&image, 64, 64, 32); },
       "5",
       {5, 6},
       1},
      {"a clipping rectangle",
       [](gdImage& image) { gdImageSetClip(&image, 0, 0, 10, 10); },
       "5",
       {5, 6},
       1},
  };
  for (const Case& c : cases) {
    const Image image = blank_raster();
    c.change(*image);
    const RasterState unchanged(*image);
    const bool replayed = labels.Replay(*image, c.text, c.at, c.ink);
    EXPECT_EQ(replayed, std::string(c.what) == "same state") << c.what;
    if (!replayed) {
      EXPECT_TRUE(unchanged.Matches(*image)) << c.what;
    }
  }
}

TEST(RenderedLabels, WhatIsKeptIsTheLabelsOfTheLastChart) {
  RenderedLabels labels;
  const auto draw = [&labels](const char* text) {
    const Image image = blank_raster();
    if (labels.Replay(*image, text, {5, 6}, 1)) return true;
    RasterState before(*image);
    render(*image, {5, 6});
    labels.Remember(text, {5, 6}, 1, std::move(before), *image);
    return false;
  };
  EXPECT_FALSE(draw("frame"));
  EXPECT_FALSE(draw("Date: 01/07/2026"));
  labels.ChartDrawn();
  EXPECT_TRUE(draw("frame"));
  EXPECT_FALSE(draw("Date: 02/07/2026"));
  labels.ChartDrawn();
  EXPECT_EQ(labels.Size(), 2);
  EXPECT_TRUE(draw("frame"));
  EXPECT_FALSE(draw("Date: 01/07/2026"));
  EXPECT_TRUE(draw("Date: 01/07/2026"));
  labels.ChartDrawn();
  EXPECT_EQ(labels.Size(), 2);
}

}  // namespace
