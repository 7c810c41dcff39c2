#include "window/DialogPrintSet.h"

#include "printing/PdfExport.h"
#include "printing/PdfFailureText.h"
#include "printing/SheetPrinter.h"
#include "Texts.h"

#include <QPrinter>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// How much of the screen's free area the preview takes at first.
constexpr double PreviewShareOfScreen = 0.9;

QPushButton* MakeButton(QWidget* Parent, const char* Name, const QString& Text)
{
    auto* button = new QPushButton(Text, Parent);
    button->setObjectName(QString::fromLatin1(Name));
    button->setAutoDefault(false);
    return button;
}

// Asks before a set goes out: a class set is many pages, and a second click on 印刷
// would print them all again.
bool ConfirmPrint(QWidget* Parent, const QString& Destination, int Pages)
{
    QMessageBox question(QMessageBox::Question, Texts::SetCaption,
                         Texts::SetPrintQuestion.arg(Destination).arg(Pages), QMessageBox::NoButton,
                         Parent);
    question.setObjectName(QStringLiteral("MessagePrintSet"));
    QPushButton* print = question.addButton(Texts::SetPrintConfirm, QMessageBox::AcceptRole);
    question.setEscapeButton(question.addButton(Texts::Cancel, QMessageBox::RejectRole));
    question.setDefaultButton(print);
    question.exec();
    return question.clickedButton() == print;
}

// The preview opens over most of the screen, with its print button first in the tool
// bar, where no narrow screen folds it away behind the bar's overflow.
void FitPreview(QPrintPreviewDialog& Preview)
{
    if (const QScreen* screen = Preview.screen()) {
        const QRect free = screen->availableGeometry();
        QRect frame(QPoint(), free.size() * PreviewShareOfScreen);
        frame.moveCenter(free.center());
        Preview.setGeometry(frame);
    }
    // Qt's own text, in whatever language Qt speaks; named through a variable so that
    // lupdate leaves it to Qt's translations.
    static constexpr char previewContext[] = "QPrintPreviewDialog";
    const QString printText = QCoreApplication::translate(previewContext, "Print");
    for (QToolBar* bar : Preview.findChildren<QToolBar*>()) {
        const QList<QAction*> actions = bar->actions();
        for (QAction* action : actions)
            if (action->text() == printText && action != actions.front()) {
                bar->removeAction(action);
                bar->insertAction(actions.front(), action);
                bar->insertSeparator(actions.front());
            }
    }
}

}  // namespace

TDialogPrintSet::TDialogPrintSet(const TSheet& Sheet, TSheetPrinter& Printer, QWidget* Parent)
    : QDialog(Parent), FSheet(Sheet), FPrinter(Printer),
      FChooseFile([](QWidget* parent, const QString& path) {
          return QFileDialog::getSaveFileName(parent, Texts::SetSaveCaption, path, Texts::SetPdfFilter);
      })
{
    setObjectName(QStringLiteral("DialogPrintSet"));
    setWindowTitle(Texts::SetCaption);

    SpinBoxSheets = new QSpinBox(this);
    SpinBoxSheets->setObjectName(QStringLiteral("SpinBoxSheets"));
    SpinBoxSheets->setRange(1, 60);
    SpinBoxSheets->setValue(1);
    ComboBoxAnswerPages = new QComboBox(this);
    ComboBoxAnswerPages->setObjectName(QStringLiteral("ComboBoxAnswerPages"));
    ComboBoxAnswerPages->addItems({Texts::SetAnswersNone, Texts::SetAnswersEach, Texts::SetAnswersList});

    auto* form = new QFormLayout;
    form->addRow(Texts::SetSheetsLabel, SpinBoxSheets);
    form->addRow(Texts::SetAnswersLabel, ComboBoxAnswerPages);

    auto* preview = MakeButton(this, "ButtonPreview", Texts::SetPreview);
    auto* savePdf = MakeButton(this, "ButtonSavePdf", Texts::SetSavePdf);
    auto* print = MakeButton(this, "ButtonPrint", Texts::SetPrint);
    auto* close = MakeButton(this, "ButtonClose", Texts::SetClose);
    connect(preview, &QPushButton::clicked, this, &TDialogPrintSet::ButtonPreviewClick);
    connect(savePdf, &QPushButton::clicked, this, &TDialogPrintSet::ButtonSavePdfClick);
    connect(print, &QPushButton::clicked, this, &TDialogPrintSet::ButtonPrintClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {preview, savePdf, print, close})
        buttons->addWidget(button);
    // What the last print or save did, in words.
    LabelResult = new QLabel(this);
    LabelResult->setObjectName(QStringLiteral("LabelPrintSetResult"));
    LabelResult->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(LabelResult);
}

