#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "tests/support/command.h"
#include "tests/support/program_path.h"

namespace {

namespace fs = std::filesystem;
using iv::test::CommandResult;
using iv::test::CountLines;
using iv::test::ProgramPath;
using iv::test::RunCommand;

class KioskFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("iv-plugin-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "INI");
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string Host(const std::string &arguments) const {
    return ProgramPath("IV_TEST_KIOSK_HOST", IV_KIOSK_HOST) + " --plugin " +
           ProgramPath("IV_TEST_PLUGIN", IV_PLUGIN_PATH) + " --kiosk " + root_.string() + " --headless " + arguments;
  }

  fs::path root_;
};

TEST(PluginExports, OnlyShowFormIsExported) {
  CommandResult nm = RunCommand("nm -D --defined-only " + ProgramPath("IV_TEST_PLUGIN", IV_PLUGIN_PATH));
  ASSERT_EQ(nm.status, 0) << nm.output;
  std::set<std::string> symbols;
  std::istringstream lines(nm.output);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string address, type, name;
    if (fields >> address >> type >> name) symbols.insert(name);
  }
  EXPECT_EQ(symbols, std::set<std::string>{"ShowForm"});
}

// Without a host or its operation table nothing is shown and nothing of the host is called;
// each such call leaves a record in the library's log (and the diagnostic stream).
TEST_F(KioskFolder, CHostCallsThroughThePublicHeaderWithNullArraysEntriesAndHosts) {
  fs::create_directories(root_ / "Log");
  // Headless: the C host posts no keys, so only the idle end closes its screens.
  CommandResult run = RunCommand("cd " + root_.string() + " && INVOICEVIEW_DISPLAY=headless " +
                                 "INVOICEVIEW_DIAGNOSTICS=" + (root_ / "diagnostics.txt").string() + " " +
                                 ProgramPath("IV_TEST_C_TEST_HOST", IV_C_TEST_HOST));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 2) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm without a host returned 1"), 1) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm without a table returned 1"), 1) << run.output;
  EXPECT_EQ(CountLines(run.output, "host calls meanwhile: 0"), 1) << run.output;
  std::ifstream log(root_ / "Log/ErrorLog.txt", std::ios::binary);
  const std::string records{std::istreambuf_iterator<char>(log), {}};
  EXPECT_EQ(CountLines(records, "---------------------------------\r"), 2) << records;
  std::ifstream diagnostics(root_ / "diagnostics.txt");
  int streamed = 0;
  for (std::string line; std::getline(diagnostics, line);)
    streamed += line.find("Log/ErrorLog.txt: log: ") != std::string::npos;
  EXPECT_EQ(streamed, 2);
}

TEST_F(KioskFolder, EveryCallReturnsOne) {
  CommandResult run = RunCommand(Host("--calls 2"));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 2) << run.output;
}

