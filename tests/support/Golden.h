#pragma once
#include <string>
namespace orvane::test {
// Compares text with tests/golden/<name>, failing with a unified diff when they differ.
// ORVANE_UPDATE_GOLDEN=1 rewrites the file instead: read its diff before committing it.
void expectGolden(const std::string& name, const std::string& text);
}  // namespace orvane::test
