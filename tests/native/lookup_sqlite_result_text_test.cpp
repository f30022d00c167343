#include <set>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "ime/dictionary/SQLiteResultText.h"

namespace {

TEST(SQLiteResultText, NamesThePrimaryCodes) {
  EXPECT_EQ(SQLiteResultText(SQLITE_OK), "Successful result");
  EXPECT_EQ(SQLiteResultText(SQLITE_ERROR), "SQL error or missing database");
  EXPECT_EQ(SQLiteResultText(SQLITE_BUSY), "The database file is locked");
  EXPECT_EQ(SQLiteResultText(SQLITE_LOCKED), "A table in the database is locked");
  EXPECT_EQ(SQLiteResultText(SQLITE_NOMEM), "A malloc() failed");
  EXPECT_EQ(SQLiteResultText(SQLITE_INTERRUPT), "Operation terminated by sqlite3_interrupt()");
  EXPECT_EQ(SQLiteResultText(SQLITE_NOTFOUND), "(Internal Only) Table or record not found");
  EXPECT_EQ(SQLiteResultText(SQLITE_CANTOPEN), "Unable to open the database file");
  EXPECT_EQ(SQLiteResultText(SQLITE_CONSTRAINT), "Abort due to contraint violation");
  EXPECT_EQ(SQLiteResultText(SQLITE_MISUSE), "Library used incorrectly");
  EXPECT_EQ(SQLiteResultText(SQLITE_RANGE), "2nd parameter to sqlite3_bind out of range");
  EXPECT_EQ(SQLiteResultText(SQLITE_NOTADB), "File opened that is not a database file");
  EXPECT_EQ(SQLiteResultText(SQLITE_ROW), "sqlite3_step() has another row ready");
  EXPECT_EQ(SQLiteResultText(SQLITE_DONE), "sqlite3_step() has finished executing");
}

TEST(SQLiteResultText, EveryCodeUpTo26HasItsOwnText) {
  std::set<std::string> texts;
  for (int code = 0; code <= 26; ++code) {
    const std::string text = SQLiteResultText(code);
    EXPECT_EQ(text.find("Unknown"), std::string::npos) << code;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), 27u);
}

TEST(SQLiteResultText, OtherCodesAreUnknownWithTheCodeQuoted) {
  EXPECT_EQ(SQLiteResultText(27), "Unknown SQLite Error Code \"27\"");
  EXPECT_EQ(SQLiteResultText(99), "Unknown SQLite Error Code \"99\"");
  EXPECT_EQ(SQLiteResultText(102), "Unknown SQLite Error Code \"102\"");
  EXPECT_EQ(SQLiteResultText(-1), "Unknown SQLite Error Code \"-1\"");
  EXPECT_EQ(SQLiteResultText(SQLITE_BUSY_SNAPSHOT), "Unknown SQLite Error Code \"517\"");
}

}  // namespace
