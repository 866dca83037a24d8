#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

namespace vantrel {

// The extension of `path` with its dot, in lower case, so that "Plan.PDF"
// is written as the format its name asks for.
inline std::string LowerCaseExtension(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

} // namespace vantrel
