// Qt's own dialogs and message boxes speak Japanese once the translations are in.

#include "Translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                  QStringLiteral("/qtbase_ja.qm");
        if (!QFileInfo::exists(catalogue))
            QSKIP(qPrintable(catalogue + QStringLiteral(
                                 " not found: install qt6-translations-l10n (scripts/setup.sh)")));
    }

    void qtSpeaksJapanese()
    {
        QDialogButtonBox before(QDialogButtonBox::Cancel);
        const QString english = before.button(QDialogButtonBox::Cancel)->text();

        QVERIFY(InstallJapaneseTranslations(*qApp));

        QDialogButtonBox after(QDialogButtonBox::Cancel);
        QVERIFY(english.contains(QStringLiteral("Cancel")));
        QVERIFY2(after.button(QDialogButtonBox::Cancel)->text().contains(QStringLiteral("キャンセル")),
                 qPrintable(after.button(QDialogButtonBox::Cancel)->text()));
        // The printer setup dialog's own title.
        QPrinter printer;
        QPrintDialog dialog(&printer);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("印刷"));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
