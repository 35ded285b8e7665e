#include "platform/fs/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "platform/diagnostics/log_record.h"
#include "platform/fs/file_content.h"
#include "tests/platform/temp_folder.h"

namespace iv {
namespace {

// File names are GBK on both systems. The trail byte of 0x955C is '\': it stays inside the
// name, and Windows reads the name as the same characters whatever its own code page is.
TEST(FileNamesTest, GbkNamesAreWrittenFoundMeasuredAndRead) {
  testing::TempFolder folder;
  const std::string path = JoinPath(folder.Path(), "\xB2\xE2\xCA\xD4\x95\x5C.txt");
  ASSERT_TRUE(WriteLogRecord(path, "stamp", "message", true));
  ASSERT_TRUE(WriteLogRecord(path, "stamp", "again", false));
  const std::string record = "stamp\r\nmessage\r\n---------------------------------\r\n";
  const std::string appended = "stamp\r\nagain\r\n---------------------------------\r\n";
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadFileContent(path), record + appended);
  EXPECT_EQ(FileSize(path), static_cast<std::int64_t>(record.size() + appended.size()));
  EXPECT_TRUE(ModificationTime(path).has_value());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
  EXPECT_FALSE(FileExists(folder.Path()));
  EXPECT_FALSE(ReadFileContent(JoinPath(folder.Path(), "missing.txt")).has_value());
}

// Windows file names ignore letter case by themselves; only POSIX needs the lookup.
#ifndef _WIN32
TEST(ResolvePathTest, FindsComponentsInAnyLetterCase) {
  testing::TempFolder folder;
  folder.Write("Ini/Print.INI", "");
  const std::string &root = folder.Path();
  EXPECT_EQ(ResolvePath(root + "/Ini/Print.INI"), root + "/Ini/Print.INI");
  EXPECT_EQ(ResolvePath(root + "/INI/print.ini"), root + "/Ini/Print.INI");
  EXPECT_EQ(ResolvePath(root + "/ini/./print.ini"), root + "/Ini/./Print.INI");
}

TEST(ResolvePathTest, KeepsTheTailFromTheFirstMissingComponent) {
  testing::TempFolder folder;
  folder.Write("Log/old.txt", "");
  const std::string &root = folder.Path();
  EXPECT_EQ(ResolvePath(root + "/LOG/ErrorLog.txt"), root + "/Log/ErrorLog.txt");
  EXPECT_EQ(ResolvePath(root + "/none/LOG/x"), root + "/none/LOG/x");
}

TEST(ResolvePathTest, TrailBytesThatLookLikeLettersMustMatchExactly) {
  testing::TempFolder folder;
  folder.Write("\xB2\x61.ini", "");
  const std::string &root = folder.Path();
  EXPECT_EQ(ResolvePath(root + "/\xB2\x41.ini"), root + "/\xB2\x41.ini");
  EXPECT_EQ(ResolvePath(root + "/\xB2\x61.INI"), root + "/\xB2\x61.ini");
}
#endif

}  // namespace
}  // namespace iv
