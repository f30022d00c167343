// The layout of the user dictionary beyond its two tables: what every lookup needs to read
// the user's phrases without a trip to the table for each row, however many there are.
//
// Each table (lmt_sx, lmt_zx) carries a covering index in lookup order, (length(mbcode),
// mbcode, hzcode), and an index on hzcode for word association. Ties within one code are
// put in the order added by the statements' final rowid term. The planner statistics say
// what stays true of any user dictionary (few code lengths, codes nearly unique), so that
// SQLite seeks each code length's range of the index (skip-scan) at any size; statistics
// gathered from the file's rows would go stale as the user adds phrases. The file's
// user_version holds the layout, so that an older file is brought up to date once.
#pragma once

#include <string>
#include <vector>

class TSQLiteDatabase;

constexpr int kUserDictionaryLayout = 1;

// The statements that give the named tables of a user dictionary this layout and mark
// the file with it; run in one transaction.
std::vector<std::string> UserDictionaryLayoutStatements(const std::vector<std::string>& tables);

// Brings the user dictionary open on db to this layout in one transaction, without
// touching a row: every phrase keeps its rowid and so its place. True when the file has
// the layout; false, with nothing changed, when it cannot be given it now (read-only,
// locked by another process, damaged), so that a later open tries again.
bool UpgradeUserDictionary(TSQLiteDatabase& db);
