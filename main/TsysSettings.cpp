#include "Tsys.h"

#include "Program.h"
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace {

SettingsFile OpenSettings()
{
    return SettingsFile(QFile::encodeName(SettingsFilePath).toStdString());
}

} // namespace

bool TSys::LoadSettings()
{
    SettingsFile file = OpenSettings();
    if (!file.Load()) {
        QCoreApplication::processEvents();
        QMessageBox::warning(this, "Error", "Failed to load settings.");
        return false;
    }

    // Out-of-range values come from hand edits; the option dialog's ranges are the
    // ones the field and the enemies are known to work in.
    FieldOption option = links.field->option();
    option.cell = std::clamp(file.ReadInteger("fieldOption", "cell", option.cell), 24, 40);
    option.obstacle = std::clamp(file.ReadInteger("fieldOption", "obstacle", option.obstacle), 0, 5);
    option.trap = std::clamp(file.ReadInteger("fieldOption", "trap", option.trap), 0, 5);
    links.field->SetOption(option);

    m_systemOption.confirm = file.ReadBool("systemOption", "confirm", false);
    m_systemOption.position = file.ReadBool("systemOption", "position", true);
    m_systemOption.status = file.ReadBool("systemOption", "status", true);

    if (m_systemOption.status) {
        StatusOption status;
        status.start = file.ReadInteger("statusOption", "start", 0);
        status.retry = file.ReadInteger("statusOption", "retry", 0);
        status.clear = file.ReadInteger("statusOption", "clear", 0);
        status.gameover = file.ReadInteger("statusOption", "gameover", 0);
        status.hattrick = file.ReadInteger("statusOption", "hattrick", 0);
        status.succeeding = file.ReadInteger("statusOption", "succeeding", 0);
        status.maxSucceeding = file.ReadInteger("statusOption", "maxSucceeding", status.succeeding);
        m_statusOption = status;
    }

    links.enemy->SetCount(std::clamp(file.ReadInteger("others", "enemyCount", 3), 1, 5));
    m_sound->SetEnabled(file.ReadBool("others", "soundEnabled", true));

    // The window is not shown yet: settle the layout so the size counts the menu bar.
    // Its frame is known only once the window manager has mapped it, so until then the
    // outer size is the frameless one and centring is off by half the decoration.
    if (layout())
        layout()->activate();
    const QSize screenSize = screen()->geometry().size();
    const QSize outer = frameGeometry().size();
    int left = (screenSize.width() - outer.width()) / 2;
    int top = (screenSize.height() - outer.height()) / 2;
    if (m_systemOption.position) {
        left = file.ReadInteger("others", "left", left);
        top = file.ReadInteger("others", "top", top);
    }
    // A top-level widget's position is that of its frame, as saved.
    move(left, top);
    return true;
}

bool TSys::SaveSettings()
{
    // Start from the file as it is now, so whatever else it holds is written back.
    // A file that cannot be read is not replaced by one that would lose its content.
    SettingsFile file = OpenSettings();
    bool saved = file.Load();
    if (saved) {
        const FieldOption option = links.field->option();
        file.WriteInteger("fieldOption", "cell", option.cell);
        file.WriteInteger("fieldOption", "obstacle", option.obstacle);
        file.WriteInteger("fieldOption", "trap", option.trap);

        file.WriteBool("systemOption", "confirm", m_systemOption.confirm);
        file.WriteBool("systemOption", "position", m_systemOption.position);
        file.WriteBool("systemOption", "status", m_systemOption.status);

        if (m_systemOption.status) {
            file.WriteInteger("statusOption", "start", m_statusOption.start);
            file.WriteInteger("statusOption", "retry", m_statusOption.retry);
            file.WriteInteger("statusOption", "clear", m_statusOption.clear);
            file.WriteInteger("statusOption", "gameover", m_statusOption.gameover);
            file.WriteInteger("statusOption", "hattrick", m_statusOption.hattrick);
            file.WriteInteger("statusOption", "succeeding", m_statusOption.succeeding);
            file.WriteInteger("statusOption", "maxSucceeding", m_statusOption.maxSucceeding);
        }

        file.WriteInteger("others", "enemyCount", links.enemy->count());
        file.WriteBool("others", "soundEnabled", m_sound->enabled());
        if (m_systemOption.position) {
            const QPoint corner = frameGeometry().topLeft();
            file.WriteInteger("others", "left", corner.x());
            file.WriteInteger("others", "top", corner.y());
        }
        saved = file.Save();
    }
    if (!saved) {
        QCoreApplication::processEvents();
        QMessageBox::warning(this, "Error", "Failed to save settings.");
    }
    return saved;
}
