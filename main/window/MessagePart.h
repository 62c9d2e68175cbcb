#pragma once

#include "AccessiblePart.h"

namespace BoardAccessible {

// The message line, one static text that holds the focus while no pattern is on the board.
class MessagePart : public Part {
public:
    using Part::Part;

    QAccessibleInterface* parent() const override { return &client; }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;
};

} // namespace BoardAccessible
