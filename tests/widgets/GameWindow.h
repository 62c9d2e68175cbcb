#pragma once

#include "BoardGeometry.h"
#include "BoardView.h"
#include "GameForms.h"
#include "GamePaths.h"
#include "GameRandom.h"
#include "GameState.h"
#include "HintDesk.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The whole program as main() puts it together, with a seeded random source, in a game
// folder of its own: an optional settings file is written there before start-up, and
// the folder goes with the window, so tests never see each other's files. language is
// the one main() would have chosen (empty: English).
class GameWindow {
public:
    explicit GameWindow(const QByteArray& settings = {}, uint32_t seed = 7, const QString& language = {})
        : paths(GamePaths::InFolder(folder.path(), language))
        , seed(seed)
        , random(seed)
    {
        if (!settings.isEmpty()) {
            QFile file(paths.settings);
            file.open(QIODevice::WriteOnly);
            file.write(settings);
        }
        forms = std::make_unique<GameForms>(random, paths);
        TSys* sys = forms->sys.get();
        // Shortcuts reach only an active window, and the first activation would reset
        // the pause counter in the middle of a test.
        sys->show();
        sys->activateWindow();
        if (!QTest::qWaitForWindowActive(sys))
            qWarning("the game window did not become active");
    }

    TSys& operator*() const { return *forms->sys; }
    TSys* operator->() const { return forms->sys.get(); }

    QAction* Item(const char* name) const { return forms->sys->findChild<QAction*>(QLatin1String(name)); }

    // Starts the pattern of the window's seed with the player's options, without a question.
    void StartSeeded() const
    {
        forms->sys->PlayPattern({forms->sys->fieldOption(), forms->sys->enemyCount(), seed}, true);
    }

    // Starts a pattern of the given size with no obstacles or traps from the window's seed,
    // bypassing the dialog; the next starts keep the size.
    void StartPattern(int32_t cells, int32_t enemies) const
    {
        forms->sys->SetOptions({cells, 0, 0}, enemies);
        StartSeeded();
    }

    // A client point inside the given cell, clear of its outline.
    QPoint PointIn(int32_t cell) const
    {
        return BoardGeometry::CellRect(forms->sys->field().Cell(cell)).topLeft() + QPoint(3, 3);
    }

    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(forms->sys->client(), button, {}, at);
    }

    const QTemporaryDir folder;
    const GamePaths paths;
    const uint32_t seed;
    GameRandom random;
    std::unique_ptr<GameForms> forms;
};
