#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

// What a modal message box showed before the test answered it.
struct ShownBox {
    bool seen = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next modal message box with the given button and records what it showed.
// A watchdog closes any modal widget left open, so a failed check cannot hang the test.
std::shared_ptr<ShownBox> AnswerNextBox(QMessageBox::StandardButton answer, int timeoutMs = 5000);

// Answers the next message boxes in turn, one answer each.
std::shared_ptr<std::vector<ShownBox>> AnswerBoxes(std::vector<QMessageBox::StandardButton> answers,
                                                   int timeoutMs = 5000);

// Hands the next modal widget (a dialog) to act, which must close it.
void ActOnNextModal(std::function<void(QWidget*)> act, int timeoutMs = 5000);
