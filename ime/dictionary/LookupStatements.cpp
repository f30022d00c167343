#include "ime/dictionary/LookupStatements.h"

#include "ime/dictionary/SqlText.h"

namespace {

// The rows of table whose column starts with prefix, in the given order.
BoundSql SelectStarting(const std::string& table, const std::string& column,
                        const std::string& prefix, const std::string& order) {
  BoundSql range = SqlPrefixRange(column, prefix);
  range.sql = "select hzcode,mbcode from " + table + " where " + range.sql + order;
  return range;
}

}  // namespace

BoundSql CodeLookupStatement(const std::string& table, const std::string& code) {
  return SelectStarting(table, "mbcode", code,
                        " order by length(mbcode), mbcode asc, rowid limit 0," +
                            std::to_string(kLookupRowsPerFile));
}

BoundSql AssociationStatement(const std::string& table, const std::string& committed) {
  return SelectStarting(table, "hzcode", committed, " order by rowid");
}
