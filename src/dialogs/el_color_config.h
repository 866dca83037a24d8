#pragma once

#include "dialogs/property_dialog.h"
#include "graphics/colour.h"

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QPushButton;

namespace vantrel {

class ElFinder;
class IntegerEdit;
class PaintStuff;

// "Color config": the pen width, colours, fill colours, style, the two
// colour bindings to I/O elements, the toggled user input and the progress
// display of one paint object. It edits the object it is given (the caller
// hands it a working copy); the binding lists come from the finder, or stay
// empty without one. The controls of a binding are enabled only while its
// box is checked, the fill colours only for objects that have them.
class ElColorConfig : public PropertyDialog
{
    Q_OBJECT
public:
    ElColorConfig(PaintStuff& object, const ElFinder* finder, QWidget* parent = nullptr);

    // Writes the chosen entries, boxes and numbers into the object; stays
    // open while a number is out of range.
    void accept() override;

private:
    // When a colour's "Pick" button and swatch are enabled.
    enum class When
    {
        Always,
        WithFill,
        Active,
        ActiveWithFill,
        Active2,
        Active2WithFill,
        Progress,
    };
    struct ColourControl
    {
        Colour* colour;
        When when;
        QPushButton* pick;
        QFrame* swatch;
    };

    QHBoxLayout* NewColourRow(int pickId, Colour* colour, When when);
    // The controls of colour state 1 or 2: its boxes, the style (state 1
    // only), the I/O list and the state's colour and fill colour.
    QGroupBox* NewBindingGroup(QCheckBox* enable, QCheckBox* invert, QComboBox* style,
                               QComboBox* io, int state);
    void FillBindingLists(const ElFinder& finder);
    void Pick(ColourControl& control);
    bool IsEnabled(When when) const;
    // The colour rows are made after the other controls; Tab follows the
    // rows from top to bottom, left to right.
    void TabInReadingOrder();
    // The enabling rules and the swatches, after a box changed.
    void UpdateControls();

    PaintStuff& object_;
    IntegerEdit* width_;
    QCheckBox* hasActive_;
    QCheckBox* activeNeg_;
    QComboBox* style_;
    QComboBox* active_;
    QCheckBox* hasActive2_;
    QCheckBox* active2Neg_;
    QComboBox* active2_;
    QCheckBox* hasCommand_;
    QComboBox* command_;
    QCheckBox* hasProgress_;
    QComboBox* progress_;
    IntegerEdit* progressMax_;
    std::vector<ColourControl> colours_;
};

} // namespace vantrel
