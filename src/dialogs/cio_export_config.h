#pragma once

#include "editing/view_prompts.h"

#include <QDialog>

class QComboBox;

namespace vantrel {

// "Export I/O List": which kind of I/O, the board size and the file format.
class CIOExportConfig : public QDialog
{
    Q_OBJECT
public:
    explicit CIOExportConfig(QWidget* parent = nullptr);
    IoListChoice Choice() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* type_;
    QComboBox* boardSize_;
    QComboBox* format_;
};

} // namespace vantrel
