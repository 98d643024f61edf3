#include "model/DbTreeTools.h"

#include <memory>

#include "model/TreeNode.h"

namespace orvane {

namespace {
bool KeyContains(const TreeNode* node, const char* marker) {
    return node != nullptr && node->Key().find(marker) != std::string::npos;
}

// The first child of a table node whose text is exactly fieldName; none for other nodes.
std::unique_ptr<TreeNode> FindColumnNode(const TreeNode* node, const std::string& fieldName) {
    if (!IsTableNode(node)) return nullptr;
    for (auto child = node->FirstChild(); child; child = child->NextSibling()) {
        if (child->Text() == fieldName) return child;
    }
    return nullptr;
}
}  // namespace

bool IsTableNode(const TreeNode* node) { return KeyContains(node, "TABLE#"); }

bool IsFieldNode(const TreeNode* node) { return KeyContains(node, "FIELD#"); }

bool IsFieldSelected(const TreeNode* node, const std::string& fieldName) {
    auto column = FindColumnNode(node, fieldName);
    return column && column->Checked();
}

bool IsPrimaryKeyField(const TreeNode* node, const std::string& fieldName) {
    auto column = FindColumnNode(node, fieldName);
    return column && column->Image() == ImagePk;
}

}  // namespace orvane
