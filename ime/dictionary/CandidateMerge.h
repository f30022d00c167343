// Merging the rows of a system and a user dictionary table into candidate records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ime/dictionary/CandidateRecord.h"
#include "ime/dictionary/SQLiteTable3.h"

// Which rows become candidates and how their records are written.
struct CandidateFilter {
  bool gb2312Only;              // drop single characters outside GB2312
  TextConverter toTraditional;  // nullptr for simplified output
};

// Where the records go: a code lookup has no association prefix; an association leaves out
// the text it continues and shows no codes.
struct CandidateStore {
  std::vector<std::string>& records;
  std::string_view associationPrefix;
  CandidateFilter filter;
};

// Appends one record unless its text equals the association prefix (so an empty text in a
// code lookup) or kMaxCandidateRecords are stored.
void StoreCandidate(const CandidateStore& store, std::string_view text,
                    std::string_view displayCode, bool user);

// Merges the (hzcode, mbcode) rows of both sources, each sorted by code: user rows whose
// code sorts at or before a system row's come before it; once a user row with a code
// longer than the typed one is stored, the remaining user rows follow all system rows.
// typedLength characters are taken off each code to give its display code. No row is read
// once the list is full. Rows is TSQLiteTable or DictionaryRows.
template <typename Rows>
void MergeCandidateRows(Rows& system, Rows& user, const CandidateStore& store,
                        std::size_t typedLength);
