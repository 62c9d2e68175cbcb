#include "GamePaths.h"

#include <QFileInfo>

static QString programFolder()
{
    // Resolved before the application object exists, so no Qt application path helpers.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(exe).absolutePath() + QLatin1Char('/');
}

const QString ProgramFolder = programFolder();
const QString HelpFilePath = ProgramFolder + QStringLiteral("help/index.html");
const QString SettingsFilePath = ProgramFolder + QStringLiteral("settings.ini");
const QString SoundFolderPath = ProgramFolder + QStringLiteral("sound/");
