#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/SafeFile.h"
#include "platform/ShownText.h"
#include "platform/StagedFile.h"
#include "support/FileSizeLimit.h"

namespace korvane::platform {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class SafeFile : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
  // Nothing but the named entries: no temporary is left behind.
  QStringList Entries() const {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
  QTemporaryDir dir;
};

TEST_F(SafeFile, FullDiskKeepsTheOldFile) {
  const std::string file = Path("setup.qx4");
  Write(file, "old contents\n");
  const std::string big(64 * 1024, 'x');
  std::string error;
  {
    test::FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.ok());
    EXPECT_FALSE(SaveFileReplacing(file, big, &error, Language::kEnglish));
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadAll(file), "old contents\n");
  EXPECT_EQ(Entries(), QStringList{"setup.qx4"});
  // Without the limit the same save goes through and keeps the file's permissions.
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  ASSERT_TRUE(SaveFileReplacing(file, big, &error, Language::kEnglish)) << error;
  EXPECT_EQ(ReadAll(file), big);
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SafeFile, OnlyRegularFilesAreReplaced) {
  const std::string fifo = Path("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string socketPath = Path("socket");
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  socketPath.copy(addr.sun_path, sizeof addr.sun_path - 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(::symlink("missing", Path("dangling").c_str()), 0);
  ASSERT_EQ(::symlink(fifo.c_str(), Path("to-fifo").c_str()), 0);
  struct Case {
    std::string path;
    const char* reason;
  } cases[] = {{fifo, "FIFO"},
               {Path("to-fifo"), "FIFO"},
               {"/dev/null", "character device"},
               {socketPath, "socket"},
               {dir.path().toStdString(), "directory"},
               {Path("dangling"), "missing"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_NE(WriteTargetProblem(c.path, Language::kEnglish).find(c.reason), std::string::npos)
        << WriteTargetProblem(c.path, Language::kEnglish);
    std::string error;
    EXPECT_FALSE(SaveFileReplacing(c.path, "data", &error, Language::kEnglish));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  ::close(sock);
  struct stat st {};
  ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(Entries().size(), 4);  // fifo, socket and the two links, nothing new
}

TEST_F(SafeFile, LinkToARegularFileKeepsPointingAtIt) {
  ::mkdir(Path("real").c_str(), 0755);
  const std::string target = Path("real/config.ini");
  Write(target, "old");
  ASSERT_EQ(::symlink("real/config.ini", Path("link.ini").c_str()), 0);
  EXPECT_EQ(WriteTargetProblem(Path("link.ini"), Language::kEnglish), "");
  EXPECT_EQ(WriteTargetProblem(Path("new.ini"), Language::kEnglish), "");
  std::string error;
  ASSERT_TRUE(SaveFileReplacing(Path("link.ini"), "new", &error, Language::kEnglish)) << error;
  struct stat st {};
  ASSERT_EQ(::lstat(Path("link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadAll(target), "new");
}

// A logger export into the recording file must close the recording first; a file of
// the same name in another folder must not.
TEST_F(SafeFile, SameFileComparesPlacesNotNames) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("other"));
  Write(Path("rec.txt"), "x");
  Write(Path("other/rec.txt"), "x");
  ASSERT_EQ(::symlink(Path("rec.txt").c_str(), Path("link.txt").c_str()), 0);
  const std::string folder = dir.path().toStdString();
  const struct {
    std::string a, b;
    bool same;
  } cases[] = {
      {Path("rec.txt"), Path("rec.txt"), true},        {Path("rec.txt"), folder + "/other/../rec.txt", true},
      {Path("rec.txt"), Path("link.txt"), true},       {Path("rec.txt"), Path("other/rec.txt"), false},
      {Path("new.txt"), folder + "/./new.txt", true},  // not there yet
      {Path("new.txt"), Path("other/new.txt"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " / " << c.b;
}

// The export's writer: nothing replaces the target before the commit, a piece that does
// not fit is taken back, a file never committed leaves nothing behind.
TEST_F(SafeFile, StagedFileHoldsWholePiecesOnly) {
  const std::string file = Path("export.txt");
  Write(file, "earlier");
  {
    StagedFile staged(Language::kEnglish);
    ASSERT_TRUE(staged.Open(file));
    ASSERT_TRUE(staged.Write("header"));
    EXPECT_EQ(ReadAll(file), "earlier");
  }  // never committed
  EXPECT_EQ(ReadAll(file), "earlier");
  EXPECT_EQ(Entries(), QStringList{"export.txt"});

  StagedFile staged(Language::kEnglish);
  ASSERT_TRUE(staged.Open(file));
  ASSERT_TRUE(staged.Write("header") && staged.Commit());
  EXPECT_EQ(ReadAll(file), "header");
  ASSERT_TRUE(staged.Write("\nrecord 1"));
  {
    test::FileSizeLimit limit(20);
    ASSERT_TRUE(limit.ok());
    EXPECT_FALSE(staged.Write("\nrecord 2 does not fit"));
  }
  EXPECT_FALSE(staged.Write("\nr3"));  // nothing follows a piece that failed
  EXPECT_FALSE(staged.Close());
  EXPECT_EQ(ReadAll(file), "header\nrecord 1");
  EXPECT_NE(staged.error().find("File too large"), std::string::npos) << staged.error();
  EXPECT_EQ(Entries(), QStringList{"export.txt"});
}

TEST(ShownText, ControlsEscapedLongTextsCut) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"A123", "A123"},
      {"\x1b]2;x\x07\x1b[31mRED", "\\x1B]2;x\\x07\\x1B[31mRED"},
      {"20\r\nX\x7f", "20\\x0D\\x0AX\\x7F"},
      {"\xc2\x9b"
       "1m \xb0"
       "C",
       "\\xC2\\x9B1m \\xB0C"},  // a C1 control, a byte that is no UTF-8
      {"Gr\xc3\xb6\xc3\x9f"
       "e \xc2\xb0"
       "C",
       "Gr\xc3\xb6\xc3\x9f"
       "e \xc2\xb0"
       "C"},
      {std::string(100, '9'), std::string(kShownTextChars, '9') + "..."},
  };
  for (const auto& c : cases) EXPECT_EQ(ShownText(c.text), c.shown);
  // An escaped byte counts as one character.
  EXPECT_EQ(ShownText(std::string(kShownTextChars + 1, '\x01')).size(), kShownTextChars * 4 + 3);
}

}  // namespace
}  // namespace korvane::platform
