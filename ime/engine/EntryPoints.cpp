// The IME entry points through which the input method manager learns the module's
// properties and attaches the engine to input contexts.
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>

#include "ime/common/Guarded.h"
#include "ime/dictionary/HeldConnections.h"
#include "ime/engine/ContextBlocks.h"
#include "ime/engine/ContextCall.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineInstance.h"
#include "ime/engine/HostQuirks.h"
#include "ime/engine/ImeConstants.h"
#include "ime/engine/InputControl.h"
#include "ime/resources/resource.h"
#include "ime/settings/Globals.h"
#include "ime/settings/Updater.h"
#include "ime/ui/AboutBox.h"
#include "ime/ui/ContextPositions.h"
#include "ime/ui/Menus.h"
#include "ime/ui/SettingsDialog.h"
#include "ime/ui/UiChildren.h"

namespace {

constexpr DWORD kImeProperties = IME_PROP_CANDLIST_START_FROM_1 | IME_PROP_IGNORE_UPKEYS |
                                 IME_PROP_KBD_CHAR_FIRST | IME_PROP_END_UNLOAD;
constexpr DWORD kConversionCaps = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_CHARCODE |
                                  IME_CMODE_SOFTKBD | IME_CMODE_NOCONVERSION;
constexpr DWORD kUiCaps = UI_CAP_ROT90 | UI_CAP_SOFTKBD;
constexpr DWORD kCompositionCaps = SCS_CAP_COMPSTR | SCS_CAP_MAKEREAD;

// The class-name buffer of ImeInquire holds 16 characters and a zero.
constexpr int kClassNameBuffer = 17;
// The data buffers of the escapes for the IME name and the help file.
constexpr int kImeNameBuffer = 64;
constexpr std::size_t kHelpFileBuffer = 80;

constexpr UINT kEscUnsupported22 = 0x22;

LRESULT CopyImeName(void* data) {
  if (!data) return 0;
  char name[kImeNameBuffer] = {};
  LoadStringA(globals.moduleInstance, IDS_IME_NAME, name, sizeof name);
  std::memcpy(data, name, std::strlen(name) + 1);
  return 1;
}

LRESULT CopyHelpFileName(void* data) {
  if (!data) return 0;
  const std::string path = HelpFilePath();
  if (path.empty() || path.size() >= kHelpFileBuffer) return 0;
  std::memcpy(data, path.c_str(), path.size() + 1);
  return 1;
}

void SelectInto(HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record) {
  StartInput(*record, engine);
  context->fOpen = TRUE;
  if (!(context->fdwInit & INIT_CONVERSION)) {
    context->fdwConversion = (context->fdwConversion & IME_CMODE_SOFTKBD) | IME_CMODE_NATIVE;
    context->fdwInit |= INIT_CONVERSION;
  }
  if (!(context->fdwInit & INIT_SENTENCE)) {
    context->fdwSentence = IME_SMODE_PHRASEPREDICT;
    context->fdwInit |= INIT_SENTENCE;
  }
  if (!(context->fdwInit & INIT_LOGFONT)) {
    HDC screen = GetDC(nullptr);
    if (screen) {
      GetObjectA(GetCurrentObject(screen, OBJ_FONT), sizeof(LOGFONTA), &context->lfFont.A);
      ReleaseDC(nullptr, screen);
    }
    context->fdwInit |= INIT_LOGFONT;
  }
  InitContextPositions(context);
  DWORD mode = context->fdwConversion;
  if (GetKeyState(VK_CAPITAL) & 1) {
    mode &= ~(IME_CMODE_NATIVE | IME_CMODE_CHARCODE | IME_CMODE_EUDC);
  } else {
    mode = (mode | IME_CMODE_NATIVE) & ~(IME_CMODE_CHARCODE | IME_CMODE_EUDC);
  }
  ImmSetConversionStatus(himc, mode, context->fdwSentence);
}

// A selection into the focus window's context, as at a change of layout, activates it.
bool IsFocusContext(HIMC himc) {
  HWND focus = GetFocus();
  HIMC focusContext = focus ? ImmGetContext(focus) : nullptr;
  if (focusContext) ImmReleaseContext(focus, focusContext);
  return focusContext == himc;
}

void SelectOutOf() {
  FreeSoftKeyMenu();
  for (HWND* dialog : {&globals.settingsDialog, &globals.aboutDialog}) {
    if (*dialog) SendMessageA(*dialog, WM_CLOSE, 0, 0);
    *dialog = nullptr;
  }
}

BOOL Inquire(LPIMEINFO info, LPSTR classBuffer) {
  if (!info) return FALSE;
  info->dwPrivateDataSize = kPrivateRecordSize;
  info->fdwProperty = kImeProperties;
  info->fdwConversionCaps = kConversionCaps;
  info->fdwSentenceCaps = 0;
  info->fdwUICaps = kUiCaps;
  info->fdwSCSCaps = kCompositionCaps;
  info->fdwSelectCaps = 0;
  if (classBuffer) lstrcpynA(classBuffer, globals.classNames[kClassUi], kClassNameBuffer);
  // The input method manager asks first, right after loading the module.
  StartUpdaterOnce();
  return kImeTrue;
}

LRESULT Escape(UINT function, LPVOID data) {
  switch (function) {
    case IME_ESC_QUERY_SUPPORT:
    case kEscUnsupported22:
    case IME_ESC_SEQUENCE_TO_INTERNAL:
    case IME_ESC_GET_EUDC_DICTIONARY:
    case IME_ESC_SET_EUDC_DICTIONARY:
      return 0;
    case IME_ESC_MAX_KEY:
      return 4;
    case IME_ESC_IME_NAME:
      return CopyImeName(data);
    case IME_ESC_GETHELPFILENAME:
      return CopyHelpFileName(data);
    default:
      return 1;
  }
}

BOOL Select(HIMC himc, BOOL select) {
  {
    const ContextLock context(himc);
    if (!context) return FALSE;
    if (select) {
      if (!ResetCompositionBlock(context.get()) || !ResetCandidateBlock(context.get())) return FALSE;
      ResetGuidelineBlock(context.get());
      EnsurePrivateRecord(context.get());
    }
    CANDIDATEFORM& form = context->cfCandForm[0];
    if (form.dwIndex != 0) form.dwStyle = 0;
    if (form.dwStyle == 0) form.dwIndex = 0xFFFFFFFF;

    const PrivateRecordLock record(context.get());
    if (!record) return FALSE;
    if (select) {
      SelectInto(himc, context.get(), record.get());
    } else {
      SelectOutOf();
    }
  }
  if (select && IsFocusContext(himc)) AttachUiWindow(himc);
  return kImeTrue;
}

// A context losing the focus closes its lists and drops its code: what is listed for one
// window must not take the keys typed into the next, even where both share the context.
BOOL SetActiveContext(HIMC himc, BOOL active) {
  if (!himc) return kImeTrue;
  {
    const ContextLock context(himc);
    if (!context) return active ? FALSE : kImeTrue;
    if (active) {
      InitContextPositions(context.get());
    } else {
      ContextCall call(himc, context.get());
      if (call) {
        // The composition ends in the control that shows it, or its letters stay there as
        // text; the focus has already moved on.
        const HWND typingWindow =
            reinterpret_cast<HWND>(static_cast<std::uintptr_t>(call->record.typingWindow));
        if (CurrentHostQuirks().generatedMessagesGoToFocus && IsWindow(typingWindow))
          call.SendTo(typingWindow);
        CancelInput(*call);
      }
    }
  }
  if (active) AttachUiWindow(himc);
  return kImeTrue;
}

// Only clearing the composition is carried out: a composition string set from outside is
// not supported.
BOOL SetCompositionString(HIMC himc, DWORD compLength, DWORD readLength) {
  if (!himc) return FALSE;
  if (readLength == 0) readLength = compLength;
  if (readLength != 0) return FALSE;
  const ContextLock context(himc);
  if (!context) return FALSE;
  ContextCall call(himc, context.get());
  if (call) CancelInput(*call);
  return kImeTrue;
}

}  // namespace

