// Identifiers of the module's resources (string table, bitmaps, menus, dialogs).
#pragma once

#define IDS_ERROR_TITLE 512
#define IDS_SAMPLE_CHAR 513
#define IDS_IME_NAME 800
#define IDS_CLASS_UI 801
#define IDS_CLASS_CANDCOMP 802
#define IDS_CLASS_HINT 803
#define IDS_CLASS_STATUS 804
#define IDS_CLASS_CMENU 805
#define IDS_CLASS_SKMENU 806
#define IDS_SETTINGS_KEY 807
#define IDS_CLASS_CONTEXT 821

// Items of the status bar's right-click menus (PROPMENU, SKMENU).
#define IDM_ABOUT 1025
#define IDM_SETTINGS 1026
#define IDM_HELP 1027
#define IDM_CREATE_WORD 1028
#define IDM_SOFTKEY_FIRST 1280  // the thirteen soft keyboard layouts, 1280-1292
#define IDM_SOFTKEY_LAST 1292

// Controls of the settings dialog (IMESET).
#define IDC_VERTICAL 1000
#define IDC_GB2312 1012
#define IDC_GBK 1013
#define IDC_WORD_ASSOCIATION 1014
#define IDC_FOLLOW_CARET 1015
#define IDC_PERIOD_SELECTS_THIRD 1089
#define IDC_QUOTE_SELECTS_SECOND 1090
#define IDC_HORIZONTAL 1091

// Controls of the manual phrase dialog (CREATEWORD), which the dialog makes itself.
#define IDC_WORDLIST 1101
#define IDC_DELETE_PHRASE 1102
#define IDC_CHANGE_PHRASE 1103
#define IDC_ADD_PHRASE 1104
#define IDC_PHRASE 1105
#define IDC_CODE 1106
#define IDC_PHRASE_LABEL 1107
#define IDC_CODE_LABEL 1108
#define IDC_EXPORT_PHRASES 1109
#define IDC_IMPORT_PHRASES 1110
#define IDC_RESTORE_PHRASES 1111
