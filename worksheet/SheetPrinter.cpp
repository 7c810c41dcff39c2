#include "SheetPrinter.h"

#include <QMessageBox>
#include <QPrinter>
#include <QWidget>

TSheetPrinter::TSheetPrinter()
    : FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      FReportError([](QWidget* parent, const QString& message) {
          QMessageBox::critical(parent, QString(), message);
      })
{
}

TSheetPrinter::~TSheetPrinter() = default;

QPrinter& TSheetPrinter::Printer() { return *FPrinter; }

void TSheetPrinter::SetErrorReporter(TErrorReporter Reporter) { FReportError = std::move(Reporter); }

void TSheetPrinter::RunSetupDialog(QWidget*) {}

bool TSheetPrinter::PrintOut(QWidget&, const QList<QWidget*>&, const QString&) { return false; }
