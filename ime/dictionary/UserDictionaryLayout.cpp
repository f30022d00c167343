#include "ime/dictionary/UserDictionaryLayout.h"

#include <memory>

#include "ime/dictionary/SQLiteTable3.h"

namespace {

int LayoutOf(TSQLiteDatabase& db) {
  return static_cast<int>(db.Query("pragma user_version")->FieldInt64(0));
}

// The candidate tables the file holds; a damaged file may lack one.
std::vector<std::string> TablesOf(TSQLiteDatabase& db) {
  std::vector<std::string> tables;
  const std::unique_ptr<TSQLiteTable> rows = db.Query(
      "select name from sqlite_master where type='table' and name in ('lmt_sx','lmt_zx')");
  for (; !rows->AtEnd(); rows->MoveNext()) tables.push_back(rows->FieldText(0));
  return tables;
}

}  // namespace

std::vector<std::string> UserDictionaryLayoutStatements(const std::vector<std::string>& tables) {
  // ANALYZE of SQLite's own schema table gathers nothing but makes the statistics table.
  std::vector<std::string> statements = {"analyze sqlite_schema"};
  for (const std::string& table : tables) {
    statements.push_back("create index if not exists " + table + "_covering on " + table +
                         "(length(mbcode), mbcode, hzcode)");
    statements.push_back("create index if not exists " + table + "_text on " + table +
                         "(hzcode)");
    // The earlier lookup index, which the covering one begins with.
    statements.push_back("drop index if exists " + table + "_lookup");
    statements.push_back("delete from sqlite_stat1 where tbl='" + table + "'");
    statements.push_back("insert into sqlite_stat1 values('" + table + "','" + table +
                         "_covering','10000 2500 2 1')");
    statements.push_back("insert into sqlite_stat1 values('" + table + "','" + table +
                         "_text','10000 2')");
  }
  statements.push_back("pragma user_version=" + std::to_string(kUserDictionaryLayout));
  return statements;
}

bool UpgradeUserDictionary(TSQLiteDatabase& db) {
  try {
    if (LayoutOf(db) >= kUserDictionaryLayout) return true;
    // Room for the whole new index in memory: a cache that spilled to the file would hold
    // other processes' lookups off it for the whole build, not only for the commit.
    db.Execute("pragma cache_size=-32768");
    // Fails at once on a read-only file or one another process is writing.
    db.Execute("begin immediate");
  } catch (const ESQLiteException&) {
    return false;
  }
  try {
    // Another process may have done it since the check.
    bool upgraded = LayoutOf(db) >= kUserDictionaryLayout;
    const std::vector<std::string> tables = upgraded ? std::vector<std::string>() : TablesOf(db);
    // A file without the phrase tables is no user dictionary to give a layout.
    if (!tables.empty()) {
      for (const std::string& sql : UserDictionaryLayoutStatements(tables)) db.Execute(sql);
      upgraded = true;
    }
    db.Execute(upgraded ? "commit" : "rollback");
    return upgraded;
  } catch (const ESQLiteException&) {
    try {
      db.Execute("rollback");
    } catch (const ESQLiteException&) {
      // Closing the connection rolls back what is left.
    }
    return false;
  }
}
