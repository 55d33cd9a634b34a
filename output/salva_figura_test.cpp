#include <gtest/gtest.h>

#include <filesystem>

#include "chart/gd_surface.h"
#include "chart/geometria.h"
#include "output/gd_converter.h"
#include "output/output_files.h"
#include "output/salva_figura.h"
#include "testsupport/captured_diagnostics.h"
#include "testsupport/gif_reader.h"
#include "testsupport/memory_file_system.h"
#include "testsupport/temp_dir.h"

namespace {

// A converter that cannot read bitmaps.
class BlindConverter : public Converter {
 public:
  bool carica_bitmap(FileSystem&, const std::string&, std::string* err) override {
    *err = "not a readable bitmap";
    return false;
  }
  bool salva_gif(FileSystem&, const std::string&, std::string* err) override {
    *err = "no picture loaded";
    return false;
  }
  void rilascia_immagine() override {}
};

// The real file system, except that the bitmap is already gone when it is to be deleted.
class BitmapGoneFileSystem : public PosixFileSystem {
 public:
  bool Kill(const std::string& path, std::string* err) override {
    PosixFileSystem::Kill(path, err);
    return PosixFileSystem::Kill(path, err);
  }
};

// Chart 3 of a run on 17 July 2009: 14 July, day 195, in a station folder with the forecast
// folder, its archive subfolder and the publication folder.
class Export : public ::testing::Test {
 protected:
  Export() {
    dir.make_folder("fc/previous_M3000F2_plots");
    dir.make_folder("www");
  }

  ExportReport export_chart(Converter& converter, FileSystem& files) {
    impostazioni_dimensioni_e_scala_del_form(surface);
    surface.Line(0, 300, 100, 300, RGB(255, 0, 0));
    return salva_figura(
        surface, converter, files,
        run_chart_files(dir / "fc/", dir / "www/", 3, {"195", "072009", "14/07/2009"}));
  }
  ExportReport export_chart() { return export_chart(converter, files); }

