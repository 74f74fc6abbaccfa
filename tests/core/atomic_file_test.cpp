#include "util/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <vector>

#include "support/file_helpers.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

using test::FolderEntries;
using test::ReadAll;

TEST(AtomicFile, ReplacesTheWholeFileAndKeepsItsPermissions) {
  test::TempDir dir;
  const std::string path = dir.Write("options.bin", "old content that is longer");
  ::chmod(path.c_str(), 0640);

  ASSERT_TRUE(WriteFileAtomically(path, std::string_view("new")).Ok());

  EXPECT_EQ(ReadAll(path), "new");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"options.bin"});
}

TEST(AtomicFile, AFailurePartWayLeavesTheOldFileAndNoTemporaryFile) {
  JOVI_SKIP_WITHOUT_FILE_SIZE_LIMIT();
  test::TempDir dir;
  const std::string old(500, 'o');
  const std::string path = dir.Write("JUP_OPTS.INI", old);
  FileWriteResult result;
  {
    test::FileSizeLimit limit(1000);
    result = WriteFileAtomically(path, std::string(2383, 'n'));
  }
  EXPECT_EQ(result.error, EFBIG);
  EXPECT_FALSE(result.Description().empty());
  EXPECT_EQ(ReadAll(path), old);
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"JUP_OPTS.INI"});
}

TEST(AtomicFile, ReportsFailuresThatLeaveNothingBehind) {
  test::TempDir dir;
  // A missing folder, and a target that is a folder (the rename fails after the write).
  EXPECT_EQ(WriteFileAtomically(dir.File("missing/x.txt"), std::string_view("x")).error, ENOENT);
  std::filesystem::create_directory(dir.Path() / "taken");
  EXPECT_FALSE(WriteFileAtomically(dir.File("taken"), std::string_view("x")).Ok());
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"taken"});
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path() / "taken"));
}

TEST(AtomicFile, AppendCreatesThenAddsAndAFailedAppendKeepsTheOldContent) {
  JOVI_SKIP_WITHOUT_FILE_SIZE_LIMIT();
  test::TempDir dir;
  const std::string path = dir.File("ZEVALog.log");
  ASSERT_TRUE(AppendFileAtomically(path, "one\r\n").Ok());
  ASSERT_TRUE(AppendFileAtomically(path, "two\r\n").Ok());
  EXPECT_EQ(ReadAll(path), "one\r\ntwo\r\n");
  {
    test::FileSizeLimit limit(12);
    EXPECT_FALSE(AppendFileAtomically(path, "three\r\n").Ok());
  }
  EXPECT_EQ(ReadAll(path), "one\r\ntwo\r\n");
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"ZEVALog.log"});
}

}  // namespace
}  // namespace jovi
