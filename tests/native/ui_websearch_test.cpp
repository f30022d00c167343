#include <gtest/gtest.h>

#include <string>

#include "ime/common/PercentEncoding.h"
#include "ime/settings/WebSearchAddress.h"
#include "ime/ui/TimerRules.h"
#include "tests/native/RepeatedText.h"

namespace {

TEST(PercentEncodeTest, GbkBytesAndReservedCharacters) {
  EXPECT_EQ(PercentEncode("中"), "%D6%D0");
  EXPECT_EQ(PercentEncode("a b&c=d#e+f%"), "a%20b%26c%3Dd%23e%2Bf%25");
  EXPECT_EQ(PercentEncode("AZaz09-._~"), "AZaz09-._~");
  EXPECT_EQ(PercentEncode(std::string("\x00\x7F", 2)), "%00%7F");
}

TEST(SearchQueryTest, DisplayTextOfACandidateRecord) {
  EXPECT_EQ(SearchQuery("", "中国\rguo\r"), "中国");
  EXPECT_EQ(SearchQuery("", "text"), "text");
}

TEST(SearchQueryTest, CustomStringGoesInFront) {
  EXPECT_EQ(SearchQuery("北京", "天气"), "北京天气");
}

TEST(SearchQueryTest, CutTo64BytesOnACharacterBoundary) {
  EXPECT_EQ(SearchQuery("", Repeat("中", 35)), Repeat("中", 32));
  EXPECT_EQ(SearchQuery("", "a" + Repeat("中", 35)), "a" + Repeat("中", 31));
}

TEST(WebSearchAddressTest, PrefixEncodedQuerySuffix) {
  const std::string address = WebSearchAddress("中文");
  EXPECT_EQ(address, std::string(kWebSearchPrefix) + "%D6%D0%CE%C4" + kWebSearchSuffix);
  EXPECT_NE(address.find("ie=GB2312&q=%D6%D0"), std::string::npos);
  EXPECT_NE(address.find("oe=GB2312"), std::string::npos);
}

TEST(LinkAddressTest, PatternGetsTheQuery) {
  EXPECT_EQ(LinkAddress("https://example.org/s?w=%s&x=1", "中"), "https://example.org/s?w=%D6%D0&x=1");
  EXPECT_EQ(LinkAddress("https://example.org/%s/%s", "a b"), "https://example.org/a%20b/a%20b");
}

TEST(LinkAddressTest, LinksWithoutPatternStayUnchanged) {
  EXPECT_EQ(LinkAddress(kHomePageLink, "中"), kHomePageLink);
  EXPECT_EQ(LinkAddress("https://example.org/%E4%B8%AD", "x"), "https://example.org/%E4%B8%AD");
  EXPECT_EQ(LinkAddress("https://example.org/100%", "x"), "https://example.org/100%");
}

TEST(LinkAddressTest, OnlyWebAddressesOpenAndAnythingElseIsSearched) {
  EXPECT_EQ(LinkAddress("HTTP://example.org/%s", "a"), "HTTP://example.org/a");
  for (const char* link : {"C:\\Windows\\notepad.exe", "calc.exe %s", "file:///C:/x.exe",
                           "\\\\server\\share\\run.exe", "ftp://example.org/", "%shttp://x",
                           "httpx://example.org/"}) {
    EXPECT_EQ(LinkAddress(link, "中"), WebSearchAddress("中")) << link;
  }
}

TEST(LinkAddressTest, SearchPageLinkIsNeverAPattern) {
  EXPECT_EQ(LinkAddress(kSearchPageLink, "中"), kSearchPageLink);
}

TEST(TimerRulesTest, ElapsedIsASignedDifference) {
  EXPECT_FALSE(ElapsedMoreThan(6000, 1000, 5000));
  EXPECT_TRUE(ElapsedMoreThan(6001, 1000, 5000));
  EXPECT_FALSE(ElapsedMoreThan(100, 0xFFFFFF00u, 5000)) << "a wrapped tick count is not elapsed";
  EXPECT_TRUE(ElapsedMoreThan(0xFFFFFFFFu, 0, 5000));
}

}  // namespace
