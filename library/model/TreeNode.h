#pragma once

#include <memory>
#include <string>

#include "core/Export.h"

namespace orvane {

// Tree images, as the database tree shows them.
enum TreeImage { ImageDb = 1, ImageTable = 2, ImageField = 3, ImagePk = 4 };

// One node of the database tree as the library reads it. The desktop adapts its tree items
// to this; tests and orvane-gen build PlainTreeNode trees. Children are walked from the first
// child along the next-sibling chain; each call returns a fresh handle owned by the caller.
class ORVANE_API TreeNode {
  public:
    virtual ~TreeNode() = default;
    virtual std::string Key() const = 0;
    virtual std::string Text() const = 0;
    virtual bool Checked() const = 0;
    virtual int Image() const = 0;
    virtual std::unique_ptr<TreeNode> FirstChild() const = 0;
    virtual std::unique_ptr<TreeNode> NextSibling() const = 0;
};

}  // namespace orvane
