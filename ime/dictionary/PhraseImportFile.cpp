#include "ime/dictionary/PhraseImportFile.h"

#include <algorithm>

#include "ime/common/AnsiText.h"
#include "ime/common/TrimText.h"
#include "ime/dictionary/CandidateText.h"

// Tabs, spaces and line feeds never occur inside a GBK double-byte character (trail bytes
// lie in 0x40-0xFE), nor inside a UTF-8 sequence, so lines and fields are split byte by byte.

namespace {

enum class Encoding { kUtf8, kUtf16Le, kUtf16Be, kGbk };

// A control character no phrase list holds: the file is binary.
bool IsBinary(unsigned unit) { return unit < 0x20 && unit != '\t' && unit != '\n' && unit != '\r'; }

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) to UTF-16; false
// at the first invalid sequence.
bool DecodeUtf8(std::string_view bytes, std::u16string* wide) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length;
    char32_t point;
    if (lead < 0x80) {
      length = 1, point = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, point = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      point = (point << 6) | (next & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kLeast[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
      return false;
    if (wide) {
      if (point >= 0x10000) {
        wide->push_back(static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10)));
        wide->push_back(static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF)));
      } else {
        wide->push_back(static_cast<char16_t>(point));
      }
    }
    i += length;
  }
  return true;
}

// Every double-byte character complete: a lead byte 0x81-0xFE, a trail byte 0x40-0xFE
// other than 0x7F.
bool IsGbk(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) continue;
    if (byte == 0x80 || byte == 0xFF || ++i >= bytes.size()) return false;
    const auto trail = static_cast<unsigned char>(bytes[i]);
    if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
  }
  return true;
}

// The text's encoding and where it starts (after the byte-order mark); false for binary
// bytes or text in no encoding read.
bool DetectEncoding(std::string_view bytes, Encoding* encoding, std::string_view* text) {
  if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
    *encoding = bytes[0] == '\xFF' ? Encoding::kUtf16Le : Encoding::kUtf16Be;
    *text = bytes.substr(2);
    return text->size() % 2 == 0;
  }
  *encoding = Encoding::kUtf8;
  *text = StartsWith(bytes, "\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
  for (char c : *text)
    if (IsBinary(static_cast<unsigned char>(c))) return false;
  const bool marked = text->size() != bytes.size();
  // Short GBK text is often valid UTF-8 too, as letters of two-byte sequences (Greek,
  // Cyrillic...); Chinese in UTF-8 takes three bytes a character. Only a file without a
  // byte-order mark may be GBK.
  const bool chineseInUtf8 = std::any_of(text->begin(), text->end(), [](char c) {
    return static_cast<unsigned char>(c) >= 0xE0;
  });
  if (DecodeUtf8(*text, nullptr) && (marked || chineseInUtf8 || !IsGbk(*text))) return true;
  *encoding = Encoding::kGbk;
  return !marked && IsGbk(*text);
}

std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
  }
  return units;
}

std::vector<std::string_view> SplitOn(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The fields of a line split at runs of spaces.
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  for (std::string_view part : SplitOn(line, ' '))
    if (!part.empty()) words.emplace_back(part);
  return words;
}

bool IsLetters(std::string_view text) {
  for (char c : text)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  return !text.empty();
}

bool HasDoubleByteCharacter(std::string_view text) {
  for (char c : text)
    if (IsLeadByte(static_cast<unsigned char>(c))) return true;
  return false;
}

class LineReader {
public:
  LineReader(CodeScheme activeScheme, ParsedImport& parsed) : active(activeScheme), result(parsed) {}

  // One line in GBK, without its line end.
  void Read(std::size_t number, const std::string& gbkLine) {
    line = number;
    const std::string text = Trimmed(gbkLine);
    if (text.empty() || text[0] == '#') return;
    if (text.find('\t') != std::string::npos) return Fields(text);
    const std::vector<std::string> words = Words(text);
    if (words.size() >= 2 && IsLetters(words[0])) {
      for (std::size_t k = 1; k < words.size(); ++k) Add(words[k], words[0], active);
      return;
    }
    if (!HasDoubleByteCharacter(text)) return Refuse(line, ImportLineFault::kNoCode);
    Add(text, std::string(), active);
  }

