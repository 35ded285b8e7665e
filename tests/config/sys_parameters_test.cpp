#include <gtest/gtest.h>

#include <libxml/globals.h>
#include <libxml/xmlerror.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "config/UPubVar.h"
#include "config/UTSysCs.h"
#include "config_test_support.h"

namespace iv {
namespace {

using test::Below;
using test::G;

class SysParametersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShared();
    HostServices = host.Services();
  }
  void TearDown() override { HostServices = nullptr; }

  static void ResetShared() {
    SharedDebugInfo = DebugInfo{};
    RemotIP.clear();
    UseName.clear();
    UsePass.clear();
  }

  // tests/data/config/sys/<file> as INI/Sys.xml, beside an SCConf.xml.
  std::unique_ptr<TSysCs> Load(const std::string &file) {
    kiosk.AddIniFile("sys/" + file, "Sys.xml");
    kiosk.AddIniFile("sys/SCConf.xml", "SCConf.xml");
    return std::make_unique<TSysCs>();
  }

  test::TestHost host;
  test::KioskFolder kiosk;
  const std::string workDir = std::filesystem::current_path().string();
};

TEST_F(SysParametersTest, TheSampleKioskLoadsCompletely) {
  for (const char *name : {"Sys.xml", "SCConf.xml"}) {
    std::filesystem::copy_file(std::filesystem::path(IV_SOURCE_DIR) / "examples/kiosk/INI" / name,
                               kiosk.Ini() / name);
  }
  const TSysCs cs;
  EXPECT_EQ(cs.LoadStatus, -1);
  EXPECT_EQ(cs.IniDir, Below(workDir, "/INI"));
  // The first and last key of every section.
  EXPECT_EQ(cs.EquipMent, "ZZJF-0371-0086");
  EXPECT_EQ(cs.BankName, G(u8"中国工商银行郑州金水支行"));
  EXPECT_EQ(cs.MaxCzje, 5000.0);
  EXPECT_EQ(cs.AreaNo, "0371");
  EXPECT_FALSE(SharedDebugInfo.ReaderDebug);
  EXPECT_EQ(SharedDebugInfo.ICCardSta, 1);
  EXPECT_EQ(cs.CommDelay, 30000);
  EXPECT_EQ(cs.CommClose, 5000);
  EXPECT_EQ(RemotIP, "192.168.10.30");
  EXPECT_EQ(UsePass, "zz0371");
  EXPECT_EQ(cs.BZLX, G(u8"人民币"));
  EXPECT_EQ(cs.LogFilePath, Below(workDir, "/Log"));
  EXPECT_EQ(cs.WAV, Below(workDir, "/wav"));
  EXPECT_EQ(cs.TradeXML, Below(workDir, "/INI/Trade.xml"));
  EXPECT_EQ(cs.InitTrade, Below(workDir, "/INI/InitTrade.xml"));
  // Both host conversions, each asked once.
  EXPECT_EQ(SharedDebugInfo.ICCardSN, 3054612345u);
  EXPECT_EQ(SharedDebugInfo.ICCardYe, 128.5);
  EXPECT_EQ(host.calls, (decltype(host.calls){{2, "3054612345"}, {1, "128.50"}}));
  ASSERT_NE(cs.ServiceConfig, nullptr);
  EXPECT_NE(cs.ServiceConfig->Root(), nullptr);
  EXPECT_EQ(kiosk.ErrorLog(), "");
}

TEST_F(SysParametersTest, ItemsAreReadByTheNumbersOneToTheirCount) {
  const auto cs = Load("index_gaps.xml");
  EXPECT_EQ(cs->EquipMent, G(u8"自助终端01"));
  EXPECT_EQ(cs->UsrNO, "100286");
  // Indexes 1, 2, 4 and 5: the missing 3 is passed over, 5 is above the count.
  EXPECT_EQ(cs->BankNO, "0102");
  EXPECT_EQ(cs->BankName, "");
  EXPECT_EQ(cs->AreaNo, "") << "Index 01";
  EXPECT_EQ(cs->CenterIP, "10.0.0.2") << "the item read last wins";
  EXPECT_EQ(cs->TradeXML, Below(workDir, "/INI/Trade.xml")) << "the first of two items with Index 1";
}

