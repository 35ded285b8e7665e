// The receipt text from print.ini, and how a failure to compose it reaches the host.
#include "forms/print_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <string>
#include <vector>

namespace iv {
namespace {

class PrintTextTest : public ::testing::Test {
 protected:
  PrintTextTest() {
    vtbl_.ReportError = [](THostServices *, const char *text) IV_CALL { reports.push_back(text); };
    reports.clear();
  }

  // `section` under the business key "Pay", read for the key "PAY"; the result and the text.
  std::pair<bool, std::string> Build(const std::string &section) {
    const IniFile settings("[Other]\nIsPrint=1\n0=other~\n[Pay]\n" + section);
    std::string text;
    const bool offered = BuildPrintText(settings, "PAY", {in, out, head, bankName, clock}, host, text);
    return {offered, text};
  }

  static inline std::vector<std::string> reports;
  DataArray in;   // the host's DataI
  DataArray out;  // the host's DataO
  dystring head = dystring(100);
  std::string bankName;
  DateTime (*clock)() = Now;

 private:
  THostServicesVtbl vtbl_{};
  THostServices host_{&vtbl_, {}, 0, "Pay"};

 protected:
  HostLink host{&host_};
};

TEST_F(PrintTextTest, PrintingIsOfferedOnlyWithIsPrint) {
  EXPECT_EQ(Build("IsPrint=0\n0=text~\n"), std::make_pair(false, std::string()));
  EXPECT_EQ(Build("0=text~\n"), std::make_pair(false, std::string()));
  EXPECT_EQ(Build("IsPrint=1\n"), std::make_pair(true, std::string()));
  EXPECT_EQ(Build("IsPrint=2\n0=~\n1=Thank you~ignored\n3=not read~\n"),
            std::make_pair(true, std::string("\r\nThank you\r\n")));
  EXPECT_TRUE(reports.empty());
}

TEST_F(PrintTextTest, DataItemsPrintTheirLabelAndValue) {
  out[0] = "zero";
  out[5] = "five";
  in[1] = std::string("ab\0cd", 5);
  in[64] = "last";
  head[99] = "head";
  const auto [offered, text] = Build(
      "IsPrint=1\n"
      "0=Paid: [O<5>\n1=Card:[ i < 64 >tail\n2=[I<1>\n3=H:[h<99>\n4=[O<x>\n"
      "5=[O<65>\n6=[I<99>\n7=[H<100>\n8=[Unknown<1>\n9=no item\n10=\xB2\x5B:[O<0>\n11=end~\n");
  EXPECT_TRUE(offered);
  // \xB2\x5B is a character of the label whose second byte is '['.
  EXPECT_EQ(text, "Paid: five\r\nCard:last\r\nab\r\nH:head\r\nzero\r\n\xB2\x5B:zero\r\nend\r\n");
}

TEST_F(PrintTextTest, TitleIsTheBankAndDatesFollowTheirPattern) {
  bankName = std::string("Bank of Kiosks\0rest", 19);
  const std::string section =
      "IsPrint=1\n"
      "0=[tItLe<ignored>\n1=[ Title<>\n2=[Date<yyyy-mm-dd>\n3=At [ TIME <hh:nn:ss>\n";
  std::string shape = Build(section).second;  // the local clock's digits zeroed
  std::replace_if(shape.begin(), shape.end(), [](char c) { return c >= '0' && c <= '9'; }, '0');
  EXPECT_EQ(shape, "Bank of Kiosks\r\n0000-00-00\r\nAt 00:00:00\r\n");

  clock = [] { return DateTime{2026, 3, 4, 5, 6, 7, 8}; };
  EXPECT_EQ(Build(section).second, "Bank of Kiosks\r\n2026-03-04\r\nAt 05:06:07\r\n");
}

TEST_F(PrintTextTest, AFailureLeavesNoTextAndTellsTheHost) {
  // The clock stands for any step of composing that fails as an exhausted heap does.
  clock = []() -> DateTime {
    errno = ENOMEM;
    throw std::bad_alloc();
  };
  std::string text = "before";
  const std::string section = "IsPrint=1\n0=kept~\n1=[Date<yyyy>\n";
  EXPECT_TRUE(BuildPrintText(IniFile("[Pay]\n" + section), "Pay", {in, out, head, bankName, clock}, host, text));
  EXPECT_EQ(text, "before") << "the text stays as it was";
  const auto [offered, built] = Build(section);
  EXPECT_TRUE(offered);
  EXPECT_EQ(built, "");
  EXPECT_EQ(reports, (std::vector<std::string>(2, "GetPrintFile ErrorCode=[" + std::to_string(ENOMEM) + "]")));

  host = HostLink(nullptr);
  EXPECT_TRUE(Build(section).first) << "without a host the failure goes unreported";
  EXPECT_EQ(reports.size(), 2u);
}

}  // namespace
}  // namespace iv
