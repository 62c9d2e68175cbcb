#include "StatusDialog.h"

#include "DialogFrame.h"
#include "ProgramTexts.h"
#include "ui_StatusDialog.h"

#include <QKeyEvent>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdint>

TStatusDialog::TStatusDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TStatusDialog>())
{
    ui->setupUi(this);
    SetDialogFrame(this);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

TStatusDialog::~TStatusDialog() = default;

// Every column has nine lines, rows 3 and 6 empty, so the vertically centred
// columns line up row by row.
void TStatusDialog::FormCreate()
{
    ui->KeyLabel->setText(Names().join(LineBreak));
    const QString colon = QStringLiteral(":");
    ui->EqualLabel->setText(
        QStringList{colon, colon, QString(), colon, colon, QString(), colon, colon, colon}.join(LineBreak));
    // The eye reads the four columns across, row by row; a screen reader reads one label
    // after another. So the name column speaks the rows as name and value pairs (see
    // SetStatusOption), and the other three columns, a blank each, say nothing.
    for (QLabel* column : {ui->EqualLabel, ui->ValueLabel, ui->RatioLabel})
        column->setAccessibleName(QStringLiteral(" "));
}

// The names column, rows 3 and 6 empty.
QStringList TStatusDialog::Names()
{
    return {tr("Start"), tr("Retry"), QString(), tr("Clear"), tr("Gameover"), QString(),
            tr("Hat Trick"), tr("Succeeding"), tr("Max Succeeding")};
}

// The share of clears among finished patterns, e.g. "66.7", with the separator of
// the current default locale.
static QString RatioText(const StatusOption& option)
{
    // Summed wide: counts read from the settings file may be anywhere in 32 bits.
    const int64_t finished = int64_t{option.clear} + option.gameover;
    const float ratio = finished == 0 ? 0.0f : static_cast<float>(option.clear * 100.0 / finished);
    // Rounded to tenths here, halves away from zero (6.25 shows 6.3), rather than
    // relying on how the formatter breaks ties.
    const long long tenths = std::llround(static_cast<double>(ratio) * 10.0);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(tenths / 10.0, 'f', 1);
}

void TStatusDialog::SetStatusOption(const StatusOption& option)
{
    const auto number = [](int32_t value) { return QString::number(value); };
    ui->ValueLabel->setText(QStringList{number(option.start), number(option.retry), QString(),
                                        number(option.clear), number(option.gameover), QString(),
                                        number(option.hattrick), number(option.succeeding),
                                        number(option.maxSucceeding)}
                                .join(LineBreak));
    QStringList ratio(9);
    ratio[3] = tr(" (%1%)").arg(RatioText(option));
    ui->RatioLabel->setText(ratio.join(LineBreak));

    const QStringList names = Names();
    const QStringList values = ui->ValueLabel->text().split(LineBreak);
    QStringList pairs;
    for (qsizetype row = 0; row < names.size(); ++row) {
        if (!names[row].isEmpty())
            pairs << tr("%1: %2").arg(names[row], values[row]) + ratio[row];
    }
    ui->KeyLabel->setAccessibleName(pairs.join(LineBreak));
}

void TStatusDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CentreOnScreen(this);
}

// No cancel button: only OK, Enter and the close box end the dialog.
void TStatusDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    QDialog::keyPressEvent(event);
}
