// The query list and the link list read from their profile files.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ime/settings/ListFiles.h"
#include "tests/native/KeyedDatabaseFiles.h"

namespace {

class ListFilesTest : public testing::Test {
 protected:
  TempFolder dir;
  std::string Write(const char* name, const std::string& text) {
    const std::string path = dir.File(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

TEST_F(ListFilesTest, QueryListSkipsBasesetAndKeepsFileOrder) {
  const std::string path = Write("adlist.ini",
                                 "[baseset]\r\ntimeout=8\r\n"
                                 "[天气预报]\r\nlink=  http://example.org/w?q=1 \t\r\n"
                                 "[no link]\r\n"
                                 "[词典]\r\nLINK=http://example.org/d\r\n");
  LoadQueryList(path.c_str());
  ASSERT_EQ(queryList.entries.size(), 3u);
  EXPECT_EQ(queryList.entries[0].text, "天气预报");
  EXPECT_EQ(queryList.entries[0].link, "http://example.org/w?q=1");
  EXPECT_EQ(queryList.entries[1].text, "no link");
  EXPECT_EQ(queryList.entries[1].link, "");
  EXPECT_EQ(queryList.entries[2].link, "http://example.org/d") << "key names ignore case";
  EXPECT_EQ(queryList.intervalSeconds, 8);
  EXPECT_EQ(queryList.currentIndex, 0u);
}

TEST_F(ListFilesTest, QueryListIntervalFallbacks) {
  LoadQueryList(Write("a.ini", "[baseset]\r\n").c_str());
  EXPECT_TRUE(queryList.entries.empty()) << "only baseset gives an empty list";
  EXPECT_EQ(queryList.intervalSeconds, 5);

  LoadQueryList(Write("b.ini", "[BaseSet]\r\ntimeout=9\r\n").c_str());
  ASSERT_EQ(queryList.entries.size(), 1u) << "baseset is matched case-sensitively";
  EXPECT_EQ(queryList.entries[0].text, "BaseSet");
  EXPECT_EQ(queryList.intervalSeconds, 5);

  for (const char* bad : {"abc", "-3", "7x", "", "99999999999999999999"}) {
    LoadQueryList(Write("c.ini", std::string("[baseset]\r\ntimeout=") + bad + "\r\n").c_str());
    EXPECT_EQ(queryList.intervalSeconds, 5) << bad;
  }
  LoadQueryList(Write("d.ini", "[baseset]\r\ntimeout=1\r\n").c_str());
  EXPECT_EQ(queryList.intervalSeconds, 1);
}

TEST_F(ListFilesTest, MissingFileGivesEmptyLists) {
  LoadQueryList(Write("x.ini", "[a]\r\n").c_str());
  LoadQueryList(dir.File("absent.ini").c_str());
  EXPECT_TRUE(queryList.entries.empty());
  LoadLinkList(dir.File("absent.ini").c_str());
  EXPECT_TRUE(linkList.entries.empty());
  LoadLinkList("");
  EXPECT_TRUE(linkList.entries.empty());
}

TEST_F(ListFilesTest, LinkListTakesEverySectionAndReplacesThePreviousList) {
  const std::string path = Write("intlist.ini",
                                 "[baseset]\r\nlink=http://example.org/\r\n"
                                 "[blank]\r\nlink= \r\n"
                                 "[新闻]\r\nlink=http://example.org/news\r\n");
  LoadLinkList(path.c_str());
  LoadLinkList(path.c_str());
  ASSERT_EQ(linkList.entries.size(), 3u);
  EXPECT_EQ(linkList.entries[0].text, "baseset");
  EXPECT_EQ(linkList.entries[1].link, "") << "a link of one space is empty";
  EXPECT_EQ(linkList.entries[2].text, "新闻");
  EXPECT_EQ(linkList.entries[2].link, "http://example.org/news");
}

TEST_F(ListFilesTest, LongValuesAreCutAtTheValueBuffer) {
  LoadLinkList(Write("long.ini", "[e]\r\nlink=" + std::string(5000, 'x') + "\r\n").c_str());
  ASSERT_EQ(linkList.entries.size(), 1u);
  EXPECT_EQ(linkList.entries[0].link, std::string(2047, 'x'));
}

}  // namespace
