#include "platform/time/format_date_time.h"

#include <gtest/gtest.h>

#include "platform/text/gbk.h"

namespace iv {
namespace {

// A Tuesday afternoon, and the first minutes of a Saturday.
constexpr DateTime kAfternoon{2024, 3, 5, 14, 7, 9, 45};
constexpr DateTime kMidnight{2005, 1, 1, 0, 0, 0, 0};
constexpr DateTime kEarly{2005, 1, 1, 0, 7, 0, 0};

std::string Format(std::string_view pattern, const DateTime &moment = kAfternoon) {
  return FormatDateTime(pattern, moment);
}

TEST(FormatDateTimeTest, NumbersAndRunLengths) {
  EXPECT_EQ(Format("yyyy-mm-dd"), "2024-03-05");
  EXPECT_EQ(Format("y yy yyy yyyyyy"), "24 24 2024 2024");
  EXPECT_EQ(Format("m-d"), "3-5");
  EXPECT_EQ(Format("hh:nn:ss h:n:s hhh"), "14:07:09 14:7:9 14");
  EXPECT_EQ(Format("z zz zzz zzzz"), "45 45 045 045");
  EXPECT_EQ(Format("YYYY.MM.DD HH-NN-SS"), "2024.03.05 14-07-09");
}

TEST(FormatDateTimeTest, MAfterHIsMinutesUnlessALetterIntervenes) {
  EXPECT_EQ(Format("hh:mm"), "14:07");
  EXPECT_EQ(Format("H.M"), "14.7");
  EXPECT_EQ(Format("h'x'm"), "14x7");
  EXPECT_EQ(Format(Gbk(u8"h时m分")), Gbk(u8"14时7分"));
  EXPECT_EQ(Format("hxm"), "14x3");
  EXPECT_EQ(Format("h:m:m"), "14:7:3");
  EXPECT_EQ(Format("mm/dd hh:mm"), "03-05 14:07");
}

TEST(FormatDateTimeTest, LocaleNamesAndFormats) {
  EXPECT_EQ(Format("mmm|mmmm|ddd|dddd|aaa|aaaa"), Gbk(u8"三月|三月|星期二|星期二|星期二|星期二"));
  EXPECT_EQ(Format("ddddd"), "2024-3-5");
  EXPECT_EQ(Format("dddddd"), Gbk(u8"2024年3月5日"));
  EXPECT_EQ(Format("c"), "2024-3-5 14:07:09");
  EXPECT_EQ(Format("c", kMidnight), "2005-1-1");
  EXPECT_EQ(Format(""), Format("c"));
  EXPECT_EQ(Format("t|tt"), "14:07|14:07:09");
  EXPECT_EQ(Format("yyyy/mm/dd hh:nn"), "2024-03-05 14:07");
  EXPECT_EQ(Format("dddd", kMidnight), Gbk(u8"星期六"));
  EXPECT_EQ(Format("mmmm", DateTime{2024, 12, 1}), Gbk(u8"十二月"));
}

TEST(FormatDateTimeTest, EraYearAndName) {
  EXPECT_EQ(Format("g|gg|e|ee|eee", kMidnight), Gbk(u8"公元|公元|5|05|2005"));
}

TEST(FormatDateTimeTest, AmPmMarkersSwitchTheHourToTwelve) {
  EXPECT_EQ(Format("h:nn am/pm"), "2:07 pm");
  EXPECT_EQ(Format("h:nn AM/PM"), "2:07 PM");
  EXPECT_EQ(Format("hh A/P"), "02 P");
  EXPECT_EQ(Format("h ampm"), Gbk(u8"2 下午"));
  EXPECT_EQ(Format("ampm h"), Gbk(u8"下午 2"));
  EXPECT_EQ(Format("h:nn am/pm", kEarly), "12:07 am");
  EXPECT_EQ(Format("h:nn am/pm", DateTime{2024, 3, 5, 12, 30}), "12:30 pm");
  EXPECT_EQ(Format("h 'am/pm'"), "14 am/pm");
  EXPECT_EQ(Format("h a"), "14 a");
}

TEST(FormatDateTimeTest, QuotedAndOtherTextIsCopied) {
  EXPECT_EQ(Format("'yyyy' \"hh:nn\" yyyy"), "yyyy hh:nn 2024");
  EXPECT_EQ(Format("'it''s'"), "its");
  EXPECT_EQ(Format("yyyy 'open"), "2024 open");
  EXPECT_EQ(Format("#!xq"), "#!xq");
}

TEST(FormatDateTimeTest, DoubleByteCharactersStayIntact) {
  // Trail bytes 'd', 'y' and 'm' belong to Chinese characters, not to the pattern.
  EXPECT_EQ(Format("\xB2\x64\xB2\x79\xB2\x6D"), "\xB2\x64\xB2\x79\xB2\x6D");
  EXPECT_EQ(Format("yyyy\xB2"), "2024\xB2");  // a cut-off lead byte
  EXPECT_EQ(Format("'\xB2\x64'd"),
            "\xB2\x64"
            "5");
}

}  // namespace
}  // namespace iv
