#include "platform/fs/paths.h"

#include <gtest/gtest.h>

#include "tests/platform/temp_folder.h"

namespace iv {
namespace {

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

}  // namespace
}  // namespace iv
