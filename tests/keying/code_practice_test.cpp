// Code practice: random groups, sending the text with its echo, and the keyboard box.
#include <gtest/gtest.h>

#include "keying/windows/CWFrm.h"
#include "keying/windows/frmCodePractice.h"
#include "tests/keying/keying_fixture.h"

namespace ks::testing {
namespace {

class CodePracticeTest : public KeyingTest {
 protected:
  CodePracticeTest() {
    app().Get<CWFrm>().Option3.SetValue(true);
    app().Get<CWFrm>().Text11.SetText("12");
  }
  frmCodePractice& practice() { return app().Get<frmCodePractice>(); }
};

TEST_F(CodePracticeTest, GroupsComeFromTheTable) {
  practice().Command2.Press();
  const std::string all = practice().Text1.Text();
  ASSERT_EQ(all.size(), 60u);
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i % 6 == 5) {
      EXPECT_EQ(all[i], ' ');
    } else {
      EXPECT_NE(std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/-").find(all[i]), std::string::npos) << all;
    }
  }
  practice().Option1.SetValue(true);
  practice().Text3.SetText("abc");
  practice().Command2.Press();
  EXPECT_EQ(practice().Text3.Text(), "10");
  for (const char c : practice().Text1.Text()) EXPECT_TRUE(c == ' ' || (c >= 'A' && c <= 'Z'));
  practice().Text3.SetText("0");
  practice().Command2.Press();
  EXPECT_EQ(practice().Text1.Text(), "");
  // The ends of the uniform range map to the first and the last slot.
  EXPECT_EQ(RandomGroups(1, 2, 41, practice().PracticeCharacters, [n = 0]() mutable { return n++ ? 0.9999999 : 0.0; }),
            "A- ");
}

TEST_F(CodePracticeTest, SendKeysEachCharacterAndEchoesIt) {
  practice().Text1.SetText("EE");
  practice().Command3.Press();
  EXPECT_EQ(practice().Text2.Text(), "EE");
  EXPECT_EQ(devices->transitions.size(), 4u);
  EXPECT_EQ(keying().CWSending, 0);
}

TEST_F(CodePracticeTest, KeyboardBoxSendsAndBackspaceTakesTheEcho) {
  practice().Show();
  practice().Text5.SetFocus();
  practice().TypeText("e");
  EXPECT_EQ(practice().Text2.Text(), "E");
  EXPECT_EQ(practice().Text5.Text(), "");
  EXPECT_EQ(devices->transitions.size(), 2u);
  practice().TypeKey(8, 8);
  EXPECT_EQ(practice().Text2.Text(), "");
}

TEST_F(CodePracticeTest, FasterRaisesTheCWSpeed) {
  app().Get<CWFrm>().Text11.SetText("13");
  practice().Command7.Press();
  EXPECT_EQ(app().Get<CWFrm>().Text11.Text(), "14");
  EXPECT_EQ(practice().Label8.Caption(), "14");
}

TEST_F(CodePracticeTest, ClosingWhileSendingIsRefused) {
  keying().CWSending = 1;
  keying().CWBuffer = "ABC";
  EXPECT_FALSE(practice().Unload());
  EXPECT_TRUE(keying().CWBuffer.empty());
  keying().CWSending = 0;
  EXPECT_TRUE(practice().Unload());
}

}  // namespace
}  // namespace ks::testing
