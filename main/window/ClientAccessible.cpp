#include "ClientAccessible.h"

#include "BoardGeometry.h"
#include "BoardReading.h"
#include "BoardTableParts.h"
#include "Gamefield.h"
#include "Gameparts.h"
#include "MessagePart.h"
#include "MoveReport.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace BoardAccessible {

namespace {

void Send(QAccessibleInterface* target, QAccessible::Event type)
{
    QAccessibleEvent event(target, type);
    QAccessible::updateAccessibility(&event);
}

// Qt tells assistive technology that the client widget took the keyboard focus; the
// part that stands for it follows, once Qt has done so.
class FocusEcho : public QObject {
public:
    explicit FocusEcho(QWidget* client)
        : QObject(client)
    {
        client->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto* client = static_cast<QWidget*>(watched);
            QMetaObject::invokeMethod(
                this, [client] {
                    if (ClientAccessible* accessible = ClientAccessible::Of(client))
                        accessible->SendFocus();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

ClientAccessible::ClientAccessible(QWidget* client, const BoardReading& board)
    : QAccessibleWidget(client, QAccessible::Client)
    , board(board)
    , table(new BoardPart(*this))
    , message(new MessagePart(*this))
    , focusEcho(new FocusEcho(client))
{
    QAccessible::registerAccessibleInterface(table);
    QAccessible::registerAccessibleInterface(message);
}

ClientAccessible::~ClientAccessible()
{
    delete focusEcho;
    for (CellPart* cell : cells)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(table));
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(message));
}

ClientAccessible* ClientAccessible::Of(QWidget* client)
{
    return dynamic_cast<ClientAccessible*>(QAccessible::queryAccessibleInterface(client));
}

QAccessibleInterface* ClientAccessible::child(int index) const
{
    if (index == 0)
        return table;
    return index == 1 ? message : nullptr;
}

int ClientAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == table)
        return 0;
    return child == message ? 1 : -1;
}

QAccessibleInterface* ClientAccessible::childAt(int x, int y) const
{
    if (table->rect().contains(x, y))
        return table;
    return message->rect().contains(x, y) ? message : nullptr;
}

int32_t ClientAccessible::CellsShown() const
{
    // The player stands on a cell whenever a pattern is on the board.
    const GameField& field = board.field();
    const int32_t player = board.player().cellIndex();
    return player < field.option().cell && field.Cell(player).player >= 0 ? field.option().cell : 0;
}

QAccessibleInterface* ClientAccessible::Cell(int32_t index) const
{
    while (static_cast<int32_t>(cells.size()) <= index) {
        auto* cell = new CellPart(*const_cast<ClientAccessible*>(this), static_cast<int32_t>(cells.size()));
        QAccessible::registerAccessibleInterface(cell);
        cells.push_back(cell);
    }
    return cells[index];
}

QString ClientAccessible::CellName(int32_t index) const
{
    if (FocusedCell() == index)
        return BoardSpeech::Report(board, news);
    return BoardSpeech::CellName(board.field().Cell(index));
}

std::optional<int32_t> ClientAccessible::FocusedCell() const
{
    if (CellsShown() == 0)
        return std::nullopt;
    return board.player().cellIndex();
}

QAccessibleInterface* ClientAccessible::Target() const
{
    const std::optional<int32_t> cell = FocusedCell();
    return cell ? Cell(*cell) : message;
}

QAccessibleInterface* ClientAccessible::Board() const
{
    return table;
}

QRect ClientAccessible::OnScreen(const QRect& area) const
{
    return BoardGeometry::OnClient(area, board.zoom()).translated(widget()->mapToGlobal(QPoint(0, 0)));
}

QPoint ClientAccessible::FromScreen(QPoint pixel) const
{
    return BoardGeometry::InBitmap(widget()->mapFromGlobal(pixel), board.zoom());
}

// A refused move changed nothing, and says nothing: the last report still holds. Nor is
// there anything to tell of a window that is closing.
void ClientAccessible::AnnounceMove(const MoveReport& move)
{
    if ((!move.made() && told) || board.state() == GameState::Quitting)
        return;
    BoardSpeech::News next;
    if (move.result == Rules::MoveResult::Chased && told) {
        next.chased = true;
        next.ducksMoved = Enemies() != told->enemies;
    }
    Tell(next);
}

void ClientAccessible::AnnounceState()
{
    if (board.state() == GameState::Quitting)
        return;
    BoardSpeech::News next;
    next.state = BoardSpeech::Unspaced(board.message());
    Tell(next);
}

std::vector<int32_t> ClientAccessible::Enemies() const
{
    std::vector<int32_t> enemies = board.enemy().cells();
    std::sort(enemies.begin(), enemies.end());
    return enemies;
}

// The names read the news, so it is taken first.
ClientAccessible::Told ClientAccessible::Snapshot() const
{
    Told now{{}, {}, message->text(QAccessible::Name), FocusedCell(), Enemies()};
    for (int32_t i = 0; i < CellsShown(); ++i) {
        now.names.push_back(CellName(i));
        now.places.push_back(BoardSpeech::Where(board.field().Cell(i)));
    }
    return now;
}

void ClientAccessible::Tell(const BoardSpeech::News& next)
{
    news = next;
    Told now = Snapshot();
    const Told before = told.value_or(Told{});
    TellCells(before, now);
    if (now.message != before.message)
        Send(message, QAccessible::NameChanged);
    const bool moved = !told || now.focus != before.focus;
    told = std::move(now);
    if (moved)
        SendFocus();
}

// Names before the focus: a reader speaks the focused cell as it is now. Cells the board
// did not show before are new to the reader; those it shows no more are no longer valid,
// which the table's readers (that cache none of its cells) learn by asking.
void ClientAccessible::TellCells(const Told& before, const Told& now)
{
    for (size_t i = 0; i < now.names.size(); ++i) {
        QAccessibleInterface* cell = Cell(static_cast<int32_t>(i));
        if (i >= before.names.size()) {
            Send(cell, QAccessible::ObjectCreated);
            continue;
        }
        if (now.names[i] != before.names[i])
            Send(cell, QAccessible::NameChanged);
        if (now.places[i] != before.places[i])
            Send(cell, QAccessible::DescriptionChanged);
    }
}

void ClientAccessible::SendFocus()
{
    if (HasFocus())
        Send(Target(), QAccessible::Focus);
}

} // namespace BoardAccessible
