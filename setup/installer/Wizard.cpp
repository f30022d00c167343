// The wizard's event handlers: start-up, page advance, cancel, the agreement's radio
// buttons and the folder button.
#include "setup/installer/Wizard.h"

#include "setup/common/FileVersion.h"
#include "setup/common/ProductNames.h"
#include "setup/common/ResourceBytes.h"
#include "setup/installer/Install.h"
#include "setup/installer/Pages.h"
#include "setup/installer/ShellOperations.h"

namespace {

const char kDefaultInstallDir[] = "d:\\Program Files\\Lumatori输入法";
const char kStartCaption[] = "开始安装";
const char kFinishedCaption[] = "安装完成";

int DigitOf(const TForm1& form, const char* resource) {
  const ResourceBytes bytes = FindResourceBytes(form.instance, resource);
  return DigitResource(bytes.data, bytes.size);
}

bool Accepted(const TForm1& form) {
  return SendMessageA(form.rb1, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ShowPage(TForm1& form, const WizardPage& page) {
  if (page.agreement) {
    SetWindowPos(form.Panel1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ShowWindow(form.rb1, SW_SHOW);
    ShowWindow(form.RadioButton1, SW_SHOW);
    EnableWindow(form.Button1, Accepted(form));
    return;
  }
  ShowPicture(form, page.picture);
  if (page.directory) {
    ShowDirectoryRow(form, true);
    SetWindowTextA(form.Edit1, form.installDir.c_str());
    SetWindowTextA(form.Button1, kStartCaption);
  }
}

}  // namespace

std::string WindowText(HWND window) {
  char text[MAX_PATH * 2] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

void ShowMessage(const TForm1& form, const std::string& text) {
  MessageBoxA(form.form, text.c_str(), kProductName, MB_OK);
}

void FormShow(TForm1& form) {
  form.folders = FindSystemFolders();
  form.installDir = kDefaultInstallDir;
  form.helpDir = form.folders.windows.empty() ? std::string() : form.folders.windows + kHelpFolder;

  form.edition = DigitOf(form, "SETUPTYPE");
  form.initialScheme = DigitOf(form, "IMETYPE");
  form.pageCounter = 0;
  const std::string caption = std::string(kProductName) + "(" + VersionText(OwnFileVersion()) +
                              ")版安装程序" + EditionTitleSuffix(form.edition);
  SetWindowTextA(form.form, caption.c_str());
  Button1Click(form);
  ShowWindow(form.application, SW_SHOWNA);
  ShowWindow(form.form, SW_SHOW);
  SetForegroundWindow(form.form);
}

void Button1Click(TForm1& form) {
  // A click that reaches the disabled button during the installation (sent by another
  // program) would start a second installation inside the first one's wait.
  if (form.installing) return;
  const std::string caption = WindowText(form.Button1);
  if (caption == kStartCaption) {
    Install(form);
    return;
  }
  if (caption == kFinishedCaption) {
    DestroyWindow(form.form);
    return;
  }
  ++form.pageCounter;
  ShowWindow(form.Panel1, SW_HIDE);
  ShowWindow(form.rb1, SW_HIDE);
  ShowWindow(form.RadioButton1, SW_HIDE);
  ShowDirectoryRow(form, false);
  ShowPage(form, PageOf(form.edition, form.pageCounter));
}

void Button2Click(TForm1& form) { PostMessageA(form.form, WM_CLOSE, 0, 0); }

void Button3Click(TForm1& form) {
  form.installDir = WindowText(form.Edit1);
  std::string chosen;
  if (BrowseForFolder(form.application, form.form, form.installDir, &chosen)) form.installDir = chosen;
  SetWindowTextA(form.Edit1, form.installDir.c_str());
}

void RadioButtonClick(TForm1& form) { EnableWindow(form.Button1, Accepted(form)); }

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TForm1* form = reinterpret_cast<TForm1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (form && HIWORD(wParam) == BN_CLICKED) {
        const HWND control = reinterpret_cast<HWND>(lParam);
        if (control == form->Button1) Button1Click(*form);
        else if (control == form->Button2) Button2Click(*form);
        else if (control == form->Button3) Button3Click(*form);
        else if (control == form->rb1 || control == form->RadioButton1) RadioButtonClick(*form);
        return 0;
      }
      break;
    case WM_SHOWWINDOW:
      // The form stays when its owner is minimized (a window manager iconifying both, a
      // task-bar click, a minimized start): the owner has no size, so nothing would be left
      // on the screen to bring the form back, and the program would run on without a window.
      if (lParam == SW_PARENTCLOSING) return 0;
      break;
    case WM_CLOSE:
      if (form && form->installing) return 0;
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