TEST_F(SysParametersTest, ValuesAreConvertedByTheirKey) {
  const auto cs = Load("conversions.xml");
  EXPECT_EQ(cs->BankName, G(u8"中国建设银行")) << "bankname matches; BankName is no Connect key";
  EXPECT_EQ(cs->DateLen, 8);
  EXPECT_EQ(cs->EquipMent, "");
  EXPECT_EQ(cs->MaxCzje, 0.0) << "amounts are whole numbers";
  EXPECT_EQ(cs->MinCzje, -20.0);
  EXPECT_TRUE(SharedDebugInfo.ReaderDebug);
  EXPECT_FALSE(SharedDebugInfo.PrinterDebug);
  EXPECT_TRUE(SharedDebugInfo.ICCardDebug);
  EXPECT_TRUE(SharedDebugInfo.CommDebug) << "-1 is a number other than 0";
  EXPECT_EQ(SharedDebugInfo.ICTimes, 70000 - 65536);
  EXPECT_EQ(SharedDebugInfo.ICCardSta, 1);
  EXPECT_EQ(SharedDebugInfo.ICCardSN, 1u) << "low 32 bits of 2^32 + 1";
  EXPECT_EQ(SharedDebugInfo.Track2, G(u8"卡号=4912"));
  EXPECT_EQ(cs->CommDelay, 3000);
  EXPECT_EQ(cs->CenterPort, 0);
  EXPECT_EQ(cs->CommClose, 2147483647) << "milliseconds saturate instead of wrapping";
  EXPECT_EQ(cs->MonitorPort, -1);
  // An empty ComParm and no CardFormVar; FilePath is read as usual.
  EXPECT_EQ(RemotIP, "");
  EXPECT_EQ(cs->BZLX, "");
  EXPECT_EQ(cs->LogFilePath, Below(workDir, "/Log"));
  EXPECT_EQ(cs->ImagePath, "");
  EXPECT_EQ(cs->TradeXML, Below(workDir, "/"));
}

TEST_F(SysParametersTest, ABadBooleanEndsTheLoading) {
  auto cs = Load("bad_boolean.xml");
  EXPECT_EQ(cs->BankName, G(u8"中国银行"));
  EXPECT_TRUE(SharedDebugInfo.PrinterDebug);
  EXPECT_FALSE(SharedDebugInfo.ScreenOff);
  EXPECT_EQ(cs->CenterIP, "");
  EXPECT_EQ(UseName, "");
  EXPECT_EQ(cs->BZLX, "");
  EXPECT_EQ(cs->TradeXML, "");
  EXPECT_EQ(cs->InitTrade, "");
  EXPECT_EQ(cs->LoadStatus, -1);
  EXPECT_NE(cs->ServiceConfig, nullptr);

  cs = Load("empty_boolean.xml");
  EXPECT_EQ(SharedDebugInfo.ICYHBH, "6222");
  EXPECT_EQ(cs->CenterIP, "");
}

TEST_F(SysParametersTest, MissingSectionsKeepTheirDefaults) {
  auto cs = Load("no_filepath.xml");
  EXPECT_EQ(cs->BZLX, G(u8"港币"));
  EXPECT_EQ(UseName, G(u8"操作员"));
  EXPECT_EQ(cs->BankName, G(u8"交通银行"));
  EXPECT_EQ(cs->LogFilePath, "");
  EXPECT_EQ(cs->InitTrade, Below(workDir, "/"));

  // Without the System root nothing is read, but the trade paths are still settled.
  cs = Load("lowercase_root.xml");
  EXPECT_EQ(cs->BankName, "");
  EXPECT_EQ(cs->TradeXML, Below(workDir, "/"));
  EXPECT_EQ(kiosk.ErrorLog(), "");
}

TEST_F(SysParametersTest, AMalformedFileIsLoggedAndReadsNothing) {
  const auto cs = Load("malformed.xml");
  EXPECT_EQ(cs->BankName, "");
  EXPECT_EQ(cs->TradeXML, "");
  EXPECT_NE(
      kiosk.ErrorLog().find(G(u8"配置文件 ") + Below(workDir, "/INI/Sys.xml") + G(u8" ,格式有错,请检查")),
      std::string::npos);
  ASSERT_NE(cs->ServiceConfig, nullptr);
  EXPECT_NE(cs->ServiceConfig->Root(), nullptr);
}

