#include "DialogPrintSet.h"

#include "SheetPrinter.h"
#include "UnitKestrum.h"
#include "PdfExport.h"
#include "PdfFailureText.h"
#include "Texts.h"
#include <QPrinter>

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("まとめて印刷");
const QString SheetsLabel = QStringLiteral("枚数(&N):");
const QString AnswersLabel = QStringLiteral("解答(&A):");
const QString AnswersNone = QStringLiteral("なし");
const QString AnswersEach = QStringLiteral("各シートの後に解答");
const QString AnswersList = QStringLiteral("最後に解答一覧");
const QString PreviewText = QStringLiteral("プレビュー(&V)");
const QString SavePdfText = QStringLiteral("PDFに保存(&F)");
const QString PrintText = QStringLiteral("印刷(&P)");
const QString CloseText = QStringLiteral("閉じる");
const QString SaveCaption = QStringLiteral("PDFに保存");
const QString PdfFilter = QStringLiteral("PDF (*.pdf)");

QPushButton* MakeButton(QWidget* Parent, const char* Name, const QString& Text)
{
    auto* button = new QPushButton(Text, Parent);
    button->setObjectName(QString::fromLatin1(Name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TDialogPrintSet::TDialogPrintSet(TFormKestrum& Window)
    : QDialog(&Window), FWindow(Window),
      FChooseFile([](QWidget* parent, const QString& path) {
          return QFileDialog::getSaveFileName(parent, SaveCaption, path, PdfFilter);
      })
{
    setObjectName(QStringLiteral("DialogPrintSet"));
    setWindowTitle(Caption);

    SpinBoxSheets = new QSpinBox(this);
    SpinBoxSheets->setObjectName(QStringLiteral("SpinBoxSheets"));
    SpinBoxSheets->setRange(1, 60);
    SpinBoxSheets->setValue(1);
    ComboBoxAnswerPages = new QComboBox(this);
    ComboBoxAnswerPages->setObjectName(QStringLiteral("ComboBoxAnswerPages"));
    ComboBoxAnswerPages->addItems({AnswersNone, AnswersEach, AnswersList});

    auto* form = new QFormLayout;
    form->addRow(SheetsLabel, SpinBoxSheets);
    form->addRow(AnswersLabel, ComboBoxAnswerPages);

    auto* preview = MakeButton(this, "ButtonPreview", PreviewText);
    auto* savePdf = MakeButton(this, "ButtonSavePdf", SavePdfText);
    auto* print = MakeButton(this, "ButtonPrint", PrintText);
    auto* close = MakeButton(this, "ButtonClose", CloseText);
    connect(preview, &QPushButton::clicked, this, &TDialogPrintSet::ButtonPreviewClick);
    connect(savePdf, &QPushButton::clicked, this, &TDialogPrintSet::ButtonSavePdfClick);
    connect(print, &QPushButton::clicked, this, &TDialogPrintSet::ButtonPrintClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {preview, savePdf, print, close})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

std::unique_ptr<TSheetDocument> TDialogPrintSet::Document() const
{
    return std::make_unique<TSheetDocument>(
        DrawSet(FWindow.Sheet(), SpinBoxSheets->value()),
        static_cast<TAnswerPages>(ComboBoxAnswerPages->currentIndex()));
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
    const std::unique_ptr<TSheetDocument> document = Document();
    // The preview shows the pages on the printer the job would go to, landscape.
    QPrinter printer(QPrinter::HighResolution);
    QPageLayout layout = FWindow.SheetPrinter().Printer().pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    printer.setPageLayout(layout);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PreviewPrintSet"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter*) {
        QPainter painter(&printer);
        document->Paint(printer, painter);
    });
    preview.exec();
}

void TDialogPrintSet::ButtonSavePdfClick()
{
    const QString path = FChooseFile(this, DefaultPdfPath());
    if (path.isEmpty())
        return;
    const std::unique_ptr<TSheetDocument> document = Document();
    const TPdfResult result =
        SavePdf(*document, path, FWindow.SheetPrinter().Printer().pageLayout().pageSize());
    if (!result.Saved)
        FWindow.SheetPrinter().ReportError(this, Texts::PdfSaveFailed.arg(path, PdfFailureText(result)));
}

void TDialogPrintSet::ButtonPrintClick()
{
    const std::unique_ptr<TSheetDocument> document = Document();
    FWindow.SheetPrinter().Print(*document, this, FWindow.windowTitle());
}
