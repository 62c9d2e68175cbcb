#include "OptionDialog.h"

#include "DialogFrame.h"
#include "SettingTable.h"
#include "ui_OptionDialog.h"

#include <QPixmap>
#include <QShowEvent>

#include <utility>

TOptionDialog::TOptionDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TOptionDialog>())
{
    ui->setupUi(this);
    SetDialogFrame(this);
    for (QSlider* bar : {ui->CellTrkBar, ui->EnemyTrkBar, ui->ObstacleTrkBar, ui->TrapTrkBar})
        connect(bar, &QSlider::valueChanged, this, &TOptionDialog::TBarsChange);
    connect(ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->DefaultButton, &QPushButton::clicked, this, &TOptionDialog::DefaultButtonClick);
    FormCreate();
}

TOptionDialog::~TOptionDialog() = default;

void TOptionDialog::FormCreate()
{
    for (const auto& [bar, setting] : {std::pair{ui->CellTrkBar, &Settings::Cell}, {ui->EnemyTrkBar, &Settings::EnemyCount},
                                       {ui->ObstacleTrkBar, &Settings::Obstacle}, {ui->TrapTrkBar, &Settings::Trap}})
        bar->setRange(setting->minimum, setting->maximum);
    CentrePictures();
    SetDefaults();
}

// The pictures are drawn smaller than their boxes; show them at their own size in the
// middle of the box rather than stretched, whenever the box leaves room around them.
void TOptionDialog::CentrePictures()
{
    const QPixmap picture = ui->CellImage->pixmap();
    if (picture.isNull())
        return;
    const int32_t width = picture.width();
    const int32_t height = picture.height();
    const int32_t dx = (ui->CellImage->width() - width) / 2;
    const int32_t dy = (ui->CellImage->height() - height) / 2;
    if (dx <= 0 || dy <= 0)
        return;
    for (QLabel* image : {ui->CellImage, ui->EnemyImage, ui->ObstacleImage, ui->TrapImage})
        image->setGeometry(image->x() + dx, image->y() + dy, width, height);
}

void TOptionDialog::SetFieldOption(const FieldOption& option)
{
    ui->CellTrkBar->setValue(option.cell);
    ui->ObstacleTrkBar->setValue(option.obstacle);
    ui->TrapTrkBar->setValue(option.trap);
    // An unchanged position sends no change signal, so the labels are rewritten here.
    for (QSlider* bar : {ui->CellTrkBar, ui->EnemyTrkBar, ui->ObstacleTrkBar, ui->TrapTrkBar})
        UpdateValueLabel(bar);
}

FieldOption TOptionDialog::GetFieldOption() const
{
    FieldOption option;
    option.cell = ui->CellTrkBar->value();
    option.obstacle = ui->ObstacleTrkBar->value();
    option.trap = ui->TrapTrkBar->value();
    return option;
}

void TOptionDialog::SetEnemyCount(int32_t count)
{
    ui->EnemyTrkBar->setValue(count);
    UpdateValueLabel(ui->EnemyTrkBar);
}

int32_t TOptionDialog::GetEnemyCount() const
{
    return ui->EnemyTrkBar->value();
}

void TOptionDialog::SetSystemOption(const SystemOption& option)
{
    ui->ConfirmChkBox->setChecked(option.confirm);
    ui->PositionChkBox->setChecked(option.position);
    ui->StatusChkBox->setChecked(option.status);
}

SystemOption TOptionDialog::GetSystemOption() const
{
    SystemOption option;
    option.confirm = ui->ConfirmChkBox->isChecked();
    option.position = ui->PositionChkBox->isChecked();
    option.status = ui->StatusChkBox->isChecked();
    return option;
}

void TOptionDialog::SetSoundEnabled(bool enabled)
{
    ui->SoundChkBox->setChecked(enabled);
}

bool TOptionDialog::GetSoundEnabled() const
{
    return ui->SoundChkBox->isChecked();
}

void TOptionDialog::SetSoundUnavailable(bool unavailable)
{
    ui->SoundChkBox->setEnabled(!unavailable);
}

// The sound switch is left alone: it belongs to the sound player, not to a pattern.
void TOptionDialog::SetDefaults()
{
    SetFieldOption(FieldOption{});
    SetSystemOption(SystemOption{});
    SetEnemyCount(Settings::EnemyCount.initial);
}

void TOptionDialog::UpdateValueLabel(QSlider* trackBar)
{
    QLabel* label = nullptr;
    if (trackBar == ui->CellTrkBar)
        label = ui->CellLabel1;
    else if (trackBar == ui->EnemyTrkBar)
        label = ui->EnemyLabel1;
    else if (trackBar == ui->ObstacleTrkBar)
        label = ui->ObstacleLabel1;
    else if (trackBar == ui->TrapTrkBar)
        label = ui->TrapLabel1;
    if (label)
        label->setText(QStringLiteral(" x ") + QString::number(trackBar->value()));
}

void TOptionDialog::TBarsChange()
{
    UpdateValueLabel(qobject_cast<QSlider*>(sender()));
}

void TOptionDialog::DefaultButtonClick()
{
    SetDefaults();
}

void TOptionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Every showing starts on OK, so Enter accepts at once whatever had the focus last time.
void TOptionDialog::FormShow()
{
    CentreOnScreen(this);
    ui->OkButton->setFocus(Qt::OtherFocusReason);
}
