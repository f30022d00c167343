// Values placed into SQL text as literals, or bound to a statement's parameters, so that no
// character of a value changes the statement. Literals always go between single quotes:
// SQLite takes a double-quoted word that names a column as that column, not as a string.
#pragma once

#include <string>
#include <vector>

// A value as it reaches a statement: up to its first zero byte, as SQLite hands text back
// (a zero byte inside the SQL text would end the statement there).
std::string TextValue(const std::string& value);

// 'value' with every inner single quote doubled; the value ends at its first zero byte.
std::string SqlQuote(const std::string& value);

// SQL text with `?` parameters, and the values bound to them in order, each as text up to
// its first zero byte. The text does not depend on the values, so one prepared statement
// serves them all.
struct BoundSql {
  std::string sql;
  std::vector<std::string> values;
};

// A condition that holds exactly for the values of column that start with the bytes of
// prefix: (column >= ? AND column < ?) with prefix and the least byte string above every
// string that starts with it, compared byte by byte. column is an identifier written by the
// caller, never a value.
BoundSql SqlPrefixRange(const std::string& column, const std::string& prefix);
