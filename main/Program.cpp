#include "Program.h"

#include <QFileInfo>

const QString TitleText = QStringLiteral("Tarvik");
const QString PlatformText = QStringLiteral("for Win 32");
const QString VersionText = QStringLiteral("version 1.2.3");
const QString CopyrightText = QStringLiteral("Copyright (C) 2026 The Tarvik developers");
// Linux text breaks lines with a line feed alone; a carriage return would show in labels.
const QString LineBreak = QStringLiteral("\n");

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
