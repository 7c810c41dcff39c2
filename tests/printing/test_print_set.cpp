// A class set: thirty different sheets in one job, with each sheet's key after it or
// an answers list at the end; previewed, saved as a PDF or printed from the dialog
// of "まとめて印刷(&B)", and the window the same afterwards.

#include "DialogCloser.h"
#include "NetbookScreen.h"
#include "PdfProbe.h"
#include "sheet/SheetCode.h"
#include "printing/SheetPrinter.h"
#include "WorksheetDriver.h"
#include "window/DialogPrintSet.h"
#include "printing/PdfExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QToolBar>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>

#include <algorithm>
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

// Each page's text, as poppler reads it; with Layout, one line of the page a line.
QStringList PageTexts(const QString& Path, int Pages, bool Layout = false)
{
    QStringList texts;
    for (int p = 1; p <= Pages; ++p) {
        QStringList arguments{QStringLiteral("-f"), QString::number(p), QStringLiteral("-l"),
                              QString::number(p), Path, QStringLiteral("-")};
        if (Layout)
            arguments.prepend(QStringLiteral("-layout"));
        const auto out = PdfProbe::Run(QStringLiteral("pdftotext"), arguments);
        const QString text = out ? QString::fromUtf8(*out) : QString();
        texts << (Layout ? text : text.simplified());
    }
    return texts;
}

// The rows of an answers list page: the lines that begin with a sheet's number.
QStringList ListRows(const QString& PageText)
{
    QStringList rows;
    for (const QString& line : PageText.split(QLatin1Char('\n')))
        if (const QString row = line.simplified(); !row.isEmpty() && row.front().isDigit())
            rows << row;
    return rows;
}

// The problems in the order the sheet is read, from where the window puts its
// dials: the top row left to right, then the row below.
std::vector<int> ReadingOrderOnTheSheet()
{
    const Sheet window;
    std::vector<int> order{0, 1, 2, 3, 4, 5};
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const QPoint pa = window.Dial(a + 1)->pos(), pb = window.Dial(b + 1)->pos();
        return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
    });
    return order;
}

