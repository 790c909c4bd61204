#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "files/io/SafeSave.h"
#include "files/lifefile/LifeFile.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "settings/SettingsRecord.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/TempFolder.h"

namespace orvalis {
namespace {

TEST(SafeSave, ReplacesAFileKeepingItsPermissionsAndLeavesNothingElse) {
  const test::TempFolder folder;
  const std::string path = folder.write("muster.lxm", "alt");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(saveFileReplacing(path, "neu"));
  EXPECT_EQ(test::fileContent(path), "neu");
  struct stat status {};
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"muster.lxm"});
}

// Written piece by piece, as a long run writes its table or animation: the
// old file stays until the commit, and a file never committed leaves
// nothing behind.
TEST(SafeSave, AFileWrittenInPiecesReplacesTheOldOneOnlyWhenCommitted) {
  const test::TempFolder folder;
  const std::string path = folder.write("tabelle.csv", "alt");
  const std::string large(200000, 'x');
  {
    ReplacingFile stopped(path);
    ASSERT_TRUE(stopped.isOpen());
    EXPECT_TRUE(stopped.write(large));
  }
  EXPECT_EQ(test::fileContent(path), "alt");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"tabelle.csv"});

  ReplacingFile file(path);
  for (const std::string_view piece : {std::string_view("kopf\n"), std::string_view(large)}) {
    EXPECT_TRUE(file.write(piece));
  }
  EXPECT_EQ(test::fileContent(path), "alt");
  EXPECT_EQ(folder.entries().size(), 2u) << "the new file grows beside the old one";
  EXPECT_TRUE(file.commit());
  EXPECT_TRUE(test::fileContent(path) == "kopf\n" + large);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"tabelle.csv"});
  EXPECT_FALSE(file.write("mehr")) << "nothing after the commit";

  EXPECT_FALSE(ReplacingFile(folder.path("fehlt/tabelle.csv")).isOpen());
}

TEST(SafeSave, ASymbolicLinkKeepsPointingToTheReplacedFile) {
  const test::TempFolder folder;
  const std::string real = folder.write("echt.lif", "alt");
  const std::string link = folder.path("verweis.lif");
  ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
  ASSERT_TRUE(saveFileReplacing(link, "neu"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(test::fileContent(real), "neu");
}

// A pipe (a script's "--population /dev/stdout") gets the bytes as they
// come; one without a reader fails at once instead of hanging.
TEST(SafeSave, APipeIsWrittenToDirectly) {
  const test::TempFolder folder;
  const std::string pipe = folder.path("rohr");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(saveFileReplacing(pipe, "ohne Leser"));

  std::string received;
  std::thread reader([&] { received = test::fileContent(pipe); });
  // The reader may not have opened its end yet.
  std::optional<ReplacingFile> file;
  for (int attempt = 0; attempt < 1000 && !(file && file->isOpen()); ++attempt) {
    file.emplace(pipe);
    std::this_thread::sleep_for(std::chrono::milliseconds(attempt == 0 ? 0 : 5));
  }
  ASSERT_TRUE(file->isOpen());
  EXPECT_TRUE(file->write("generation,living,static\n"));
  EXPECT_TRUE(file->commit());
  reader.join();
  EXPECT_EQ(received, "generation,living,static\n");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"rohr"});
}

TEST(SafeSave, PathsThatCannotTakeAFileFailAndChangeNothing) {
  const test::TempFolder folder;
  std::filesystem::create_directory(folder.path("ordner"));
  EXPECT_FALSE(saveFileReplacing(folder.path("ordner"), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.path("ordner")));
  EXPECT_FALSE(saveFileReplacing(folder.path("fehlt/muster.lif"), "x"));
  EXPECT_FALSE(saveFileReplacing(folder.path("ordner") + "/", "x"));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"ordner"});

  SettingsRecord settings;
  CellGrid grid;
  settings.setGadgetText(GadgetId::FileNameField, "vorher.lxm");
  EXPECT_FALSE(test::saveAs(FormatId::LifeXml, folder.path("fehlt/muster.lxm"), settings, grid));
  EXPECT_FALSE(test::saveAs(FormatId::LifeFile, folder.path("ordner"), settings, grid));
  EXPECT_EQ(settings.gadgetText(GadgetId::FileNameField), "vorher.lxm")
      << "a failed save names no file";
}

// A disk that fills up while the file is written: the file size limit makes
// the write fail half-way, in a child process so that the limit stays there.
TEST(SafeSave, AWriteThatFailsHalfWayKeepsTheOldFile) {
  const test::TempFolder folder;
  const std::string old(100, 'a');
  const std::string path = folder.write("muster.lif", old);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    SettingsRecord settings;
    settings.setGadgetValue(GadgetId::SizeXSpin, 500);
    settings.setGadgetValue(GadgetId::SizeYSpin, 500);
    CellGrid grid;
    ::_exit(test::saveAs(FormatId::LifeFile, path, settings, grid) ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was reported";
  EXPECT_EQ(test::fileContent(path), old);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"muster.lif"});
}

// Runs `save` in a child process, so that limits it sets stay there, and
// gives its result. Root, whom no permission bits stop, acts as the user
// "nobody" there.
bool savedInChild(const std::function<bool()>& save) {
  const pid_t child = ::fork();
  if (child == 0) {
    const uid_t nobody = 65534;
    const bool bound = ::geteuid() != 0 || (::setgid(nobody) == 0 && ::setuid(nobody) == 0);
    ::_exit(bound && save() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

TEST(SafeSave, AWriteProtectedFileIsNotReplaced) {
  const test::TempFolder folder;
  ASSERT_EQ(::chmod(folder.folder().c_str(), 0777), 0);
  const std::string locked = folder.write("geschuetzt.lif", "alt");
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  const std::string open = folder.write("offen.lif", "alt");
  ASSERT_EQ(::chmod(open.c_str(), 0666), 0);

  EXPECT_FALSE(savedInChild([&] { return saveFileReplacing(locked, "neu"); }));
  EXPECT_EQ(test::fileContent(locked), "alt");
  EXPECT_TRUE(savedInChild([&] { return saveFileReplacing(open, "neu"); }));
  EXPECT_EQ(test::fileContent(open), "neu");
}

// No temporary file can be made beside the file: it is overwritten in place.
TEST(SafeSave, AWritableFileInAFolderWithoutNewFilesIsOverwrittenInPlace) {
  const test::TempFolder folder;
  const std::string path = folder.write("muster.lxm", "alt und etwas l\xE4nger");
  ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(folder.folder().c_str(), 0555), 0);

  EXPECT_TRUE(savedInChild([&] { return saveFileReplacing(path, "neu"); }));
  EXPECT_EQ(test::fileContent(path), "neu");
  EXPECT_FALSE(savedInChild([&] { return saveFileReplacing(folder.path("neu.lxm"), "x"); }))
      << "a new file still cannot be made there";
  // A file that cannot grow fails before anything of it is overwritten.
  EXPECT_FALSE(savedInChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{8, 8};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return saveFileReplacing(path, "viel zu lang");
  }));
  EXPECT_EQ(test::fileContent(path), "neu");

  ASSERT_EQ(::chmod(folder.folder().c_str(), 0700), 0);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"muster.lxm"});
}

}  // namespace
}  // namespace orvalis
