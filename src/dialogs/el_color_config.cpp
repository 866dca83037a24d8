#include "dialogs/el_color_config.h"

#include "dialogs/colour_chooser.h"
#include "dialogs/integer_edit.h"
#include "elements/el_finder.h"
#include "elements/io_elements.h"
#include "paint/paint_stuff.h"
#include "qt_adapters/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::int32_t kMaxWidth = 100;
constexpr std::int32_t kMaxProgress = 16777215;
constexpr QSize kSwatchSize{20, 10};

struct ListEntry
{
    QString text;
    std::int32_t id;
};

// Fills the list sorted by text. The entry carrying `wanted` is chosen, or
// else the entry offered first.
void FillSorted(QComboBox& list, std::vector<ListEntry> entries, std::int32_t wanted)
{
    if (entries.empty())
        return;
    auto chosen = std::find_if(entries.begin(), entries.end(),
                               [&](const ListEntry& entry) { return entry.id == wanted; });
    const std::int32_t chosenId = chosen != entries.end() ? chosen->id : entries.front().id;
    std::stable_sort(entries.begin(), entries.end(), [](const ListEntry& a, const ListEntry& b) {
        return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
    });
    for (const ListEntry& entry : entries)
        list.addItem(entry.text, entry.id);
    list.setCurrentIndex(list.findData(chosenId));
}

void ShowSwatch(QFrame& swatch, Colour colour)
{
    QPalette palette = swatch.palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    swatch.setPalette(palette);
}

} // namespace

ElColorConfig::ElColorConfig(PaintStuff& object, const ElFinder* finder, QWidget* parent)
    : PropertyDialog(QStringLiteral("Color config"), parent), object_(object),
      width_(NewIntegerEdit(1014, object.width, 1, kMaxWidth)),
      hasActive_(NewCheckBox(1004, QStringLiteral("Change color on active I/O"), object.hasActive)),
      activeNeg_(NewCheckBox(1038, QStringLiteral("Invert"), object.activeNeg)),
      style_(NewList(
          1015,
          {QStringLiteral("Solid color"), QStringLiteral("Blinking"), QStringLiteral("Moving")},
          object.style)),
      active_(NewList(1011)),
      hasActive2_(
          NewCheckBox(1009, QStringLiteral("Change color on active I/O"), object.hasActive2)),
      active2Neg_(NewCheckBox(1039, QStringLiteral("Invert"), object.active2Neg)),
      active2_(NewList(1019)),
      hasCommand_(
          NewCheckBox(1005, QStringLiteral("Toggle User Input on click"), object.hasCommand)),
      command_(NewList(1006)),
      hasProgress_(NewCheckBox(1031, QStringLiteral("Display Progress"), object.hasProgress)),
      progress_(NewList(1010)),
      progressMax_(NewIntegerEdit(1016, object.progressMax, 1, kMaxProgress))
{
    ColorSet* fill = object.FillColors();
    Form().addRow(QStringLiteral("Width:"), width_);
    Form().addRow(QStringLiteral("Primary color:"),
                  NewColourRow(1007, &object.normalColor, When::Always));
    Form().addRow(QStringLiteral("Fill Color:"),
                  NewColourRow(1008, fill ? &(*fill)[0] : nullptr, When::WithFill));

    Form().addRow(NewBindingGroup(hasActive_, activeNeg_, style_, active_, 1));
    Form().addRow(NewBindingGroup(hasActive2_, active2Neg_, nullptr, active2_, 2));
    Form().addRow(hasCommand_);
    Form().addRow(QStringLiteral("User input:"), command_);
    Form().addRow(hasProgress_);
    Form().addRow(QStringLiteral("Register:"), progress_);
    Form().addRow(QStringLiteral("Color:"),
                  NewColourRow(1020, &object.progressColor, When::Progress));
    Form().addRow(QStringLiteral("Max:"), progressMax_);

    if (finder)
        FillBindingLists(*finder);
    for (QCheckBox* box : {hasActive_, hasActive2_, hasCommand_, hasProgress_})
        connect(box, &QCheckBox::toggled, this, &ElColorConfig::UpdateControls);
    UpdateControls();
    TabInReadingOrder();
    width_->selectAll();
}

void ElColorConfig::TabInReadingOrder()
{
    layout()->activate();
    std::vector<QWidget*> stops;
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus)
            stops.push_back(child);
    auto place = [this](const QWidget* widget) {
        const QPoint at = widget->mapTo(this, QPoint(0, 0));
        return std::pair(at.y(), at.x());
    };
    std::stable_sort(stops.begin(), stops.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
}

