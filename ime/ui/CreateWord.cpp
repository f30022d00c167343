#include "ime/ui/CreateWord.h"

#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <string>
#include <vector>

#include "ime/common/TrimText.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/ui/PhraseFileCommands.h"
#include "ime/ui/PhraseList.h"
#include "ime/dictionary/ReverseLookup.h"
#include "ime/dictionary/UserPhrases.h"
#include "ime/resources/resource.h"
#include "ime/settings/Globals.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/Placement.h"
#include "ime/ui/ThreadModal.h"
#include "ime/ui/UiState.h"

namespace {

constexpr int kClientWidth = 358;
constexpr int kClientHeight = 245;
constexpr std::size_t kPhraseLimit = 64;  // bytes of GBK text
constexpr std::size_t kSxCodeLimit = 8;
constexpr std::size_t kZxCodeLimit = 4;
constexpr char kNoticeCaption[] = "手工造词";

class Tfrm_createword;

// Tells the user why a pair was not stored; true when it was.
bool Stored(PhraseRefusal refusal) {
  if (refusal == PhraseRefusal::kNone) return true;
  const char* message =
      refusal == PhraseRefusal::kIncomplete ? "设置词组错误" : "已存在此词组";
  MessageBoxA(nullptr, message, "错误", MB_OK | MB_ICONINFORMATION);
  return false;
}

// The phrase of a list item: its caption is the code, its first sub-item the text.
UserPhrase ItemPhrase(HWND listView, int item) {
  return {PhraseItemText(listView, item, 0), PhraseItemText(listView, item, 1)};
}

struct ControlLayout {
  HWND Tfrm_createword::*field;
  int id;
  const char* windowClass;
  const char* text;
  int left, top, width, height;
  DWORD style;
  DWORD exStyle;
};

constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;

struct ColumnLayout {
  const char* title;
  int width;
};
constexpr ColumnLayout kColumns[] = {{"编码", 50}, {"汉字", 230}};

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

// The edit's text cut back to limit bytes, never inside a double-byte character (the
// control's own limit counts characters); true when it had to be cut.
bool CutToLimit(HWND edit, std::size_t limit) {
  const std::string text = WindowText(edit);
  if (text.size() <= limit) return false;
  const std::string kept = text.substr(0, CharacterPrefixLength(text, limit));
  SetWindowTextA(edit, kept.c_str());
  SendMessageA(edit, EM_SETSEL, kept.size(), kept.size());
  MessageBeep(MB_OK);
  return true;
}

class Tfrm_createword {
public:
  void ShowModal();

private:
  static INT_PTR CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void Command(int id, int notification);
  // Runs a handler; a failure is shown in an error box and the dialog stays open.
  template <typename Handler>
  void Guarded(Handler handler);
  void Notice(const char* text);
  int SelectedItem();

  void FormShow();
  void edt_hzChange();
  void wordlistSelectItem(int item);
  void btn_addClick();
  void btn_changeClick();
  void btn_delClick();
  // Lists the active scheme's phrases anew, after an import or a restore.
  void ListPhrases();

  // Pixels at 96 dots per inch, in tab order (the creation order); the labels take no
  // part in it.
  static const ControlLayout kLayout[];

  HWND Label2 = nullptr;
  HWND Label1 = nullptr;
  HWND btn_del = nullptr;
  HWND btn_change = nullptr;
  HWND btn_add = nullptr;
  HWND wordlist = nullptr;
  HWND edt_hz = nullptr;
  HWND edt_bm = nullptr;
  HWND btn_export = nullptr;
  HWND btn_import = nullptr;
  HWND btn_restore = nullptr;

