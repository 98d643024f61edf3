#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Export.h"
#include "model/TreeNode.h"

namespace orvane {

// A tree node held in memory: what orvane-gen and the tests hand to ODBCTable::Load.
// Nodes are owned by their parent; the handles returned by FirstChild/NextSibling are
// lightweight views that stay valid while the tree lives.
class ORVANE_API PlainTreeNode {
  public:
    PlainTreeNode(std::string key, std::string text, int image, bool checked = false);

    PlainTreeNode& AddChild(std::string key, std::string text, int image, bool checked = false);

    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    int Image() const { return image_; }
    bool Checked() const { return checked_; }
    void SetImage(int image) { image_ = image; }
    void SetChecked(bool checked) { checked_ = checked; }
    PlainTreeNode* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<PlainTreeNode>>& Children() const { return children_; }

    // A TreeNode view of this node, for the library's readers.
    std::unique_ptr<TreeNode> View() const;

  private:
    std::string key_;
    std::string text_;
    int image_;
    bool checked_;
    PlainTreeNode* parent_ = nullptr;
    std::size_t indexInParent_ = 0;
    std::vector<std::unique_ptr<PlainTreeNode>> children_;

    friend class PlainTreeNodeView;
};

}  // namespace orvane
