#include "Tsys.h"
#include "ui_Tsys.h"

#include "Application.h"
#include "BoardView.h"
#include "GameSettings.h"
#include "SettingsFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

bool TSys::LoadSettings()
{
    SettingsFile file(QFile::encodeName(paths.settings).toStdString());
    if (!file.Load()) {
        Application::Warn(this, tr("Error"), tr("Failed to load settings."));
        return false;
    }

    // What is not in the file stays as it is, but for the position: without one the
    // window is centred, at the stored zoom, which comes first. The window is not shown
    // yet: applying the zoom settles the layout, so the size counts the menu bar. Its
    // frame is known only once the window manager has mapped it, so until then the outer
    // size is the frameless one and centring is off by half the decoration.
    GameSettings current = CurrentSettings();
    ApplyZoom(ReadGameSettings(file, current).zoom);
    const QSize screenSize = screen()->geometry().size();
    const QSize outer = frameGeometry().size();
    current.left = (screenSize.width() - outer.width()) / 2;
    current.top = (screenSize.height() - outer.height()) / 2;

    const GameSettings settings = ReadGameSettings(file, current);
    SetOptions(settings.field, settings.enemyCount);
    m_systemOption = settings.system;
    m_statusOption = settings.status;
    m_sound->SetEnabled(settings.soundEnabled);
    ui->MainMenu_Game_Fair->setChecked(settings.fairPatterns);
    if (!DesktopPlatform::WindowPositionKnown())
        return true;
    // A top-level widget's position is that of its frame, as saved. One that would show
    // nothing of the window (a hand edit, a monitor that is gone) counts as none.
    const QRect frame(QPoint(settings.left, settings.top), outer);
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool seen = std::any_of(screens.begin(), screens.end(),
                                  [&](const QScreen* s) { return s->availableGeometry().intersects(frame); });
    m_place.SetHome(seen ? frame.topLeft() : QPoint(current.left, current.top));
    m_place.Place(outer, m_board->zoom());
    return true;
}

bool TSys::SaveSettings()
{
    // Start from the file as it is now, so whatever else it holds is written back.
    // A file that cannot be read is not replaced by one that would lose its content.
    SettingsFile file(QFile::encodeName(paths.settings).toStdString());
    bool saved = file.Load();
    if (saved) {
        WriteGameSettings(file, CurrentSettings(), DesktopPlatform::WindowPositionKnown());
        saved = (!paths.playerSettings || file.CreateFolder()) && file.Save();
    }
    if (!saved)
        Application::Warn(this, tr("Error"), tr("Failed to save settings."));
    return saved;
}

GameSettings TSys::CurrentSettings() const
{
    GameSettings settings;
    settings.field = m_fieldOption;
    settings.system = m_systemOption;
    settings.status = m_statusOption;
    settings.enemyCount = m_enemyCount;
    settings.soundEnabled = m_sound->enabled();
    settings.fairPatterns = ui->MainMenu_Game_Fair->isChecked();
    // A top-level widget's position is that of its frame.
    settings.left = m_place.Home().x();
    settings.top = m_place.Home().y();
    settings.zoom = m_board->zoom();
    return settings;
}