// The entries reach the library whole, the first and the last (64) of both arrays: the receipt
// prints I and O entries, and the screen's head values (printed as H) are cut from DataI[64]
// and copied from DataO[64]. A file the screen would show as other characters is refused, with
// its line, before any call.
TEST_F(KioskFolder, DataFilesInGbkAndUtf8WithByteOrderMarkAreAcceptedOthersRefused) {
  {
    std::ofstream gbk(root_ / "gbk.txt", std::ios::binary);
    gbk << "# comment\r\nI0=\xC9\xCC\xC6\xB7\r\nO64=x=y\r\nI64=last entry\r\nI65=ignored\n";
    std::ofstream utf8(root_ / "utf8.txt", std::ios::binary);
    utf8 << "\xEF\xBB\xBFI1=\xE5\x95\x86\xE5\x93\x81\nO0=\nO64=z\nI64=\xE6\x9C\xAB\xE5\xB0\xBE\n";
    std::ofstream(root_ / "INI/print.ini", std::ios::binary)
        << "[PAY]\r\nIsPrint=1\r\n0=I0:[I<0>\r\n1=I1:[I<1>\r\n2=I64:[I<64>\r\n3=O0:[O<0>\r\n4=O64:[O<64>\r\n"
           "5=H0:[H<0>\r\n6=H1:[H<1>\r\n";
    std::ofstream(root_ / "INI/FormatShow.ini", std::ios::binary) << "[PAY]\r\n0=I[0<64,1,4>\r\n1=O[1<64,>\r\n";
  }
  const std::pair<const char *, const char *> receipts[] = {
      {"gbk.txt", R"(PrintText I0:商品\r\nI1:\r\nI64:last entry\r\nO0:\r\nO64:x=y\r\nH0:last\r\nH1:x=y\r\n)"},
      {"utf8.txt", R"(PrintText I0:\r\nI1:商品\r\nI64:末尾\r\nO0:\r\nO64:z\r\nH0:末尾\r\nH1:z\r\n)"}};
  for (const auto &[file, receipt] : receipts) {
    CommandResult run = RunCommand(Host("--business-key PAY --keys Enter,Escape --data " + (root_ / file).string()));
    EXPECT_EQ(run.status, 0) << file << run.output;
    EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1) << file << run.output;
    EXPECT_EQ(CountLines(run.output, receipt), 1) << file << run.output;
  }
  // A GBK file given a byte-order mark: its Chinese text is no UTF-8.
  std::ofstream(root_ / "marked.txt", std::ios::binary) << "\xEF\xBB\xBFI0=x\nI1=\xC9\xCC\xC6\xB7\n";
  CommandResult run =
      RunCommand(Host("--business-key PAY --keys Enter,Escape --data " + (root_ / "marked.txt").string()));
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm returned"), 0) << run.output;
  EXPECT_THAT(run.output, ::testing::HasSubstr("marked.txt: line 2 holds bytes that are no UTF-8")) << run.output;
}

TEST_F(KioskFolder, UsageErrorsAndMissingPluginAreReported) {
  EXPECT_EQ(RunCommand(Host("--calls")).status, 2);
  EXPECT_EQ(RunCommand(Host("--calls two")).status, 2);
  EXPECT_EQ(RunCommand(Host("--keys Up,Sideways")).status, 2);
  EXPECT_EQ(RunCommand(Host("--frobnicate 1")).status, 2);
  // No arguments and no sample kiosk beside the program: the usage, not an empty screen.
  CommandResult bare = RunCommand("INVOICEVIEW_DISPLAY=headless " + ProgramPath("IV_TEST_KIOSK_HOST", IV_KIOSK_HOST));
  EXPECT_EQ(bare.status, 2);
  EXPECT_THAT(bare.output, ::testing::HasSubstr("usage: kiosk-host"));
  CommandResult missing =
      RunCommand(ProgramPath("IV_TEST_KIOSK_HOST", IV_KIOSK_HOST) + " --plugin /nonexistent/lib.so --headless");
  EXPECT_EQ(missing.status, 1);
  EXPECT_THAT(missing.output, ::testing::HasSubstr("cannot load plug-in"));
  CommandResult noData = RunCommand(Host("--data /nonexistent/data.txt"));
  EXPECT_EQ(noData.status, 1);
  EXPECT_THAT(noData.output, ::testing::HasSubstr("/nonexistent/data.txt: " + std::string(std::strerror(ENOENT))));
  CommandResult noKiosk = RunCommand(Host("--kiosk /nonexistent/kiosk"));
  EXPECT_EQ(noKiosk.status, 1);
  EXPECT_THAT(noKiosk.output, ::testing::HasSubstr("/nonexistent/kiosk: " + std::string(std::strerror(ENOENT))));
}

TEST_F(KioskFolder, SystemParametersAreReadOnceForManyCalls) {
  fs::copy(fs::path(IV_SOURCE_DIR) / "examples/kiosk/INI", root_ / "INI",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  CommandResult run = RunCommand(Host("--calls 3"));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 3) << run.output;
  // Sys.xml asks the host twice (a card serial number and a balance) when it is read.
  EXPECT_THAT(run.output, ::testing::HasSubstr("TextToValue 2 "));
  std::istringstream lines(run.output);
  std::string line;
  int conversions = 0;
  while (std::getline(lines, line)) conversions += line.starts_with("TextToValue ");
  EXPECT_EQ(conversions, 2) << run.output;
}

TEST_F(KioskFolder, ZeroCallsLoadsThePluginAndCallsNothing) {
  CommandResult run = RunCommand(Host("--calls 0"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 0);
}

}  // namespace
