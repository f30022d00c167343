// The manual phrase dialog as a user reaches and works it, through the real input method
// manager: a right click on the status bar opens the context menu, "手工造词..." opens the
// dialog over the disabled application, a phrase typed through the input method itself
// gets its code, and what is added, changed and deleted is stored, listed and offered.
#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/resources/resource.h"
#include "ime/ui/WindowLayout.h"
#include "tests/wine/support/DialogDriver.h"
#include "tests/wine/support/ListViewItems.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/TypingFixture.h"

namespace {

using Pairs = ListPairs;

const char kDialogCaption[] = "手工造词(字型)";
const char kNoticeCaption[] = "手工造词";
const char kErrorCaption[] = "错误";

struct MenuSeen {
  std::vector<std::string> items;  // texts, "-" for a separator
  std::vector<UINT> ids;
};

void ClickListItem(HWND list, int item) {
  RECT r = {};
  r.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
  POINT p = MiddleOf(r);
  ClientToScreen(list, &p);
  ClickAt(p);
}

// Types a phrase into the dialog's phrase field through the input method: its codes and
// the keys that choose the candidates.
void TypePhrase(HWND dialog, const std::string& keys) {
  ClickControl(dialog, IDC_PHRASE);
  for (char key : keys) Press(key == ' ' ? VK_SPACE : static_cast<WORD>(std::toupper(key)));
}

void PutOnClipboard(const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(block), text.c_str(), bytes);
  GlobalUnlock(block);
  OpenClipboard(nullptr);
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

// Names the file in the open or save dialog with the caption and accepts it.
bool PickFile(const char* caption, const std::string& path) {
  HWND picker = WaitForWindow("#32770", caption, 10000);
  if (!picker) return false;
  Sleep(300);
  // The name box is an edit of its own, or the edit of a combo box in newer layouts.
  if (!SetDlgItemTextA(picker, 0x47C, path.c_str())) SetDlgItemTextA(picker, 0x480, path.c_str());
  PostMessageA(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(picker, IDOK)));
  return WaitUntilGone(picker, 10000);
}

std::string FileBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

class PhraseDialogTest : public TypingTest {
protected:
  void SetUp() override {
    TypingTest::SetUp();
    if (HasFatalFailure()) return;
    const std::string db = install_.File("lumatoridb");
    // The characters' codes: 中文 gets "abab", 中午 "abad".
    MakeDictionary(db + "\\lmtsys_ODD.db",
                   {"create table odd_zx(mbcode text, hzcode text)",
                    "create table odd_sx(mbcode text, hzcode text)",
                    "insert into odd_zx values('abk','中')", "insert into odd_zx values('aby','文')",
                    "insert into odd_zx values('adt','午')"});
    // 中央 keeps "aba" ambiguous, so that "abab" is the code that picks a phrase there.
    MakeDictionary(db + "\\lmtsys_a.db", {"insert into lmt_zx values('abac','中央')"});
  }

  std::string UserDictionary() { return install_.File("lumatoridb\\lmtsys_User.db"); }

  void StoreUserPhrases(const Pairs& pairs, const char* table = "lmt_zx") {
    std::vector<std::string> rows;
    for (const auto& [code, text] : pairs)
      rows.push_back(std::string("insert into ") + table + " values('" + code + "','" + text + "')");
    MakeDictionary(UserDictionary(), rows);
  }

  Pairs StoredUserPhrases() {
    TSQLiteDatabase db(UserDictionary(), kDictionaryPassword);
    auto rows = db.Query("select mbcode,hzcode from lmt_zx order by rowid");
    Pairs pairs;
    for (; !rows->AtEnd(); rows->MoveNext())
      pairs.emplace_back(rows->FieldTextOrEmpty(0), rows->FieldTextOrEmpty(1));
    return pairs;
  }

