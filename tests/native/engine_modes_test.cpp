// What the engine does when the application or the windows change a context: a new
// conversion mode, the page start and size of the list.
#include <gtest/gtest.h>

#include "ime/engine/ImeValues.h"
#include "ime/engine/InputControl.h"
#include "tests/native/engine_core_harness.h"

namespace {

class ModeTest : public testing::Test {
protected:
  // The mode changes from previous to mode.
  void Change(std::uint32_t previous, std::uint32_t mode) {
    EngineCall call = input.Call();
    call.mode = mode;
    ReactToModeChange(call, previous);
  }

  CoreContext input{{{"lmtsys_a.db", "lmt_zx",
                      {{"工", "a"}, {"式", "aa"}, {"节", "ab"}, {"芭", "ac"}, {"基", "ad"},
                       {"菜", "ae"}, {"革", "af"}, {"七", "ag"}, {"牙", "ah"}, {"东", "ai"}}}}};
};

// Where the mode changes, not where the status bar paints, which may never happen.
TEST_F(ModeTest, TheTraditionalBitSetsTheOutput) {
  Change(kModeNative, kModeNative | kModeTraditional);
  EXPECT_EQ(input.engine.simplifiedOutput, 0);
  Change(kModeNative | kModeTraditional, kModeNative);
  EXPECT_EQ(input.engine.simplifiedOutput, 1);
}

TEST_F(ModeTest, PageStartAndPageSize) {
  input.Type("a");
  EngineCall call = input.Call();
  EXPECT_TRUE(SetPageStart(call, 0, 3));
  EXPECT_EQ(input.List()->dwPageStart, 3u);
  EXPECT_EQ(input.List()->dwSelection, 3u);
  EXPECT_TRUE(SetPageStart(call, 0, 10));  // beyond the list: no change
  EXPECT_EQ(input.List()->dwSelection, 3u);
  EXPECT_FALSE(SetPageStart(call, 1, 0));
  EXPECT_TRUE(SetPageSize(call, 0, 5));
  EXPECT_EQ(input.List()->dwPageSize, 5u);
  // Chinese punctuation, the usual mode, pages too.
  call.mode = kModeNative | kModeSymbol;
  EXPECT_TRUE(SetPageSize(call, 0, 6));
  EXPECT_EQ(input.List()->dwPageSize, 6u);
  // The digit keys reach seven rows at most.
  EXPECT_FALSE(SetPageSize(call, 0, 0));
  EXPECT_FALSE(SetPageSize(call, 0, 8));
  EXPECT_EQ(input.List()->dwPageSize, 6u);
}

}  // namespace
