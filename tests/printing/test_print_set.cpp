// A class set: thirty different sheets in one job, with each sheet's key after it or
// an answers list at the end; previewed, saved as a PDF or printed from the dialog
// of "まとめて印刷(&B)", and the window the same afterwards.

#include "DialogCloser.h"
#include "PdfProbe.h"
#include "SheetCode.h"
#include "SheetPrinter.h"
#include "WorksheetDriver.h"
#include "DialogPrintSet.h"
#include "PdfExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>

#include <set>

namespace {

using TKinds = std::vector<TSheetDocument::TPageKind>;

TKinds Kinds(const TSheetDocument& Document)
{
    TKinds kinds;
    for (const auto& page : Document.Pages())
        kinds.push_back(page.Kind);
    return kinds;
}

// Each page's text, as poppler reads it.
QStringList PageTexts(const QString& Path, int Pages)
{
    QStringList texts;
    for (int p = 1; p <= Pages; ++p) {
        const auto out = PdfProbe::Run(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"),
                                        QString::number(p), Path, QStringLiteral("-")});
        texts << (out ? QString::fromUtf8(*out).simplified() : QString());
    }
    return texts;
}

}  // namespace

class TestPrintSet : public QObject {
    Q_OBJECT
private slots:
    void aSetHasDifferentSheetsThatItsCodesBringBack()
    {
        // The fewest weights a capacity offers: nine at 1 kg in 100 g steps.
        TSheetSettings few;
        few.Capacity = 0;
        few.Step = 3;
        for (const TSheetSettings& settings : {TSheetSettings{}, few}) {
            const TSheet first = *DrawSheet(settings, 99);
            const std::vector<TSheet> set = DrawSet(first, 60);
            QCOMPARE(int(set.size()), 60);
            QCOMPARE(set.front(), first);
            std::set<TWeights> distinct;
            for (const TSheet& sheet : set) {
                distinct.insert(sheet.Weights);
                QCOMPARE(sheet.Settings, settings);
                QCOMPARE(*ReadSheetCode(SheetCode(sheet)).Sheet, sheet);
            }
            QCOMPARE(int(distinct.size()), 60);
            QVERIFY(DrawSet(first, 60) == set);
            // A first sheet that already has the weights its successor would draw
            // (weights put in by hand, say) still gets a different second sheet.
            const TSheet lookalike{settings, set[1].Weights, first.Seed};
            QVERIFY(DrawSet(lookalike, 2)[1].Weights != lookalike.Weights);
        }
    }

    void pagesFollowTheAnswerChoice()
    {
        const std::vector<TSheet> set = DrawSet(*DrawSheet(TSheetSettings{}, 5), 30);
        using D = TSheetDocument;
        QCOMPARE(Kinds(TSheetDocument(set, apNone)), TKinds(30, D::pkSheet));
        TKinds each;
        for (int i = 0; i < 30; ++i)
            each.insert(each.end(), {D::pkSheet, D::pkKey});
        TSheetDocument withKeys(set, apEachSheet);
        QCOMPARE(Kinds(withKeys), each);
        QCOMPARE(withKeys.Pages()[5].First, 2);
        TKinds list(30, D::pkSheet);
        list.insert(list.end(), {D::pkList, D::pkList});
        TSheetDocument withList(set, apList);
        QCOMPARE(Kinds(withList), list);
        QCOMPARE(withList.Pages()[31].First + withList.Pages()[31].Count, 30);
    }

    void theDialogSavesThePdfAndLeavesTheWindowAlone()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        Sheet driver;
        driver.Form = std::make_unique<TFormKestrum>(nullptr, std::make_unique<TSheetSeedRandom>(77));
        driver.Form->show();
        driver.Form->resize(700, 500);  // the pages are the whole sheet whatever the window
        QStringList messages;
        driver.Form->SheetPrinter().SetErrorReporter(
            [&](QWidget*, const QString& message) { messages << message; });
        const TSheet window = driver.Form->Sheet();
        const QString code = driver.Text("LabelSheetCode");
        QCOMPARE(code, SheetCode(window));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("set.pdf"));
        // A printer that cannot print: the one-sheet print's message is the set's.
        QPrinter& printer = driver.Form->SheetPrinter().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("gone/printed.pdf")));
        driver.Click("ButtonPrintOut");
        QCOMPARE(messages.size(), 1);
        QString offered;
        int previewPages = 0;

        QTimer::singleShot(0, [&] {
            auto* dialog = driver.Form->findChild<TDialogPrintSet*>(QStringLiteral("DialogPrintSet"));
            QVERIFY(dialog);
            auto* sheets = dialog->findChild<QSpinBox*>(QStringLiteral("SpinBoxSheets"));
            QCOMPARE(sheets->maximum(), 60);
            sheets->setValue(3);
            auto* answers = dialog->findChild<QComboBox*>(QStringLiteral("ComboBoxAnswerPages"));
            QCOMPARE(answers->itemText(2), QStringLiteral("最後に解答一覧"));
            answers->setCurrentIndex(apEachSheet);
            dialog->SetFileChooser([&](QWidget*, const QString& proposed) {
                offered = proposed;
                return path;
            });
            const auto closer = DialogCloser::OnNextDialog(
                [&](QDialog* preview) {
                    previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                    preview->reject();
                },
                dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonPreview")), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonSavePdf")), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonPrint")), Qt::LeftButton);
            // And through a printer that prints, the same six pages.
            printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonPrint")), Qt::LeftButton);
            // A folder that is not there: said plainly, and no file.
            dialog->SetFileChooser([&](QWidget*, const QString&) { return path + QStringLiteral("/x.pdf"); });
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonSavePdf")), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonClose")), Qt::LeftButton);
        });
        driver.Click("ButtonPrintSet");

        QCOMPARE(previewPages, 6);
        QVERIFY(offered.endsWith(QDate::currentDate().toString(Qt::ISODate) + QStringLiteral("-3sheets.pdf")));
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages[1], messages[0]);
        QVERIFY(messages[2].contains(QStringLiteral("PDFを保存できませんでした")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("printed.pdf"), QStringLiteral("set.pdf")}));
        QCOMPARE(PageTexts(dir.filePath(QStringLiteral("printed.pdf")), 6), PageTexts(path, 6));

        QCOMPARE(PdfProbe::Info(path)->Pages, 6);
        QCOMPARE(PdfProbe::ImageCount(path), 0);
        const QStringList pages = PageTexts(path, 6);
        // Sheet 1 is the window's sheet, each followed by its key with the same code.
        QVERIFY(pages[0].contains(code));
        QVERIFY(!pages[0].contains(QStringLiteral("解答")));
        QVERIFY(pages[1].contains(code) && pages[1].contains(QStringLiteral("解答")));
        QVERIFY(pages[1].contains(AnswerText(auKilogramsAndGrams, window.Weights[0], ".")));
        QVERIFY(!pages[2].contains(code));
        const QString code3 = SheetCode(DrawSet(window, 3)[2]);
        QVERIFY(pages[4].contains(code3) && pages[5].contains(code3));
        // The whole sheet on each page, the summary at its foot included.
        QVERIFY(pages[4].contains(QStringLiteral("範囲:")));

        QCOMPARE(driver.Form->Sheet(), window);
        QVERIFY(!driver.Find<QCheckBox>("CheckBoxAnswers")->isChecked());
        QVERIFY(!driver.Find<QWidget>("PanelButtons")->isHidden());
        QVERIFY(!driver.Find<QWidget>("PanelSheetButtons")->isHidden());
    }
};

QTEST_MAIN(TestPrintSet)
#include "test_print_set.moc"
