// Where the wizard's parts stand, in client pixels of the form (521 × 401) or of the panel
// that holds them.
#pragma once

#include <windows.h>

struct Box {
  int x, y, width, height;
};

namespace wizard_layout {

inline constexpr int kClientWidth = 521;
inline constexpr int kClientHeight = 401;

// The upper area: the agreement page (Panel1) in front of the picture page (Panel3).
inline constexpr Box kUpperArea = {0, 0, kClientWidth, 340};
inline constexpr Box kAgreementLabel = {12, 10, 497, 16};   // lbl1
inline constexpr Box kAgreementText = {12, 32, 497, 300};   // Memo1

// Panel3: the picture fills it, above the directory row when that is shown.
inline constexpr int kDirectoryRowHeight = 36;
inline constexpr Box kDirectoryRow = {0, kUpperArea.height - kDirectoryRowHeight, kClientWidth,
                                      kDirectoryRowHeight};   // Panel2
inline constexpr Box kDirectoryLabel = {12, 11, 104, 16};     // Label1
inline constexpr Box kDirectoryEdit = {118, 7, 296, 22};      // Edit1
inline constexpr Box kBrowseButton = {422, 5, 87, 26};        // Button3

// pnl_bottom, height 61.
inline constexpr Box kBottomStrip = {0, kUpperArea.height, kClientWidth, 61};
inline constexpr Box kProductLabel = {12, 5, 92, 16};         // lbl2
inline constexpr Box kBevel = {108, 12, 401, 2};              // the etched line
inline constexpr Box kAcceptRadio = {12, 30, 76, 20};         // rb1
inline constexpr Box kRefuseRadio = {92, 30, 76, 20};         // RadioButton1
inline constexpr Box kNextButton = {316, 28, 100, 26};        // Button1
inline constexpr Box kCancelButton = {424, 28, 85, 26};       // Button2

// Font of the form and its parts: 8 points.
inline constexpr int kFontPoints = 8;

}  // namespace wizard_layout
