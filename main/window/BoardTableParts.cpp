#include "BoardTableParts.h"

#include "BoardGeometry.h"
#include "BoardReading.h"
#include "BoardSpeech.h"
#include "Gamefield.h"

#include <optional>

namespace BoardAccessible {

int BoardPart::childCount() const
{
    return client.CellsShown();
}

QAccessibleInterface* BoardPart::child(int index) const
{
    return index >= 0 && index < childCount() ? client.Cell(index) : nullptr;
}

int BoardPart::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const CellPart*>(child);
    return cell && cell->parent() == this && cell->index < childCount() ? cell->index : -1;
}

QAccessibleInterface* BoardPart::childAt(int x, int y) const
{
    const std::optional<QPoint> square = BoardGeometry::SquareAt(client.FromScreen({x, y}));
    return square ? cellAt(square->y(), square->x()) : nullptr;
}

QString BoardPart::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? BoardSpeech::BoardName() : QString();
}

QRect BoardPart::rect() const
{
    return client.OnScreen(BoardGeometry::FieldRect);
}

QAccessible::State BoardPart::state() const
{
    QAccessible::State s;
    s.readOnly = true;
    return s;
}

void* BoardPart::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
}

QAccessibleInterface* BoardPart::cellAt(int row, int column) const
{
    if (childCount() == 0 || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return client.Cell(client.reading().field().Grid(column, row));
}

int BoardPart::rowCount() const
{
    return childCount() > 0 ? GameField::Rows : 0;
}

int BoardPart::columnCount() const
{
    return childCount() > 0 ? GameField::Columns : 0;
}

bool CellPart::isValid() const
{
    return Part::isValid() && index < client.CellsShown();
}

QString CellPart::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return client.CellName(index);
    if (t == QAccessible::Description)
        return BoardSpeech::Where(Record());
    return {};
}

QRect CellPart::rect() const
{
    return client.OnScreen(BoardGeometry::CellRect(Record()));
}

QAccessible::State CellPart::state() const
{
    QAccessible::State s;
    s.readOnly = true;
    s.focusable = true;
    s.focused = client.FocusedCell() == index && client.HasFocus();
    return s;
}

void* CellPart::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

int CellPart::columnIndex() const
{
    return Record().left;
}

int CellPart::rowIndex() const
{
    return Record().top;
}

int CellPart::columnExtent() const
{
    return Record().right - Record().left;
}

int CellPart::rowExtent() const
{
    return Record().bottom - Record().top;
}

const FieldCell& CellPart::Record() const
{
    return client.reading().field().Cell(index);
}

} // namespace BoardAccessible
