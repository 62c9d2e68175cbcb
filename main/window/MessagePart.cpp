#include "MessagePart.h"

#include "BoardGeometry.h"
#include "BoardReading.h"
#include "BoardSpeech.h"

namespace BoardAccessible {

QString MessagePart::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? BoardSpeech::Unspaced(client.reading().message()) : QString();
}

QRect MessagePart::rect() const
{
    return client.OnScreen(BoardGeometry::MessageRect);
}

QAccessible::State MessagePart::state() const
{
    QAccessible::State s;
    s.readOnly = true;
    s.focusable = true;
    s.focused = !client.FocusedCell() && client.HasFocus();
    return s;
}

} // namespace BoardAccessible
