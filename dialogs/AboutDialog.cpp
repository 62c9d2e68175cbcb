#include "AboutDialog.h"

#include "DialogFrame.h"
#include "ProgramTexts.h"
#include "ui_AboutDialog.h"

#include <QKeyEvent>

TAboutDialog::TAboutDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TAboutDialog>())
{
    ui->setupUi(this);
    SetDialogFrame(this);
    connect(ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

TAboutDialog::~TAboutDialog() = default;

void TAboutDialog::FormCreate()
{
    const QString blanks = QStringLiteral("  ");
    ui->MessageLabel->setText(TitleText + blanks + tr(PlatformText) + blanks
                              + tr(VersionText).arg(QStringLiteral(TARVIK_VERSION)) + LineBreak + LineBreak
                              + LineBreak + tr(CopyrightText));
}

void TAboutDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CentreOnScreen(this);
}

// No cancel button: only OK, Enter and the close box end the dialog.
void TAboutDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    QDialog::keyPressEvent(event);
}
