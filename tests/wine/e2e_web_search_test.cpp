// Web searches started with the mouse on the module's candidate window and handed to the
// browser through the shell, as a user does: Wine's shell opens web addresses with
// winebrowser, which runs the Unix programs named by HKCU\Software\Wine\WineBrowser
// "Browsers" with the address as their only argument. The browser here is a script made
// by the build that appends its arguments, one a line, to "recording-browser.log" beside
// this program.
#include <fstream>
#include <iterator>

#include "ime/settings/WebSearchAddress.h"
#include "tests/wine/support/CandidateWindowFixture.h"

namespace {

const char kWineBrowserKey[] = "Software\\Wine\\WineBrowser";

// The query list's only entry and its link; the link sends the entry's text to "%s".
const char kQueryEntry[] = "词典";
const char kQueryLink[] = "https://dict.example.org/lookup?w=%s&from=lumatori";

std::string UnixPath(const std::string& windowsPath) {
  using Convert = char*(CDECL*)(const WCHAR*);
  FARPROC proc = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
  if (!proc) return {};
  const std::wstring wide(windowsPath.begin(), windowsPath.end());  // the build path is ASCII
  char* unixPath = reinterpret_cast<Convert>(reinterpret_cast<void*>(proc))(wide.c_str());
  if (!unixPath) return {};
  std::string result(unixPath);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class WebSearchTest : public CandidateWindowTest {
protected:
  void SetUp() override {
    // The module reads the query list when it starts, at the layout's activation.
    std::ofstream(install_.File("adlist.ini"), std::ios::binary)
        << "[" << kQueryEntry << "]\r\nlink=" << queryLink_ << "\r\n";
    CandidateWindowTest::SetUp();
    if (HasFatalFailure()) return;
    UseLayout(true);

    const std::string browser = UnixPath(BesideThisProgram("recording-browser"));
    ASSERT_FALSE(browser.empty());
    DeleteFileA(log_.c_str());
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kWineBrowserKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    char previous[1024] = {};
    DWORD size = sizeof previous;
    hadBrowsers_ = RegQueryValueExA(key, "Browsers", nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(previous), &size) == ERROR_SUCCESS;
    if (hadBrowsers_) previousBrowsers_ = previous;
    RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(browser.c_str()),
                   static_cast<DWORD>(browser.size() + 1));
    RegCloseKey(key);
  }

  void TearDown() override {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kWineBrowserKey, 0, KEY_ALL_ACCESS, &key) ==
        ERROR_SUCCESS) {
      if (hadBrowsers_) {
        RegSetValueExA(key, "Browsers", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(previousBrowsers_.c_str()),
                       static_cast<DWORD>(previousBrowsers_.size() + 1));
      } else {
        RegDeleteValueA(key, "Browsers");
      }
      RegCloseKey(key);
    }
    DeleteFileA(log_.c_str());
    CandidateWindowTest::TearDown();
  }

  // What the browser recorded: waits up to 10 s for its first complete line, then a little
  // longer so that a second start would show too. Empty when it was never started.
  std::string Recorded() {
    const DWORD until = GetTickCount() + 10000;
    while (static_cast<LONG>(until - GetTickCount()) > 0) {
      const std::string text = ReadFileBytes(log_);
      if (!text.empty() && text.back() == '\n') break;
      Pump(50);
    }
    Pump(500);
    return ReadFileBytes(log_);
  }

  // Types a code and clicks the query line of the candidate window that shows.
  void ClickQueryLine() {
    TypeLetters("a");
    ASSERT_NE(CandidateWindow(), nullptr);
    const CandidateLayout l = Layout();
    ASSERT_TRUE(ClickCandidateWindow(
        {l.queryText.left + 4, (l.queryText.top + l.queryText.bottom) / 2}));
  }

  std::string queryLink_ = kQueryLink;
  const std::string log_ = BesideThisProgram("recording-browser.log");
  bool hadBrowsers_ = false;
  std::string previousBrowsers_;
};

TEST_F(WebSearchTest, RightClickOnACandidateSearchesTheWebForIt) {
  TypeLetters("a");
  ASSERT_NE(CandidateWindow(), nullptr);
  ASSERT_TRUE(ClickCandidateWindow(RowPoint({"中", "文"}, 0), true));
  const std::string recorded = Recorded();
  EXPECT_EQ(recorded, WebSearchAddress(SearchQuery("", "中")) + "\n");
  EXPECT_NE(recorded.find("q=%D6%D0&"), std::string::npos);  // 中 in GBK, percent-encoded
  Press(VK_SPACE);  // a search commits nothing: the code is still there to choose from
  EXPECT_EQ(Text(), L"\u4E2D");
}

// After a commit the window stays up with the committed text as its search text.
TEST_F(WebSearchTest, ClickOnTheSearchTextSearchesTheWebForTheCommittedText) {
  TypeLetters("ac");  // the sole candidate 文字 commits
  ASSERT_EQ(Text(), L"\u6587\u5B57");
  ASSERT_NE(CandidateWindow(), nullptr);
  const CandidateLayout l = Layout();
  ASSERT_TRUE(ClickCandidateWindow(
      {l.searchText.left + 4, (l.searchText.top + l.searchText.bottom) / 2}));
  const std::string recorded = Recorded();
  EXPECT_EQ(recorded, WebSearchAddress(SearchQuery("", "文字")) + "\n");
  EXPECT_NE(recorded.find("q=%CE%C4%D7%D6&"), std::string::npos);
}

TEST_F(WebSearchTest, ClickOnAQueryListEntryOpensItsLinkWithItsText) {
  ASSERT_NO_FATAL_FAILURE(ClickQueryLine());
  const std::string recorded = Recorded();
  EXPECT_EQ(recorded, LinkAddress(kQueryLink, SearchQuery("", kQueryEntry)) + "\n");
  EXPECT_NE(recorded.find("lookup?w=%B4%CA%B5%E4&from"), std::string::npos);  // 词典 in GBK
}

// The query list's link names a program: a stand-in that leaves "started.log" when it runs.
class ProgramLinkTest : public WebSearchTest {
protected:
  ProgramLinkTest() {
    CopyFileA(BesideThisProgram("record_start.exe").c_str(), install_.File("tool.exe").c_str(),
              FALSE);
    queryLink_ = install_.File("tool.exe");
  }
};

TEST_F(ProgramLinkTest, AQueryListLinkThatNamesAProgramIsSearchedAsText) {
  ASSERT_NO_FATAL_FAILURE(ClickQueryLine());
  EXPECT_EQ(Recorded(), WebSearchAddress(SearchQuery("", kQueryEntry)) + "\n");
  EXPECT_EQ(GetFileAttributesA(install_.File("started.log").c_str()), INVALID_FILE_ATTRIBUTES)
      << "the program did not run";
}

}  // namespace
