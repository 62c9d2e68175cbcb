#pragma once

#include "ClientAccessible.h"

#include <QAccessible>

namespace BoardAccessible {

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

} // namespace BoardAccessible
