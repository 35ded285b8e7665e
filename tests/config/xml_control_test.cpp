#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/XML_R_W.h"
#include "config_test_support.h"

namespace iv {
namespace {

using test::DataPath;
using test::G;
using test::KioskFolder;

class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xml.LoadFile(DataPath("navigation.xml"));
    ASSERT_EQ(xml.Depth(), 1);
    ASSERT_TRUE(xml.EnterChild("System", false)) << "past the declaration and the comment";
  }
  TXMLControl xml;
};

TEST_F(NavigationTest, EnterChildNeedsChildNodesAndTheExactName) {
  EXPECT_FALSE(xml.EnterChild("Empty", false));
  EXPECT_FALSE(xml.EnterChild("Spaces", false)) << "blank text is no child";
  EXPECT_FALSE(xml.EnterChild("system", false));
  EXPECT_EQ(xml.Depth(), 2);
  ASSERT_TRUE(xml.EnterChild("Twice", false));  // the second one: the first is empty
  EXPECT_EQ(xml.ReadText("Inner"), G(u8"第二个"));
  EXPECT_TRUE(xml.Leave());
  EXPECT_TRUE(xml.Leave()) << "the document level holds the root";
  EXPECT_THROW(xml.Leave(), XmlLevelError);
  EXPECT_EQ(xml.Depth(), 1);
}

TEST_F(NavigationTest, ItemsMatchTheirAttributeTextExactly) {
  ASSERT_TRUE(xml.EnterItem("Item", "Index", "2", false));
  EXPECT_EQ(xml.ReadText("Name"), G(u8"乙")) << "the first of two equal items";
  xml.Leave();
  ASSERT_TRUE(xml.EnterItem("Item", "Index", "02", false));
  EXPECT_EQ(xml.ReadText("Name"), G(u8"丁"));
  xml.Leave();
  EXPECT_FALSE(xml.EnterItem("Item", "Index", "01", false));
  EXPECT_FALSE(xml.EnterItem("Item", "Index", "3", false)) << "<item> is another name";
  EXPECT_FALSE(xml.EnterItem("Item", "index", "1", false));
  EXPECT_TRUE(xml.EnterItem(G(u8"银行"), G(u8"名称"), G(u8"工商"), false)) << "no children needed";
  xml.Leave();
  // Counted: 1, 2, 2, 02 and the empty Index; not the Item without one, nor <item>.
  EXPECT_EQ(xml.CountItems("Item", "Index"), 5);
  EXPECT_EQ(xml.CountItems("Item", "Name"), 0);
}

TEST_F(NavigationTest, ReadTextTakesTheFirstPlainNonEmptyText) {
  EXPECT_EQ(xml.ReadText(G(u8"银行")), G(u8"郑州金水支行"));
  ASSERT_TRUE(xml.EnterChild("Values", false));
  // Empty, blank, CDATA-only and mixed elements are passed over.
  EXPECT_EQ(xml.ReadText("Value"), "0");
  EXPECT_EQ(xml.ReadText("Missing"), "");
}

TEST_F(NavigationTest, CreatingAppendsToTheCurrentLevel) {
  ASSERT_TRUE(xml.EnterChild("Values", false));
  ASSERT_TRUE(xml.EnterItem("Item", "Index", "7", true));
  EXPECT_EQ(xml.Depth(), 4);
  EXPECT_TRUE(xml.Leave());
  EXPECT_TRUE(xml.EnterItem("Item", "Index", "7", false));
  xml.Leave();

  ASSERT_TRUE(xml.EnterChild(G(u8"新节"), true));
  xml.AppendChild("Deeper");
  EXPECT_EQ(xml.Depth(), 5);
  xml.Leave();
  xml.Leave();
  EXPECT_TRUE(xml.EnterChild(G(u8"新节"), false)) << "it has a child now";
  xml.Leave();

  xml.AppendItem("Item", "Index", "8");
  EXPECT_EQ(xml.CountItems("Item", "Index"), 2);
  xml.DeleteChild("Item");
  xml.DeleteChild("Nothing");
  EXPECT_EQ(xml.CountItems("Item", "Index"), 1);
  EXPECT_FALSE(xml.EnterItem("Item", "Index", "7", false)) << "the first one went";
}

