#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/dry_run_file_system.h"
#include "testsupport/temp_dir.h"

namespace {

std::string content_of(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

// Only the settings file's folder values read "\" as "/": every path that reaches the file
// system is taken as it is, so a backslash is a character of a name.
TEST(PosixFileSystem, TakesPathsAsTheyAreWithABackslashPartOfAName) {
  TempDir dir;
  dir.make_folder("a");
  PosixFileSystem files;
  std::string err;
  ASSERT_TRUE(files.WriteFile(dir / "a\\b.prom", "x", 1, Durability::kFlushed, &err)) << err;
  EXPECT_EQ(dir.list(), (std::vector<std::string>{"a", "a\\b.prom"}));
  EXPECT_EQ(dir.list("a"), std::vector<std::string>{});
  EXPECT_NE(files.Open(dir / "a\\b.prom", &err), nullptr);
  EXPECT_EQ(files.Open(dir / "a/b.prom", &err), nullptr);
  EXPECT_EQ(files.Kind(dir / "a\\b.prom"), PathKind::file);
  EXPECT_EQ(folder_of("data\\RM041_2009195134500.TXT"), "");
}

mode_t mode_of(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// A file that replaces another keeps the other's permission bits whatever the umask; a new
// one gets 0666 less the umask.
TEST(WriteFileReplacing, KeepsTheModeOfTheFileItReplacesAndNoTemporaryIsLeft) {
  struct Case {
    std::optional<mode_t> existing;
    mode_t mask;
    mode_t expected;
  };
  const Case cases[] = {
      {std::nullopt, 022, 0644}, {std::nullopt, 077, 0600}, {0644, 077, 0644},
      {0600, 022, 0600},         {0751, 0, 0751},           {04755, 022, 0755},
  };
  for (const Case& c : cases) {
    TempDir dir;
    if (c.existing) {
      dir.write("plotM1.gif", "old picture");
      ASSERT_EQ(::chmod((dir / "plotM1.gif").c_str(), *c.existing), 0);
    }
    const mode_t previous_mask = umask(c.mask);
    std::string err;
    const bool written =
        PosixFileSystem().WriteFile(dir / "plotM1.gif", "new", 3, Durability::kFlushed, &err);
    umask(previous_mask);

    ASSERT_TRUE(written) << err;
    EXPECT_EQ(content_of(dir / "plotM1.gif"), "new");
    EXPECT_EQ(mode_of(dir / "plotM1.gif"), c.expected) << std::oct << c.existing.value_or(0);
    EXPECT_EQ(dir.list(), std::vector<std::string>{"plotM1.gif"});
  }
}

// A group the process may give its files: any for the superuser, else one it belongs to
// besides its own.
std::optional<gid_t> another_group() {
  if (::geteuid() == 0) return ::getegid() + 1;
  std::vector<gid_t> groups(static_cast<std::size_t>(::getgroups(0, nullptr)));
  groups.resize(
      static_cast<std::size_t>(::getgroups(static_cast<int>(groups.size()), groups.data())));
  for (const gid_t group : groups) {
    if (group != ::getegid()) return group;
  }
  return std::nullopt;
}

TEST(WriteFileReplacing, KeepsTheGroupOfTheFileItReplaces) {
  const std::optional<gid_t> group = another_group();
  if (!group) GTEST_SKIP() << "the process belongs to no second group";
  TempDir dir;
  dir.write("plotM1.gif", "old picture");
  ASSERT_EQ(::chown((dir / "plotM1.gif").c_str(), static_cast<uid_t>(-1), *group), 0);
  std::string err;
  ASSERT_TRUE(
      PosixFileSystem().WriteFile(dir / "plotM1.gif", "new", 3, Durability::kFlushed, &err));
  struct stat info {};
  ASSERT_EQ(::stat((dir / "plotM1.gif").c_str(), &info), 0);
  EXPECT_EQ(info.st_gid, *group);
}

// The real file system with each flush recorded: the name the flushed descriptor's file had
// then, and its size.
class FlushRecordingFileSystem : public PosixFileSystem {
 public:
  std::vector<std::string> flushed;

 protected:
  bool Flush(int fd) override {
    std::error_code error;
    const auto name = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
    struct stat info {};
    ::fstat(fd, &info);
    flushed.push_back(name.string() + " " + std::to_string(info.st_size));
    return PosixFileSystem::Flush(fd);
  }
};

// A published file reaches the disk whole while it is still the temporary file, so that a
// crash after the rename cannot leave an empty picture under the name; a temporary file that
// is read back and deleted at once is not flushed.
TEST(WriteFileReplacing, AFlushedFileIsFlushedWholeBeforeItTakesTheName) {
  TempDir dir;
  dir.write("plotM1.gif", "old picture");
  FlushRecordingFileSystem files;
  std::string err;
  ASSERT_TRUE(files.WriteFile(dir / "plotM1.gif", "new picture!", 12, Durability::kFlushed, &err));
  ASSERT_EQ(files.flushed.size(), 1u);
  const std::string& flushed = files.flushed[0];
  EXPECT_TRUE(flushed.starts_with(dir / ".plotM1.gif.")) << flushed;
  EXPECT_TRUE(flushed.ends_with(" 12")) << flushed;
  EXPECT_EQ(flushed.size(), (dir / ".plotM1.gif.XXXXXX 12").size()) << flushed;
  EXPECT_EQ(content_of(dir / "plotM1.gif"), "new picture!");

  ASSERT_TRUE(files.WriteFile(dir / "grafico1.bmp", "BM", 2, Durability::kTemporary, &err));
  EXPECT_EQ(files.flushed.size(), 1u);
}

TEST(WriteFileReplacing, AMissingFolderIsReportedWithItsReason) {
  TempDir dir;
  std::string err;
  EXPECT_FALSE(
      PosixFileSystem().WriteFile(dir / "www/plotM1.gif", "x", 1, Durability::kFlushed, &err));
  EXPECT_EQ(err, "No such file or directory");
}

TEST(WriteFileReplacing, AFailedRenameLeavesNoTemporaryFile) {
  TempDir dir;
  dir.make_folder("plotM1.gif");  // a folder where the picture should go
  std::string err;
  EXPECT_FALSE(PosixFileSystem().WriteFile(dir / "plotM1.gif", "x", 1, Durability::kFlushed, &err));
  EXPECT_EQ(err, "Is a directory");
  EXPECT_EQ(dir.list(), std::vector<std::string>{"plotM1.gif"});
}

TEST(WriteFileReplacing, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  TempDir dir;
  dir.write("plotM1.gif", "old picture");
  // A file size limit below the new content makes the write itself fail, as a full disk
  // would.
  rlimit previous{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = previous;
  limited.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const std::string content(1000, 'x');
  std::string err;
  const bool written = PosixFileSystem().WriteFile(dir / "plotM1.gif", content.data(),
                                                   content.size(), Durability::kFlushed, &err);
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previous_handler);

  EXPECT_FALSE(written);
  EXPECT_EQ(err, "File too large");
  EXPECT_EQ(content_of(dir / "plotM1.gif"), "old picture");
  EXPECT_EQ(dir.list(), std::vector<std::string>{"plotM1.gif"});
}

TEST(PosixFileSystem, OpensFilesButNotFoldersAndDeletes) {
  TempDir dir;
  dir.write("a.txt", "one\r\ntwo");
  dir.make_folder("folder");
  PosixFileSystem files;
  std::string err;

  auto file = files.Open(dir / "a.txt", &err);
  ASSERT_NE(file, nullptr) << err;
  std::string line;
  ASSERT_TRUE(file->ReadLine(&line));
  EXPECT_EQ(line, "one");

  EXPECT_EQ(files.Open(dir / "folder", &err), nullptr);
  EXPECT_EQ(err, "Is a directory");
  EXPECT_EQ(files.Open(dir / "missing.txt", &err), nullptr);
  EXPECT_EQ(err, "No such file or directory");

  EXPECT_TRUE(files.Kill(dir / "a.txt", &err));
  EXPECT_FALSE(dir.exists("a.txt"));
  EXPECT_FALSE(files.Kill(dir / "a.txt", &err));
  EXPECT_EQ(err, "No such file or directory");
}

// Lines that straddle the reader's blocks, a carriage return ending one block and its line
// feed beginning the next among them, read from a real file as from memory.
TEST(PosixFileSystem, FilesReadAcrossBlocksAsInMemory) {
  TempDir dir;
  const std::string content = std::string(4095, 'a') + "\r\n" + std::string(5000, 'b') + "\rc\r";
  dir.write("long.txt", content);
  PosixFileSystem files;
  std::string err;
  auto on_disk = files.Open(dir / "long.txt", &err);
  ASSERT_NE(on_disk, nullptr) << err;
  TextFile in_memory(content);
  std::string from_disk, from_memory;
  int lines = 0;
  while (in_memory.ReadLine(&from_memory)) {
    ASSERT_TRUE(on_disk->ReadLine(&from_disk));
    EXPECT_EQ(from_disk, from_memory);
    ++lines;
  }
  EXPECT_FALSE(on_disk->ReadLine(&from_disk));
  EXPECT_EQ(lines, 3);
}

TEST(FolderOf, IsThePathUpToItsLastSeparator) {
  EXPECT_EQ(folder_of("/srv/data/RM"), "/srv/data/");
  EXPECT_EQ(folder_of("data/"), "data/");
  EXPECT_EQ(folder_of("RM041_2009195134500.TXT"), "");
}

// A name opened through the folder gives what the full path gives: the file, or nothing for
// a missing file, a subfolder or a folder that is not there at all.
TEST(PosixFileSystem, AFolderOpensItsFilesByName) {
  TempDir dir;
  dir.make_folder("data/sub");
  dir.write("data/RM041_2009195134500.TXT", "Rome");
  PosixFileSystem files;
  std::string line;

  auto folder = files.OpenFolder(dir / "data/");
  auto file = folder->Open("RM041_2009195134500.TXT");
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->ReadLine(&line));
  EXPECT_EQ(line, "Rome");
  EXPECT_EQ(folder->Open("RM041_2009195134600.TXT"), nullptr);
  EXPECT_EQ(folder->Open("sub"), nullptr);
  EXPECT_EQ(files.OpenFolder(dir / "missing/")->Open("RM041_2009195134500.TXT"), nullptr);

  CurrentDirectory in_data(dir / "data");
  EXPECT_NE(files.OpenFolder("")->Open("RM041_2009195134500.TXT"), nullptr);
}

TEST(PosixFileSystem, TheFirstEntryIsTheSmallestVisibleRegularFile) {
  TempDir dir;
  dir.make_folder("data/AAA_folder");
  dir.write("data/.hidden", "Mali");
  dir.write("data/RM041_2009195134500.TXT", "Rome");
  dir.write("data/RM041_2009195131500.TXT", "Rome");
  dir.write("data/rm041_2009195000000.TXT", "Rome");
  dir.make_folder("empty");
  PosixFileSystem files;
  const auto first = [&files](const std::string& folder) {
    std::string name = "unchanged";
    std::string err;
    return files.Dir(folder, &name, &err) ? name : "cannot list: " + err;
  };
  EXPECT_EQ(first(dir / "data/"), "RM041_2009195131500.TXT");
  EXPECT_EQ(first(dir / "empty/"), "");
  EXPECT_EQ(first(dir / "missing/"), "cannot list: No such file or directory");
  EXPECT_EQ(first(dir / "data/RM041_2009195131500.TXT/"), "cannot list: Not a directory");
  CurrentDirectory in_data(dir / "data");
  EXPECT_EQ(first(""), "RM041_2009195131500.TXT");
}

// The archive's listing: every plain file in one pass, nothing that a link or a dot hides.
TEST(PosixFileSystem, ListsTheVisibleRegularFilesOfAFolder) {
  TempDir dir;
  dir.make_folder("archive");
  dir.write("archive/2026184.gif", "");
  dir.write("archive/2026184.json", "");
  dir.write("archive/.2026185.gif.k2P9xQ", "");
  dir.make_folder("archive/2026186.gif");
  std::filesystem::create_symlink("/etc/hostname", dir / "archive/2026187.gif");
  PosixFileSystem files;
  const auto listed = [&files](const std::string& folder) {
    std::vector<std::string> names;
    std::string err;
    const auto add = [&names](std::string_view name) { names.emplace_back(name); };
    if (!files.List(folder, add, &err)) return std::vector<std::string>{"cannot list: " + err};
    std::sort(names.begin(), names.end());
    return names;
  };
  EXPECT_EQ(listed(dir / "archive/"), (std::vector<std::string>{"2026184.gif", "2026184.json"}));
  EXPECT_EQ(listed(dir / "missing/"),
            std::vector<std::string>{"cannot list: No such file or directory"});
  EXPECT_EQ(listed(dir / "archive/2026184.gif/"),
            std::vector<std::string>{"cannot list: Not a directory"});
  CurrentDirectory in_archive(dir / "archive");
  EXPECT_EQ(listed("").size(), 2u);
}

TEST(PosixFileSystem, SameFileFollowsLinks) {
  TempDir dir;
  dir.make_folder("fc/previous_M3000F2_plots");
  dir.make_folder("www");
  std::filesystem::create_directory_symlink("../fc/previous_M3000F2_plots", dir / "www/archive");
  std::filesystem::create_directory_symlink("../fc", dir / "www/other");
  PosixFileSystem files;
  EXPECT_TRUE(files.SameFile(dir / "www/archive", dir / "fc/previous_M3000F2_plots/"));
  EXPECT_FALSE(files.SameFile(dir / "www/other", dir / "fc/previous_M3000F2_plots"));
  EXPECT_FALSE(files.SameFile(dir / "www/missing", dir / "www/missing"));
}

TEST(DryRunFileSystem, ListsWhatItWroteBesideWhatIsOnDisk) {
  TempDir dir;
  dir.make_folder("www");
  dir.write("www/plotM1.gif", "old");
  PosixFileSystem real;
  DryRunFileSystem files(real);
  std::string err;
  ASSERT_TRUE(files.WriteFile(dir / "www/plotM1.gif", "new", 3, Durability::kFlushed, &err));
  ASSERT_TRUE(files.WriteFile(dir / "www/index.html", "<p>", 3, Durability::kFlushed, &err));
  std::vector<std::string> names;
  const auto add = [&names](std::string_view name) { names.emplace_back(name); };
  ASSERT_TRUE(files.List(dir / "www/", add, &err)) << err;
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"index.html", "plotM1.gif"}));
  EXPECT_FALSE(dir.exists("www/index.html"));
}

