// The wizard's windows: the application window, the form, its panels, the picture and the
// controls, placed as WizardLayout.h gives them.
#include <string>

#include "setup/common/ProductNames.h"
#include "setup/common/ResourceBytes.h"
#include "setup/installer/Wizard.h"
#include "setup/installer/WizardLayout.h"

namespace {

using namespace wizard_layout;

const char kApplicationClass[] = "TApplication";
const char kFormClass[] = "TForm1";
const char kPanelClass[] = "TPanel";
const char kImageClass[] = "TImage";

// Clicking the application's task-bar button brings the form forward; closing it there
// closes the form.
LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND form = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_SETFOCUS:
      if (form && IsWindowEnabled(form)) SetFocus(form);
      return 0;
    case WM_CLOSE:
      if (form) PostMessageA(form, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Panels pass their children's notifications on to the form.
LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) return SendMessageA(GetParent(window), message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

// The picture: a bitmap stretched over the whole window. The window owns the bitmap.
LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      HBITMAP bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrA(window, GWLP_USERDATA));
      BITMAP info;
      if (bitmap && GetObjectA(bitmap, sizeof info, &info)) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
      } else {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_DESTROY:
      if (HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(window, GWLP_USERDATA))) {
        DeleteObject(bitmap);
      }
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterClass(HINSTANCE instance, const char* name, WNDPROC procedure, HICON icon) {
  WNDCLASSEXA wc = {sizeof wc};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

HWND Child(const TForm1& form, HWND parent, const char* windowClass, const char* text,
           DWORD style, const Box& box) {
  // Tab moves into the controls of panels as into the form's own.
  const DWORD exStyle = lstrcmpA(windowClass, kPanelClass) == 0 ? WS_EX_CONTROLPARENT : 0;
  HWND child = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, box.x,
                               box.y, box.width, box.height, parent, nullptr, form.instance,
                               nullptr);
  if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(form.font), FALSE);
  return child;
}

// The agreement as the memo shows it: the UTF-8 text resource with Windows line ends.
std::wstring AgreementText(HINSTANCE instance) {
  const ResourceBytes bytes = FindResourceBytes(instance, "AGREEMENT");
  const int utf8Length = static_cast<int>(bytes.size);
  std::wstring wide(static_cast<size_t>(utf8Length), L'\0');
  const int length = MultiByteToWideChar(CP_UTF8, 0, static_cast<const char*>(bytes.data),
                                         utf8Length, wide.data(), utf8Length);
  wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
  std::wstring text;
  text.reserve(wide.size() + wide.size() / 16);
  for (wchar_t c : wide) {
    if (c == L'\r') continue;
    if (c == L'\n') text += L'\r';
    text += c;
  }
  return text;
}

void CreateAgreementPage(TForm1& form) {
  form.Panel1 = Child(form, form.form, kPanelClass, "", WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                      kUpperArea);
  form.lbl1 = Child(form, form.Panel1, "STATIC", "在安装Lumatori输入法之前，请阅读授权协议：",
                    SS_LEFT, kAgreementLabel);
  form.Memo1 = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                   ES_AUTOVSCROLL,
                               kAgreementText.x, kAgreementText.y, kAgreementText.width,
                               kAgreementText.height, form.Panel1, nullptr, form.instance, nullptr);
  SendMessageW(form.Memo1, WM_SETFONT, reinterpret_cast<WPARAM>(form.font), FALSE);
  SendMessageW(form.Memo1, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(form.Memo1, AgreementText(form.instance).c_str());
}

void CreatePicturePage(TForm1& form) {
  form.Panel3 = Child(form, form.form, kPanelClass, "", WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                      kUpperArea);
  form.Image1 = Child(form, form.Panel3, kImageClass, "", 0,
                      {0, 0, kUpperArea.width, kUpperArea.height});
  form.Panel2 = Child(form, form.Panel3, kPanelClass, "", WS_CLIPCHILDREN, kDirectoryRow);
  form.Label1 = Child(form, form.Panel2, "STATIC", "请选择安装目录：", SS_LEFT, kDirectoryLabel);
  form.Edit1 = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                               kDirectoryEdit.x, kDirectoryEdit.y, kDirectoryEdit.width,
                               kDirectoryEdit.height, form.Panel2, nullptr, form.instance, nullptr);
  SendMessageA(form.Edit1, WM_SETFONT, reinterpret_cast<WPARAM>(form.font), FALSE);
  form.Button3 = Child(form, form.Panel2, "BUTTON", "选择目录", BS_PUSHBUTTON | WS_TABSTOP,
                       kBrowseButton);
  ShowWindow(form.Panel2, SW_HIDE);
}

