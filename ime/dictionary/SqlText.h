// Values placed into SQL text as literals, so that no character of a value changes the
// statement. Values always go between single quotes: SQLite takes a double-quoted word
// that names a column as that column, not as a string.
#pragma once

#include <string>

// A value as it reaches a statement: up to its first zero byte, as SQLite hands text back
// (a zero byte inside the SQL text would end the statement there).
std::string TextValue(const std::string& value);

// 'value' with every inner single quote doubled; the value ends at its first zero byte.
std::string SqlQuote(const std::string& value);

// A condition that holds exactly for the values of column that start with the bytes of
// prefix: (column >= 'prefix' AND column < 'next'), compared byte by byte. column is an
// identifier written by the caller, never a value.
std::string SqlPrefixRange(const std::string& column, const std::string& prefix);
