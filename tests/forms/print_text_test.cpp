// The receipt text from print.ini, and how a failure to compose it reaches the host.
#include "forms/print_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "kiosk_settings.h"

namespace {

// While a test lowers it, larger allocations fail as on an exhausted heap (errno ENOMEM).
std::size_t allocationLimit = std::numeric_limits<std::size_t>::max();

void *Allocate(std::size_t size) noexcept {
  if (size > allocationLimit) {
    errno = ENOMEM;
    return nullptr;
  }
  return std::malloc(size == 0 ? 1 : size);
}

// Out of line, so that the compiler does not pair the releases below with the operators new.
[[gnu::noinline]] void Release(void *block) noexcept { std::free(block); }

}  // namespace

// Every replaceable form that the test binary uses, so each allocation pairs with its release.
void *operator new(std::size_t size) {
  if (void *block = Allocate(size)) return block;
  throw std::bad_alloc();
}
void *operator new[](std::size_t size) { return operator new(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return Allocate(size); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return Allocate(size); }
void operator delete(void *block) noexcept { Release(block); }
void operator delete[](void *block) noexcept { Release(block); }
void operator delete(void *block, std::size_t) noexcept { Release(block); }
void operator delete[](void *block, std::size_t) noexcept { Release(block); }
void operator delete(void *block, const std::nothrow_t &) noexcept { Release(block); }
void operator delete[](void *block, const std::nothrow_t &) noexcept { Release(block); }

namespace iv {
namespace {

class PrintTextTest : public ::testing::Test {
 protected:
  PrintTextTest() {
    vtbl_.ReportError = [](THostServices *, const char *text) IV_CALL { reports.push_back(text); };
    HostServices = &host_;
    reports.clear();
  }
  ~PrintTextTest() override { HostServices = nullptr; }

  // `section` under the business key "Pay", read for the key "PAY"; the result and the text.
  std::pair<bool, std::string> Build(const std::string &section) {
    kiosk.Write("print.ini", "[Other]\nIsPrint=1\n0=other~\n[Pay]\n" + section);
    std::string text;
    const bool offered = BuildPrintText("PAY", head, text);
    return {offered, text};
  }

  static inline std::vector<std::string> reports;
  test::KioskSettings kiosk;
  dystring head = dystring(100);

 private:
  THostServicesVtbl vtbl_{};
  THostServices host_{&vtbl_, {}, 0, "Pay"};
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
  DataO[0] = "zero";
  DataO[5] = "five";
  DataI[1] = std::string("ab\0cd", 5);
  DataI[64] = "last";
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
  kiosk.Parameters().BankName = "Bank of Kiosks";
  const auto [offered, text] = Build(
      "IsPrint=1\n"
      "0=[tItLe<ignored>\n1=[ Title<>\n2=[Date<yyyy-mm-dd>\n3=At [ TIME <hh:nn:ss>\n");
  std::string shape = text;  // the clock's digits zeroed
  std::replace_if(shape.begin(), shape.end(), [](char c) { return c >= '0' && c <= '9'; }, '0');
  EXPECT_EQ(shape, "Bank of Kiosks\r\n0000-00-00\r\nAt 00:00:00\r\n");
}

TEST_F(PrintTextTest, AFailureLeavesNoTextAndTellsTheHost) {
  head[1] = std::string(1 << 20, 'x');
  allocationLimit = 1 << 19;
  const auto [offered, text] = Build("IsPrint=1\n0=[H<1>\n");
  allocationLimit = std::numeric_limits<std::size_t>::max();
  EXPECT_TRUE(offered);
  EXPECT_EQ(text, "");
  EXPECT_EQ(reports, (std::vector<std::string>{"GetPrintFile ErrorCode=[" + std::to_string(ENOMEM) + "]"}));

  HostServices = nullptr;
  allocationLimit = 1 << 19;
  EXPECT_TRUE(Build("IsPrint=1\n0=[H<1>\n").first) << "without a host the failure goes unreported";
  allocationLimit = std::numeric_limits<std::size_t>::max();
}

}  // namespace
}  // namespace iv
