#pragma once

#include <QTreeWidgetItem>

#include "model/TreeNode.h"

namespace orvane {

// The library's view of a database-tree item: key, text, check mark, image and children.
class QtTreeNode : public TreeNode {
public:
    explicit QtTreeNode(const QTreeWidgetItem* item) : item_(item) {}

    std::string Key() const override;
    std::string Text() const override;
    bool Checked() const override;
    int Image() const override;
    std::unique_ptr<TreeNode> FirstChild() const override;
    std::unique_ptr<TreeNode> NextSibling() const override;

private:
    const QTreeWidgetItem* item_;
};

}  // namespace orvane