  TempDir dir;
  CapturedDiagnostics diagnostics;
  GdSurface surface{diagnostics};
  GdConverter converter;
  PosixFileSystem files;
};

using Names = std::vector<std::string>;

TEST_F(Export, WritesBothPicturesAndDeletesTheBitmap) {
  const ExportReport report = export_chart();
  EXPECT_TRUE(report.unwritten.empty());
  EXPECT_EQ(report.bitmap_left, "");
  EXPECT_EQ(dir.list("www"), Names{"plotM3.gif"});
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"), Names{"2009195.gif"});
  EXPECT_EQ(dir.list("fc"), Names{"previous_M3000F2_plots"});

  for (const std::string name : {"www/plotM3.gif", "fc/previous_M3000F2_plots/2009195.gif"}) {
    const DecodedGif gif = read_gif(dir / name);
    EXPECT_EQ(gif.width, 286);
    EXPECT_EQ(gif.height, 231);
    EXPECT_EQ(gif.at(35, 149), RGB(255, 0, 0)) << name;  // on the drawn line, y = 300
    EXPECT_EQ(gif.at(135, 149), RGB(0, 0, 0)) << name;   // its end point, left unset
  }
}

// Both pictures must reach the disk before they replace the old ones, so that a crash leaves
// a whole picture under each name; the bitmap, read back and deleted at once, need not.
TEST_F(Export, BothPicturesAreWrittenFlushedAndTheBitmapAsATemporaryFile) {
  MemoryFileSystem memory;
  memory.folders = {
      {dir / "fc", true}, {dir / "fc/previous_M3000F2_plots", true}, {dir / "www", true}};
  EXPECT_TRUE(export_chart(converter, memory).unwritten.empty());
  EXPECT_EQ(memory.durability,
            (std::map<std::string, Durability>{
                {dir / "fc/grafico3.bmp", Durability::kTemporary},
                {dir / "fc/previous_M3000F2_plots/2009195.gif", Durability::kFlushed},
                {dir / "www/plotM3.gif", Durability::kFlushed},
            }));
  EXPECT_EQ(memory.files.size(), 2u);
}

TEST_F(Export, AnArchiveExportWritesTheArchivePictureAloneThroughABitmapOfItsOwn) {
  const ChartFiles percorsi = archive_chart_files(dir / "fc/", {"195", "072009", "14/07/2009"}, 1);
  EXPECT_EQ(percorsi.bitmap, dir / "fc/grafico0.bmp");
  EXPECT_EQ(archive_chart_files(dir / "fc/", {"195", "072009", "14/07/2009"}, 2).bitmap,
            dir / "fc/grafico0-2.bmp");
  EXPECT_EQ(percorsi.publication, "");
  EXPECT_TRUE(salva_figura(surface, converter, files, percorsi).unwritten.empty());
  EXPECT_EQ(dir.list("www"), Names{});
  EXPECT_EQ(dir.list("fc"), Names{"previous_M3000F2_plots"});
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"), Names{"2009195.gif"});

  std::filesystem::remove_all(dir / "fc/previous_M3000F2_plots");
  const ExportReport report = salva_figura(surface, converter, files, percorsi);
  ASSERT_EQ(report.unwritten.size(), 1u);
  EXPECT_EQ(report.unwritten[0].path, dir / "fc/previous_M3000F2_plots/2009195.gif");
}

TEST_F(Export, MissingForecastFolderLeavesNothing) {
  std::filesystem::remove_all(dir / "fc");
  const ExportReport report = export_chart();
  ASSERT_EQ(report.unwritten.size(), 2u);
  EXPECT_EQ(report.unwritten[0].path, dir / "www/plotM3.gif");
  EXPECT_EQ(report.unwritten[1].path, dir / "fc/previous_M3000F2_plots/2009195.gif");
  EXPECT_EQ(report.unwritten[0].reason, "temporary bitmap " + (dir / "fc/grafico3.bmp") +
                                            " not written: No such file or directory");
  EXPECT_EQ(dir.list("www"), Names{});
}

TEST_F(Export, AnUnreadableBitmapIsDeletedAndNoPictureIsWritten) {
  BlindConverter blind;
  const ExportReport report = export_chart(blind, files);
  ASSERT_EQ(report.unwritten.size(), 2u);
  EXPECT_EQ(report.unwritten[1].reason,
            "temporary bitmap " + (dir / "fc/grafico3.bmp") + " not loaded: not a readable bitmap");
  EXPECT_EQ(dir.list("fc"), Names{"previous_M3000F2_plots"});
  EXPECT_EQ(dir.list("www"), Names{});
}

TEST_F(Export, AMissingPublicationFolderStillGetsTheArchivePictureWritten) {
  std::filesystem::remove_all(dir / "www");
  const ExportReport report = export_chart();
  ASSERT_EQ(report.unwritten.size(), 1u);
  EXPECT_EQ(report.unwritten[0].path, dir / "www/plotM3.gif");
  EXPECT_EQ(report.unwritten[0].reason, "No such file or directory");
  EXPECT_EQ(report.bitmap_left, "");
  EXPECT_EQ(dir.list("fc"), Names{"previous_M3000F2_plots"});
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"), Names{"2009195.gif"});
}

TEST_F(Export, AMissingArchiveFolderKeepsThePublicationPictureAndDeletesTheBitmap) {
  std::filesystem::remove_all(dir / "fc/previous_M3000F2_plots");
  const ExportReport report = export_chart();
  ASSERT_EQ(report.unwritten.size(), 1u);
  EXPECT_EQ(report.unwritten[0].path, dir / "fc/previous_M3000F2_plots/2009195.gif");
  EXPECT_EQ(report.unwritten[0].reason, "No such file or directory");
  EXPECT_EQ(dir.list("www"), Names{"plotM3.gif"});
  EXPECT_EQ(dir.list("fc"), Names{});
}

TEST_F(Export, ABitmapAlreadyGoneIsOnlyAWarning) {
  BitmapGoneFileSystem gone;
  const ExportReport report = export_chart(converter, gone);
  EXPECT_TRUE(report.unwritten.empty());
  EXPECT_EQ(report.bitmap_left, dir / "fc/grafico3.bmp" + ": No such file or directory");
  EXPECT_EQ(dir.list("www"), Names{"plotM3.gif"});
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"), Names{"2009195.gif"});
}

TEST_F(Export, AFailedPublicationWriteLeavesNoTemporaryFile) {
  dir.make_folder("www/plotM3.gif");  // a folder stands where the picture should go
  const ExportReport report = export_chart();
  ASSERT_EQ(report.unwritten.size(), 1u);
  EXPECT_EQ(report.unwritten[0].reason, "Is a directory");
  EXPECT_EQ(dir.list("www"), Names{"plotM3.gif"});
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"), Names{"2009195.gif"});
}

}  // namespace