  // Right-clicks the status bar's first button, notes the context menu, chooses
  // "手工造词..." and runs `user` on the dialog from a second thread; returns when the
  // dialog is gone (a dialog the user left open is closed).
  MenuSeen WorkPhraseDialog(std::function<void(HWND)> user) {
    Press(VK_SHIFT);  // the module is selected into the context at the first key
    Pump(300);
    HWND status = FindWindowA("ImeStatuswinime_Mz", nullptr);
    EXPECT_NE(status, nullptr);
    if (!status) return {};
    MenuSeen seen;
    std::atomic<bool> done{false};
    std::thread worker([&] {
      HWND menu = WaitForWindow("#32768", nullptr);
      if (menu) {
        Sleep(100);
        Screenshot shot = CaptureScreen(AroundWindow(menu, 8));
        KeepScreenshot(shot, "context-menu");
        HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
        for (int k = 0; k < GetMenuItemCount(items); ++k) {
          char text[64] = {};
          const bool separator = GetMenuState(items, k, MF_BYPOSITION) & MF_SEPARATOR;
          GetMenuStringA(items, k, text, sizeof text, MF_BYPOSITION);
          seen.items.push_back(separator ? "-" : text);
          seen.ids.push_back(GetMenuItemID(items, k));
        }
        RECT item = {};
        GetMenuItemRect(nullptr, items, 4, &item);
        ClickAt(MiddleOf(item));
        if (HWND dialog = WaitForWindow("#32770", kDialogCaption)) {
          user(dialog);
          if (!WaitUntilGone(dialog, 3000)) PostMessageA(dialog, WM_CLOSE, 0, 0);
        }
      }
      done = true;
    });
    RECT bar = {};
    GetWindowRect(status, &bar);
    const UiRect button = ComputeStatusMetrics(GetSystemMetrics(SM_CXBORDER), 0).buttons[0];
    ClickAt({bar.left + (button.left + button.right) / 2, (bar.top + bar.bottom) / 2}, true);
    while (!done) Pump(20);
    worker.join();
    Pump(300);
    return seen;
  }
};

