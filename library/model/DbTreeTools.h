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

}  // namespace orvane
