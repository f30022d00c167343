// Dictionary rows of any content for the hostile suite, written as SQL whose values are hex
// literals, so that no byte of a value (quotes, zero bytes, invalid GBK) depends on the
// quoting under test. Used by the fuzz targets and by the damaged-dictionary generator.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text of exactly these bytes (zero bytes included).
std::string TextLiteral(std::string_view bytes);

// One cell, from its description: a leading byte 0x01 gives NULL, 0x02 a blob of the
// bytes after it, 0x03 an integer (the digits after it), 0x04 a real; anything else is
// text of exactly these bytes (zero bytes included).
std::string CellLiteral(std::string_view description);

// "create table NAME (mbcode TYPE, hzcode TYPE)"; an empty type declares none.
std::string CreateTableStatement(const std::string& name, const std::string& codeType,
                                 const std::string& textType);
// "insert into NAME values(code, text)" with both cells as CellLiteral describes them.
std::string InsertRowStatement(const std::string& name, std::string_view code,
                               std::string_view text);

// The declared types a column may carry, the ones the access layer maps to numbers among
// them; index i picks one (modulo their count).
const std::string& DeclaredType(unsigned i);

// Splits text at every separator.
std::vector<std::string_view> Split(std::string_view text, char separator);
