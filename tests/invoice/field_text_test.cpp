// The text operations under the template language.
#include "invoice/field_text.h"

#include <gtest/gtest.h>

#include "platform/text/gbk.h"

namespace iv {
namespace {

TEST(FieldText, DigitsAreFilteredNeverNegative) {
  EXPECT_EQ(KeepDigits("-12)"), "12");
  EXPECT_EQ(KeepDigits("PAGE"), "0");
  EXPECT_EQ(KeepDigits(" 1 2 "), "12");
  EXPECT_EQ(DigitsValue("-3"), 3);
  EXPECT_EQ(DigitsValue("x"), 0);
  EXPECT_EQ(DigitsValue("99999999999999"), 2147483647);
}

TEST(FieldText, AlignToWidthCutsOrPadsBytes) {
  EXPECT_EQ(AlignToWidth("123456", 3, " ", ' '), "123");
  EXPECT_EQ(AlignToWidth("12", 5, " ", ' '), "   12");
  EXPECT_EQ(AlignToWidth("12", 5, "-", '*'), "12***");
  EXPECT_EQ(AlignToWidth("12", 0, "-", ' '), "");
  EXPECT_EQ(AlignToWidth("12", -4, "-", ' '), "");
  // A double-byte character may be cut after its first byte.
  const std::string zhangSan = Gbk(u8"张三");
  EXPECT_EQ(AlignToWidth(zhangSan, 3, " ", ' '), zhangSan.substr(0, 3));
  // Widths beyond any control stay bounded.
  EXPECT_EQ(AlignToWidth("x", 2147483647, "-", ' ').size(), 4096u);
}

}  // namespace
}  // namespace iv