TEST(PosixFileSystem, ReadsAndWritesWholeFilesUpToALimit) {
  TempDir dir;
  PosixFileSystem files;
  std::string err;
  ASSERT_TRUE(files.WriteFile(dir / "a.bin", "0123456789", 10, Durability::kFlushed, &err));
  std::string contents;
  EXPECT_TRUE(files.ReadFile(dir / "a.bin", 10, &contents, &err));
  EXPECT_EQ(contents, "0123456789");
  EXPECT_FALSE(files.ReadFile(dir / "a.bin", 9, &contents, &err));
  EXPECT_EQ(err, "larger than 9 bytes");
  EXPECT_FALSE(files.ReadFile(dir / "missing", 10, &contents, &err));
  EXPECT_EQ(err, "No such file or directory");
  EXPECT_FALSE(files.WriteFile(dir / "missing/a.bin", "x", 1, Durability::kFlushed, &err));
  EXPECT_EQ(err, "No such file or directory");
}

TEST(PosixFileSystem, KindTellsFilesFromFoldersAndWhatCanBeWrittenInto) {
  TempDir dir;
  dir.write("a.txt", "");
  dir.make_folder("www");
  dir.make_folder("locked");
  std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  PosixFileSystem files;
  EXPECT_EQ(files.Kind(dir / "a.txt"), PathKind::file);
  EXPECT_EQ(files.Kind(dir / "www"), PathKind::writable_folder);
  EXPECT_EQ(files.Kind(dir / "missing"), PathKind::missing);
  EXPECT_EQ(files.Kind(dir / "a.txt/b"), PathKind::missing);
  // The superuser may write into any folder.
  EXPECT_EQ(files.Kind(dir / "locked"),
            ::geteuid() == 0 ? PathKind::writable_folder : PathKind::folder);
}

