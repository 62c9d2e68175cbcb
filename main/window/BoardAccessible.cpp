#include "BoardAccessible.h"

#include "BoardGeometry.h"
#include "BoardReading.h"
#include "BoardSpeech.h"
#include "Gamefield.h"
#include "Gameparts.h"
#include "MoveReport.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

class CellPart;
class BoardPart;
class MessagePart;

// The main window's client area, a plain widget the game paints. Its children are drawn,
// not widgets: the board with its cells, and the message line. They are made with it and
// go with it; the cells are made when first asked for and stay for the cell index.
class ClientAccessible : public QAccessibleWidget {
public:
    ClientAccessible(QWidget* client, const BoardReading& board);
    ~ClientAccessible() override;

    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override { return Target(); }

    // The cells of the pattern on the board; none while the waiting picture shows.
    int32_t CellsShown() const;
    QAccessibleInterface* Cell(int32_t index) const;
    QString CellName(int32_t index) const;
    // What has the focus for assistive technology: the player's cell when a pattern is
    // on the board, else the message line.
    std::optional<int32_t> FocusedCell() const;
    QAccessibleInterface* Target() const;
    QAccessibleInterface* Board() const;
    // Between the board's bitmap pixels and the screen's, through the zoom.
    QRect OnScreen(const QRect& area) const;
    QPoint FromScreen(QPoint pixel) const { return BoardGeometry::InBitmap(widget()->mapFromGlobal(pixel), board.zoom()); }
    bool HasFocus() const { return widget()->hasFocus(); }
    const BoardReading& reading() const { return board; }

    void AnnounceMove(const MoveReport& move);
    void AnnounceState();
    void SendFocus();

private:
    // What assistive technology was last told, to tell it what changed since.
    struct Told {
        std::vector<QString> names;
        std::vector<QString> places;
        QString message;
        std::optional<int32_t> focus;
        std::vector<int32_t> enemies;
    };

    std::vector<int32_t> Enemies() const;
    Told Snapshot() const;
    void Tell(const BoardSpeech::News& next);
    void TellCells(const Told& before, const Told& now);

    const BoardReading& board;
    BoardPart* table = nullptr;
    MessagePart* message = nullptr;
    mutable std::vector<CellPart*> cells;
    QPointer<QObject> focusEcho;
    BoardSpeech::News news;
    std::optional<Told> told;
};

ClientAccessible* Find(QWidget* client)
{
    return dynamic_cast<ClientAccessible*>(QAccessible::queryAccessibleInterface(client));
}

void Send(QAccessibleInterface* target, QAccessible::Event type)
{
    QAccessibleEvent event(target, type);
    QAccessible::updateAccessibility(&event);
}

// A part of the client area that is painted rather than a widget of its own.
class Part : public QAccessibleInterface {
public:
    explicit Part(ClientAccessible& client)
        : client(client)
    {
    }

    bool isValid() const override { return client.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return client.window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    ClientAccessible& client;
};

class MessagePart : public Part {
public:
    using Part::Part;

    QAccessibleInterface* parent() const override { return &client; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? BoardSpeech::Unspaced(client.reading().message()) : QString();
    }
    QRect rect() const override { return client.OnScreen(BoardGeometry::MessageRect); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.focusable = true;
        s.focused = !client.FocusedCell() && client.HasFocus();
        return s;
    }
};

// The squares are the table's rows and columns, and a cell spans its squares.
class BoardPart : public Part, public QAccessibleTableInterface {
public:
    using Part::Part;

    QAccessibleInterface* parent() const override { return &client; }
    int childCount() const override { return client.CellsShown(); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? client.Cell(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const std::optional<QPoint> square = BoardGeometry::SquareAt(client.FromScreen({x, y}));
        return square ? cellAt(square->y(), square->x()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? BoardSpeech::BoardName() : QString();
    }
    QRect rect() const override { return client.OnScreen(BoardGeometry::FieldRect); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (childCount() == 0 || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return client.Cell(client.reading().field().Grid(column, row));
    }
    int rowCount() const override { return childCount() > 0 ? GameField::Rows : 0; }
    int columnCount() const override { return childCount() > 0 ? GameField::Columns : 0; }
    // Nothing on the board is selected, captioned or headed.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

class CellPart : public Part, public QAccessibleTableCellInterface {
public:
    CellPart(ClientAccessible& client, int32_t index)
        : Part(client)
        , index(index)
    {
    }

    bool isValid() const override { return Part::isValid() && index < client.CellsShown(); }
    QAccessibleInterface* parent() const override { return client.Board(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return client.CellName(index);
        if (t == QAccessible::Description)
            return BoardSpeech::Where(Record());
        return {};
    }
    QRect rect() const override { return client.OnScreen(BoardGeometry::CellRect(Record())); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.focusable = true;
        s.focused = client.FocusedCell() == index && client.HasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Record().left; }
    int rowIndex() const override { return Record().top; }
    int columnExtent() const override { return Record().right - Record().left; }
    int rowExtent() const override { return Record().bottom - Record().top; }
    QAccessibleInterface* table() const override { return client.Board(); }

    const int32_t index;

private:
    const FieldCell& Record() const { return client.reading().field().Cell(index); }
};

int BoardPart::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const CellPart*>(child);
    return cell && cell->parent() == this && cell->index < childCount() ? cell->index : -1;
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
                    if (ClientAccessible* accessible = Find(client))
                        accessible->SendFocus();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

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

// Hangs on the client area for as long as it lives, and tells the factory what it reads.
class Reader : public QObject {
public:
    Reader(QWidget* client, const BoardReading& board)
        : QObject(client)
        , board(board)
    {
    }

    const BoardReading& board;
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget"))
        return nullptr;
    for (const QObject* child : object->children()) {
        if (const auto* reader = dynamic_cast<const Reader*>(child))
            return new ClientAccessible(static_cast<QWidget*>(object), reader->board);
    }
    return nullptr;
}

} // namespace

namespace BoardAccessible {

void Install()
{
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    Q_UNUSED(installed);
}

void Attach(QWidget* client, const BoardReading& board)
{
    new Reader(client, board);
}

void AnnounceMove(QWidget* client, const MoveReport& move)
{
    if (!QAccessible::isActive())
        return;
    if (ClientAccessible* accessible = Find(client))
        accessible->AnnounceMove(move);
}

void AnnounceState(QWidget* client)
{
    if (!QAccessible::isActive())
        return;
    if (ClientAccessible* accessible = Find(client))
        accessible->AnnounceState();
}

} // namespace BoardAccessible
