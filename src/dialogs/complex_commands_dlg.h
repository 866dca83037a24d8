#pragma once

#include "dialogs/list_editor_dialog.h"
#include "document/complex_command.h"

#include <vector>

namespace vantrel {

class ElFinder;
class Notifier;

// "Complex Commands": the design's complex commands in their order, with
// New, Edit (also a double click), Clone, Delete and the arrows that move
// the selected command. Each command is set up in "Command Settings"; the
// dialog has no OK or Cancel, its list is the result however it closes.
class CComplexCommandsDlg : public ListEditorDialog
{
    Q_OBJECT
public:
    CComplexCommandsDlg(std::vector<ComplexCommand> commands, const ElFinder& finder,
                        Notifier& notifier, DialogRunner runner = {}, QWidget* parent = nullptr);

    const std::vector<ComplexCommand>& Commands() const { return commands_; }

private:
    void New();
    void Edit();
    void Clone();
    void Delete();
    void Move(int step);
    // The command as set up in "Command Settings"; none on Cancel.
    std::optional<ComplexCommand> AskSettings(const ComplexCommand& command);
    void Refresh(int selected);

    std::vector<ComplexCommand> commands_;
    const ElFinder& finder_;
    Notifier& notifier_;
};

} // namespace vantrel
