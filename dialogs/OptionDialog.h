#pragma once

#include "Gamefield.h"
#include "SystemOption.h"

#include <QDialog>

#include <cstdint>
#include <memory>

class QSlider;
class QLabel;
namespace Ui {
class TOptionDialog;
}

// Holds the pattern numbers and the switches in its controls; the main window loads
// them before each showing and reads them back after OK. exec() returns
// QDialog::Accepted (1) for OK and QDialog::Rejected (0) for Cancel, Esc and the close box.
class TOptionDialog : public QDialog {
    Q_OBJECT

public:
    explicit TOptionDialog(QWidget* parent = nullptr);
    ~TOptionDialog() override;

    void SetFieldOption(const FieldOption& option);
    FieldOption GetFieldOption() const;
    void SetEnemyCount(int32_t count);
    int32_t GetEnemyCount() const;
    void SetSystemOption(const SystemOption& option);
    SystemOption GetSystemOption() const;
    void SetSoundEnabled(bool enabled);
    bool GetSoundEnabled() const;
    void SetSoundUnavailable(bool unavailable);
    void SetDefaults();
    void UpdateValueLabel(QSlider* trackBar);

public slots:
    void TBarsChange();
    void DefaultButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void CentrePictures();

    std::unique_ptr<Ui::TOptionDialog> ui;
};
