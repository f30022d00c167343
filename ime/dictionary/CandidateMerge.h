// Filling the candidate list from the rows of a system and a user dictionary table.
#pragma once

#include <cstddef>
#include <string_view>

#include "ime/dictionary/CandidateRecord.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/engine/CandidateList.h"

// Where and how candidates are stored.
struct CandidateStore {
  CandidateList* list;
  char* const* pool;                   // kMaxCandidates buffers of kCandidateRecordSize bytes
  std::string_view associationPrefix;  // empty in a code lookup
  bool gb2312Only;                     // drop single characters outside GB2312
  TextConverter toTraditional;         // nullptr for simplified output
};

// Appends one record to the list unless its text equals the association prefix (so an
// empty text in a code lookup) or the list is full.
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
