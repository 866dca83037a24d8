#pragma once

#include "dialogs/list_editor_dialog.h"

#include <optional>
#include <utility>
#include <vector>

namespace vantrel {

// "Remote I/O modules": a copy of a module list with Add, Edit (also a
// double click) and Delete; OK hands the copy back. Edit and Delete do
// nothing without a selected line. A kind of module supplies its list line
// and the dialog that asks for one module.
template <class Module> class ModuleListDialog : public ListEditorDialog
{
public:
    const std::vector<Module>& Modules() const { return modules_; }

protected:
    ModuleListDialog(std::vector<Module> modules, DialogRunner runner, QWidget* parent)
        : ListEditorDialog(QStringLiteral("Remote I/O modules"), QStringLiteral("modules"),
                           std::move(runner), true, parent),
          modules_(std::move(modules))
    {
        AddAction(QStringLiteral("add"), QStringLiteral("Add"), [this] { Add(); });
        AddAction(QStringLiteral("edit"), QStringLiteral("Edit"), [this] { Edit(); });
        AddAction(QStringLiteral("delete"), QStringLiteral("Delete"), [this] { Delete(); });
        OnDoubleClick([this] { Edit(); });
    }

    // The module as the user set it up, starting from `preset`; none on Cancel.
    // `row` is the edited module's place, -1 for a new module.
    virtual std::optional<Module> AskModule(const Module& preset, int row) = 0;
    virtual QString LineOf(const Module& module) const = 0;
    virtual Module NewModule() const = 0;

    // Shows the list; every derived dialog calls it once it is built.
    void Refresh()
    {
        QStringList lines;
        for (const Module& module : modules_)
            lines.append(LineOf(module));
        ShowLines(lines, -1);
    }

private:
    void Add()
    {
        if (std::optional<Module> module = AskModule(NewModule(), -1))
            modules_.push_back(*module);
        Refresh();
    }
    void Edit()
    {
        const int row = SelectedRow();
        if (EditSelected(modules_, [&](const Module& module) { return AskModule(module, row); }))
            Refresh();
    }
    void Delete()
    {
        if (RemoveSelected(modules_))
            Refresh();
    }

    std::vector<Module> modules_;
};

} // namespace vantrel
