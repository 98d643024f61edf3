#include "model/PlainTreeNode.h"

#include <utility>

namespace orvane {

class PlainTreeNodeView : public TreeNode {
  public:
    explicit PlainTreeNodeView(const PlainTreeNode& node) : node_(node) {}
    std::string Key() const override { return node_.key_; }
    std::string Text() const override { return node_.text_; }
    bool Checked() const override { return node_.checked_; }
    int Image() const override { return node_.image_; }
    std::unique_ptr<TreeNode> FirstChild() const override {
        if (node_.children_.empty()) return nullptr;
        return node_.children_.front()->View();
    }
    std::unique_ptr<TreeNode> NextSibling() const override {
        const PlainTreeNode* parent = node_.parent_;
        if (parent == nullptr || node_.indexInParent_ + 1 >= parent->children_.size()) {
            return nullptr;
        }
        return parent->children_[node_.indexInParent_ + 1]->View();
    }

  private:
    const PlainTreeNode& node_;
};

PlainTreeNode::PlainTreeNode(std::string key, std::string text, int image, bool checked)
    : key_(std::move(key)), text_(std::move(text)), image_(image), checked_(checked) {}

PlainTreeNode& PlainTreeNode::AddChild(std::string key, std::string text, int image, bool checked) {
    auto child = std::make_unique<PlainTreeNode>(std::move(key), std::move(text), image, checked);
    child->parent_ = this;
    child->indexInParent_ = children_.size();
    children_.push_back(std::move(child));
    return *children_.back();
}

std::unique_ptr<TreeNode> PlainTreeNode::View() const {
    return std::make_unique<PlainTreeNodeView>(*this);
}

}  // namespace orvane
