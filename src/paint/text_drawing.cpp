#include "archive/text_codec.h"
#include "paint/paint_drawing.h"
#include "paint/text_stuff.h"

namespace vantrel {

namespace {

// The text with its progress value, "%s: %d", when it shows progress.
std::u16string ShownText(const TextStuff& object, int progress)
{
    if (!ShowsProgress(object))
        return object.text;
    return object.text + u": " + Decimal(progress);
}

} // namespace

// In the caller's font and background mode, the text's top-left corner at `from`.
void TextStuff::Draw(Surface& surface, const Rect& client, int state, int tick, int progress) const
{
    const Colour previous = surface.SetTextColour(StateColor(state, tick));
    const Point at = from.ToDevice(client);
    surface.DrawText(at.x, at.y, ShownText(*this, progress));
    surface.SetTextColour(previous);
}

void FilledText::Draw(Surface& surface, const Rect& client, int state, int tick, int progress) const
{
    const BackgroundMode previousMode = surface.SetBackgroundMode(BackgroundMode::Opaque);
    const Colour previousColour = surface.SetTextBackground(FillStateColor(state, tick));
    TextStuff::Draw(surface, client, state, tick, progress);
    surface.SetTextBackground(previousColour);
    surface.SetBackgroundMode(previousMode);
}

} // namespace vantrel
