#include "GamePaths.h"

#include <QFileInfo>

GamePaths GamePaths::InFolder(const QString& folder)
{
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return {base, base + QStringLiteral("help/index.html"), base + QStringLiteral("settings.ini"),
            base + QStringLiteral("sound/")};
}

GamePaths GamePaths::OfProgram()
{
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return InFolder(QFileInfo(program).absolutePath());
}
