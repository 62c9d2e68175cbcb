// What any Qt game of Tarvik's size pays: a main window with a two-menu menu bar, a
// 556 x 420 client painted from a pixmap, and a 100 ms timer that does nothing.
// bench/startup measures it beside the game.
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace {

class Client : public QWidget {
public:
    Client()
        : pixmap(556, 420)
    {
        setFixedSize(pixmap.size());
        setAttribute(Qt::WA_OpaquePaintEvent);
        pixmap.fill(QColor(0, 64, 0));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter(this).drawPixmap(event->rect(), pixmap, event->rect());
    }

private:
    QPixmap pixmap;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&Start"));
    game->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new Client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(100);

    window.show();
    return app.exec();
}
