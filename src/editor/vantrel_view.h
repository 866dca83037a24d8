#pragma once

#include "editor/view_state.h"

#include <QAbstractScrollArea>

class QPainter;

namespace vantrel {

class CVantrelDoc;
class ElementDialogs;

// The editor's single scrolling canvas: the logic design on its grid
// (Design) or one preview page with its paint layer (Preview design). It
// handles the view commands of the menus and toolbars; the main window asks
// it which commands it handles, which are enabled and which are checked.
class CVantrelView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    CVantrelView(CVantrelDoc& document, ElementDialogs& dialogs, QWidget* parent = nullptr);
    ~CVantrelView() override;

    // After the document was reset or loaded.
    void OnInitialUpdate();

    bool HandlesCommand(int id) const;
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;
    void OnCommand(int id);

    ViewState& State() { return state_; }
    const ViewState& State() const { return state_; }
    CVantrelDoc& Document() { return document_; }

    // Draws the view's picture for a client area of the given size: the
    // design in Design mode, the current page in Preview design.
    void RenderPicture(QPainter& painter, QSize client);

signals:
    // The document or the view changed in a way menus and titles may show.
    void Changed();

private:
    CVantrelDoc& document_;
    ElementDialogs& dialogs_;
    ViewState state_;
};

} // namespace vantrel
