#pragma once

#include <QDialog>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>

// The frame every dialog of the game shares: fixed size, a close box and nothing else.
// The forms are laid out in pixels, so the font is sized in pixels too.
inline void SetDialogFrame(QDialog* dialog)
{
    QFont font = dialog->font();
    font.setPixelSize(15);
    dialog->setFont(font);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint
                           | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(dialog->size());
}

// Dialogs open in the middle of the screen, not over their parent as Qt would place them.
inline void CentreOnScreen(QDialog* dialog)
{
    QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // move() places the frame, so the frame is what gets centred.
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}
