// Draws the toolbar icons into the strip the program carries, at build time:
//   vantrel_toolbar_icon_strip OUTPUT
#include "app/toolbar_icons.h"

#include <QApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vantrel_toolbar_icon_strip OUTPUT\n", stderr);
        return 2;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly) ||
        output.write(vantrel::StripBytes(vantrel::DrawToolbarIconStrip())) < 0 ||
        !output.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 4;
    }
    return 0;
}
