// The update manifest, bytes from the network: what is read, what is refused, and how
// versions compare.
#include <gtest/gtest.h>

#include <string>

#include "setup/common/VersionNumber.h"
#include "setup/updater/UpdateManifest.h"

namespace {

bool Parse(const std::string& text, UpdateManifest* manifest) {
  return ParseUpdateManifest(text.data(), text.size(), manifest);
}

VersionNumber Version(const char* text) {
  VersionNumber version = 0;
  EXPECT_TRUE(ParseVersion(text, &version)) << text;
  return version;
}

TEST(UpdateManifestTest, ReadsVersionAndPage) {
  UpdateManifest manifest;
  ASSERT_TRUE(Parse("\xEF\xBB\xBF# Lumatori\r\n\r\n Version = 1.2.3.4 \r\n"
                    "PAGE=https://example.org/lumatori/download?from=1.0\r\n"
                    "notes=ignored\r\n",
                    &manifest));
  EXPECT_EQ(VersionText(manifest.version), "1.2.3.4");
  EXPECT_EQ(manifest.page, "https://example.org/lumatori/download?from=1.0");
}

TEST(UpdateManifestTest, RefusesAnythingElse) {
  UpdateManifest manifest;
  for (const std::string& text :
       {std::string("version=1.1\n"),                                   // no page
        std::string("page=http://example.org/\n"),                      // no version
        std::string("version=1.1\npage=file:///C:/setup.exe\n"),        // not a web page
        std::string("version=1.1\npage=javascript:alert(1)\n"),
        std::string("version=1.1\npage=http://\n"),
        std::string("version=1.1\npage=http://exa mple.org/\n"),       // a space inside
        std::string("version=1.1\npage=http://example.org/\x01\n"),
        std::string("version=1.1\npage=http://example.org/\xC4\xE3\n"), // not ASCII
        std::string("version=1.1.1.1.1\npage=http://example.org/\n"),
        std::string("version=65536\npage=http://example.org/\n"),
        std::string("version=1..2\npage=http://example.org/\n"),
        std::string("version=-1\npage=http://example.org/\n"),
        std::string("<html><body>Not found</body></html>"),
        std::string("version=1.1\npage=http://example.org/") + std::string(1100, 'a'),
        std::string("version=1.1\npage=http://example.org/\n") + std::string(5000, '#')}) {
    EXPECT_FALSE(Parse(text, &manifest)) << text.substr(0, 80);
  }
  EXPECT_FALSE(ParseUpdateManifest(nullptr, 0, &manifest));
}

TEST(UpdateManifestTest, VersionsCompareByTheirParts) {
  EXPECT_GT(Version("1.10"), Version("1.9.9.9"));
  EXPECT_GT(Version("1.0.0.1"), Version("1.0"));
  EXPECT_EQ(Version("1"), Version("1.0.0.0"));
  EXPECT_EQ(VersionText(Version("65535.0.2.65535")), "65535.0.2.65535");
}

}  // namespace
