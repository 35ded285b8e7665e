#include "platform/ini/ini_file.h"

#include <gtest/gtest.h>

namespace iv {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  IniFile Open(std::string_view content) { return IniFile(content); }
};

TEST_F(IniFileTest, NamesMatchWithoutCaseButTrailBytesExactly) {
  // \xB2\x61 and \xB2\x41 are two different Chinese characters whose trail bytes are 'a' and 'A'.
  IniFile ini = Open(
      "[Bank\xB2\x61]\r\nName\xB2\x61=lower\r\nName\xB2\x41=upper\r\n"
      "[bank\xB2\x41]\r\nname\xB2\x61=second section\r\n"
      "[\xB2\x5D]\r\nkey=bracket trail\r\n"
      "[ Pay\t]\r\nIsPrint=1\r\n");
  EXPECT_EQ(ini.ReadString("BANK\xB2\x61", "nAME\xB2\x61", "-"), "lower");
  EXPECT_EQ(ini.ReadString("bank\xB2\x61", "NAME\xB2\x41", "-"), "upper");
  EXPECT_EQ(ini.ReadString("BANK\xB2\x41", "name\xB2\x61", "-"), "second section");
  EXPECT_EQ(ini.ReadString("  bank\xB2\x41\t", " NAME\xB2\x61 ", "-"), "second section");
  EXPECT_EQ(ini.ReadString("\xB2\x5D", "KEY", "-"), "bracket trail");
  EXPECT_EQ(ini.ReadInteger("PAY", "IsPrint", 0), 1) << "the header's blanks are no part of the name";
}

TEST_F(IniFileTest, ValuesLoseBlanksAndOnePairOfMatchingQuotes) {
  IniFile ini = Open(
      "[s]\n"
      "plain =  a b  \t\n"
      "double=\" padded \"\n"
      "single='x'\n"
      "nested=\"'x'\"\n"
      "mismatched=\"x'\n"
      "lone=\"\n"
      "empty=\"\"\n"
      "equals=a=b\n"
      " spaced key = v\n"
      "gbk=\xCA\xB1\xBC\xE4\n");
  EXPECT_EQ(ini.ReadString("s", "plain", "-"), "a b");
  EXPECT_EQ(ini.ReadString("s", "double", "-"), " padded ");
  EXPECT_EQ(ini.ReadString("s", "single", "-"), "x");
  EXPECT_EQ(ini.ReadString("s", "nested", "-"), "'x'");
  EXPECT_EQ(ini.ReadString("s", "mismatched", "-"), "\"x'");
  EXPECT_EQ(ini.ReadString("s", "lone", "-"), "\"");
  EXPECT_EQ(ini.ReadString("s", "empty", "-"), "");
  EXPECT_EQ(ini.ReadString("s", "equals", "-"), "a=b");
  EXPECT_EQ(ini.ReadString("s", "spaced key", "-"), "v");
  EXPECT_EQ(ini.ReadString("s", "gbk", "-"), "\xCA\xB1\xBC\xE4");
}

TEST_F(IniFileTest, LineEndingsCommentsAndStrayLines) {
  for (std::string_view eol : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(::testing::PrintToString(std::string(eol)));
    std::string content = "before=section";
    for (std::string_view line :
         {"[s]", "; a=comment", "  ;b=comment", "no equals sign", "[broken", "a=1", "b=2"})
      content += std::string(eol) + std::string(line);
    IniFile ini = Open(content);
    EXPECT_EQ(ini.ReadString("s", "a", "-"), "1");
    EXPECT_EQ(ini.ReadString("s", "b", "-"), "2");
    EXPECT_EQ(ini.ReadString("s", "; a", "-"), "-");
    EXPECT_EQ(ini.ReadString("s", "before", "-"), "-");
  }
}

