// A user dictionary that cannot be read is never replaced or deleted: it is moved aside
// under a dated name beside it, the package's fresh one takes its place, and every phrase
// that can still be read from it is carried over into the fresh one.
#pragma once

#include <string>
#include <vector>

#include "setup/dictpackage/PackagePayload.h"

// The name of the damaged copy of the user dictionary at path on the given day, the n-th
// of that day (n from 1): "lmtsys_User.damaged-<yyyymmdd>.db", then "...-<n>.db".
std::string DamagedCopyPath(const std::string& path, int year, int month, int day, int n);

// Whether the user dictionary at path opens with the dictionary password, passes SQLite's
// quick check and holds a phrase table. A missing file is sound: there is nothing to keep.
bool UserDictionaryIsSound(const std::string& path);

// Moves the file at path to the first free damaged-copy name of today; the new path, or
// empty when it could not be moved (the file then stays where it was).
std::string MoveDamagedAside(const std::string& path);

// Copies every phrase that can be read from the phrase tables of damaged into the same
// tables of fresh; the number of phrases copied.
int CarryOverReadablePhrases(const std::string& damaged, const std::string& fresh);

struct DictionaryInstallation {
  bool written = false;     // every file is in place
  std::string damagedCopy;  // where a damaged user dictionary was moved; empty when none was
  int recovered = 0;        // the phrases carried from it into the fresh one
  std::vector<std::string> held;  // files another program held, so that none was written
};

// Installs files below installDir as InstallFiles does; a damaged user dictionary is first
// moved aside, and its readable phrases are carried into the fresh one the files hold.
DictionaryInstallation InstallDictionaries(const std::string& installDir,
                                           const std::vector<PayloadFile>& files);
