#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;
class QRadioButton;

namespace vantrel {

// What Edit > Save Selection as Block asks: the block's name and
// description, and whether it goes into the user's own block folder or
// into the folder beside the design.
struct BlockSaveChoice
{
    QString name;
    QString description;
    bool besideDesign = false;
};

// "Save Selection as Block": the name (focused, its text selected), a
// one-line description and the place; "Beside this design" is offered only
// for a design that has a file. OK waits for a name.
class SaveBlockDialog : public QDialog
{
    Q_OBJECT
public:
    SaveBlockDialog(const QString& proposedName, bool designHasFile, QWidget* parent = nullptr);

    BlockSaveChoice Values() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* name_;
    QLineEdit* description_;
    QRadioButton* beside_;
};

// Runs the dialog; none on Cancel.
std::optional<BlockSaveChoice> AskBlockSave(QWidget* owner, const QString& proposedName,
                                            bool designHasFile);

} // namespace vantrel
