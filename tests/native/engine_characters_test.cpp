// Keys that give characters: full-width forms, English mode and the soft keyboard's layouts
// (Chinese punctuation: its tables, and the typing tests through a real EDIT).
#include <gtest/gtest.h>

#include <string>

#include "ime/engine/ImeValues.h"
#include "tests/native/engine_core_harness.h"

namespace {

// The bytes of the characters a key typed.
std::string Typed(const KeyResult& key) {
  std::string bytes;
  for (const TRANSMSG& message : key.returned) bytes += static_cast<char>(message.wParam);
  return bytes;
}

class CharacterTest : public testing::Test {
protected:
  CoreContext input{{}};
};

TEST_F(CharacterTest, FullWidthFormsAndTheTakenSpace) {
  input.mode = kModeNative | kModeFullShape;
  EXPECT_EQ(Typed(input.Press(Char('#'))), "＃");
  EXPECT_EQ(Typed(input.Press(Named(kVkSpace))), "　");
  input.mode = kModeNative;
  EXPECT_FALSE(input.Press(Named(kVkSpace)).taken);
}

TEST_F(CharacterTest, EnglishModeTypesPlainCharacters) {
  input.mode = 0;
  KeyEvent a = Letter('a');
  a.keyFlags = 0x1E;
  EXPECT_EQ(input.Press(a).returned, (std::vector<TRANSMSG>{{kWmChar, 'a', 0x1E * 65536 + 1}}));
}

TEST_F(CharacterTest, SoftKeyboardGivesTheLayoutsCharacters) {
  input.mode = kModeNative | kModeSoftKeyboard;
  input.engine.softKeyboardIndex = 1;  // 希腊字母
  EXPECT_EQ(Typed(input.Press(Letter('a'))), "κ");
  EXPECT_EQ(Typed(input.Press(Shifted('a'))), "Κ");
  const KeyResult digit = input.Press(Char('1'));
  EXPECT_TRUE(digit.taken);
  EXPECT_TRUE(digit.returned.empty());  // no character there
  EXPECT_EQ(digit.beeps, 1);
  EXPECT_EQ(Typed(input.Press(Named(kVkSpace))), "　");
}

}  // namespace
