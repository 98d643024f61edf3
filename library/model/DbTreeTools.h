#pragma once

#include <string>

namespace orvane {

class TreeNode;

// The node tests the table loader and the database tree share.
bool IsTableNode(const TreeNode* node);
bool IsFieldNode(const TreeNode* node);
// A column is selected when its first child node with exactly this text is checked.
bool IsFieldSelected(const TreeNode* node, const std::string& fieldName);
// A column is a key when its first child node with exactly this text shows the key image.
bool IsPrimaryKeyField(const TreeNode* node, const std::string& fieldName);
// True when the data source's DBMS name names PostgreSQL (in any letter case).
bool IsPostgres(const std::string& dbmsName);
// Quote characters for table names: double quotes on Oracle and PostgreSQL, else "[" and "]".
std::string GetQuoteChar(const std::string& dbmsName, bool opening);

}  // namespace orvane
