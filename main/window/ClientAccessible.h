#pragma once

#include "BoardSpeech.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <cstdint>
#include <optional>
#include <vector>

class BoardReading;
struct MoveReport;

namespace BoardAccessible {

class BoardPart;
class CellPart;
class MessagePart;

// The main window's client area, a plain widget the game paints. Its children are drawn,
// not widgets: the board with its cells, and the message line. They are made with it and
// go with it; the cells are made when first asked for and stay for the cell index.
class ClientAccessible : public QAccessibleWidget {
public:
    ClientAccessible(QWidget* client, const BoardReading& board);
    ~ClientAccessible() override;

    // The one Qt made for the client area, if it made one.
    static ClientAccessible* Of(QWidget* client);

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
    QPoint FromScreen(QPoint pixel) const;
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

} // namespace BoardAccessible
