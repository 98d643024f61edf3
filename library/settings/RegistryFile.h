#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/RegistryKey.h"

namespace orvane {

// One root of the settings store as a text in the registry-export format that regedit and Wine
// read and write: a header line, "[ROOT\Key\Path]" sections, and "name"="text",
// "name"=dword:0000002a or "name"=hex(N):61,62 values. Parsing never fails: what cannot be
// understood is skipped and marks the file damaged, so its owner can keep the original aside.
class RegistryFile {
  public:
    static constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
    // Keys nest no deeper, as in the Windows registry; a deeper section is damage. Without a
    // limit a file of backslashes makes hundreds of bytes of keys from every two of its bytes.
    static constexpr std::size_t kMaxDepth = 512;

    explicit RegistryFile(std::string rootName) : rootName_(std::move(rootName)) {}

    static RegistryFile Parse(std::string_view text, std::string rootName);
    std::string Serialise() const;

    const std::string& RootName() const { return rootName_; }
    bool Damaged() const { return damaged_; }
    // What the owner of the file found wrong with it, for the user; may stay empty.
    const std::string& Problem() const { return problem_; }
    void MarkDamaged(std::string problem);

    // Paths are key names separated by backslashes; empty parts are ignored, "" is the root.
    const RegistryKey* FindKey(std::string_view path) const;
    RegistryKey* FindKey(std::string_view path);
    // Creates every missing key on the path; nullptr when a name cannot be kept in the file or
    // the path is deeper than kMaxDepth.
    RegistryKey* CreateKey(std::string_view path);
    bool DeleteKey(std::string_view path);
    // Sets every key and value of the other file here, as importing it would.
    void Merge(const RegistryFile& other);

    // Names with line breaks, zero bytes or invalid UTF-8 would not survive the text form.
    static bool StorableName(std::string_view name);

  private:
    void ParseLine(std::string_view line, std::string_view& rest, RegistryKey*& current);
    RegistryKey* ParseSection(std::string_view inner);

    std::string rootName_;
    RegistryKey root_;
    bool damaged_ = false;
    std::string problem_;
};

}  // namespace orvane
