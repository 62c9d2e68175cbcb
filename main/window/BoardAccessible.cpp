#include "BoardAccessible.h"

#include "ClientAccessible.h"

#include <QAccessible>
#include <QWidget>

namespace {

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
            return new BoardAccessible::ClientAccessible(static_cast<QWidget*>(object), reader->board);
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
    if (ClientAccessible* accessible = ClientAccessible::Of(client))
        accessible->AnnounceMove(move);
}

void AnnounceState(QWidget* client)
{
    if (!QAccessible::isActive())
        return;
    if (ClientAccessible* accessible = ClientAccessible::Of(client))
        accessible->AnnounceState();
}

} // namespace BoardAccessible
