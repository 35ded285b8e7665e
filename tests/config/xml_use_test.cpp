#include <gtest/gtest.h>

#include "config/XMLuse.h"
#include "config_test_support.h"

namespace iv {
namespace {

using test::G;

std::string RootName(const TXMLuse &use) {
  return use.Root() != nullptr ? reinterpret_cast<const char *>(use.Root()->name) : "";
}

TEST(XmlUseTest, LoadsATextAFileOrStartsANewDocument) {
  // Undeclared text is the system's GBK.
  EXPECT_EQ(RootName(TXMLuse("!" + G(u8"<配置><项/></配置>"), "", "/", 0, "")),
            "\xE9\x85\x8D\xE7\xBD\xAE");
  EXPECT_EQ(RootName(TXMLuse("!<?xml version=\"1.0\" encoding=\"UTF-8\"?><R/>", "X", "/", 0, "")),
            "R");
  EXPECT_EQ(RootName(TXMLuse(test::DataPath("sys/SCConf.xml"), "", "/", 0, "")), "ServiceConfig");

  const TXMLuse created("", G(u8"终端"), "/", 1, "x");
  EXPECT_EQ(RootName(created), "\xE7\xBB\x88\xE7\xAB\xAF");
  EXPECT_EQ(xmlDocGetRootElement(created.Document()), created.Root());
  ASSERT_NE(created.Document()->encoding, nullptr);
  EXPECT_STREQ(reinterpret_cast<const char *>(created.Document()->encoding), "GB2312");
  EXPECT_EQ(created.Flag, 1);
  EXPECT_EQ(created.Extra, "x");
}

TEST(XmlUseTest, FailuresLeaveAnEmptyDocumentWithoutARecord) {
  test::KioskFolder kiosk;
  for (const std::string &source : {(kiosk.Ini() / "SCConf.xml").string(), std::string("  \t "),
                                    std::string("!<Open>"), std::string("!"), std::string("")}) {
    SCOPED_TRACE(source);
    const TXMLuse use(source, "", "/", 0, "");
    EXPECT_EQ(use.Root(), nullptr);
    EXPECT_EQ(use.Document()->children, nullptr);
  }
  EXPECT_EQ(kiosk.ErrorLog(), "");
}

}  // namespace
}  // namespace iv
