#include "compare/dump_fields.h"
#include "elements/element_kinds.h"

namespace vantrel {

namespace {

// The dump's text form of the fields an element shows.
class DumpFieldSink final : public ElementFieldSink
{
public:
    explicit DumpFieldSink(DumpFields& fields) : fields_(fields) {}

    void Int(std::string_view name, std::int64_t value) override { fields_.Int(name, value); }
    void Flag(std::string_view name, bool value) override { fields_.Flag(name, value); }
    void Text(std::string_view name, std::u16string_view text) override
    {
        fields_.Text(name, text);
    }
    void Ids(std::string_view name, const std::vector<std::int32_t>& ids) override
    {
        fields_.Ids(name, ids);
    }

private:
    DumpFields& fields_;
};

} // namespace

void AddElementFields(const LogElement& element, DumpFields& fields)
{
    const ElementKindRow* row = element.KindRow();
    if (!row)
        return;
    DumpFieldSink sink(fields);
    for (const ElementField& field : row->fields)
        field.show(element, field.name, sink);
}

} // namespace vantrel
