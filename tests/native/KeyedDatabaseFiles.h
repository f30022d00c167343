// Test files for the access layer: a private temporary folder and encrypted databases
// written with SQLite directly, independent of the layer under test.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The path of name (bytes, e.g. GBK) inside the folder; the folder's own path is ASCII.
  std::string File(const std::string& name) const;

private:
  std::filesystem::path path_;
};

// Opens (creating it if needed) the database at utf8Path keyed with the first keyLength
// bytes of key; fails the test on error.
sqlite3* OpenKeyedRaw(const std::string& utf8Path, const std::string& key, int keyLength);

// Creates the database keyed as above and runs each statement in it.
void MakeKeyedDatabase(const std::string& utf8Path, const std::string& key, int keyLength,
                       const std::vector<std::string>& statements);

// The same with the dictionary password and key length.
void MakeDictionary(const std::string& utf8Path, const std::vector<std::string>& statements);

// Runs one statement on a raw connection; fails the test on error.
void ExecRaw(sqlite3* db, const std::string& sql);
