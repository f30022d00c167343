#include "tests/hostile/HostileRows.h"

namespace {

std::string Hex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex = "X'";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0xF];
  }
  return hex + "'";
}

std::string Digits(std::string_view text) {
  std::string digits;
  for (const char c : text)
    if ((c >= '0' && c <= '9') || c == '-' || c == '.' || c == 'e') digits += c;
  return digits.empty() || digits == "-" || digits == "." ? "0" : digits;
}

}  // namespace

std::string TextLiteral(std::string_view bytes) { return "CAST(" + Hex(bytes) + " AS TEXT)"; }

std::string CellLiteral(std::string_view description) {
  const char kind = description.empty() ? '\0' : description[0];
  const std::string_view rest = description.empty() ? description : description.substr(1);
  switch (kind) {
    case '\x01': return "NULL";
    case '\x02': return Hex(rest);
    case '\x03': return "CAST('" + Digits(rest) + "' AS INTEGER)";
    case '\x04': return "CAST('" + Digits(rest) + "' AS REAL)";
    default: return TextLiteral(description);
  }
}

std::string CreateTableStatement(const std::string& name, const std::string& codeType,
                                 const std::string& textType) {
  return "create table " + name + " (mbcode " + codeType + ", hzcode " + textType + ")";
}

std::string InsertRowStatement(const std::string& name, std::string_view code,
                               std::string_view text) {
  return "insert into " + name + " values(" + CellLiteral(code) + "," + CellLiteral(text) + ")";
}

const std::string& DeclaredType(unsigned i) {
  static const std::string kTypes[] = {"TEXT", "",       "BLOB",    "INTEGER", "integer",
                                       "REAL", "NUMERIC", "BOOLEAN", "VARCHAR(10)", "DOUBLE"};
  return kTypes[i % (sizeof kTypes / sizeof kTypes[0])];
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}
