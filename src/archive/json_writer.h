#pragma once

#include "graphics/colour.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

namespace vantrel {

// A small streaming JSON writer: UTF-8 with a byte-order mark, no whitespace
// at all, members in the order the caller writes them. Nothing is kept in
// memory but the stack of open containers. The root object is opened on
// construction and closed by the caller's last End.
class JsonWriter
{
public:
    // The key of a member, or none for an element of an array.
    using Name = std::optional<std::string_view>;
    static constexpr std::nullopt_t kArrayElement = std::nullopt;

    explicit JsonWriter(std::ostream& out);
    // A writer whose root is an array, without the byte-order mark: a list
    // printed for a terminal or another program rather than a file.
    struct PlainArray
    {};
    JsonWriter(std::ostream& out, PlainArray);
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // The separating comma unless a container was just opened, then the
    // quoted key and a colon. Keys are the system's own ASCII names and are
    // written as they are.
    void WriteKey(Name name);
    void BeginObject(Name name);
    void BeginArray(Name name);
    // Closes the innermost open object or array.
    void End();

    void WriteString(Name name, std::u16string_view text);
    void WriteInt(Name name, std::int64_t value);
    void WriteBool(Name name, bool value);
    // At most six significant digits, the shorter of fixed and exponent form.
    void WriteReal(Name name, double value);
    // "#rrggbb" in lower case.
    void WriteColor(Name name, Colour colour);
    void WriteBase64(Name name, std::span<const std::uint8_t> bytes);

    // Whether a write to the stream failed (the file could not be created or
    // the disk is full); once failed, later writes are lost.
    bool Failed() const { return out_.fail(); }
    // The number of open containers, the root object included.
    std::size_t Depth() const { return containers_.size(); }

private:
    enum class Container
    {
        Object,
        Array,
    };
    void Begin(Name name, Container container, char opening);
    void Put(std::string_view text) { out_.write(text.data(), std::streamsize(text.size())); }

    std::ostream& out_;
    std::vector<Container> containers_;
    bool first_ = true;
};

} // namespace vantrel
