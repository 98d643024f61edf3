#pragma once

#include <set>
#include <string>
#include <vector>

namespace orvane::test {

// What can be checked of a VB6 or VB.NET class without a compiler: every block (Class, Sub,
// Function, Property, Get, Set, If, For, Using) is closed by its own End, and every identifier
// the code uses is declared in the class (member, procedure, parameter, local) or is one of the
// known names (keywords, library names). Names after "." or "!" are the library's business.
class ClassVbChecker {
  public:
    explicit ClassVbChecker(std::set<std::string> knownNames);

    // The problems found, one text each; empty when the class passes.
    std::vector<std::string> Check(const std::string& code) const;

    // VB keywords and the library names the VB6 and the VB.NET class templates use.
    static std::set<std::string> Vb6Names();
    static std::set<std::string> VbNetNames();

  private:
    std::set<std::string> known_;  // folded to lower case
};

}  // namespace orvane::test
