#include "app/example_designs.h"

#include <QCoreApplication>
#include <QDir>

namespace vantrel {

QStringList ExampleFolders()
{
    return {QDir::cleanPath(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/../share/vantrel/examples")),
            QStringLiteral(VANTREL_SOURCE_EXAMPLES_DIR)};
}

QStringList ExampleDesigns()
{
    for (const QString& path : ExampleFolders()) {
        const QDir folder(path);
        if (!folder.exists())
            continue;
        QStringList designs;
        for (const QString& name :
             folder.entryList({QStringLiteral("*.lgc")}, QDir::Files, QDir::Name))
            designs.append(folder.absoluteFilePath(name));
        return designs;
    }
    return {};
}

} // namespace vantrel
