#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vantrel::cli {

constexpr int kExitOk = 0;
constexpr int kExitProblemsFound = 1;
constexpr int kExitUsage = 2;
constexpr int kExitCannotOpen = 3;
constexpr int kExitCannotWrite = 4;

// A command's arguments: positional values, options with a value
// ("-o PATH") and flags ("--help").
struct Arguments
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    std::optional<std::string> Value(const std::string& option) const;
    bool Has(const std::string& flag) const { return flags.contains(flag); }
};

// What a command accepts.
struct Grammar
{
    std::set<std::string> valueOptions;
    std::set<std::string> flagOptions;
};

class UsageError : public std::exception
{
public:
    explicit UsageError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Parses the arguments after the command name; an unknown option or a
// missing value is a usage error. "--help" is always accepted.
Arguments Parse(const std::vector<std::string>& words, const Grammar& grammar);

// Whether "--format" asks for JSON: "text" (the default) or "json", any
// other value a usage error.
bool WantsJson(const Arguments& arguments);

// A whole number in [low, high] given to an option, or a usage error.
int ParseNumber(const std::string& option, const std::string& text, int low, int high);

} // namespace vantrel::cli
