#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

#include <vector>

namespace vantrel {

// Every command that shows a button, in the order the icon strip holds them.
std::vector<int> ToolbarIconCommands();

// The icons of all those commands side by side in one strip, each
// kToolIconSize pixels square, drawn now.
QImage DrawToolbarIconStrip();

// The strip's pixels as the program carries them: premultiplied ARGB32 in
// the machine's byte order, row after row, nothing else.
QByteArray StripBytes(const QImage& strip);

// The icons of the toolbar buttons. The program carries the strip drawn when
// it was built, so a start only cuts it up (no drawing, no decoding);
// without it (or when it does not fit this build's commands) the strip is
// drawn here.
class ToolbarIcons
{
public:
    ToolbarIcons();
    // The command's icon, with a faded grey look of its own for a disabled
    // button; a null icon for a command without a button.
    QIcon Icon(int id) const;

    // Where the program keeps the strip drawn at build time.
    static const char* const kBuiltStrip;

private:
    std::vector<int> commands_;
    // The carried pixels, which `strip_` may look at without a copy.
    QByteArray carried_;
    QImage strip_;
};

} // namespace vantrel