  HWND form = nullptr;
  HFONT font = nullptr;
  std::size_t codeLimit = kZxCodeLimit;
  DictionarySet dictionaries = ActiveDictionaries();
  bool closed = false;
};

const ControlLayout Tfrm_createword::kLayout[] = {
    {&Tfrm_createword::wordlist, IDC_WORDLIST, WC_LISTVIEWA, "", 0, 80, 291, 153,
     WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE},
    {&Tfrm_createword::btn_del, IDC_DELETE_PHRASE, "BUTTON", "删除", 297, 204, 58, 25, kButton, 0},
    {&Tfrm_createword::btn_change, IDC_CHANGE_PHRASE, "BUTTON", "修改", 297, 152, 58, 25, kButton,
     0},
    {&Tfrm_createword::btn_add, IDC_ADD_PHRASE, "BUTTON", "增加", 297, 88, 58, 25, kButton, 0},
    {&Tfrm_createword::edt_hz, IDC_PHRASE, "EDIT", "", 56, 8, 249, 21, kEdit, WS_EX_CLIENTEDGE},
    {&Tfrm_createword::edt_bm, IDC_CODE, "EDIT", "", 56, 43, 97, 21, kEdit, WS_EX_CLIENTEDGE},
    // Beside the code, clear of the phrase buttons' column.
    {&Tfrm_createword::btn_export, IDC_EXPORT_PHRASES, "BUTTON", "导出…", 162, 42, 44, 23,
     kButton, 0},
    {&Tfrm_createword::btn_import, IDC_IMPORT_PHRASES, "BUTTON", "导入…", 208, 42, 44, 23,
     kButton, 0},
    {&Tfrm_createword::btn_restore, IDC_RESTORE_PHRASES, "BUTTON", "恢复…", 254, 42, 44, 23,
     kButton, 0},
    {&Tfrm_createword::Label1, IDC_PHRASE_LABEL, "STATIC", "汉字：    ", 8, 12, 48, 13, SS_LEFT, 0},
    {&Tfrm_createword::Label2, IDC_CODE_LABEL, "STATIC", "编码：  ", 8, 48, 42, 13, SS_LEFT, 0},
};

void Tfrm_createword::ShowModal() {
  form = CreateDialogParamA(globals.moduleInstance, "CREATEWORD", nullptr, FormProc,
                            reinterpret_cast<LPARAM>(this));
  if (form) {
    Guarded([this] { FormShow(); });
    RunThreadModal(form, &closed);
    DestroyWindow(form);
  }
  if (font) DeleteObject(font);
}

INT_PTR CALLBACK Tfrm_createword::FormProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<Tfrm_createword*>(lParam);
    self->form = window;
    self->CreateControls();
    return TRUE;
  }
  auto* self = reinterpret_cast<Tfrm_createword*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_COMMAND:
      self->Command(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
      if (change->hdr.hwndFrom == self->wordlist && change->hdr.code == LVN_ITEMCHANGED &&
          (change->uChanged & LVIF_STATE) &&
          ((change->uOldState ^ change->uNewState) & LVIS_SELECTED)) {
        const int item = change->iItem;
        self->Guarded([self, item] { self->wordlistSelectItem(item); });
      }
      return TRUE;
    }
    case WM_CLOSE:
      self->closed = true;
      return TRUE;
    default:
      return FALSE;
  }
}

