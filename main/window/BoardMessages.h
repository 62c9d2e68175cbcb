#pragma once

#include <QColor>
#include <QtGlobal>

// What the message line under the field says as the game enters a state, and in which
// colour. The text is English, shown translated in the main window's context. Its look
// is the letters standing apart, two blanks between words; translations keep it.
struct BoardMessage {
    const char* text;
    QColor colour;
};

namespace BoardMessages {

inline const BoardMessage Waiting{QT_TRANSLATE_NOOP("TSys", "Waiting to be started."), QColor(255, 255, 255)};
inline const BoardMessage Started{QT_TRANSLATE_NOOP("TSys", "S t a r t e d ."), QColor(255, 255, 255)};
inline const BoardMessage Retrying{QT_TRANSLATE_NOOP("TSys", "R e t r y i n g ."), QColor(255, 255, 255)};
inline const BoardMessage Cleared{QT_TRANSLATE_NOOP("TSys", "C l e a r e d !"), QColor(255, 255, 0)};
inline const BoardMessage HatTrick{QT_TRANSLATE_NOOP("TSys", "H a t  T r i c k !!!"), QColor(255, 255, 128)};
inline const BoardMessage Gameover{QT_TRANSLATE_NOOP("TSys", "G a m e o v e r ."), QColor(255, 128, 0)};

inline const BoardMessage All[] = {Waiting, Started, Retrying, Cleared, HatTrick, Gameover};

}
