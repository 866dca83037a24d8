// The view's clipboard, Find, Replicate and page background commands. The
// editing library does the work; the view moves the payload bytes to and
// from the system clipboard and asks the questions.
#include "editor/vantrel_view.h"

#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "editing/element_search.h"
#include "editing/page_background.h"
#include "editing/paint_editing.h"
#include "editing/replicate.h"
#include "editing/view_prompts.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vantrel {

namespace {

using namespace command;

// The private format under the name every instance uses. On Windows Qt
// registers the name itself; elsewhere the same text names the format, so
// that instances on one display exchange payloads too.
QString MimeType(const char16_t* formatName)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(QString::fromUtf16(formatName));
}

} // namespace

bool CVantrelView::HandlesEditCommand(int id)
{
    switch (id) {
    case kEditCopy:
    case kEditPaste:
    case kEditFind:
    case kEditReplicate:
    case kBackgroundColor:
    case kImportBackground:
        return true;
    default:
        return false;
    }
}

bool CVantrelView::IsEditCommandEnabled(int id) const
{
    const bool design = state_.InDesign();
    switch (id) {
    case kEditCopy:
        return design ? !state_.logicSelection.empty() : !state_.paintSelection.empty();
    case kEditPaste:
        return ClipboardHoldsModeData();
    case kEditFind:
        return design;
    case kEditReplicate:
        return CanReplicate(state_);
    case kBackgroundColor:
    case kImportBackground:
        return !design;
    default:
        return false;
    }
}

void CVantrelView::OnEditCommand(int id)
{
    switch (id) {
    case kEditCopy:
        CopyToClipboard();
        break;
    case kEditPaste:
        PasteFromClipboard();
        break;
    case kEditFind:
        FindCommand();
        break;
    case kEditReplicate:
        if (ReplicateSelected(document_, state_))
            Redraw();
        break;
    case kBackgroundColor:
        BackgroundColourCommand();
        break;
    case kImportBackground:
        ImportBackgroundCommand();
        break;
    default:
        break;
    }
}

void CVantrelView::WatchClipboard()
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CVantrelView::Changed);
}

bool CVantrelView::ClipboardHoldsModeData() const
{
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    return held && held->hasFormat(MimeType(ClipboardFormat(state_)));
}

void CVantrelView::CopyToClipboard()
{
    const std::optional<std::vector<std::uint8_t>> payload = CopySelection(document_, state_);
    if (!payload)
        return;
    const QString mimeType = MimeType(ClipboardFormat(state_));
    auto* copied = new QMimeData;
    copied->setData(mimeType, QByteArray(reinterpret_cast<const char*>(payload->data()),
                                         qsizetype(payload->size())));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(copied);
    // The platform may refuse the clipboard (another program holding it):
    // the user hears of it instead of finding nothing to paste.
    const QMimeData* held = clipboard->mimeData();
    if (!held || !held->hasFormat(mimeType))
        document_.GetNotifier().Message(u"The selection could not be put on the clipboard.",
                                        kApplicationTitle, MessageButtons::Ok);
    emit Changed();
}

void CVantrelView::PasteFromClipboard()
{
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    const QString mimeType = MimeType(ClipboardFormat(state_));
    if (!held || !held->hasFormat(mimeType))
        return;
    const QByteArray bytes = held->data(mimeType);
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (PastePayload(document_, state_, {first, std::size_t(bytes.size())}))
        Redraw();
}

void CVantrelView::FindCommand()
{
    const std::optional<std::int32_t> id = prompts_.FindElement(DescribedElements(document_));
    if (id && ShowFoundElement(document_, state_, *id, ClientSize()))
        Redraw();
}

void CVantrelView::BackgroundColourCommand()
{
    if (const std::optional<Colour> colour = prompts_.ChooseColour(document_.backgroundColour)) {
        SetBackgroundColour(document_, state_.currentPage, *colour);
        DiscardBackgroundCache();
    }
    Redraw();
}

void CVantrelView::ImportBackgroundCommand()
{
    const std::optional<std::filesystem::path> path = prompts_.OpenFileName();
    if (!path)
        return;
    ImportBackground(document_, state_.currentPage, *path, codec_);
    DiscardBackgroundCache();
    Redraw();
}

void CVantrelView::AfterHistoryStep()
{
    DropStalePaintSelection(document_, state_);
    // A step can take back pages the view was showing.
    state_.currentPage = std::min(state_.currentPage, int(document_.pageBackgrounds.size()) - 1);
    DiscardBackgroundCache();
}

} // namespace vantrel