// Only the temporary files of the names given, in the folder the prefix names, are deleted:
// nothing that merely resembles one, nothing elsewhere, no link and no folder.
TEST(RemoveLeftovers, DeletesExactlyTheTemporaryFilesOfTheNamesGiven) {
  TempDir dir;
  dir.make_folder("www");
  const std::vector<std::string> removed = {".plotM1.gif.Ab3dE9", ".plotM6.gif.zzzzzz",
                                            ".plotM3.gif.000000"};
  const std::vector<std::string> kept = {
      ".plotM7.gif.Ab3dE9", ".plotM1.gif.Ab3dE",  ".plotM1.gif.Ab3dE9x", "plotM1.gif.Ab3dE9",
      ".plotM1.gif.Ab-dE9", ".plotM1.gif.XXXXX_", ".plotM12.gif.abcdef", ".plotm1.gif.abcdef",
      ".plotM1.gif",        "plotM1.gif",         ".grafico1.bmp.abcdef"};
  for (const std::string& name : removed) dir.write("www/" + name, "partial");
  for (const std::string& name : kept) dir.write("www/" + name, "not ours");
  dir.make_folder("www/.plotM2.gif.abcdef");
  std::filesystem::create_symlink(dir / "www/plotM1.gif", dir / "www/.plotM4.gif.abcdef");
  dir.write(".plotM5.gif.abcdef", "beside the folder");

  EXPECT_EQ(remove_leftovers({dir / "www/", {"plotM[1-6].gif"}, {}}), std::vector<std::string>{});

  std::vector<std::string> left = kept;
  left.push_back(".plotM2.gif.abcdef");
  left.push_back(".plotM4.gif.abcdef");
  std::sort(left.begin(), left.end());
  EXPECT_EQ(dir.list("www"), left);
  EXPECT_TRUE(dir.exists(".plotM5.gif.abcdef"));
}

