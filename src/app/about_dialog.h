#pragma once

#include <QDialog>

namespace vantrel {

// "About Vantrel": the program's icon, its name and version, and OK.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace vantrel
