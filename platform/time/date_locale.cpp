#include "platform/time/date_locale.h"

#include "platform/text/gbk.h"

namespace iv {

const DateLocale &ChineseLocale() {
  static const DateLocale locale = [] {
    const std::array<std::string, 12> months = {
        Gbk(u8"一月"), Gbk(u8"二月"), Gbk(u8"三月"), Gbk(u8"四月"), Gbk(u8"五月"),   Gbk(u8"六月"),
        Gbk(u8"七月"), Gbk(u8"八月"), Gbk(u8"九月"), Gbk(u8"十月"), Gbk(u8"十一月"), Gbk(u8"十二月")};
    const std::array<std::string, 7> days = {Gbk(u8"星期日"), Gbk(u8"星期一"), Gbk(u8"星期二"),
                                             Gbk(u8"星期三"), Gbk(u8"星期四"), Gbk(u8"星期五"),
                                             Gbk(u8"星期六")};
    DateLocale l;
    l.shortMonthNames = months;
    l.longMonthNames = months;
    l.shortDayNames = days;
    l.longDayNames = days;
    l.dateSeparator = "-";
    l.timeSeparator = ":";
    l.timeAm = Gbk(u8"上午");
    l.timePm = Gbk(u8"下午");
    l.shortDateFormat = "yyyy-m-d";
    l.longDateFormat = Gbk(u8"yyyy'年'm'月'd'日'");
    l.shortTimeFormat = "h:mm";
    l.longTimeFormat = "h:mm:ss";
    l.eraName = Gbk(u8"公元");
    return l;
  }();
  return locale;
}

}  // namespace iv