void CreateBottomStrip(TForm1& form) {
  form.pnl_bottom = Child(form, form.form, kPanelClass, "", WS_CLIPCHILDREN, kBottomStrip);
  form.lbl2 = Child(form, form.pnl_bottom, "STATIC", kProductName, SS_LEFT | WS_DISABLED,
                    kProductLabel);
  form.bevel = Child(form, form.pnl_bottom, "STATIC", "", SS_ETCHEDHORZ, kBevel);
  form.rb1 = Child(form, form.pnl_bottom, "BUTTON", "我接受",
                   BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, kAcceptRadio);
  form.RadioButton1 = Child(form, form.pnl_bottom, "BUTTON", "我拒绝", BS_AUTORADIOBUTTON,
                            kRefuseRadio);
  SendMessageA(form.RadioButton1, BM_SETCHECK, BST_CHECKED, 0);
  form.Button1 = Child(form, form.pnl_bottom, "BUTTON", "下一步(&Next)",
                       BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, kNextButton);
  form.Button2 = Child(form, form.pnl_bottom, "BUTTON", "取消", BS_PUSHBUTTON | WS_TABSTOP,
                       kCancelButton);
}

}  // namespace

bool CreateWizard(TForm1& form, HINSTANCE instance) {
  form.instance = instance;
  HICON icon = LoadIconA(instance, "MAINICON");
  if (!RegisterClass(instance, kApplicationClass, ApplicationProc, icon) ||
      !RegisterClass(instance, kFormClass, FormProc, icon) ||
      !RegisterClass(instance, kPanelClass, PanelProc, nullptr) ||
      !RegisterClass(instance, kImageClass, ImageProc, nullptr)) {
    return false;
  }

  // The application window: visible but of no size, so that the task bar shows its title.
  const int centreX = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int centreY = GetSystemMetrics(SM_CYSCREEN) / 2;
  form.application = CreateWindowExA(0, kApplicationClass, kProductName,
                                     WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU |
                                         WS_MINIMIZEBOX,
                                     centreX, centreY, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!form.application) return false;

  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(kFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  form.font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");

  // A dialog border around a client area of the given size, centred on the desktop.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;
  form.form = CreateWindowExA(exStyle, kFormClass, "", style, centreX - width / 2,
                              centreY - frameHeight / 2, width, frameHeight, form.application,
                              nullptr, instance, nullptr);
  if (!form.form) return false;
  SetWindowLongPtrA(form.form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
  SetWindowLongPtrA(form.application, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form.form));
  SendMessageA(form.form, WM_SETFONT, reinterpret_cast<WPARAM>(form.font), FALSE);

  CreatePicturePage(form);
  CreateAgreementPage(form);
  CreateBottomStrip(form);
  return form.Panel1 && form.Memo1 && form.Image1 && form.Panel2 && form.Edit1 && form.Button3 &&
         form.pnl_bottom && form.rb1 && form.RadioButton1 && form.Button1 && form.Button2;
}

void ShowDirectoryRow(const TForm1& form, bool shown) {
  ShowWindow(form.Panel2, shown ? SW_SHOW : SW_HIDE);
  const int pictureHeight = kUpperArea.height - (shown ? kDirectoryRowHeight : 0);
  MoveWindow(form.Image1, 0, 0, kUpperArea.width, pictureHeight, TRUE);
}

void ShowPicture(const TForm1& form, const char* bitmapName) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(form.instance, bitmapName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(
      SetWindowLongPtrA(form.Image1, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap)));
  if (previous) DeleteObject(previous);
  InvalidateRect(form.Image1, nullptr, FALSE);
}