TEST_F(PhraseDialogTest, APhraseTypedAndAddedIsListedStoredAndOfferedForItsCode) {
  StoreUserPhrases({{"aa", "工工"}, {"gg", "一一"}, {"kk", "口口"}});
  StoreUserPhrases({{"vv", "西东"}}, "lmt_sx");
  HWND other = CreateWindowW(L"E2ETypingWindow", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500,
                             50, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(window_);
  SetFocus(edit_);

  bool appDisabled = false, otherDisabled = false;
  Pairs listed, added, duplicate;
  std::string phrase, code, refusal;
  POINT centred = {}, placed = {};
  int listWhite = 0, faceGrey = 0;
  const MenuSeen menu = WorkPhraseDialog([&](HWND dialog) {
    appDisabled = !IsWindowEnabled(window_);
    otherDisabled = !IsWindowEnabled(other);
    HWND list = GetDlgItem(dialog, IDC_WORDLIST);
    listed = ListViewPairs(list);

    // Where the dialog is drawn: the list's white and the form's face, at the places they
    // have when the dialog stands in the middle of the screen.
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    centred = CentredIn(screen, dialog);
    RECT r = {};
    GetWindowRect(dialog, &r);
    placed = {r.left, r.top};
    Sleep(200);
    const Screenshot shot = CaptureScreen(AroundWindow(dialog, 8));
    KeepScreenshot(shot, "phrase-dialog");
    // 20 x 20 pixels of the list below its rows (grid lines cross it) and of the face
    // above the buttons.
    const POINT inList = ClientPointAt(dialog, centred, 190, 205);
    const POINT onFace = ClientPointAt(dialog, centred, 316, 50);
    listWhite = shot.Count({inList.x, inList.y, inList.x + 20, inList.y + 20},
                           [](COLORREF c) { return c == GetSysColor(COLOR_WINDOW); });
    faceGrey = shot.Count({onFace.x, onFace.y, onFace.x + 20, onFace.y + 20},
                          [](COLORREF c) { return c == GetSysColor(COLOR_BTNFACE); });

    TypePhrase(dialog, "ab ");  // 中文, the first candidate of "ab"
    phrase = ControlText(dialog, IDC_PHRASE);
    code = ControlText(dialog, IDC_CODE);
    ClickControl(dialog, IDC_ADD_PHRASE);
    added = ListViewPairs(list);
    ClickControl(dialog, IDC_ADD_PHRASE);
    refusal = AnswerMessageBox(kErrorCaption);
    duplicate = ListViewPairs(list);
    PressAltF4();
  });
  EXPECT_EQ(menu.items, (std::vector<std::string>{"使用帮助", "-", "版本信息...", "-",
                                                  "手工造词...", "-", "功能设置"}));
  EXPECT_EQ(menu.ids[0], 1027u);
  EXPECT_EQ(menu.ids[2], 1025u);
  EXPECT_EQ(menu.ids[4], 1028u);
  EXPECT_EQ(menu.ids[6], 1026u);

  EXPECT_TRUE(appDisabled);
  EXPECT_TRUE(otherDisabled);
  EXPECT_TRUE(IsWindowEnabled(window_));
  EXPECT_TRUE(IsWindowEnabled(other));
  EXPECT_EQ(placed.x, centred.x);
  EXPECT_EQ(placed.y, centred.y);
  EXPECT_GT(listWhite, 300);
  EXPECT_EQ(faceGrey, 400);

  const Pairs before = {{"aa", "工工"}, {"gg", "一一"}, {"kk", "口口"}};
  EXPECT_EQ(listed, before);
  EXPECT_EQ(phrase, "中文");
  EXPECT_EQ(code, "abab");
  Pairs after = before;
  after.emplace_back("abab", "中文");
  EXPECT_EQ(added, after);
  EXPECT_EQ(refusal, "已存在此词组");
  EXPECT_EQ(duplicate, after);
  EXPECT_EQ(StoredUserPhrases(), after);

  // The application's edit control now offers the phrase for its code.
  DestroyWindow(other);
  SetForegroundWindow(window_);
  SetFocus(edit_);
  Pump(300);
  TypeLetters("abab");
  EXPECT_EQ(Text(), L"\u4E2D\u6587");  // 中文
}

TEST_F(PhraseDialogTest, ChangeAndDeleteKeepTheListTrue) {
  StoreUserPhrases({{"aa", "工工"}, {"dd", "一二"}, {"ac", "文字"}, {"dd", "一二"}});
  std::string noChangeSelection, noDeleteSelection, failure;
  std::string selectedPhrase, selectedCode, changedCode, pasted;
  Pairs changed, deleted, afterFailure;
  bool openAfterFailure = false;
  WorkPhraseDialog([&](HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_WORDLIST);
    ClickControl(dialog, IDC_CHANGE_PHRASE);
    noChangeSelection = AnswerMessageBox(kNoticeCaption);
    ClickControl(dialog, IDC_DELETE_PHRASE);
    noDeleteSelection = AnswerMessageBox(kNoticeCaption);

    ClickListItem(list, 0);  // 工工: its stored code, not one the rule derives
    selectedPhrase = ControlText(dialog, IDC_PHRASE);
    selectedCode = ControlText(dialog, IDC_CODE);
    ClickControl(dialog, IDC_PHRASE);
    Press(VK_END);
    Press(VK_BACK);
    Press(VK_BACK);
    TypePhrase(dialog, "ab2");  // 中午, the second candidate of "ab"
    changedCode = ControlText(dialog, IDC_CODE);
    ClickControl(dialog, IDC_CHANGE_PHRASE);
    changed = ListViewPairs(list);

    ClickListItem(list, 1);  // 一二, stored twice
    ClickControl(dialog, IDC_DELETE_PHRASE);
    deleted = ListViewPairs(list);

    // A user dictionary that cannot be written (another program holds its lock; the file
    // itself cannot be moved away while the module holds it): the error is shown, the dialog
    // stays.
    sqlite3* holder = OpenKeyedRaw(UserDictionary(), kDictionaryPassword, kDictionaryKeyLength);
    ExecRaw(holder, "begin exclusive");
    ClickListItem(list, 0);
    ClickControl(dialog, IDC_DELETE_PHRASE);
    failure = AnswerMessageBox(kErrorCaption);
    openAfterFailure = IsWindowVisible(dialog) != FALSE;
    afterFailure = ListViewPairs(list);
    ExecRaw(holder, "rollback");
    sqlite3_close(holder);

    // A pasted phrase of 40 characters is cut to the 64 bytes of 32.
    ClickControl(dialog, IDC_PHRASE);
    Press(VK_END);
    Press(VK_BACK);
    Press(VK_BACK);
    PutOnClipboard(std::wstring(40, L'\u4E2D'));
    SendKey(VK_CONTROL, false);
    Press('V');
    SendKey(VK_CONTROL, true);
    Pump(150);
    pasted = ControlText(dialog, IDC_PHRASE);
    PressAltF4();
  });
  EXPECT_EQ(noChangeSelection, "没有选择要修改的词组");
  EXPECT_EQ(noDeleteSelection, "没有选择要删除的词组");
  EXPECT_EQ(selectedPhrase, "工工");
  EXPECT_EQ(selectedCode, "aa");
  EXPECT_EQ(changedCode, "abad");
  EXPECT_EQ(changed, (Pairs{{"abad", "中午"}, {"dd", "一二"}, {"ac", "文字"}, {"dd", "一二"}}));
  EXPECT_EQ(deleted, (Pairs{{"abad", "中午"}, {"ac", "文字"}}));
  EXPECT_NE(failure, "");
  EXPECT_TRUE(openAfterFailure);
  EXPECT_EQ(afterFailure, deleted);
  std::string thirtyTwo;
  for (int k = 0; k < 32; ++k) thirtyTwo += "中";
  EXPECT_EQ(pasted, thirtyTwo);
  Pairs stored = StoredUserPhrases();
  std::sort(stored.begin(), stored.end());
  EXPECT_EQ(stored, (Pairs{{"abad", "中午"}, {"ac", "文字"}}));
}