// A folder value without its final separator is a prefix of the names: the files, and their
// temporary files, lie in the folder above it.
TEST(RemoveLeftovers, APrefixWithoutSeparatorIsPartOfTheNames) {
  TempDir dir;
  dir.write(".wwwplotM1.gif.abcdef", "partial");
  dir.write(".plotM1.gif.abcdef", "not of this prefix");
  dir.write("wwwgrafico1.bmp", "left by a killed export");
  dir.write("grafico1.bmp", "not of this prefix");
  EXPECT_EQ(remove_leftovers({dir / "www", {"plotM[1-6].gif"}, {"grafico[0-6].bmp"}}),
            std::vector<std::string>{});
  EXPECT_EQ(dir.list(), (std::vector<std::string>{".plotM1.gif.abcdef", "grafico1.bmp"}));
  EXPECT_EQ(remove_leftovers({dir / "missing/", {"plotM[1-6].gif"}, {}}),
            std::vector<std::string>{});
}

// A temporary name goes itself, and with its own temporary files; only what matches it
// exactly, and only a regular file.
TEST(RemoveLeftovers, DeletesTheFilesOfTemporaryNamesThemselves) {
  TempDir dir;
  const std::vector<std::string> removed = {"grafico0.bmp", "grafico6.bmp", ".grafico3.bmp.Ab3dE9"};
  const std::vector<std::string> kept = {"grafico7.bmp", "grafico1.bmp.bak", "xgrafico1.bmp",
                                         "grafico1.BMP", "plotM1.gif"};
  for (const std::string& name : removed) dir.write(name, "left");
  for (const std::string& name : kept) dir.write(name, "not ours");
  dir.make_folder("grafico2.bmp");
  std::filesystem::create_symlink(dir / "plotM1.gif", dir / "grafico4.bmp");

  EXPECT_EQ(remove_leftovers({dir.path() + "/", {"plotM[1-6].gif"}, {"grafico[0-6].bmp"}}),
            std::vector<std::string>{});

  std::vector<std::string> left = kept;
  left.push_back("grafico2.bmp");
  left.push_back("grafico4.bmp");
  std::sort(left.begin(), left.end());
  EXPECT_EQ(dir.list(), left);
}

// A sparse file of 15 TiB with no line end is read to the budget only, through either way of
// opening it, and then reads as ended.
TEST(PosixFileSystem, AHugeFileIsReadToTheBudgetOnly) {
  TempDir dir;
  dir.write("huge.TXT", "Rome");
  std::filesystem::resize_file(dir / "huge.TXT", std::uintmax_t{15} << 40);
  const std::string expected = "Rome" + std::string(TextFile::kReadBudget - 4, '\0');

  PosixFileSystem files;
  std::string err;
  std::unique_ptr<TextFile> by_path = files.Open(dir / "huge.TXT", &err);
  std::unique_ptr<TextFile> by_name = files.OpenFolder(dir.path() + "/")->Open("huge.TXT");
  for (TextFile* file : {by_path.get(), by_name.get()}) {
    ASSERT_NE(file, nullptr) << err;
    std::string line;
    ASSERT_TRUE(file->ReadLine(&line));
    EXPECT_EQ(line, expected);
    EXPECT_FALSE(file->ReadLine(&line));
  }
}

}  // namespace