// Word registration: exported, but user phrases are added only through the phrase dialog,
// so every entry point answers that it did nothing.
extern "C" BOOL WINAPI ImeRegisterWord(LPCSTR, DWORD, LPCSTR) { return FALSE; }

extern "C" BOOL WINAPI ImeUnregisterWord(LPCSTR, DWORD, LPCSTR) { return FALSE; }

extern "C" UINT WINAPI ImeGetRegisterWordStyle(UINT, LPSTYLEBUFA) { return 0; }

extern "C" UINT WINAPI ImeEnumRegisterWord(REGISTERWORDENUMPROCA, LPCSTR, DWORD, LPCSTR, LPVOID) {
  return 0;
}

extern "C" DWORD WINAPI ImeConversionList(HIMC, LPCSTR, LPCANDIDATELIST, DWORD, UINT) {
  return 0;
}

// The process's windows go before the module that draws them, and its dictionary
// connections are closed here: not at process detach, under the loader lock. The documented
// answer for success is TRUE.
extern "C" BOOL WINAPI ImeDestroy(UINT) {
  return Guarded<BOOL>(kImeTrue, [] {
    DestroyProcessWindows();
    CloseHeldConnections();
    return kImeTrue;
  });
}

extern "C" BOOL WINAPI ImeConfigure(HKL, HWND owner, DWORD mode, LPVOID) {
  return Guarded<BOOL>(FALSE, [&] { return ConfigureIme(owner, mode) ? kImeTrue : FALSE; });
}

extern "C" BOOL WINAPI ImeInquire(LPIMEINFO info, LPSTR classBuffer, DWORD) {
  return Guarded<BOOL>(FALSE, [&] { return Inquire(info, classBuffer); });
}

extern "C" LRESULT WINAPI ImeEscape(HIMC, UINT function, LPVOID data) {
  return Guarded<LRESULT>(0, [&] { return Escape(function, data); });
}

extern "C" BOOL WINAPI ImeSelect(HIMC himc, BOOL select) {
  return Guarded<BOOL>(FALSE, [&] { return Select(himc, select); });
}

extern "C" BOOL WINAPI ImeSetActiveContext(HIMC himc, BOOL active) {
  return Guarded<BOOL>(FALSE, [&] { return SetActiveContext(himc, active); });
}

extern "C" BOOL WINAPI ImeSetCompositionString(HIMC himc, DWORD, LPVOID, DWORD compLength,
                                               LPVOID, DWORD readLength) {
  return Guarded<BOOL>(FALSE,
                       [&] { return SetCompositionString(himc, compLength, readLength); });
}
