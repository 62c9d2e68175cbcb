#pragma once

#include "StatusOption.h"

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class TStatusDialog;
}

// Shows the statistics as a table of four nine-line columns; changes nothing.
class TStatusDialog : public QDialog {
    Q_OBJECT

public:
    explicit TStatusDialog(QWidget* parent = nullptr);
    ~TStatusDialog() override;

    void SetStatusOption(const StatusOption& option);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    static QStringList Names();

    std::unique_ptr<Ui::TStatusDialog> ui;
};
