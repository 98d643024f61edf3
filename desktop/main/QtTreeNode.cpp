#include "main/QtTreeNode.h"

#include "main/DbTree.h"

namespace orvane {

std::string QtTreeNode::Key() const { return DbTree::Key(item_).toStdString(); }
std::string QtTreeNode::Text() const { return item_->text(0).toStdString(); }
bool QtTreeNode::Checked() const { return item_->checkState(0) == Qt::Checked; }
int QtTreeNode::Image() const { return DbTree::Image(item_); }

std::unique_ptr<TreeNode> QtTreeNode::FirstChild() const {
    if (item_->childCount() == 0) return nullptr;
    return std::make_unique<QtTreeNode>(item_->child(0));
}

std::unique_ptr<TreeNode> QtTreeNode::NextSibling() const {
    const QTreeWidgetItem* parent = item_->parent();
    if (parent == nullptr) return nullptr;
    const int next = parent->indexOfChild(const_cast<QTreeWidgetItem*>(item_)) + 1;
    if (next >= parent->childCount()) return nullptr;
    return std::make_unique<QtTreeNode>(parent->child(next));
}

}  // namespace orvane
