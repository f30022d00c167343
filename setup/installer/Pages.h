// The wizard's pages for each edition of the installer, and the edition and scheme bytes
// it carries. Free of the Windows API: the table is the whole of the page logic.
#pragma once

#include <cstddef>

// The first byte of a resource read as a decimal digit; 0 when absent or not a digit.
int DigitResource(const void* data, std::size_t size);

// The caption's suffix for an edition: "——纯单字", "——字型词组", "——声型词组" or "".
const char* EditionTitleSuffix(int edition);

struct WizardPage {
  bool agreement;        // the licence page (no picture)
  const char* picture;   // the bitmap resource shown otherwise
  bool directory;        // the last page: it shows the directory row and "开始安装"
};

// Page number page (1 for the first) of an edition. Pages after the directory page do not
// exist; asking for one answers the directory page again.
WizardPage PageOf(int edition, int page);

// The bitmap shown when the installation has succeeded.
const char* FinalPicture(int edition);
