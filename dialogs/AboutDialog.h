#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutDialog;
}

// The icon and the title, platform, version and copyright lines, built once.
class TAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit TAboutDialog(QWidget* parent = nullptr);
    ~TAboutDialog() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();

    std::unique_ptr<Ui::TAboutDialog> ui;
};