TEST(XmlControlTest, WithoutALoadedFileEveryOperationFails) {
  KioskFolder kiosk;
  TXMLControl xml;
  const std::string missing = (kiosk.Ini() / "Missing.xml").string();
  xml.LoadFile(missing);
  EXPECT_EQ(xml.Depth(), 0);
  EXPECT_THROW(xml.EnterChild("System", false), XmlLevelError);
  EXPECT_THROW(xml.EnterItem("Item", "Index", "1", true), XmlLevelError);
  EXPECT_THROW(xml.ReadText("Name"), XmlLevelError);
  EXPECT_THROW(xml.CountItems("Item", "Index"), XmlLevelError);
  EXPECT_THROW(xml.AppendChild("System"), XmlLevelError);
  EXPECT_THROW(xml.Leave(), XmlLevelError);
  const std::string log = kiosk.ErrorLog();
  EXPECT_EQ(log.find(G(u8"出错时间:")), 0u);
  EXPECT_EQ(log.find(G(u8"出错时间:"), 1), std::string::npos) << "one record";
  EXPECT_NE(log.find(G(u8"配置文件 ") + missing + G(u8" ,格式有错,请检查") + "\r\n"),
            std::string::npos);

  // A failed load after a good one keeps the document and the levels.
  xml.LoadFile(DataPath("navigation.xml"));
  ASSERT_TRUE(xml.EnterChild("System", false));
  xml.LoadFile(DataPath("malformed.xml"));
  EXPECT_EQ(xml.Depth(), 2);
  EXPECT_EQ(xml.CountItems("Item", "Index"), 5);
  EXPECT_NE(kiosk.ErrorLog().find(DataPath("malformed.xml")), std::string::npos);
}

TEST(XmlControlTest, FilesAreDecodedByTheirDeclaredEncoding) {
  TXMLControl xml;
  xml.LoadFile(DataPath("gbk_only.xml"));  // declared GB2312, holding GBK-only characters
  ASSERT_TRUE(xml.EnterChild("System", false));
  EXPECT_EQ(xml.ReadText("Name"), G(u8"镕镤个人"));
  xml.LoadFile(DataPath("utf8.xml"));
  ASSERT_TRUE(xml.EnterChild("System", false));
  EXPECT_EQ(xml.ReadText("Name"), G(u8"缴费终端"));
}

TEST(XmlControlTest, DeclaredEntitiesAreNeverExpanded) {
  KioskFolder kiosk;
  for (const char *file : {"xxe.xml", "billion_laughs.xml", "laughs_attribute.xml"}) {
    SCOPED_TRACE(file);
    TXMLControl xml;
    xml.LoadFile(DataPath(file));
    if (xml.Depth() == 0) continue;  // refused as a whole: nothing loaded at all
    ASSERT_TRUE(xml.EnterChild("System", false));
    EXPECT_EQ(xml.ReadText("Value"), "");
    EXPECT_EQ(xml.ReadText("Other"), "");
    if (xml.CountItems("Item", "Index") > 0) {
      EXPECT_TRUE(xml.EnterItem("Item", "Index", "", false));
    }
  }
}

TEST(XmlControlTest, ReloadsOnlyWhenTheFileTimeChanges) {
  KioskFolder kiosk;
  const std::filesystem::path file = kiosk.Ini() / "Sys.xml";
  std::ofstream(file) << "<System><A>1</A></System>";
  TXMLControl xml;
  // A mark appended in memory survives only when the file is not parsed again.
  const auto loadAndMark = [&] {
    xml.LoadFile(file.string());
    xml.EnterChild("System", false);
    const bool kept = xml.CountItems("Mark", "at") == 1;
    if (!kept) xml.AppendItem("Mark", "at", "");
    return kept;
  };
  EXPECT_FALSE(loadAndMark());
  EXPECT_FALSE(loadAndMark()) << "no time was recorded by the first load";
  EXPECT_TRUE(loadAndMark());

  std::ofstream(file) << "<System><A>2</A></System>";
  std::filesystem::last_write_time(
      file, std::filesystem::last_write_time(file) + std::chrono::seconds(5));
  EXPECT_FALSE(loadAndMark());
  EXPECT_EQ(xml.ReadText("A"), "2");

  // A vanished file keeps the document; the stack is reset all the same.
  std::filesystem::remove(file);
  xml.LoadFile(file.string());
  EXPECT_EQ(xml.Depth(), 1);
  EXPECT_TRUE(xml.EnterChild("System", false));
  EXPECT_EQ(xml.ReadText("A"), "2");
  EXPECT_EQ(kiosk.ErrorLog(), "");
}

}  // namespace
}  // namespace iv
