#include "ime/ui/DictionaryNotice.h"

#include <cstring>

#include "ime/ui/HintWindow.h"
#include "ime/ui/UiState.h"

namespace {

constexpr UINT_PTR kNoticeTimer = 0x4E54;
constexpr UINT kNoticeShownMs = 12000;

const char kNoticeLine1[] = "用户词库 lmtsys_User.db 无法读取（缺失或已损坏），现在只列出系统词库的字词。";
const char kNoticeLine2[] =
    "运行词库安装包 lumatori.exe 或重新安装输入法即可建立新的用户词库；损坏的文件请先移走。";

int noticeId = -1;  // 0 while the notice is up

void CALLBACK HideNotice(HWND window, UINT, UINT_PTR timer, DWORD) {
  KillTimer(window, timer);
  // A tooltip may have taken the hint window since; that one stays.
  if (std::strcmp(ui.hint.line1, kNoticeLine1) == 0) HideHint();
  noticeId = -1;
}

}  // namespace

void ShowUserDictionaryNotice(HWND owner) {
  RECT r = {};
  if (!ui.hintWindow || !owner || !GetWindowRect(owner, &r)) return;
  ShowTooltip(&noticeId, 0, true, owner, kNoticeLine1, kNoticeLine2, HintPlacement::kBelowOwner,
              r.left);
  SetTimer(ui.hintWindow, kNoticeTimer, kNoticeShownMs, HideNotice);
}
