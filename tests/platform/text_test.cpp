#include <gtest/gtest.h>

#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"
#include "platform/text/integers.h"
#include "platform/text/separated_fields.h"
#include "platform/text/substrings.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

TEST(GbkConversionTest, RoundTripAndBadInput) {
  const std::string utf8 = reinterpret_cast<const char *>(u8"出错时间:abc");
  const std::string gbk = Utf8ToGbk(utf8);
  EXPECT_EQ(gbk, "\xB3\xF6\xB4\xED\xCA\xB1\xBC\xE4:abc");
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
  EXPECT_EQ(GbkToCodePoints("a\xCA\xB1"), (std::u32string{U'a', U'\u65F6'}));

  EXPECT_EQ(GbkToUtf8("ab\xCA"), "ab\xEF\xBF\xBD");  // cut off after the lead byte
  EXPECT_EQ(GbkToCodePoints("\xFFz"), (std::u32string{U'\uFFFD', U'z'}));
  // A lead byte without a valid trail is one bad character; the byte after it is kept (a
  // converter that takes it as the trail would lose the space, the DEL or the digit).
  EXPECT_EQ(GbkToCodePoints("\x81 A\x81\x7F\x81" "0"),
            (std::u32string{U'\uFFFD', U' ', U'A', U'\uFFFD', U'\x7F', U'\uFFFD', U'0'}));
  // The user-defined rows are no characters either; 0x80 is the euro sign.
  EXPECT_EQ(GbkToCodePoints("\xA1\x40\xFE\xFE\x80"),
            (std::u32string{U'\uFFFD', U'@', U'\uFFFD', U'\uFFFD', U'\u20AC'}));
  EXPECT_EQ(Utf8ToGbk("\xE2\x82\xAC\xC0\x80x\xE0\x80\x80y"), "\x80x?y");  // overlong: dropped or '?'
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80"
                      "b\xFF"
                      "c"),
            "a?bc");  // no GBK emoji; stray byte dropped
}

TEST(DbcsCaseTest, UpperCasingNeverTouchesTrailBytes) {
  EXPECT_EQ(UpperCaseGbk("ab\xB2\x61z\xB2\x7A"), "AB\xB2\x61Z\xB2\x7A");
  EXPECT_EQ(UpperCaseGbk("a\xB2"), "A\xB2");  // cut-off lead byte at the end
  EXPECT_EQ(UpperCaseGbk("\x81 a\x81\x7F"
                         "b"),
            "\x81 A\x81\x7F"
            "B");  // lead bytes without a valid trail
}

TEST(DbcsCaseTest, ComparisonFoldsLettersOnly) {
  EXPECT_TRUE(SameTextGbk("Key\xB2\x61", "kEY\xB2\x61"));
  EXPECT_FALSE(SameTextGbk("\xB2\x61", "\xB2\x41"));
  EXPECT_FALSE(SameTextGbk("ab", "abc"));
  EXPECT_EQ(CompareTextGbk("abc", "ABC"), 0);
  EXPECT_LT(CompareTextGbk("abc", "ABD"), 0);
  EXPECT_GT(CompareTextGbk("\xB2\x61", "z"), 0);  // bytes compare unsigned
  EXPECT_LT(CompareTextGbk("ab", "abc"), 0);
}

TEST(DbcsCaseTest, FindingSkipsDoubleByteCharacters) {
  EXPECT_EQ(FindCharGbk("\xB2\x5D]", ']'), 2u);
  EXPECT_EQ(FindCharGbk("\xB2\x5D", ']'), std::string_view::npos);
  EXPECT_EQ(FindCharGbk("a]b]", ']', 2), 3u);
  EXPECT_EQ(FindCharGbk("\x81\x7F", '\x7F'), 1u) << "DEL trails no lead byte";
}

// A line measured piece by piece keeps what it measured up to here: only a lead byte at the end
// may still pair with the next piece, and after a byte that did not decode only an ASCII byte
// is a sure end.
TEST(DbcsCaseTest, SettledLengthStopsBeforeALeadByteThatMayStillPair) {
  EXPECT_EQ(SettledGbkLength("ab", 0), 2u);
  EXPECT_EQ(SettledGbkLength("a\xB2", 0), 1u);
  EXPECT_EQ(SettledGbkLength("a\xB2\xA1", 0), 3u);
  EXPECT_EQ(SettledGbkLength("\xB2\xA1\xB2", 0), 2u);
  EXPECT_EQ(SettledGbkLength("ab\xB2", 2), 2u);
  EXPECT_EQ(SettledGbkLength("a\x81 \xB2\xA1\xB2", 0), 3u)
      << "a lead byte without its trail decodes to nothing: settled after the last ASCII byte";
}

TEST(TrimTest, BlanksAndControlCharactersGoGbkBytesStay) {
  EXPECT_EQ(Trim(" \t\x01"
                 "a b\r\n"),
            "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \x1F"), "  a");
  EXPECT_EQ(Trim("\xA1\xA1x\xA1\xA1"), "\xA1\xA1x\xA1\xA1");  // the full-width blank is a character
  EXPECT_EQ(Trim(" \r\n"), "");
}