void Tfrm_createword::CreateControls() {
  // Laid out in pixels at 96 DPI, the form grows with the display's scale.
  font = CreateFontA(-Scaled(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
  SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  for (const ControlLayout& c : kLayout) {
    HWND control = CreateWindowExA(c.exStyle, c.windowClass, c.text, WS_CHILD | WS_VISIBLE | c.style,
                                   Scaled(c.left), Scaled(c.top), Scaled(c.width),
                                   Scaled(c.height), form,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                   globals.moduleInstance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    this->*c.field = control;
  }
  SendMessageA(edt_hz, EM_LIMITTEXT, kPhraseLimit, 0);
  SendMessageA(wordlist, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  for (int k = 0; k < 2; ++k) {
    char title[16] = {};
    lstrcpynA(title, kColumns[k].title, sizeof title);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = Scaled(kColumns[k].width);
    column.pszText = title;
    SendMessageA(wordlist, LVM_INSERTCOLUMNA, k, reinterpret_cast<LPARAM>(&column));
  }
  // The client area is 358 x 245 pixels at 96 DPI; the form stands in the middle of the
  // work area of the monitor where the user chose it (under the cursor).
  RECT frame = {0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(form, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(form, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  POINT cursor = {};
  GetCursorPos(&cursor);
  const UiPoint p = CentredIn({width, height}, WorkAreaAt({cursor.x, cursor.y}));
  SetWindowPos(form, nullptr, p.x, p.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Tfrm_createword::Command(int id, int notification) {
  switch (id) {
    case IDC_PHRASE:
      if (notification == EN_CHANGE) {
        // A cut changes the text again, and that change computes the code.
        Guarded([this] {
          if (!CutToLimit(edt_hz, kPhraseLimit)) edt_hzChange();
        });
      }
      break;
    case IDC_CODE:
      if (notification == EN_CHANGE) Guarded([this] { CutToLimit(edt_bm, codeLimit); });
      break;
    case IDC_ADD_PHRASE:
      if (notification == BN_CLICKED) Guarded([this] { btn_addClick(); });
      break;
    case IDC_CHANGE_PHRASE:
      if (notification == BN_CLICKED) Guarded([this] { btn_changeClick(); });
      break;
    case IDC_DELETE_PHRASE:
      if (notification == BN_CLICKED) Guarded([this] { btn_delClick(); });
      break;
    case IDC_EXPORT_PHRASES:
      if (notification == BN_CLICKED) Guarded([this] { ExportPhrasesToFile(form, dictionaries); });
      break;
    case IDC_IMPORT_PHRASES:
      if (notification == BN_CLICKED)
        Guarded([this] {
          if (ImportPhrasesFromFile(form, dictionaries)) ListPhrases();
        });
      break;
    case IDC_RESTORE_PHRASES:
      if (notification == BN_CLICKED)
        Guarded([this] {
          if (RestorePhrasesFromBackup(form, btn_restore, dictionaries)) ListPhrases();
        });
      break;
    case IDCANCEL:  // Esc
      closed = true;
      break;
    default:
      break;
  }
}

template <typename Handler>
void Tfrm_createword::Guarded(Handler handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    MessageBoxA(form, error.what(), globals.errorTitle, MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxA(form, "未知错误", globals.errorTitle, MB_OK | MB_ICONERROR);
  }
}

void Tfrm_createword::Notice(const char* text) {
  MessageBoxA(form, text, kNoticeCaption, MB_OK);
}

int Tfrm_createword::SelectedItem() {
  return static_cast<int>(SendMessageA(wordlist, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_SELECTED, 0)));
}

void Tfrm_createword::FormShow() {
  SetWindowTextA(edt_hz, "");
  SetWindowTextA(edt_bm, "");
  const bool sx = dictionaries.scheme == CodeScheme::sx;
  SetWindowTextA(form, sx ? "手工造词(声型)" : "手工造词(字型)");
  codeLimit = sx ? kSxCodeLimit : kZxCodeLimit;
  SendMessageA(edt_bm, EM_LIMITTEXT, codeLimit, 0);
  ListPhrases();
}

void Tfrm_createword::ListPhrases() {
  const std::vector<UserPhrase> phrases = ListUserPhrases(dictionaries);
  SendMessageA(wordlist, LVM_DELETEALLITEMS, 0, 0);
  for (const UserPhrase& phrase : phrases) AppendPhraseItem(wordlist, phrase.code, phrase.text);
}

void Tfrm_createword::edt_hzChange() {
  SetWindowTextA(edt_bm, PhraseCode(dictionaries, Trimmed(WindowText(edt_hz))).c_str());
}

void Tfrm_createword::wordlistSelectItem(int item) {
  SetWindowTextA(edt_hz, PhraseItemText(wordlist, item, 1).c_str());
  SetWindowTextA(edt_bm, PhraseItemText(wordlist, item, 0).c_str());
}

void Tfrm_createword::btn_addClick() {
  const UserPhrase phrase = {Trimmed(WindowText(edt_bm)), Trimmed(WindowText(edt_hz))};
  if (Stored(AddUserPhrase(dictionaries, phrase)))
    AppendPhraseItem(wordlist, phrase.code, phrase.text);
}

void Tfrm_createword::btn_changeClick() {
  const int item = SelectedItem();
  if (item < 0) {
    Notice("没有选择要修改的词组");
    return;
  }
  const UserPhrase changed = {Trimmed(WindowText(edt_bm)), Trimmed(WindowText(edt_hz))};
  if (Stored(ChangeUserPhrase(dictionaries, ItemPhrase(wordlist, item), changed)))
    SetPhraseItem(wordlist, item, changed.code, changed.text);
}

void Tfrm_createword::btn_delClick() {
  const int item = SelectedItem();
  if (item < 0) {
    Notice("没有选择要删除的词组");
    return;
  }
  const UserPhrase phrase = ItemPhrase(wordlist, item);
  DeleteUserPhrase(dictionaries, phrase);
  // Every stored copy of the pair is gone, so every item that shows it goes.
  for (int k = static_cast<int>(SendMessageA(wordlist, LVM_GETITEMCOUNT, 0, 0)) - 1; k >= 0; --k) {
    if (ItemPhrase(wordlist, k) == phrase) SendMessageA(wordlist, LVM_DELETEITEM, k, 0);
  }
}

}  // namespace

void ShowPhraseDialog() {
  Tfrm_createword dialog;
  dialog.ShowModal();
}