QString SavedPdf(const QTemporaryDir& Dir, const QString& Name, std::vector<TSheet> Sheets,
                 TAnswerPages Answers)
{
    TSheetDocument document(std::move(Sheets), Answers);
    const QString path = Dir.filePath(Name);
    return SavePdf(document, path).Saved ? path : QString();
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

    void theAnswersListFollowsTheSheetsAndEachSheetShowsItsNumber()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        QTemporaryDir dir;
        const std::vector<TSheet> set = DrawSet(*DrawSheet(TSheetSettings{}, 41), 26);
        const QString path = SavedPdf(dir, QStringLiteral("list.pdf"), set, apList);
        QCOMPARE(PdfProbe::Info(path)->Pages, 28);
        const QStringList pages = PageTexts(path, 28, true);

        // Sheet 12 of 26 says "12/26" by its code; the list's row for it has number 12.
        const std::vector<int> order = ReadingOrderOnTheSheet();
        QStringList rows;
        for (int i = 0; i < 26; ++i) {
            const TSheet& sheet = set[static_cast<std::size_t>(i)];
            const QString number = QString::number(i + 1);
            QVERIFY(pages[i].contains(SheetCode(sheet)));
            QCOMPARE(pages[i].count(number + QStringLiteral("/26")), 1);
            QStringList row{number, SheetCode(sheet)};
            for (const int problem : order)
                row << AnswerText(sheet.Settings.Unit, sheet.Weights[problem], QStringLiteral("."));
            rows << row.join(QLatin1Char(' '));
        }
        QCOMPARE(ListRows(pages[26]), rows.mid(0, 25));
        QCOMPARE(ListRows(pages[27]), rows.mid(25));

        // A key page carries its sheet's number too; a set of one shows none.
        const QString keys = SavedPdf(dir, QStringLiteral("keys.pdf"), {set[0], set[1]}, apEachSheet);
        const QStringList keyPages = PageTexts(keys, 4);
        for (int p = 0; p < 4; ++p) {
            const QRegularExpression number(QStringLiteral("(^|\\s)%1/2(\\s|$)").arg(p / 2 + 1));
            QVERIFY2(keyPages[p].contains(number), qPrintable(QStringLiteral("page %1").arg(p + 1)));
        }
        const QString one = SavedPdf(dir, QStringLiteral("one.pdf"), {set[0]}, apEachSheet);
        for (const QString& page : PageTexts(one, 2))
            QVERIFY(!page.contains(QStringLiteral("1/1")));
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
        const QString gone = dir.filePath(QStringLiteral("gone/printed.pdf"));
        printer.setOutputFileName(gone);
        driver.Click("ButtonPrintOut");
        QCOMPARE(messages.size(), 1);
        QString offered;
        int previewPages = 0;
        QString previewJob;
        QRect previewFrame, freeArea;
        bool printButtonShown = false, cancelPrintedNothing = false;
        QStringList questions, reports;
        // 印刷 asks first; the teacher answers with the button that says Answer.
        std::unique_ptr<QTimer> answering;
        const auto printAnswering = [&](TDialogPrintSet* dialog, const QString& Answer) {
            answering = DialogCloser::OnNextDialog(
                [&questions, Answer](QDialog* asked) {
                    auto* box = qobject_cast<QMessageBox*>(asked);
                    questions << (box ? box->text() : QString());
                    for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>())
                        if (button->text() == Answer)
                            return QTest::mouseClick(button, Qt::LeftButton);
                    asked->reject();
                },
                dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonPrint")), Qt::LeftButton);
            answering.reset();
            reports << dialog->findChild<QLabel*>(QStringLiteral("LabelPrintSetResult"))->text();
        };

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
                    previewJob = qobject_cast<QPrintPreviewDialog*>(preview)->printer()->docName();
                    previewFrame = preview->frameGeometry();
                    freeArea = preview->screen()->availableGeometry();
                    const auto printButtonInSight = [preview] {
                        const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
                        for (QToolBar* bar : preview->findChildren<QToolBar*>())
                            for (QAction* action : bar->actions())
                                if (QWidget* button = bar->widgetForAction(action); button && action->text() == print)
                                    return button->isVisible() && bar->rect().contains(button->geometry());
                        return false;
                    };
                    printButtonShown = printButtonInSight();
                    // Made narrower by hand, it keeps the print button in sight.
                    preview->resize(560, 420);
                    QCoreApplication::sendPostedEvents();
                    printButtonShown = printButtonShown && printButtonInSight();
                    preview->reject();
                },
                dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonPreview")), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonSavePdf")), Qt::LeftButton);
            reports << dialog->findChild<QLabel*>(QStringLiteral("LabelPrintSetResult"))->text();
            printAnswering(dialog, QStringLiteral("印刷"));
            // A folder that is not there: said plainly, and no file.
            dialog->SetFileChooser([&](QWidget*, const QString&) { return path + QStringLiteral("/x.pdf"); });
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonSavePdf")), Qt::LeftButton);
            // And through a printer that prints, the same six pages: once the teacher
            // says so, and not when she cancels.
            printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
            printAnswering(dialog, QStringLiteral("キャンセル"));
            cancelPrintedNothing = !QFile::exists(printer.outputFileName());
            printAnswering(dialog, QStringLiteral("印刷"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonClose")), Qt::LeftButton);
        });
        driver.Click("ButtonPrintSet");

        QCOMPARE(previewPages, 6);
        // Most of the screen, and its print button in sight on a netbook's 1024 × 600.
        QVERIFY(freeArea.contains(previewFrame));
        QVERIFY(previewFrame.width() >= freeArea.width() * 3 / 4);
        QVERIFY(previewFrame.height() >= freeArea.height() * 3 / 4);
        QVERIFY(printButtonShown);
        QCOMPARE(previewJob, QStringLiteral("Kestrum"));
        QVERIFY(offered.endsWith(QDate::currentDate().toString(Qt::ISODate) + QStringLiteral("-3sheets.pdf")));
        QVERIFY(cancelPrintedNothing);
        QCOMPARE(questions.size(), 3);
        for (const QString& question : questions)
            QVERIFY(question.contains(QStringLiteral("6ページ")));
        QVERIFY(questions[0].contains(gone));
        QVERIFY(questions[2].contains(printer.outputFileName()));
        QCOMPARE(reports.size(), 4);
        QVERIFY(reports[0].startsWith(QStringLiteral("6ページを")) && reports[0].contains(path) &&
                reports[0].contains(QStringLiteral("保存しました")));
        QCOMPARE(reports[1], QString());
        QCOMPARE(reports[2], QString());
        QVERIFY(reports[3].startsWith(QStringLiteral("6ページを")) && reports[3].contains(printer.outputFileName()));
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

        // Opened again, the dialog offers the last choices, and says nothing yet.
        const auto reopened = DialogCloser::OnNextDialog([&](QDialog* dialog) {
            reports = {QString::number(dialog->findChild<QSpinBox*>(QStringLiteral("SpinBoxSheets"))->value()),
                       QString::number(dialog->findChild<QComboBox*>(QStringLiteral("ComboBoxAnswerPages"))->currentIndex()),
                       dialog->findChild<QLabel*>(QStringLiteral("LabelPrintSetResult"))->text()};
            dialog->reject();
        });
        driver.Click("ButtonPrintSet");
        QCOMPARE(reports, (QStringList{"3", QString::number(apEachSheet), QString()}));
    }

    void aSetTheSettingsCannotFillIsRefusedBeforeAnythingIsMade()
    {
        Sheet driver;
        driver.Form->show();
        // Four weights from 1500 g to 1800 g in 100 g steps: not one sheet.
        driver.Type("SpinEditMin", QStringLiteral("1500"));
        driver.Type("SpinEditMax", QStringLiteral("1800"));
        QStringList messages;
        driver.Form->SheetPrinter().SetErrorReporter(
            [&](QWidget*, const QString& message) { messages << message; });
        QTemporaryDir dir;
        QPrinter& printer = driver.Form->SheetPrinter().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        int opened = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = driver.Form->findChild<TDialogPrintSet*>(QStringLiteral("DialogPrintSet"));
            dialog->findChild<QSpinBox*>(QStringLiteral("SpinBoxSheets"))->setValue(3);
            dialog->SetFileChooser([&](QWidget*, const QString&) {
                ++opened;
                return dir.filePath(QStringLiteral("set.pdf"));
            });
            // Any dialog that opens (a preview, a question) is counted and closed.
            const auto closer = DialogCloser::OnNextDialog(
                [&](QDialog* other) {
                    ++opened;
                    other->reject();
                },
                dialog);
            for (const char* button : {"ButtonPreview", "ButtonSavePdf", "ButtonPrint"})
                QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
            // Not even the one sheet on the window: the settings do not give it back.
            dialog->findChild<QSpinBox*>(QStringLiteral("SpinBoxSheets"))->setValue(1);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonPrint")), Qt::LeftButton);
            dialog->reject();
        });
        driver.Click("ButtonPrintSet");
        QCOMPARE(opened, 0);
        QCOMPARE(messages.size(), 4);
        for (const QString& message : messages.mid(0, 3))
            QVERIFY2(message.contains(QStringLiteral("3枚")), qPrintable(message));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

int main(int argc, char** argv) { return RunOnNetbookScreen<TestPrintSet>(argc, argv); }
#include "test_print_set.moc"