TEST_F(PhraseDialogTest, PhrasesGoOutAndComeInAsTextAndBackFromABackup) {
  StoreUserPhrases({{"aa", "工工"}});
  StoreUserPhrases({{"vv", "西东"}}, "lmt_sx");
  const std::string exported = install_.File("exported.txt");
  const std::string list = install_.File("list.txt");
  // A plain Wubi line, a phrase alone (coded by the rule: 中文 "abab"), a line no scheme
  // can code, and a phrase stored already; as UTF-16 with its byte-order mark.
  const std::wstring lines = L"wqvb \u4F60\u597D\r\n\u4E2D\u6587\r\n\u5DE5\u5DE5\t12\r\n"
                             L"\u5DE5\u5DE5\taa\r\n";
  WriteBytes(list, "\xFF\xFE" + std::string(reinterpret_cast<const char*>(lines.data()),
                                            lines.size() * sizeof(wchar_t)));

  std::string exportMessage, importMessage, question, restoreMessage;
  Pairs imported, restored;
  std::vector<std::string> backupsListed;
  WorkPhraseDialog([&](HWND dialog) {
    HWND listView = GetDlgItem(dialog, IDC_WORDLIST);
    Sleep(200);
    KeepScreenshot(CaptureScreen(AroundWindow(dialog, 8)), "phrase-dialog-files");

    ClickControl(dialog, IDC_EXPORT_PHRASES);
    if (!PickFile("导出词组", exported)) return;
    exportMessage = AnswerMessageBox("导出词组");

    ClickControl(dialog, IDC_IMPORT_PHRASES);
    if (!PickFile("导入词组", list)) return;
    importMessage = AnswerMessageBox("导入词组");
    imported = ListViewPairs(listView);

    // The import kept the dictionary as it was before it: today's backup.
    ClickControl(dialog, IDC_RESTORE_PHRASES);
    if (HWND menu = WaitForWindow("#32768", nullptr)) {
      Sleep(100);
      KeepScreenshot(CaptureScreen(AroundWindow(menu, 8)), "phrase-dialog-backups");
      HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
      for (int k = 0; k < GetMenuItemCount(items); ++k) {
        char text[64] = {};
        GetMenuStringA(items, k, text, sizeof text, MF_BYPOSITION);
        backupsListed.push_back(text);
      }
      RECT item = {};
      GetMenuItemRect(nullptr, items, 0, &item);
      ClickAt(MiddleOf(item));
    }
    if (HWND box = WaitForWindow("#32770", "恢复词组")) {
      Sleep(100);
      question = ControlText(box, 0xFFFF);
      ClickControl(box, IDYES);
      WaitUntilGone(box);
    }
    restoreMessage = AnswerMessageBox("恢复词组");
    restored = ListViewPairs(listView);
    PressAltF4();
  });
  EXPECT_EQ(exportMessage, "导出了 2 个词组。");
  const std::string text = FileBytes(exported);
  EXPECT_EQ(text.substr(0, 1), "#");
  EXPECT_NE(text.find(u8"\r\n工工\taa\tzx\r\n西东\tvv\tsx\r\n"), std::string::npos) << text;

  EXPECT_EQ(importMessage,
            "增加 2 个词组，跳过 1 个已有的词组，无效 1 行。\r\n无效的行：3");
  EXPECT_EQ(imported, (Pairs{{"aa", "工工"}, {"wqvb", "你好"}, {"abab", "中文"}}));

  SYSTEMTIME now = {};
  GetLocalTime(&now);
  char today[16];
  wsprintfA(today, "%04d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
  EXPECT_EQ(backupsListed, (std::vector<std::string>{std::string(today) + "  2 个词组"}));
  EXPECT_EQ(question, std::string("用 ") + today +
                          " 的备份（2 个词组）替换现在的用户词库吗？\r\n现在的词库先存为今天的备份。");
  EXPECT_EQ(restoreMessage, "恢复了 2 个词组。");
  EXPECT_EQ(restored, (Pairs{{"aa", "工工"}}));
  EXPECT_EQ(StoredUserPhrases(), (Pairs{{"aa", "工工"}}));
}

}  // namespace
