// The teacher clicks "印刷(&P)" on the real worksheet window, with the printer set to
// write a PDF file: one landscape page with the worksheet and neither the buttons nor
// the settings panel, whether that panel was open or closed; afterwards the window
// is exactly as before. With no printer the message shows and nothing changes.

#include "DialogCloser.h"
#include "PdfProbe.h"
#include "printing/PrintFailures.h"
#include "printing/SheetPrinter.h"
#include "WorksheetDriver.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPrinter>
#include <QSpinBox>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Everything a user could see change on the window.
QStringList Snapshot(const TFormKestrum& Form)
{
    QStringList state;
    for (const QWidget* w : Form.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty())
            continue;
        QString line = w->objectName() + (w->isHidden() ? QStringLiteral(" hidden") : QString()) +
                       (w->isEnabled() ? QString() : QStringLiteral(" disabled"));
        if (const auto* label = qobject_cast<const QLabel*>(w))
            line += QStringLiteral(" text=") + label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            line += QStringLiteral(" checked=%1").arg(button->isChecked());
        if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(w))
            line += QStringLiteral(" text=") + spin->text();
        if (const auto* dial = qobject_cast<const TPlatformScale*>(w))
            line += QStringLiteral(" value=%1 max=%2 scale=%3 zoom=%4")
                        .arg(dial->Value()).arg(dial->ValueMax())
                        .arg(dial->TypeBoardScale()).arg(dial->StretchRatePercent());
        state << line;
    }
    state << QStringLiteral("Division=%1").arg(Form.Division());
    return state;
}

// The words of the button panel and the settings panel, none of which may be printed.
const QStringList PanelWords{
    QStringLiteral("プリンタ設定"), QStringLiteral("印刷"),       QStringLiteral("更新"),
    QStringLiteral("初期設定"),     QStringLiteral("閉じる"),     QStringLiteral("最大重量"),
    QStringLiteral("目盛間隔"),     QStringLiteral("解答欄"),     QStringLiteral("乱数発生"),
    QStringLiteral("部分を拡大"),
};

struct TPrintedWindow {
    Sheet Worksheet;
    QTemporaryDir Dir;
    QStringList Messages;

    TPrintedWindow()
    {
        Worksheet.Form->show();
        Worksheet.Form->SheetPrinter().SetErrorReporter(
            [this](QWidget*, const QString& message) { Messages << message; });
    }
    QPrinter& Printer() { return Worksheet.Form->SheetPrinter().Printer(); }
    // Sets the printer to write the next print into a file of that name.
    QString PrintTo(const QString& Name)
    {
        const QString path = Dir.filePath(Name);
        Printer().setOutputFormat(QPrinter::PdfFormat);
        Printer().setOutputFileName(path);
        return path;
    }
};

}  // namespace

class TestWindowPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
    }

    void printsTheWorksheetWithoutThePanels()
    {
        TPrintedWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(window.Worksheet.Form.get()));
        auto* buttons = window.Worksheet.Find<QWidget>("PanelButtons");
        auto* settings = window.Worksheet.Find<QGroupBox>("GroupBoxStart");
        QVERIFY(!settings->isHidden());  // open at start-up

        const QStringList before = Snapshot(*window.Worksheet.Form);
        const QString open = window.PrintTo(QStringLiteral("open.pdf"));
        window.Worksheet.Click("ButtonPrintOut");
        QCOMPARE(Snapshot(*window.Worksheet.Form), before);

        window.Worksheet.Click("ButtonRadioGroupStartClose");
        QVERIFY(settings->isHidden());
        const QStringList closedBefore = Snapshot(*window.Worksheet.Form);
        const QString closed = window.PrintTo(QStringLiteral("closed.pdf"));
        window.Worksheet.Click("ButtonPrintOut");
        // A closed panel stays closed; the buttons come back.
        QCOMPARE(Snapshot(*window.Worksheet.Form), closedBefore);
        QVERIFY(!buttons->isHidden());
        QVERIFY(window.Messages.isEmpty());

        for (const QString& path : {open, closed}) {
            const auto info = PdfProbe::Info(path);
            QVERIFY(info);
            QCOMPARE(info->Pages, 1);
            QVERIFY(info->PageSize.width() > info->PageSize.height());
            const QString words = PdfProbe::Text(path);
            QVERIFY(words.contains(QStringLiteral("重さはいくらでしょう。")));
            QVERIFY(words.contains(QStringLiteral("Kestrum")));
            for (const QString& word : PanelWords)
                QVERIFY2(!words.contains(word), qPrintable(word));
            QCOMPARE(PdfProbe::ImageCount(path), 0);
        }
        // Open or closed, the settings panel leaves the same page behind.
        QCOMPARE(PdfProbe::Rasterize(open, 100), PdfProbe::Rasterize(closed, 100));
    }

    // The window (1028 × 740) is taller in proportion than a landscape A4 page: it
    // fills the page's height from the top-left corner and leaves space at the right.
    void fillsThePageHeightFromTheTopLeftCorner()
    {
        TPrintedWindow window;
        const QString path = window.PrintTo(QStringLiteral("sheet.pdf"));
        window.Printer().setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        window.Worksheet.Click("ButtonPrintOut");
        QVERIFY(window.Messages.isEmpty());

        // 72 dpi: one pixel a point; the page is 842 × 595 and the picture
        // 595 × 1028 / 740 = 826.6 wide.
        const QImage page = PdfProbe::Rasterize(path, 72);
        QCOMPARE(page.size(), QSize(842, 595));
        const QRect ink = PdfProbe::Bounds(page, PdfProbe::IsInk);
        const double scale = 595.0 / 740;
        // The project name at the left end of the foot line and the heading's reading
        // at the top (y 6) mark the sheet's own corner; nothing lies beyond the picture.
        QVERIFY2(ink.left() < 3 && std::abs(ink.top() - 6 * scale) < 3,
                 qPrintable(QStringLiteral("%1,%2").arg(ink.left()).arg(ink.top())));
        QVERIFY(ink.bottom() > 715 * scale && ink.bottom() < 740 * scale);
        QVERIFY(ink.right() < 1028 * scale);
    }

    // Until the teacher chooses a printer, every print asks for the system's default
    // printer of that moment, since one may be added while the program runs.
    void withoutAPrinterTheWorksheetIsUnchanged()
    {
        TPrintedWindow window;
        window.Printer().setOutputFormat(QPrinter::PdfFormat);
        window.Printer().setOutputFileName(QString());
        int lookups = 0;
        window.Worksheet.Form->SheetPrinter().SetDefaultPrinterLookup([&] {
            ++lookups;
            return QString();
        });
        const QStringList before = Snapshot(*window.Worksheet.Form);

        for (int print = 1; print <= 2; ++print) {
            const int lookupsBefore = lookups;
            window.Worksheet.Click("ButtonPrintOut");
            QVERIFY2(lookups > lookupsBefore, "a print did not look for the default printer");
        }

        QCOMPARE(window.Messages, (QStringList{Texts::PrintNoPrinter, Texts::PrintNoPrinter}));
        QCOMPARE(Snapshot(*window.Worksheet.Form), before);
    }

    // What the teacher chooses in "プリンタ設定(&U)" (file output, the file, the paper) is
    // what the next "印刷(&P)" uses, landscape though portrait was chosen; a cancelled
    // dialog keeps that choice.
    void theSetupDialogsChoiceIsWhatTheNextPrintUses()
    {
        TPrintedWindow window;
        const QString chosen = window.Dir.filePath(QStringLiteral("chosen.pdf"));
        DialogCloser::TSetupAnswer confirm(chosen, QPageSize::A5, true);
        window.Worksheet.Click("ButtonPrinterSetup");
        QVERIFY(confirm.Answered);
        // The dialog prints nothing here, and its button does not say it does.
        QCOMPARE(confirm.ConfirmText, QStringLiteral("OK"));

        window.Worksheet.Click("ButtonPrintOut");
        QVERIFY2(window.Messages.isEmpty(), qPrintable(window.Messages.join(u'\n')));
        const auto a5 = PdfProbe::Info(chosen);
        QVERIFY2(a5, "nothing printed where the dialog said");
        QCOMPARE(a5->Pages, 1);
        QCOMPARE(a5->PageSize.toSize(), QSize(595, 420));  // A5 turned landscape

        const QString cancelled = window.Dir.filePath(QStringLiteral("cancelled.pdf"));
        DialogCloser::TSetupAnswer cancel(cancelled, QPageSize::Letter, false);
        window.Worksheet.Click("ButtonPrinterSetup");
        QVERIFY(cancel.Answered);
        QVERIFY(QFile::remove(chosen));

        window.Worksheet.Click("ButtonPrintOut");
        QVERIFY(window.Messages.isEmpty());
        QVERIFY2(!QFileInfo::exists(cancelled), "a cancelled choice was used");
        const auto again = PdfProbe::Info(chosen);
        QVERIFY(again);
        QCOMPARE(again->PageSize.toSize(), QSize(595, 420));
    }
};

int main(int argc, char** argv)
{
    // No print spooler: nothing a test does may reach a real queue.
    qputenv("CUPS_SERVER", "/nonexistent/kestrum-no-cups.sock");
    QApplication app(argc, argv);
    TestWindowPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_printing.moc"
