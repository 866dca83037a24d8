#include "editor/vantrel_view.h"

#include "document/vantrel_doc.h"
#include "paint/paint_stuff.h"

namespace vantrel {

CVantrelView::CVantrelView(CVantrelDoc& document, ElementDialogs& dialogs, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), dialogs_(dialogs)
{}

CVantrelView::~CVantrelView() = default;

void CVantrelView::OnInitialUpdate()
{
    state_.currentPage = 0;
    state_.logicSelection.clear();
    state_.paintSelection.clear();
    viewport()->update();
}

bool CVantrelView::HandlesCommand(int) const
{
    return false;
}

bool CVantrelView::IsCommandEnabled(int) const
{
    return false;
}

bool CVantrelView::IsCommandChecked(int) const
{
    return false;
}

void CVantrelView::OnCommand(int) {}

void CVantrelView::RenderPicture(QPainter&, QSize) {}

} // namespace vantrel