TEST(IntegerTest, WholeNumbers) {
  EXPECT_EQ(TryStrToInt("42"), 42);
  EXPECT_EQ(TryStrToInt("  -42"), -42);
  EXPECT_EQ(TryStrToInt("+7"), 7);
  EXPECT_EQ(TryStrToInt("$1F"), 31);
  EXPECT_EQ(TryStrToInt("0x1f"), 31);
  EXPECT_EQ(TryStrToInt("-0X10"), -16);
  EXPECT_EQ(TryStrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
  EXPECT_EQ(TryStrToInt("-2147483648"), -2147483647 - 1);
  for (std::string_view bad : {"", " ", "-", "+", "12 ", "1a", "0x", "$", "\t5", "2147483648", "-2147483649",
                               "$100000000", "99999999999999999999", "--1", "1.5"})
    EXPECT_EQ(TryStrToInt(bad), std::nullopt) << '"' << bad << '"';
  EXPECT_EQ(StrToIntDef("abc", -3), -3);
  EXPECT_EQ(StrToIntDef("8", -3), 8);
}

TEST(IntegerTest, LeadingDigitsAndDigitFilter) {
  EXPECT_EQ(LeadingDigits(" \t12ab3"), 12);
  EXPECT_EQ(LeadingDigits("ab"), 0);
  EXPECT_EQ(LeadingDigits(""), 0);
  EXPECT_EQ(LeadingDigits("-5"), 0);
  EXPECT_EQ(LeadingDigits("99999999999999999999"), 2147483647);
  EXPECT_EQ(FilterDigits("-12)"), "12");
  EXPECT_EQ(FilterDigits("PAGE"), "");
  EXPECT_EQ(FilterDigits("\xB2\x31"
                         "4"),
            "14");  // '1' here is a trail byte, yet still a digit byte
}

TEST(SubstringTest, PiecesByCountOrUntilTheTextIsUsedUp) {
  std::int32_t count = 4;
  EXPECT_EQ(CutFixed("abcdefg", count, 3), (std::vector<std::string>{"abc", "def", "g", ""}));
  count = 0;
  EXPECT_EQ(CutFixed("abcdefg", count, 3), (std::vector<std::string>{"abc", "def", "g"}));
  EXPECT_EQ(count, 3);
  count = 0;
  EXPECT_EQ(CutFixed("abc", count, 0), std::vector<std::string>{}) << "a width of 0 never uses the text up";
  EXPECT_EQ(count, 0);

  EXPECT_EQ(DropLeading("abc", 2), "c");
  EXPECT_EQ(DropLeading("abc", 3), "");
  EXPECT_EQ(Substring("abcdef", 0, 2), "ab");
  EXPECT_EQ(Substring("abcdef", 5, 9), "ef");
  EXPECT_EQ(Substring("abcdef", 7, 1), "");
}

TEST(SeparatedFieldsTest, FieldsEndAtTheSeparatorAndOneByteAfterItIsSkipped) {
  EXPECT_EQ(NthField("x|y|z", 2, "|"), "y");
  EXPECT_EQ(NthField("x|y|z", 3, "|"), "z");
  EXPECT_EQ(NthField("x|y|z", 4, "|"), "");
  EXPECT_EQ(NthField("x|y|z", 0, "|"), "Err");
  EXPECT_EQ(NthField("x||z", 2, "|"), "");
  EXPECT_EQ(NthField("x||z", 3, "|"), "z");
  EXPECT_EQ(NthField("x::y", 2, "::"), ":y");
  EXPECT_EQ(NthField("x|y", 1, ""), "x|y");
}

TEST(SeparatedFieldsTest, CutAtSeparatorLeavesTheRest) {
  std::string text = "a,b)x";
  EXPECT_EQ(CutAtSeparator(',', text), "a");
  EXPECT_EQ(text, "b)x");
  EXPECT_EQ(CutAtSeparator(',', text), "");
  EXPECT_EQ(text, "b)x") << "a missing separator leaves the text";
  EXPECT_EQ(CutAtSeparator(')', text), "b");
  EXPECT_EQ(text, "x");
  // The trail byte of a double-byte character is never a separator.
  std::string gbk = "\x81^x^y";
  EXPECT_EQ(CutAtSeparator('^', gbk), "\x81^x");
  EXPECT_EQ(gbk, "y");
}

TEST(SeparatedFieldsTest, TextBetweenTheFirstOpenAndTheFirstClose) {
  EXPECT_EQ(TextBetween("Pay[H<3>x<y>", '<', '>'), "3");
  EXPECT_EQ(TextBetween("a>b<c", '<', '>'), "") << "the close before the open";
  EXPECT_EQ(TextBetween("a<b", '<', '>'), "");
  EXPECT_EQ(TextBetween("\x81[x[y<z", '[', '<'), "y") << "a trail byte is never the open";
}

}  // namespace
}  // namespace iv
