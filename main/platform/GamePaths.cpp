#include "GamePaths.h"

#include <QFileInfo>

GamePaths GamePaths::InFolder(const QString& folder, const QString& language)
{
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    const QString page = QStringLiteral("index.html");
    const QString help = base + QStringLiteral("help/");
    return {base, help + page, base + QStringLiteral("settings.ini"), base + QStringLiteral("sound/"),
            language.isEmpty() ? QString() : help + language + QLatin1Char('/') + page};
}

GamePaths GamePaths::OfProgram(const QString& language)
{
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return InFolder(QFileInfo(program).absolutePath(), language);
}

QString GamePaths::HelpPage() const
{
    return !translatedHelp.isEmpty() && QFileInfo(translatedHelp).isFile() ? translatedHelp : help;
}
