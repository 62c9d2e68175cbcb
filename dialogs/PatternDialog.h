#pragma once

#include "PatternNumber.h"

struct SolverResult;

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TPatternDialog;
}

// The number of the pattern dealt last, to read out or copy, its par, and a field to type a
// number in. The window loads the number and the par before each showing. Play ends the dialog with
// QDialog::Accepted only for a number that names a pattern; a bad one gets its message in
// the dialog, which stays open. Close, Esc and the close box give QDialog::Rejected.
class TPatternDialog : public QDialog {
    Q_OBJECT

public:
    explicit TPatternDialog(QWidget* parent = nullptr);
    ~TPatternDialog() override;

    // None before the first pattern.
    void SetNumber(const std::optional<PatternNumber>& number);
    // What the search from the pattern's start found; none while it has found nothing.
    void SetPar(const std::optional<SolverResult>& start);
    const PatternNumber& GetTypedNumber() const { return typed; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CopyButtonClick();
    void PlayButtonClick();

    std::unique_ptr<Ui::TPatternDialog> ui;
    PatternNumber typed;
};
