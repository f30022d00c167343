#include "ime/dictionary/LookupStatements.h"

#include "ime/dictionary/SqlText.h"

namespace {

std::string SelectFrom(const std::string& table) {
  return "select hzcode,mbcode from " + table + " where ";
}

}  // namespace

std::string CodeLookupStatement(const std::string& table, const std::string& code) {
  return SelectFrom(table) + SqlPrefixRange("mbcode", code) +
         " order by length(mbcode), mbcode asc, rowid limit 0," +
         std::to_string(kLookupRowsPerFile);
}

std::string AssociationStatement(const std::string& table, const std::string& committed) {
  return SelectFrom(table) + SqlPrefixRange("hzcode", committed) + " order by rowid";
}
