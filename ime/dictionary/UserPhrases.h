// The user's phrases in the user dictionary (the table of the given scheme). Every operation
// uses this thread's kept connection (HeldConnections); a failing step raises ESQLiteException. An add or
// a change checks and writes in one transaction, so that two processes never store a pair
// twice and a failure changes nothing. The operations answer; the phrase dialog tells the
// user. The first write of each day keeps a backup of the file first.
#pragma once

#include <string>
#include <vector>

#include "ime/dictionary/DictionaryFiles.h"

// Why a pair was not stored.
enum class PhraseRefusal {
  kNone,           // stored
  kIncomplete,     // an empty code or text, up to its first zero byte ("设置词组错误")
  kAlreadyStored,  // the pair is stored already ("已存在此词组")
};

struct UserPhrase {
  std::string code;
  std::string text;
  bool operator==(const UserPhrase& other) const {
    return code == other.code && text == other.text;
  }
};

bool UserPhraseExists(const DictionarySet& dictionaries, const UserPhrase& phrase);
PhraseRefusal AddUserPhrase(const DictionarySet& dictionaries, const UserPhrase& phrase);
// Replaces the old pair by the new one in one transaction; the new pair is checked first.
PhraseRefusal ChangeUserPhrase(const DictionarySet& dictionaries, const UserPhrase& old,
                               const UserPhrase& changed);
// Deletes every row with exactly this code and text.
void DeleteUserPhrase(const DictionarySet& dictionaries, const UserPhrase& phrase);
// Every stored pair, in the order added.
std::vector<UserPhrase> ListUserPhrases(const DictionarySet& dictionaries);