std::unique_ptr<TSheetDocument> TDialogPrintSet::Document() const
{
    const TSheet first = FSheet;
    const int count = SpinBoxSheets->value();
    // Every sheet of a set, the first too, is one its settings draw and its code
    // brings back; a range with fewer than six weights gives none.
    if (!DrawSheet(first.Settings, first.Seed))
        return nullptr;
    std::vector<TSheet> sheets = DrawSet(first, count);
    if (static_cast<int>(sheets.size()) < count)
        return nullptr;
    return std::make_unique<TSheetDocument>(
        std::move(sheets), static_cast<TAnswerPages>(ComboBoxAnswerPages->currentIndex()));
}

std::unique_ptr<TSheetDocument> TDialogPrintSet::FilledDocument()
{
    LabelResult->clear();
    std::unique_ptr<TSheetDocument> document = Document();
    if (!document)
        FPrinter.ReportError(this, Texts::SetCannotFill.arg(SpinBoxSheets->value()));
    return document;
}

void TDialogPrintSet::showEvent(QShowEvent* Event)
{
    LabelResult->clear();
    QDialog::showEvent(Event);
}

QString TDialogPrintSet::DefaultPdfPath() const
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString name = QStringLiteral("kestrum-%1-%2sheets.pdf")
                             .arg(QDate::currentDate().toString(Qt::ISODate))
                             .arg(SpinBoxSheets->value());
    return QDir(folder).filePath(name);
}

void TDialogPrintSet::ButtonPreviewClick()
{
    const std::unique_ptr<TSheetDocument> document = FilledDocument();
    if (!document)
        return;
    QPrinter printer(QPrinter::HighResolution);
    FPrinter.PreparePreview(printer, Texts::WindowCaption);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PreviewPrintSet"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter*) {
        QPainter painter(&printer);
        document->Paint(printer, painter);
    });
    FitPreview(preview);
    preview.exec();
}

void TDialogPrintSet::ButtonSavePdfClick()
{
    const std::unique_ptr<TSheetDocument> document = FilledDocument();
    if (!document)
        return;
    const QString path = FChooseFile(this, DefaultPdfPath());
    if (path.isEmpty())
        return;
    const TPdfResult result =
        SavePdf(*document, path, FPrinter.Printer().pageLayout().pageSize());
    if (!result.Saved)
        FPrinter.ReportError(this, Texts::PdfSaveFailed.arg(path, PdfFailureText(result)));
    else
        LabelResult->setText(Texts::SetSaved.arg(document->PageCount()).arg(QDir::toNativeSeparators(path)));
}

void TDialogPrintSet::ButtonPrintClick()
{
    const std::unique_ptr<TSheetDocument> document = FilledDocument();
    if (!document)
        return;
    TSheetPrinter& printer = FPrinter;
    // Nowhere to print: the print itself says so, as the one-sheet print does.
    const QString destination = printer.Destination();
    if (!destination.isEmpty() && !ConfirmPrint(this, destination, document->PageCount()))
        return;
    if (printer.Print(*document, this, Texts::WindowCaption))
        LabelResult->setText(Texts::SetPrinted.arg(document->PageCount()).arg(destination));
}
