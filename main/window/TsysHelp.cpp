#include "Tsys.h"
#include "ui_Tsys.h"

#include "GameDialogs.h"
#include "ProgramTexts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

void TSys::MainMenu_HelpClick(QAction* sender)
{
    if (m_changing)
        return;
    if (sender == ui->MainMenu_Help_Help) {
        SetBusy(true);
        if (AskQuestion(tr("Opening HTML help."), tr("Help"))) {
            const QString page = paths.HelpPage();
            // The desktop opener reports success even for a missing file, so look first.
            const bool opened = QFileInfo(page).isFile()
                && QDesktopServices::openUrl(QUrl::fromLocalFile(page));
            if (!opened) {
                QCoreApplication::processEvents();
                QMessageBox::warning(this, tr("Help"),
                                     tr("Failed to open help file.") + LineBreak + LineBreak
                                         + tr("Open following file by yourself.") + LineBreak + page);
            }
        }
        SetBusy(false);
    } else if (sender == ui->MainMenu_Help_About) {
        SetBusy(true);
        QCoreApplication::processEvents();
        dialogs.AboutDialog().exec();
        SetBusy(false);
    }
}