QHBoxLayout* ElColorConfig::NewColourRow(int pickId, Colour* colour, When when)
{
    auto* swatch = new QFrame(this);
    swatch->setObjectName(QStringLiteral("swatch%1").arg(pickId));
    swatch->setFixedSize(kSwatchSize);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    QSizePolicy policy = swatch->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    swatch->setSizePolicy(policy);

    auto* pick = new QPushButton(QStringLiteral("Pick"), this);
    SetControlId(*pick, pickId);
    // Enter still means OK.
    pick->setAutoDefault(false);
    const std::size_t index = colours_.size();
    colours_.push_back({colour, when, pick, swatch});
    connect(pick, &QPushButton::clicked, this, [this, index] { Pick(colours_[index]); });

    auto* row = new QHBoxLayout;
    row->addWidget(swatch);
    row->addWidget(pick);
    row->addStretch();
    return row;
}

QGroupBox* ElColorConfig::NewBindingGroup(QCheckBox* enable, QCheckBox* invert, QComboBox* style,
                                          QComboBox* io, int state)
{
    const bool first = state == 1;
    ColorSet* fill = object_.FillColors();
    auto* group = new QGroupBox(this);
    auto* form = new QFormLayout(group);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(enable);
    boxes->addWidget(invert);
    boxes->addStretch();
    form->addRow(boxes);
    if (style)
        form->addRow(QStringLiteral("Style:"), style);
    form->addRow(QStringLiteral("I/O:"), io);
    form->addRow(QStringLiteral("Color:"),
                 NewColourRow(first ? 1012 : 1017,
                              first ? &object_.activeColor : &object_.active2Color,
                              first ? When::Active : When::Active2));
    form->addRow(QStringLiteral("Fill:"),
                 NewColourRow(first ? 1013 : 1018, fill ? &(*fill)[std::size_t(state)] : nullptr,
                              first ? When::ActiveWithFill : When::Active2WithFill));
    return group;
}

void ElColorConfig::FillBindingLists(const ElFinder& finder)
{
    std::vector<ListEntry> io;
    std::vector<ListEntry> userInputs;
    for (int i = 0; i < finder.MainCount(); ++i) {
        const LogElement* element = finder.MainAt(i);
        if (!IsKind<LogIO>(element))
            continue;
        const ListEntry entry{ToQString(element->Describe(finder)), element->id};
        io.push_back(entry);
        if (IsKind<LogUser>(element))
            userInputs.push_back(entry);
    }
    std::vector<LogElement*> monitored;
    finder.MonitorList(monitored);
    std::vector<ListEntry> registers;
    registers.reserve(monitored.size());
    for (const LogElement* element : monitored)
        registers.push_back({ToQString(element->Describe(finder)), element->id});

    FillSorted(*active_, io, object_.activeId);
    FillSorted(*active2_, io, object_.active2Id);
    FillSorted(*command_, userInputs, object_.commandId);
    FillSorted(*progress_, registers, object_.progressId);
}

bool ElColorConfig::IsEnabled(When when) const
{
    const bool fill = object_.FillColors() != nullptr;
    switch (when) {
    case When::Always:
        return true;
    case When::WithFill:
        return fill;
    case When::Active:
        return hasActive_->isChecked();
    case When::ActiveWithFill:
        return fill && hasActive_->isChecked();
    case When::Active2:
        return hasActive2_->isChecked();
    case When::Active2WithFill:
        return fill && hasActive2_->isChecked();
    case When::Progress:
        return hasProgress_->isChecked();
    }
    return false;
}

void ElColorConfig::UpdateControls()
{
    style_->setEnabled(hasActive_->isChecked());
    active_->setEnabled(hasActive_->isChecked());
    active2_->setEnabled(hasActive2_->isChecked());
    command_->setEnabled(hasCommand_->isChecked());
    progress_->setEnabled(hasProgress_->isChecked());
    for (ColourControl& control : colours_) {
        const bool enabled = IsEnabled(control.when);
        control.pick->setEnabled(enabled);
        control.swatch->setVisible(enabled);
        if (enabled)
            ShowSwatch(*control.swatch, *control.colour);
    }
}

void ElColorConfig::Pick(ColourControl& control)
{
    if (const std::optional<Colour> chosen = ChooseColour(this, *control.colour)) {
        *control.colour = *chosen;
        ShowSwatch(*control.swatch, *chosen);
    }
}

void ElColorConfig::accept()
{
    object_.commandId = ChosenData(*command_, -1);
    object_.activeId = ChosenData(*active_, -1);
    object_.active2Id = ChosenData(*active2_, -1);
    object_.progressId = ChosenData(*progress_, -1);
    object_.style = ChosenIndex(*style_, PaintStuff::kSolid);
    object_.hasActive = hasActive_->isChecked();
    object_.activeNeg = activeNeg_->isChecked();
    object_.hasActive2 = hasActive2_->isChecked();
    object_.active2Neg = active2Neg_->isChecked();
    object_.hasCommand = hasCommand_->isChecked();
    object_.hasProgress = hasProgress_->isChecked();
    object_.width = width_->Value();
    object_.progressMax = progressMax_->Value();
    PropertyDialog::accept();
}

} // namespace vantrel
