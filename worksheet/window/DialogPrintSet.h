#pragma once
// "まとめて印刷(&B)": a class set of different sheets in one job. Sheet 1 is the
// sheet on the window; the others are new draws with the same settings. The set
// can be previewed, saved as a PDF or printed, with no answer pages, each sheet's
// key after it, or one answers list at the end. The dialog only reads the window's
// sheet, so the window is left as it was. The window keeps one dialog for its life,
// so the last choices stay for the next set.

#include "printing/SheetDocument.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QSpinBox;
class TSheetPrinter;

class TDialogPrintSet : public QDialog {
    Q_OBJECT

public:
    // Sheet: the window's sheet, read at each print, so it must outlive the dialog;
    // Printer: where sets print, with the teacher's printer choices.
    TDialogPrintSet(const TSheet& Sheet, TSheetPrinter& Printer, QWidget* Parent);

    // The pages the choices give now; the same choices always give the same pages.
    // None when the settings cannot give as many different sheets as asked for.
    std::unique_ptr<TSheetDocument> Document() const;

    // Where "PDFに保存(&F)" asks for the file name: a file dialog, unless a test
    // answers instead. An empty name cancels.
    using TFileChooser = std::function<QString(QWidget* Parent, const QString& DefaultPath)>;
    void SetFileChooser(TFileChooser Chooser) { FChooseFile = std::move(Chooser); }
    // The name the file dialog offers: the date and the number of sheets.
    QString DefaultPdfPath() const;

    void ButtonPreviewClick();
    void ButtonSavePdfClick();
    void ButtonPrintClick();

protected:
    // Each opening starts without the last opening's report.
    void showEvent(QShowEvent* Event) override;

private:
    // The document to preview, save or print; none, and the reason said, when the
    // settings cannot fill the set.
    std::unique_ptr<TSheetDocument> FilledDocument();

    const TSheet& FSheet;
    TSheetPrinter& FPrinter;
    QSpinBox* SpinBoxSheets = nullptr;
    QComboBox* ComboBoxAnswerPages = nullptr;
    QLabel* LabelResult = nullptr;
    TFileChooser FChooseFile;
};
