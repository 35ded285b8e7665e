#include <gtest/gtest.h>

#include "config/UTSysCs.h"

namespace iv {
namespace {

TEST(CombinePathTest, JoinsConfiguredNamesUnderTheBase) {
#ifdef _WIN32
  GTEST_SKIP() << "the cases are written with POSIX separators";
#endif
  const std::string base = "/srv/kiosk";
  const struct {
    const char *relative;
    const char *expected;
  } cases[] = {
      {"Log", "/srv/kiosk/Log"},
      {"./Log", "/srv/kiosk/Log"},
      {".\\Log", "/srv/kiosk/Log"},
      {"/Log", "/srv/kiosk/Log"},
      {"\\Log", "/srv/kiosk/Log"},
      {"/srv/kiosk/Log", "/srv/kiosk/Log"},     // already under the base
      {"kiosk", "/srv/kiosk"},                  // part of the base
      {"/", "/srv/kiosk"},
      {"\\", "/srv/kiosk"},
      {"../Log", "/srv/kiosk/./Log"},           // only one "." goes
      {"/other/Log", "/srv/kiosk/other/Log"},   // not under the base: joined all the same
      {"", "/srv/kiosk/"},
      {"/srv/kiosk", "/srv/kiosk/srv/kiosk"},   // equal lengths are always joined
      {"INI\\Trade.xml", "/srv/kiosk/INI/Trade.xml"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(CombinePath(base, c.relative), c.expected) << c.relative;
  }
  EXPECT_EQ(CombinePath("/srv/kiosk/", "Log/"), "/srv/kiosk/Log/");
  EXPECT_EQ(CombinePath("", "Log"), "/Log");
}

}  // namespace
}  // namespace iv