  void Refuse(std::size_t number, ImportLineFault fault) { result.errors.push_back({number, fault}); }

private:
  // phrase<TAB>code, or phrase<TAB>code<TAB>scheme.
  void Fields(const std::string& text) {
    std::vector<std::string> fields;
    for (std::string_view field : SplitOn(text, '\t')) fields.push_back(Trimmed(std::string(field)));
    if (fields.size() > 3) return Refuse(line, ImportLineFault::kUnknownLayout);
    CodeScheme scheme = active;
    if (fields.size() == 3) {
      if (fields[2] == "zx")
        scheme = CodeScheme::zx;
      else if (fields[2] == "sx")
        scheme = CodeScheme::sx;
      else
        return Refuse(line, ImportLineFault::kUnknownScheme);
    }
    if (fields[1].empty()) return Refuse(line, ImportLineFault::kBadCode);
    Add(fields[0], fields[1], scheme);
  }

  void Add(const std::string& text, std::string code, CodeScheme scheme) {
    if (text.size() > kMaxPhraseBytes) return Refuse(line, ImportLineFault::kPhraseTooLong);
    // A carriage return inside a line ends no line here, and no phrase holds one.
    if (text.find('\r') != std::string::npos) return Refuse(line, ImportLineFault::kUnknownLayout);
    if (!code.empty()) {
      for (char& c : code)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (!IsSchemeCode(code, scheme)) return Refuse(line, ImportLineFault::kBadCode);
    }
    if (text.empty()) return Refuse(line, ImportLineFault::kNoCode);
    result.entries.push_back({line, scheme, text, code});
  }

  CodeScheme active;
  ParsedImport& result;
  std::size_t line = 0;
};

}  // namespace

ParsedImport ParseImportFile(std::string_view bytes, CodeScheme activeScheme) {
  ParsedImport result;
  if (bytes.size() > kMaxImportFileBytes) {
    result.fault = ImportFileFault::kTooLarge;
    return result;
  }
  Encoding encoding;
  std::string_view text;
  if (!DetectEncoding(bytes, &encoding, &text)) {
    result.fault = ImportFileFault::kNotText;
    return result;
  }
  LineReader reader(activeScheme, result);
  std::string gbk;
  if (encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be) {
    const std::u16string units = Utf16Units(text, encoding == Encoding::kUtf16Be);
    for (char16_t unit : units) {
      if (IsBinary(unit)) {
        result.fault = ImportFileFault::kNotText;
        return result;
      }
    }
    const std::u16string_view all(units);
    std::size_t number = 1;
    for (std::size_t start = 0; start <= all.size(); ++number) {
      const std::size_t end = std::min(all.find(u'\n', start), all.size());
      const std::u16string_view line = all.substr(start, end - start);
      start = end + 1;
      if (line.size() * 2 > kMaxImportLineBytes)
        reader.Refuse(number, ImportLineFault::kLineTooLong);
      else if (!Utf16ToAnsi(line, gbk))
        reader.Refuse(number, ImportLineFault::kNotGbk);
      else
        reader.Read(number, gbk);
    }
    return result;
  }
  const std::vector<std::string_view> lines = SplitOn(text, '\n');
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::size_t number = k + 1;
    std::u16string wide;
    if (lines[k].size() > kMaxImportLineBytes)
      reader.Refuse(number, ImportLineFault::kLineTooLong);
    else if (encoding == Encoding::kGbk)
      reader.Read(number, std::string(lines[k]));
    else if (!DecodeUtf8(lines[k], &wide) || !Utf16ToAnsi(wide, gbk))
      reader.Refuse(number, ImportLineFault::kNotGbk);
    else
      reader.Read(number, gbk);
  }
  return result;
}
