#include "ModalHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

namespace {

void Poll(std::function<bool(QWidget*)> onModal, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, onModal, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && onModal(modal)) {
            timer->deleteLater();
            timer->stop();
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

}

static ShownBox Answer(QMessageBox* box, QMessageBox::StandardButton answer)
{
    const ShownBox shown{true, box->windowTitle(), box->text(), box->icon()};
    if (QAbstractButton* button = box->button(answer))
        button->click();
    else
        box->reject();
    return shown;
}

std::shared_ptr<ShownBox> AnswerNextBox(QMessageBox::StandardButton answer, int timeoutMs)
{
    auto shown = std::make_shared<ShownBox>();
    Poll([shown, answer](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box)
            *shown = Answer(box, answer);
        return box != nullptr;
    }, timeoutMs);
    return shown;
}

std::shared_ptr<std::vector<ShownBox>> AnswerBoxes(std::vector<QMessageBox::StandardButton> answers,
                                                   int timeoutMs)
{
    auto shown = std::make_shared<std::vector<ShownBox>>();
    Poll([shown, answers](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            shown->push_back(Answer(box, answers[shown->size()]));
        return shown->size() == answers.size();
    }, timeoutMs);
    return shown;
}

void ActOnNextModal(std::function<void(QWidget*)> act, int timeoutMs)
{
    Poll([act](QWidget* modal) {
        act(modal);
        return true;
    }, timeoutMs);
}
