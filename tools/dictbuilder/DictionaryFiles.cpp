#include "tools/dictbuilder/DictionaryFiles.h"

#include <algorithm>
#include <map>

#include "ime/dictionary/UserDictionaryLayout.h"
#include "tools/dictbuilder/KeyedDatabase.h"

namespace dictbuilder {

namespace {

// The rows' stored order: most frequent first, so that a statement that reads the table
// in its own order (word association) lists heavier entries first, and within one code
// the lookup index (which ends in seq) does too. Code and text break ties so that builds
// repeat exactly.
bool StoredOrder(const DictEntry& a, const DictEntry& b) {
  if (a.weight != b.weight) return a.weight > b.weight;
  if (a.code.size() != b.code.size()) return a.code.size() < b.code.size();
  if (a.code != b.code) return a.code < b.code;
  return a.text < b.text;
}

void WriteCandidateTable(KeyedDatabase& db, const std::string& table,
                         std::vector<DictEntry> entries) {
  std::sort(entries.begin(), entries.end(), StoredOrder);
  Execute(db, "create table " + table +
                  "(seq INTEGER PRIMARY KEY, mbcode TEXT NOT NULL, hzcode TEXT NOT NULL)");
  {
    PreparedStatement insert;
    Prepare(db, "insert into " + table + "(mbcode, hzcode) values(?, ?)", insert);
    for (const DictEntry& entry : entries) InsertTextRow(db, insert, entry.code, entry.text);
  }
  Execute(db, "create index " + table + "_lookup on " + table +
                  "(length(mbcode), mbcode, seq, hzcode)");
}

void WriteReverseTable(KeyedDatabase& db, const std::string& table, const SchemeTables& tables) {
  Execute(db, "create table " + table + "(mbcode TEXT NOT NULL, hzcode TEXT NOT NULL)");
  {
    PreparedStatement insert;
    Prepare(db, "insert into " + table + "(mbcode, hzcode) values(?, ?)", insert);
    for (const auto& [character, codes] : tables.characterCodes)
      for (const std::string& code : codes) InsertTextRow(db, insert, code, character);
  }
  // Rows of one character keep their insertion order in this index: full code first.
  Execute(db, "create index " + table + "_character on " + table + "(hzcode)");
}

std::map<char, std::vector<DictEntry>> ByInitial(const std::vector<DictEntry>& entries) {
  std::map<char, std::vector<DictEntry>> groups;
  for (const DictEntry& entry : entries) groups[entry.code[0]].push_back(entry);
  return groups;
}

}  // namespace

void WriteSystemFile(const std::string& path, const std::vector<DictEntry>& sx,
                     const std::vector<DictEntry>& zx) {
  KeyedDatabase db;
  CreateKeyedDatabase(db, path);
  Execute(db, "begin");
  WriteCandidateTable(db, "lmt_sx", sx);
  WriteCandidateTable(db, "lmt_zx", zx);
  Execute(db, "commit");
  Execute(db, "analyze");
  CloseKeyedDatabase(db);
}

void WriteUserFile(const std::string& path) {
  KeyedDatabase db;
  CreateKeyedDatabase(db, path);
  Execute(db, "begin");
  const std::vector<std::string> tables = {"lmt_sx", "lmt_zx"};
  for (const std::string& table : tables)
    Execute(db, "create table " + table + "(mbcode TEXT, hzcode TEXT)");
  for (const std::string& sql : UserDictionaryLayoutStatements(tables)) Execute(db, sql);
  Execute(db, "commit");
  CloseKeyedDatabase(db);
}

void WriteReverseFile(const std::string& path, const SchemeTables& sx, const SchemeTables& zx) {
  KeyedDatabase db;
  CreateKeyedDatabase(db, path);
  Execute(db, "begin");
  WriteReverseTable(db, "odd_sx", sx);
  WriteReverseTable(db, "odd_zx", zx);
  Execute(db, "commit");
  CloseKeyedDatabase(db);
}

std::vector<std::string> WriteDictionaryFiles(const std::string& dir, const SchemeTables& sx,
                                              const SchemeTables& zx) {
  const auto sxGroups = ByInitial(sx.entries);
  const auto zxGroups = ByInitial(zx.entries);
  std::map<char, int> initials;
  for (const auto& group : sxGroups) initials[group.first];
  for (const auto& group : zxGroups) initials[group.first];
  const std::vector<DictEntry> none;
  std::vector<std::string> names;
  for (const auto& initial : initials) {
    const char c = initial.first;
    const auto sxGroup = sxGroups.find(c);
    const auto zxGroup = zxGroups.find(c);
    names.push_back(std::string("lmtsys_") + c + ".db");
    WriteSystemFile(dir + "/" + names.back(),
                    sxGroup == sxGroups.end() ? none : sxGroup->second,
                    zxGroup == zxGroups.end() ? none : zxGroup->second);
  }
  names.push_back("lmtsys_User.db");
  WriteUserFile(dir + "/" + names.back());
  names.push_back("lmtsys_ODD.db");
  WriteReverseFile(dir + "/" + names.back(), sx, zx);
  return names;
}

}  // namespace dictbuilder
