#include "command_line.h"

#include <charconv>

namespace vantrel::cli {

std::optional<std::string> Arguments::Value(const std::string& option) const
{
    auto found = values.find(option);
    if (found == values.end())
        return std::nullopt;
    return found->second;
}

Arguments Parse(const std::vector<std::string>& words, const Grammar& grammar)
{
    Arguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || grammar.flagOptions.contains(word)) {
            arguments.flags.insert(word);
        } else if (grammar.valueOptions.contains(word)) {
            if (i + 1 >= words.size())
                throw UsageError("option " + word + " needs a value");
            if (!arguments.values.emplace(word, words[++i]).second)
                throw UsageError("option " + word + " given twice");
        } else if (word.size() > 1 && word[0] == '-') {
            throw UsageError("unknown option " + word);
        } else {
            arguments.positional.push_back(word);
        }
    }
    return arguments;
}

bool WantsJson(const Arguments& arguments)
{
    const std::string format = arguments.Value("--format").value_or("text");
    if (format != "text" && format != "json")
        throw UsageError("--format takes text or json");
    return format == "json";
}

int ParseNumber(const std::string& option, const std::string& text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw UsageError("option " + option + " takes a whole number from " + std::to_string(low) +
                         " to " + std::to_string(high));
    return value;
}

} // namespace vantrel::cli
