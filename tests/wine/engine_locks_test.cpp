// An exception inside an entry point, after it has locked the context and its blocks, must
// leave no lock held: each entry point is called on a real context with the first, then the
// second, ... allocation failing, until it runs through, and every lock count is checked
// after each call. The context then types as before.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ime/engine/ImeConstants.h"
#include "tests/wine/engine_harness.h"
#include "tests/wine/support/AllocationFailure.h"
#include "tests/wine/support/HeldLocks.h"

namespace {

class LockTest : public EngineContextTest {
protected:
  TestDictionaries dictionaries_{
      {{"lmtsys_a.db", "lmt_zx", {{"工", "a"}, {"式", "aa"}, {"节", "ab"}, {"芭", "ac"}}}}};
};

struct Entry {
  const char* name;
  bool composing;  // called with a code typed and its list open
  std::function<void(HIMC)> call;
};

TEST_F(LockTest, AFailureInsideAnyEntryPointLeavesNoLockHeld) {
  BYTE keys[256] = {};
  const std::vector<Entry> entries = {
      {"ImeProcessKey", false, [&](HIMC himc) { ImeProcessKey(himc, 'A', 0x1E0001, keys); }},
      {"ImeToAsciiEx", true,
       [&](HIMC himc) {
         struct {
           UINT count;
           TRANSMSG entries[10];
         } list = {10, {}};
         ImeToAsciiEx('A' | ('a' << 8), 0x1E, keys, reinterpret_cast<LPTRANSMSGLIST>(&list), 0,
                      himc);
       }},
      {"NotifyIME complete", true,
       [](HIMC himc) { NotifyIME(himc, NI_COMPOSITIONSTR, CPS_COMPLETE, 0); }},
      {"NotifyIME select", true,
       [](HIMC himc) { NotifyIME(himc, NI_SELECTCANDIDATESTR, 0, 1); }},
      {"NotifyIME mode", true,
       [](HIMC himc) { NotifyIME(himc, NI_CONTEXTUPDATED, 0, IMC_SETCONVERSIONMODE); }},
      {"ImeSetActiveContext", true, [](HIMC himc) { ImeSetActiveContext(himc, FALSE); }},
      {"ImeSetCompositionString", true,
       [](HIMC himc) { ImeSetCompositionString(himc, SCS_SETSTR, nullptr, 0, nullptr, 0); }},
      {"ImeSelect", false, [](HIMC himc) { ImeSelect(himc, TRUE); }},
  };
  for (const Entry& entry : entries) {
    bool failed = true;
    for (long succeeding = 0; failed && succeeding < 5000; ++succeeding) {
      NotifyIME(himc_, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
      if (entry.composing) Type("a");
      // The test window records what it is sent without allocating.
      SentMessages().clear();
      SentMessages().reserve(1000);
      {
        AllocationsFail failing(succeeding);
        entry.call(himc_);
        failed = failing.Failed();
      }
      ASSERT_EQ(HeldLocks(himc_), "") << entry.name << " with allocation " << succeeding + 1
                                 << " failing";
    }
    EXPECT_FALSE(failed) << entry.name << " never ran through";
  }

  // The context types as before.
  ImeSelect(himc_, TRUE);
  Type("a");
  EXPECT_EQ(CompositionString(), "a");
  SetRowsDrawn(7);  // as the candidate window does when it draws the list
  Press(VK_SPACE);
  EXPECT_EQ(ResultString(), "工");
  EXPECT_EQ(HeldLocks(himc_), "");
}

}  // namespace
