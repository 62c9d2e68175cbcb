#include "BoardSpeech.h"

#include "BoardReading.h"
#include "GameRules.h"
#include "Gamefield.h"
#include "Gameparts.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

// What a cell holds, or what lies beyond the player's cell in one direction.
enum class Kind { ToVisit, Visited, Tree, Pond, ClosedPond, Duck, Edge };

// The first state word in use decides, as it decides the tile drawn.
Kind KindOf(const FieldCell& c)
{
    if (c.enemy >= 0)
        return Kind::Duck;
    if (c.obstacle >= 0)
        return Kind::Tree;
    if (c.trap >= 0)
        return Kind::Pond;
    if (c.unvisited >= 0)
        return Kind::ToVisit;
    return Kind::Visited;
}

constexpr Heading Sides[] = {Heading::Up, Heading::Down, Heading::Left, Heading::Right};

// Which side of the player's cell another cell borders; the two share part of an edge.
Heading SideOf(const FieldCell& player, const FieldCell& other)
{
    if (other.bottom == player.top)
        return Heading::Up;
    if (other.top == player.bottom)
        return Heading::Down;
    return other.right == player.left ? Heading::Left : Heading::Right;
}

QString Word(Kind kind)
{
    switch (kind) {
    case Kind::ToVisit:
        return BoardSpeech::tr("to visit");
    case Kind::Visited:
        return BoardSpeech::tr("visited");
    case Kind::Tree:
        return BoardSpeech::tr("tree");
    case Kind::Pond:
        return BoardSpeech::tr("pond");
    case Kind::ClosedPond:
        return BoardSpeech::tr("pond, not now");
    case Kind::Duck:
        return BoardSpeech::tr("duck");
    case Kind::Edge:
        break;
    }
    return BoardSpeech::tr("edge");
}

QString Word(Heading side)
{
    switch (side) {
    case Heading::Up:
        return BoardSpeech::tr("Up");
    case Heading::Down:
        return BoardSpeech::tr("Down");
    case Heading::Left:
        return BoardSpeech::tr("Left");
    default:
        return BoardSpeech::tr("Right");
    }
}

// What a key in that direction would reach: exactly the square the key clicks, and
// whether the rules let the player enter its cell now.
Kind Ahead(const BoardReading& board, Heading heading)
{
    const std::optional<BoardSquare> square = board.player().LookAt(heading);
    if (!square)
        return Kind::Edge;
    const GameField& field = board.field();
    const int32_t target = field.Grid(square->column, square->row);
    const FieldCell& cell = field.Cell(target);
    const bool duck = cell.enemy >= 0;
    if (Rules::MayEnter(field.pattern(), board.player().cellIndex(), target, board.player().cycleMoves(), duck))
        return KindOf(cell);
    // Refused: the duck, the tree, or else the pond the coming move may not end on.
    if (duck)
        return Kind::Duck;
    return cell.obstacle >= 0 ? Kind::Tree : Kind::ClosedPond;
}

} // namespace

QString BoardSpeech::BoardName()
{
    return tr("Board");
}

QString BoardSpeech::CellName(const FieldCell& cell)
{
    return Word(KindOf(cell));
}

QString BoardSpeech::Where(const FieldCell& cell)
{
    const int32_t width = cell.right - cell.left;
    const int32_t height = cell.bottom - cell.top;
    const QString columns = width == 1 ? tr("column %1").arg(cell.left + 1)
                                       : tr("columns %1 to %2").arg(cell.left + 1).arg(cell.right);
    const QString rows = height == 1 ? tr("row %1").arg(cell.top + 1)
                                     : tr("rows %1 to %2").arg(cell.top + 1).arg(cell.bottom);
    return tr("%1, %2, size %3 by %4").arg(columns, rows).arg(width).arg(height);
}

QString BoardSpeech::Report(const BoardReading& board, const News& news)
{
    const GameField& field = board.field();
    const GamePlayer& player = board.player();
    const FieldCell& own = field.Cell(player.cellIndex());
    QStringList parts;
    if (!news.state.isEmpty())
        parts << news.state;
    parts << (own.trap >= 0 ? tr("You, on a pond.") : tr("You."));

    if (InPattern(board.state())) {
        int32_t toVisit = 0;
        for (int32_t c = 0; c < field.option().cell; ++c)
            toVisit += field.Cell(c).unvisited >= 0;
        parts << tr("%1 to visit.").arg(toVisit);
        parts << tr("Move %1 of %2 next.").arg(player.cycleMoves() + 1).arg(Rules::ChaseMove);
        for (const Heading side : Sides)
            parts << tr("%1: %2.").arg(Word(side), Word(Ahead(board, side)));
    }

    if (InPattern(board.state()) || board.state() == GameState::Gameover) {
        QStringList sides;
        for (const int32_t duck : board.enemy().cells()) {
            if (Rules::Catches(field.pattern(), player.cellIndex(), duck))
                sides << Word(SideOf(own, field.Cell(duck)));
        }
        // After a chase, every duck next to the player has just come: one that stood
        // there already would have caught it.
        if (sides.size() == 1)
            parts << (news.chased ? tr("A duck moved next to you: %1.") : tr("Duck next to you: %1.")).arg(sides[0]);
        else if (!sides.isEmpty())
            parts << (news.chased ? tr("Ducks moved next to you: %1.") : tr("Ducks next to you: %1."))
                         .arg(sides.join(QStringLiteral(", ")));
        else if (news.chased)
            parts << (news.ducksMoved ? tr("Ducks moved.") : tr("No duck moved."));
    }
    return parts.join(QLatin1Char(' '));
}

QString BoardSpeech::Unspaced(const QString& message)
{
    // Spaced out: words two blanks apart, each made of single letters or punctuation one
    // blank apart. Anything else is read as it is written.
    QStringList joined;
    qsizetype tokens = 0;
    for (const QString& word : message.split(QStringLiteral("  "))) {
        const QStringList parts = word.split(QLatin1Char(' '));
        for (const QString& part : parts) {
            const bool letters = std::any_of(part.begin(), part.end(), [](QChar c) { return c.isLetter(); });
            if (part.isEmpty() || (part.size() > 1 && letters))
                return message;
        }
        tokens += parts.size();
        joined << parts.join(QString());
    }
    return tokens > 1 ? joined.join(QLatin1Char(' ')) : message;
}
