#include "ime/settings/Globals.h"

#include <cstring>

#include "ime/resources/resource.h"
#include "ime/settings/CaretPlacement.h"
#include "ime/settings/ListFiles.h"

ImeGlobals globals;

namespace {

const UINT kClassNameIds[kWindowClassCount] = {IDS_CLASS_UI,      IDS_CLASS_CANDCOMP,
                                               IDS_CLASS_STATUS,  IDS_CLASS_HINT,
                                               IDS_CLASS_CONTEXT, IDS_CLASS_CMENU,
                                               IDS_CLASS_SKMENU};

// The cell of the sample character in 12-point 宋体, the unit of the windows' layout.
void MeasureCharacterCell() {
  globals.charWidth = 0;
  globals.charHeight = 0;
  char sample[8] = {};
  int sampleLength = LoadStringA(globals.moduleInstance, IDS_SAMPLE_CHAR, sample, sizeof sample);
  HDC dc = GetDC(nullptr);
  if (!dc) return;
  HFONT font = CreateFontA(-MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL,
                           FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
  HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
  SIZE size = {};
  if (font && sampleLength > 0 && GetTextExtentPoint32A(dc, sample, sampleLength, &size)) {
    globals.charWidth = size.cx;
    globals.charHeight = size.cy;
  }
  if (font) {
    SelectObject(dc, previous);
    DeleteObject(font);
  }
  ReleaseDC(nullptr, dc);
}

}  // namespace

void ReadWorkArea() {
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &globals.workArea, 0);
  HDC dc = GetDC(nullptr);
  if (globals.workArea.right < 8) {
    globals.workArea.left = 0;
    globals.workArea.right = dc ? GetDeviceCaps(dc, HORZRES) : 0;
  }
  if (globals.workArea.bottom < 8) {
    globals.workArea.top = 0;
    globals.workArea.bottom = dc ? GetDeviceCaps(dc, VERTRES) : 0;
  }
  if (dc) ReleaseDC(nullptr, dc);
}

void InitGlobals(HINSTANCE module) {
  globals.moduleInstance = module;
  globals.resourceModule = module;

  LoadStringA(module, IDS_SETTINGS_KEY, globals.settingsKeyName, kPathBufferSize);
  for (int i = 0; i < kWindowClassCount; ++i) {
    LoadStringA(module, kClassNameIds[i], globals.classNames[i], kClassNameSize);
  }

  globals.borderWidth = GetSystemMetrics(SM_CXBORDER);
  globals.borderHeight = GetSystemMetrics(SM_CYBORDER);

  for (char*& buffer : globals.candidatePool) buffer = new char[kCandidateBufferSize]();

  MeasureCharacterCell();
  ReadWorkArea();

  globals.errorTitleLength =
      LoadStringA(module, IDS_ERROR_TITLE, globals.errorTitle, sizeof globals.errorTitle);

  LoadCaretPlacement();
}

DictionarySet ActiveDictionaries() {
  return {std::string(globals.dictionaryDir, strnlen(globals.dictionaryDir, kPathBufferSize)),
          globals.sxScheme == 1 ? CodeScheme::sx : CodeScheme::zx};
}

void FreeGlobals() {
  for (char*& buffer : globals.candidatePool) {
    delete[] buffer;
    buffer = nullptr;
  }
  if (globals.resourceModule && globals.resourceModule != globals.moduleInstance) {
    FreeLibrary(globals.resourceModule);
  }
  globals.resourceModule = nullptr;
  FreeQueryList();
  FreeLinkList();
}
