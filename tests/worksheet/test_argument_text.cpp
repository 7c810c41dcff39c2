// A command line argument read as text turns back into exactly its bytes, whether they
// are UTF-8 or not, so that a file name from the command line is used as given.

#include "ArgumentText.h"

#include <QtTest>

class TestArgumentText : public QObject {
    Q_OBJECT
private slots:
    void bytesComeBackAsGiven()
    {
        // UTF-8 reads as its text; a Latin-1 "é", a stray continuation byte, overlong
        // forms of "/", an encoded surrogate, a sequence cut short and a code point past
        // U+10FFFF are not UTF-8, and are kept byte by byte.
        QCOMPARE(ArgumentText("\xe6\x97\xa5\xe6\x9c\xac.pdf"), QStringLiteral("日本.pdf"));
        QCOMPARE(ArgumentText("\xf0\x9f\x93\x84"), QStringLiteral("📄"));
        QCOMPARE(ArgumentText("\xef\xbb\xbfnotes.pdf"), QStringLiteral("\uFEFFnotes.pdf"));
        for (const QByteArray& bytes :
             {QByteArray("caf\xe9.pdf"), QByteArray("a\x80z"), QByteArray("\xc0\xaf"), QByteArray("\xe0\x80\xaf"),
              QByteArray("\xed\xb2\x80"), QByteArray("x\xe6\x97"), QByteArray("\xf4\x90\x80\x80"),
              QByteArray("\xe6\x97\xa5\xff"), QByteArray("\xef\xbb\xbfnotes\xef\xbb\xbf.pdf")})
            QCOMPARE(ArgumentBytes(ArgumentText(bytes)), bytes);
    }
};

QTEST_APPLESS_MAIN(TestArgumentText)
#include "test_argument_text.moc"
