#include "classroom/ClassKeys.h"

#include "sheet/SheetCode.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QRandomGenerator>

#include <array>

QString NewClassCode()
{
    constexpr int length = 5;
    constexpr quint32 letters = sizeof(SheetCodeAlphabet) - 1;
    QString code;
    for (int i = 0; i < length; ++i)
        code += QLatin1Char(SheetCodeAlphabet[QRandomGenerator::system()->bounded(letters)]);
    return code;
}

QString NewKey()
{
    std::array<quint32, 8> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(words.data()), sizeof(words)).toHex());
}

bool SameKey(const QString& Given, const QString& Known)
{
    const QByteArray known = Known.toUtf8();
    // Every byte of the known key is compared, whatever the given one's length.
    QByteArray given = Given.toUtf8();
    unsigned difference = given.size() == known.size() ? 0U : 1U;
    given.resize(known.size(), '\0');
    for (qsizetype i = 0; i < known.size(); ++i)
        difference |= static_cast<unsigned>(static_cast<unsigned char>(known[i]) ^ static_cast<unsigned char>(given[i]));
    return difference == 0 && !known.isEmpty();
}

QString KeyHash(const QString& Key)
{
    return QString::fromLatin1(QCryptographicHash::hash(Key.toUtf8(), QCryptographicHash::Sha256).toHex());
}
