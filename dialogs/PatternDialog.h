#pragma once

#include "PatternNumber.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TPatternDialog;
}

// The number of the pattern dealt last, to read out or copy, and a field to type a number
// in. The window loads the number before each showing. Play ends the dialog with
// QDialog::Accepted only for a number that names a pattern; a bad one gets its message in
// the dialog, which stays open. Close, Esc and the close box give QDialog::Rejected.
class TPatternDialog : public QDialog {
    Q_OBJECT

public:
    explicit TPatternDialog(QWidget* parent = nullptr);
    ~TPatternDialog() override;

    // None before the first pattern.
    void SetNumber(const std::optional<PatternNumber>& number);
    const PatternNumber& GetTypedNumber() const { return typed; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CopyButtonClick();
    void PlayButtonClick();

    std::unique_ptr<Ui::TPatternDialog> ui;
    PatternNumber typed;
};
