#include "ime/ui/PhraseFileCommands.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "ime/dictionary/PhraseTransfer.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserDictionaryBackups.h"

namespace {

const char kExportCaption[] = "导出词组";
const char kImportCaption[] = "导入词组";
const char kRestoreCaption[] = "恢复词组";
const char kFilter[] = "文本文件 (*.txt)\0*.txt\0所有文件 (*.*)\0*.*\0";
// The invalid lines a message names; the rest are counted only.
constexpr std::size_t kNamedLines = 10;

std::string Count(std::size_t n) { return std::to_string(n); }

// The path the user picked; empty when they cancelled.
std::string PickFile(HWND owner, const char* title, bool save) {
  char path[MAX_PATH] = {};
  OPENFILENAMEA picker = {};
  picker.lStructSize = sizeof picker;
  picker.hwndOwner = owner;
  picker.lpstrFilter = kFilter;
  picker.lpstrFile = path;
  picker.nMaxFile = MAX_PATH;
  picker.lpstrTitle = title;
  picker.lpstrDefExt = "txt";
  picker.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL picked = save ? GetSaveFileNameA(&picker) : GetOpenFileNameA(&picker);
  return picked ? path : std::string();
}

// The file's bytes; false when it cannot be read or is larger than an import reads (then
// tooLarge is set and nothing is read).
bool ReadImportFile(const std::string& path, std::string& bytes, bool& tooLarge) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size = {};
  bool read = GetFileSizeEx(file, &size) != 0;
  tooLarge = read && static_cast<unsigned long long>(size.QuadPart) > kMaxImportFileBytes;
  if (read && !tooLarge) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    read = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got,
                                      nullptr) &&
                             got == bytes.size());
  }
  CloseHandle(file);
  return read && !tooLarge;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool done = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                                                &written, nullptr) &&
                                      written == bytes.size());
  CloseHandle(file);
  return done;
}

std::string ImportMessage(const ImportOutcome& outcome) {
  if (outcome.fault == ImportFileFault::kTooLarge)
    return "文件太大（超过 " + Count(kMaxImportFileBytes >> 20) + " MB），没有导入任何词组。";
  if (outcome.fault == ImportFileFault::kNotText)
    return "文件不是文本的词组表，没有导入任何词组。";
  std::string message = "增加 " + Count(outcome.added) + " 个词组，跳过 " +
                        Count(outcome.skipped) + " 个已有的词组，无效 " +
                        Count(outcome.invalidLines.size()) + " 行。";
  if (!outcome.invalidLines.empty()) {
    message += "\r\n无效的行：";
    for (std::size_t k = 0; k < outcome.invalidLines.size() && k < kNamedLines; ++k)
      message += (k ? ", " : "") + Count(outcome.invalidLines[k]);
    if (outcome.invalidLines.size() > kNamedLines) message += " …";
  }
  return message;
}

// "2026-12-08" from "20261208".
std::string ShownDate(const std::string& date) {
  return date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2);
}

}  // namespace

void ExportPhrasesToFile(HWND owner, const DictionarySet& dictionaries) {
  const std::string path = PickFile(owner, kExportCaption, true);
  if (path.empty()) return;
  const ExportedPhrases exported = ExportUserPhrases(dictionaries);
  if (!WriteWholeFile(path, exported.text)) {
    MessageBoxA(owner, ("无法写入文件“" + path + "”。").c_str(), kExportCaption,
                MB_OK | MB_ICONWARNING);
    return;
  }
  MessageBoxA(owner, ("导出了 " + Count(exported.count) + " 个词组。").c_str(), kExportCaption,
              MB_OK | MB_ICONINFORMATION);
}

bool ImportPhrasesFromFile(HWND owner, const DictionarySet& dictionaries) {
  const std::string path = PickFile(owner, kImportCaption, false);
  if (path.empty()) return false;
  std::string bytes;
  bool tooLarge = false;
  ImportOutcome outcome;
  if (ReadImportFile(path, bytes, tooLarge)) {
    outcome = ImportUserPhrases(dictionaries, bytes, TodayStamp());
  } else if (tooLarge) {
    outcome.fault = ImportFileFault::kTooLarge;
  } else {
    MessageBoxA(owner, ("无法读取文件“" + path + "”。").c_str(), kImportCaption,
                MB_OK | MB_ICONWARNING);
    return false;
  }
  MessageBoxA(owner, ImportMessage(outcome).c_str(), kImportCaption,
              MB_OK | (outcome.fault == ImportFileFault::kNone ? MB_ICONINFORMATION
                                                               : MB_ICONWARNING));
  return outcome.added > 0;
}

bool RestorePhrasesFromBackup(HWND owner, HWND button, const DictionarySet& dictionaries) {
  const std::vector<UserDictionaryBackup> backups = ListUserDictionaryBackups(dictionaries);
  if (backups.empty()) {
    MessageBoxA(owner, "还没有用户词库的备份。", kRestoreCaption, MB_OK | MB_ICONINFORMATION);
    return false;
  }
  std::vector<std::string> counts;
  HMENU menu = CreatePopupMenu();
  for (std::size_t k = 0; k < backups.size(); ++k) {
    UINT flags = MF_STRING;
    try {
      counts.push_back(Count(PhraseCountOf(backups[k].path)) + " 个词组");
    } catch (const ESQLiteException&) {
      counts.push_back("无法读取");
      flags |= MF_GRAYED;
    }
    const std::string item = ShownDate(backups[k].date) + "  " + counts.back();
    AppendMenuA(menu, flags, k + 1, item.c_str());
  }
  RECT below = {};
  GetWindowRect(button, &below);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NONOTIFY, below.left, below.bottom,
      0, owner, nullptr));
  DestroyMenu(menu);
  if (chosen == 0) return false;
  const UserDictionaryBackup& backup = backups[chosen - 1];
  const std::string question = "用 " + ShownDate(backup.date) + " 的备份（" +
                               counts[chosen - 1] +
                               "）替换现在的用户词库吗？\r\n现在的词库先存为今天的备份。";
  if (MessageBoxA(owner, question.c_str(), kRestoreCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return false;
  const std::size_t restored = RestoreUserDictionary(dictionaries, backup.path, TodayStamp());
  MessageBoxA(owner, ("恢复了 " + Count(restored) + " 个词组。").c_str(), kRestoreCaption,
              MB_OK | MB_ICONINFORMATION);
  return true;
}
