// The installer's wizard: the main form TForm1, owned by the application window whose
// title the task bar shows, and its event handlers.
#pragma once

#include <windows.h>

#include <string>

#include "setup/common/SystemFolders.h"

struct TForm1 {
  HINSTANCE instance = nullptr;
  HWND application = nullptr;  // hidden owner; its title is the task bar's
  HWND form = nullptr;

  HWND Panel1 = nullptr, lbl1 = nullptr, Memo1 = nullptr;
  HWND Panel3 = nullptr, Image1 = nullptr;
  HWND Panel2 = nullptr, Label1 = nullptr, Edit1 = nullptr, Button3 = nullptr;
  HWND pnl_bottom = nullptr, lbl2 = nullptr, bevel = nullptr;
  HWND rb1 = nullptr, RadioButton1 = nullptr, Button1 = nullptr, Button2 = nullptr;
  HFONT font = nullptr;

  int pageCounter = 0;
  int edition = 0;
  int initialScheme = 0;
  SystemFolders folders;
  std::string helpDir;     // Windows directory + "help\"
  std::string installDir;  // the installation directory
  bool installing = false; // the installation runs: the form cannot be closed
};

// Creates the application window and the form with all its parts (hidden).
bool CreateWizard(TForm1& form, HINSTANCE instance);

// Start-up: paths, version, edition, caption, page 1; then shows the form.
void FormShow(TForm1& form);

// The handlers of the form's buttons.
void Button1Click(TForm1& form);
void Button2Click(TForm1& form);
void Button3Click(TForm1& form);
void RadioButtonClick(TForm1& form);

// What the installation steps show on the form.
void ShowMessage(const TForm1& form, const std::string& text);
void ShowPicture(const TForm1& form, const char* bitmapName);
void ShowDirectoryRow(const TForm1& form, bool shown);
std::string WindowText(HWND window);

// The window procedure of the form; it forwards the parts' notifications to the handlers.
LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
