#include "PatternDialog.h"

#include "DialogFrame.h"
#include "GameSolver.h"
#include "SettingTable.h"
#include "ui_PatternDialog.h"

#include <QClipboard>
#include <QShowEvent>

namespace {

QString FaultText(PatternNumber::Fault fault)
{
    switch (fault) {
    case PatternNumber::Fault::Range:
        return TPatternDialog::tr("This number asks for options the game does not have: cells go from %1 to %2, "
                                  "trees from %3 to %4, ponds from %5 to %6 and ducks from %7 to %8.")
            .arg(Settings::Cell.minimum)
            .arg(Settings::Cell.maximum)
            .arg(Settings::Obstacle.minimum)
            .arg(Settings::Obstacle.maximum)
            .arg(Settings::Trap.minimum)
            .arg(Settings::Trap.maximum)
            .arg(Settings::EnemyCount.minimum)
            .arg(Settings::EnemyCount.maximum);
    case PatternNumber::Fault::Long:
        return TPatternDialog::tr("This number is too long: cells, trees, ponds and ducks have at most two digits "
                                  "each, the seed at most eight.");
    case PatternNumber::Fault::Form:
        break;
    }
    return TPatternDialog::tr("A pattern number is five numbers joined by dashes: cells, trees, ponds, ducks and "
                              "seed, for example 32-3-2-3-48213907.");
}

QString ParText(const std::optional<SolverResult>& start)
{
    if (start && start->verdict == Verdict::Lost)
        return TPatternDialog::tr("No par: no sure way clears this pattern from its start.");
    if (!start || start->verdict != Verdict::Clearable || start->par < 0)
        return TPatternDialog::tr("Par not known yet.");
    return (start->parProved ? TPatternDialog::tr("Par %1") : TPatternDialog::tr("Par at most %1")).arg(start->par);
}

}

TPatternDialog::TPatternDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TPatternDialog>())
{
    ui->setupUi(this);
    SetDialogFrame(this);
    connect(ui->CopyButton, &QPushButton::clicked, this, &TPatternDialog::CopyButtonClick);
    connect(ui->PlayButton, &QPushButton::clicked, this, &TPatternDialog::PlayButtonClick);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->TypedEdit, &QLineEdit::textEdited, ui->MessageLabel, &QLabel::clear);
}

TPatternDialog::~TPatternDialog() = default;

void TPatternDialog::SetNumber(const std::optional<PatternNumber>& number)
{
    ui->CurrentEdit->setText(number ? QString::fromStdString(number->Text()) : QString());
    ui->CopyButton->setEnabled(number.has_value());
}

void TPatternDialog::SetPar(const std::optional<SolverResult>& start)
{
    ui->ParLabel->setText(ParText(start));
}

void TPatternDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    CentreOnScreen(this);
    // A message belongs to the number it was about; what was typed stays, ready to retype.
    ui->MessageLabel->clear();
    ui->TypedEdit->selectAll();
    ui->TypedEdit->setFocus();
}

void TPatternDialog::CopyButtonClick()
{
    QGuiApplication::clipboard()->setText(ui->CurrentEdit->text());
}

void TPatternDialog::PlayButtonClick()
{
    const auto parsed = PatternNumber::Parse(ui->TypedEdit->text().toStdString());
    if (const auto* fault = std::get_if<PatternNumber::Fault>(&parsed)) {
        ui->MessageLabel->setText(FaultText(*fault));
        ui->TypedEdit->setFocus();
        return;
    }
    typed = std::get<PatternNumber>(parsed);
    accept();
}
