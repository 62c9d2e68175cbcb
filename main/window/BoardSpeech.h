#pragma once

#include <QCoreApplication>
#include <QString>

class BoardReading;
struct FieldCell;

// What the board says to a screen reader, in the player's language: a cell's name and
// where it lies, and the report of the player's cell. Everything is read from the model
// as it stands; only the news of the last change is handed in.
class BoardSpeech {
    Q_DECLARE_TR_FUNCTIONS(BoardSpeech)

public:
    // What the last announced change brought, spoken once at the head or the tail of
    // the report.
    struct News {
        // The message line's text when the state has just changed, else empty.
        QString state;
        // The ducks have just taken their step, and whether any of them moved.
        bool chased = false;
        bool ducksMoved = false;
    };

    static QString BoardName();
    // What stands on a cell other than the player's: to visit, visited, tree, pond or duck.
    static QString CellName(const FieldCell& cell);
    // Its squares, counted from 1 at the top left, and its size.
    static QString Where(const FieldCell& cell);
    // The player's cell: the news of the state, what the player stands on, what is left
    // to visit, the move that comes next, what each arrow key would reach, and the ducks
    // next to the player. Always in this order, parts that say nothing left out.
    static QString Report(const BoardReading& board, const News& news);
    // The message line as a voice reads it: the letters of a spaced-out message joined up.
    static QString Unspaced(const QString& message);
};
