#pragma once

// Texts a player reads that stand in Qt-free code are English there and shown in the
// player's language by the Qt side, which looks them up with
// QCoreApplication::translate(scope, x). Qt's translation tools find them by Qt's own
// marker, defined here exactly as Qt defines it (it leaves the text as it is), so this
// code needs no Qt and either definition may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
