// The wizard's pages per edition: the edition and scheme bytes, the pictures, and which
// page is the directory page.
#include <gtest/gtest.h>

#include <string>

#include "setup/installer/Pages.h"

namespace {

// The pages up to the directory page, as "picture" names and "agreement".
std::string Walk(int edition) {
  std::string pages;
  for (int page = 1; page <= 6; ++page) {
    const WizardPage shown = PageOf(edition, page);
    pages += shown.agreement ? "agreement" : shown.picture;
    if (shown.directory) return pages;
    pages += ' ';
  }
  return pages + "(no directory page)";
}

TEST(WizardPagesTest, EachEditionReachesItsDirectoryPageWithItsPictures) {
  EXPECT_EQ(Walk(1), "STARTBMP agreement ZXSTARTBMP SXSTARTBMP");
  EXPECT_EQ(Walk(2), "STARTBMP agreement ZXSTARTBMP");
  EXPECT_EQ(Walk(3), "STARTBMP agreement SXSTARTBMP");
  EXPECT_EQ(Walk(0), Walk(1));
  EXPECT_EQ(Walk(7), Walk(1));

  EXPECT_STREQ(FinalPicture(2), "ZXENDBMP");
  EXPECT_STREQ(FinalPicture(3), "SXENDBMP");
  EXPECT_STREQ(FinalPicture(9), "ENDBMP");
  EXPECT_STREQ(EditionTitleSuffix(0), "");
  EXPECT_STREQ(EditionTitleSuffix(3), "——声型词组");
}

TEST(WizardPagesTest, EditionBytesReadAsOneDigitOrZero) {
  EXPECT_EQ(DigitResource("2", 1), 2);
  EXPECT_EQ(DigitResource("31", 2), 3);
  EXPECT_EQ(DigitResource("x", 1), 0);
  EXPECT_EQ(DigitResource("", 0), 0);
  EXPECT_EQ(DigitResource(nullptr, 0), 0);
}

}  // namespace
