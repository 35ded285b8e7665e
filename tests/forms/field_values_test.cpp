// Field values from FormatShow.ini: the cut detail data and the numbered field lines.
#include "forms/field_values.h"

#include <gtest/gtest.h>

namespace iv {
namespace {

class FieldValuesTest : public ::testing::Test {
 protected:
  // `section` under the business key "Pay", read for the key "pay".
  void Load(const std::string &section) {
    LoadFieldValues(IniFile("[Other]\nIsDetail=1\n0=O[0<1,>\n[Pay]\n" + section), "pay", in, out, head, detail);
  }

  DataArray in;   // the host's DataI
  DataArray out;  // the host's DataO
  dystring head = dystring(100);
  dystring detail;
};

TEST_F(FieldValuesTest, FieldLinesCopyCutAndSplitTheHostData) {
  out[0] = "zero";
  out[7] = " seven ";
  in[2] = "abcdefghij";
  in[3] = "x|y|z";
  Load("0=O[3<7,>\n1=i[4<2,3,5>\n2=S[5<3,3,|>\n3=s[6<3,0,|>\n4=O[7<7>\n5=I[8<2,0,3>\n6=I[9<2,9,5>\n");
  EXPECT_EQ(head[3], " seven ") << "field lines store values untrimmed";
  EXPECT_EQ(head[4], "cdefg");
  EXPECT_EQ(head[5], "z");
  EXPECT_EQ(head[6], "Err");
  EXPECT_EQ(head[7], "zero") << "no comma: the number is 0";
  EXPECT_EQ(head[8], "abc") << "position 0 counts as 1";
  EXPECT_EQ(head[9], "ij");
  EXPECT_EQ(head.size(), 100u);
  EXPECT_TRUE(detail.empty());
}

TEST_F(FieldValuesTest, LinesTheKioskCannotUseAreSkipped) {
  out[1] = "one";
  Load("0=X[1<1,>\n1=no bracket\n2=O[100<1,>\n3=O[2<65,>\n4=O[4<1,>\n6=O[6<1,>\n");
  dystring expected(100);
  expected[4] = "one";
  EXPECT_EQ(head, expected) << "unknown kind, no \"[\", target and data beyond the arrays; 5 ends the list";
}

TEST_F(FieldValuesTest, AnErrorEndsTheLinesAndEscapes) {
  out[1] = "one";
  const IniFile settings("[Pay]\n0=O[1<1,>\n1=O[ 2<1,>\n2=O[3 <1,>\n3=O[4<1,>\n");
  EXPECT_THROW(LoadFieldValues(settings, "Pay", in, out, head, detail), ConversionError);
  EXPECT_EQ(head[1], "one");
  EXPECT_EQ(head[2], "one") << "blanks before the target are allowed";
  EXPECT_EQ(head[4], "") << "after the failing line";
}

TEST_F(FieldValuesTest, CutHeadCellsReplaceTheHeadValues) {
  in[43] = "02010005A^B";
  in[44] = " Pay Co.  0371  rest";
  out[1] = " one ";
  Load("IsDetail=1\n0=O[1<1,>\n1=O[2<1,>\n");
  EXPECT_EQ(head, (dystring{"Pay Co.", " one "})) << "cells trimmed, field values not; entry 2 is beyond";
}

TEST_F(FieldValuesTest, CutDetailRowsBecomeTheDetailValues) {
  in[43] = "02010005A^B*03004004002X^Y^Z";
  in[44] = " Pay Co.  0371 A1  B1  C1A2  B";
  Load("IsDetail=2\n");
  EXPECT_EQ(detail, (dystring{"A1", "B1", "C1", "A2", "B", ""}));
  EXPECT_EQ(head, dystring(100));

  in[43] = "*02004x04";
  EXPECT_THROW(Load("IsDetail=2\n0=O[1<1,>\n"), ConversionError);
  EXPECT_EQ(head, dystring(100)) << "a bad detail width stops the field lines too";
}

}  // namespace
}  // namespace iv
