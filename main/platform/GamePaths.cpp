#include "GamePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString HomeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty())
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QDir::rootPath();
}

// The XDG base directory rule: a relative or empty value is ignored.
QString ConfigFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.startsWith(QLatin1Char('/')))
        return config;
    return HomeFolder() + QStringLiteral("/.config");
}

// Whatever stands at the path, even a link that leads nowhere.
bool Present(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

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
    GamePaths paths = InFolder(QFileInfo(program).absolutePath(), language);
    // A game installed for the whole machine carries a mark in its folder, put there by the
    // install, and never keeps settings in that folder, not even for root, who may write
    // it: one player's run would leave a file that every other player reads. In a
    // portable game, whatever stands there, even a file the player cannot write, is the
    // game's settings: a failed save is reported rather than the file silently passed over.
    if (!Present(paths.folder + QStringLiteral(TARVIK_SYSTEM_WIDE_MARK))
        && (Present(paths.settings) || ::access(QFile::encodeName(paths.folder).constData(), W_OK) == 0))
        return paths;
    paths.settings = ConfigFolder() + QStringLiteral("/tarvik/settings.ini");
    paths.playerSettings = true;
    return paths;
}

QString GamePaths::HelpPage() const
{
    return !translatedHelp.isEmpty() && QFileInfo(translatedHelp).isFile() ? translatedHelp : help;
}