TEST_F(IniFileTest, LongValuesAreCutWithoutSplittingACharacter) {
  const std::string ascii(3000, 'x');
  const std::string gbk = std::string(2046, 'x') + "\xCA\xB1";  // the character would end at 2048
  IniFile ini = Open("[s]\nascii=" + ascii + "\ngbk=" + gbk + "\n");
  EXPECT_EQ(ini.ReadString("s", "ascii", ""), ascii.substr(0, IniFile::kMaxValueLength));
  EXPECT_EQ(ini.ReadString("s", "gbk", ""), std::string(2046, 'x'));
}

TEST_F(IniFileTest, FirstOfDuplicateSectionsAndKeysWins) {
  IniFile ini = Open("[s]\nk=first\nk=second\n[other]\n[S]\nk=third\nonly=later\n");
  EXPECT_EQ(ini.ReadString("s", "k", "-"), "first");
  EXPECT_EQ(ini.ReadString("s", "only", "-"), "-");
}

TEST_F(IniFileTest, EmptyTextSectionOrKeyGivesTheDefault) {
  IniFile missing("");
  EXPECT_EQ(missing.ReadString("s", "k", "dflt"), "dflt");
  EXPECT_EQ(missing.ReadInteger("s", "k", 7), 7);
  EXPECT_TRUE(missing.ReadNumberedList("s").empty());

  IniFile ini = Open("[s]\nk=v\n");
  EXPECT_EQ(ini.ReadString("t", "k", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("s", "x", "dflt"), "dflt");
}

TEST_F(IniFileTest, IntegersAreWholeNumbersWithHexadecimalAfter0x) {
  IniFile ini = Open("[s]\ndec= 12 \nneg=-7\nhex=0x1F\nquoted=\"5\"\ntrailing=12abc\nempty=\nword=yes\n");
  EXPECT_EQ(ini.ReadInteger("s", "dec", -1), 12);
  EXPECT_EQ(ini.ReadInteger("s", "neg", -1), -7);
  EXPECT_EQ(ini.ReadInteger("s", "hex", -1), 31);
  EXPECT_EQ(ini.ReadInteger("s", "quoted", -1), 5);
  EXPECT_EQ(ini.ReadInteger("s", "trailing", -1), -1);
  EXPECT_EQ(ini.ReadInteger("s", "empty", -1), -1);
  EXPECT_EQ(ini.ReadInteger("s", "word", -1), -1);
}

TEST_F(IniFileTest, NumberedListsEndAtTheFirstMissingOrEmptyKey) {
  IniFile ini = Open("[gap]\n0=a\n1=b\n3=d\n[empty]\n0=a\n1=\"\"\n2=c\n[none]\n1=b\n");
  EXPECT_EQ(ini.ReadNumberedList("GAP"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ini.ReadNumberedList("empty"), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(ini.ReadNumberedList("none").empty());
}

TEST_F(IniFileTest, SectionsAndKeysAreListedAsWrittenWithTheirLines) {
  // Lines end in CR LF, a lone LF or a lone CR; a repeated section and key are left out.
  IniFile ini = Open("; comment\r\n[ Water ]\r\n0 = a\n1=b\r[water]\nx=y\n[Print]\r\nIsPrint=1\n0=c\n0=d\n");
  ASSERT_EQ(ini.Sections().size(), 2u);
  EXPECT_EQ(ini.Sections()[0].name, "Water");
  EXPECT_EQ(ini.Sections()[0].line, 2);
  ASSERT_EQ(ini.Sections()[0].entries.size(), 2u);
  EXPECT_EQ(ini.Sections()[0].entries[0].key, "0");
  EXPECT_EQ(ini.Sections()[0].entries[0].value, "a");
  EXPECT_EQ(ini.Sections()[0].entries[1].line, 4);
  EXPECT_EQ(ini.FindSection("PRINT")->line, 7);
  EXPECT_EQ(ini.FindEntry("print", "0")->line, 9);
  EXPECT_EQ(ini.FindEntry("print", "0")->value, "c");
  EXPECT_EQ(ini.FindEntry("water", "x"), nullptr);
}

}  // namespace
}  // namespace iv