// Encoding and I/O errors reach libxml2's global handlers, parser errors its context: none of
// them may be printed on the host's stderr or handed to a handler the host installed for its
// own use of libxml2, and that handler must be in place again afterwards.
TEST_F(SysParametersTest, LibxmlMessagesReachNeitherStderrNorTheHostsHandler) {
  const std::string record = G(u8"配置文件 ") + Below(workDir, "/INI/Sys.xml") + G(u8" ,格式有错,请检查");
  const std::string misEncoded =
      "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<System><A>\x81\x20</A></System>";
  const std::string unclosed = "<System><Computer></System>";
  for (const std::string &document : {misEncoded, unclosed}) {
    SCOPED_TRACE(document);
    std::filesystem::remove(kiosk.Root() / "Log" / "ErrorLog.txt");
    std::ofstream(kiosk.Ini() / "Sys.xml", std::ios::binary) << document;

    ::testing::internal::CaptureStderr();
    TSysCs{};
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_NE(kiosk.ErrorLog().find(record), std::string::npos);

    int hostMessages = 0;
    const xmlStructuredErrorFunc hostHandler = [](void *count, xmlErrorPtr) {
      ++*static_cast<int *>(count);
    };
    xmlSetStructuredErrorFunc(&hostMessages, hostHandler);
    TSysCs{};
    const bool handlerBack =
        xmlStructuredError == hostHandler && xmlStructuredErrorContext == &hostMessages;
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    EXPECT_TRUE(handlerBack);
    EXPECT_EQ(hostMessages, 0);
  }
}

TEST_F(SysParametersTest, AMissingFileIsReportedInTheObjectOnly) {
  kiosk.AddIniFile("sys/SCConf.xml", "SCConf.xml");
  const TSysCs cs;
  EXPECT_EQ(cs.LoadStatus, 1);
  EXPECT_EQ(cs.LoadMessage, G(u8"配置文件(Sys.xml)丢失"));
  EXPECT_EQ(cs.IniDir, Below(workDir, "/INI"));
  EXPECT_EQ(cs.ServiceConfig, nullptr);
  EXPECT_EQ(cs.TradeXML, "");
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(kiosk.ErrorLog(), "");
}

TEST_F(SysParametersTest, FolderNamesFromWindowsMayDifferInCase) {
  std::filesystem::rename(kiosk.Ini(), kiosk.Root() / "ini");
  std::filesystem::copy_file(test::DataPath("sys/no_filepath.xml"), kiosk.Root() / "ini/SYS.XML");
  const TSysCs cs;
  EXPECT_EQ(cs.LoadStatus, -1);
  EXPECT_EQ(cs.BankName, G(u8"交通银行"));
}

// host_values.xml asks ICCardYe (kind 1), then ICCardSN (kind 2), then holds a Track3 text
// that is read only when both converted.
TEST_F(SysParametersTest, HostValuesConvertAsVariants) {
  const struct {
    IvVariant answer;
    const char *text;
    bool converts;
    double real;
    std::uint32_t serial;
  } cases[] = {
      {{IV_VAR_INT, 0x1234567890, 0, nullptr}, "", true, 78187493520.0, 0x34567890u},
      {{IV_VAR_INT, -1, 0, nullptr}, "", true, -1.0, 0xFFFFFFFFu},
      {{IV_VAR_DOUBLE, 0, 2.5, nullptr}, "", true, 2.5, 2u},  // rounds half to even
      {{IV_VAR_DOUBLE, 0, 3.5, nullptr}, "", true, 3.5, 4u},
      {{IV_VAR_STRING, 0, 0, nullptr}, " 7.5 ", true, 7.5, 8u},
      {{IV_VAR_STRING, 0, 0, nullptr}, "4294967298", true, 4294967298.0, 2u},
      {{IV_VAR_BOOL, 1, 0, nullptr}, "", true, -1.0, 0xFFFFFFFFu},
      {{IV_VAR_DOUBLE, 0, 1e30, nullptr}, "", false, 1e30, 0u},  // no 64-bit integer
      {{IV_VAR_EMPTY, 0, 0, nullptr}, "", false, 0, 0u},
      {{IV_VAR_NULL, 0, 0, nullptr}, "", false, 0, 0u},
      {{IV_VAR_STRING, 0, 0, nullptr}, "ninety", false, 0, 0u},
      {{IV_VAR_STRING, 0, 0, nullptr}, "nan", false, 0, 0u},
      {{IV_VAR_STRING, 0, 0, nullptr}, "+-3", false, 0, 0u},
      {{99, 0, 0, nullptr}, "", false, 0, 0u},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.answer.type << " text " << c.text);
    ResetShared();
    host.answer = c.answer;
    host.answerText = c.text;
    Load("host_values.xml");
    EXPECT_EQ(SharedDebugInfo.ICCardYe, c.real);
    EXPECT_EQ(SharedDebugInfo.ICCardSN, c.serial);
    EXPECT_EQ(SharedDebugInfo.Track3.empty(), !c.converts);
  }

  ResetShared();
  HostServices = nullptr;
  Load("host_values.xml");
  EXPECT_EQ(SharedDebugInfo.ICCardYe, 0.0);
  EXPECT_TRUE(SharedDebugInfo.Track3.empty());
}

}  // namespace
}  // namespace iv
