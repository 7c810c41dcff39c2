#include "ArgumentText.h"

#include <limits>

namespace {

constexpr char16_t ByteEscape = 0xDC00;

// The length of the valid UTF-8 sequence at Bytes[At], and its code point; 0 where the
// byte there starts none (a stray continuation byte, an overlong form, a surrogate, a
// code point past U+10FFFF, or a sequence cut short).
int Sequence(const QByteArray& Bytes, qsizetype At, char32_t& CodePoint)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(Bytes[i]); };
    const unsigned char lead = byte(At);
    int length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        CodePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, CodePoint = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, CodePoint = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, CodePoint = lead & 0x07, lowest = 0x10000;
    } else {
        return 0;
    }
    if (At + length > Bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(At + i) & 0xC0) != 0x80)
            return 0;
        CodePoint = (CodePoint << 6) | (byte(At + i) & 0x3F);
    }
    const bool surrogate = CodePoint >= 0xD800 && CodePoint <= 0xDFFF;
    return CodePoint < lowest || surrogate || CodePoint > 0x10FFFF ? 0 : length;
}

}  // namespace

QString ArgumentText(const QByteArray& Bytes)
{
    QString text;
    for (qsizetype at = 0; at < Bytes.size();) {
        char32_t codePoint = 0;
        if (const int length = Sequence(Bytes, at, codePoint)) {
            // One code point at a time, as UTF-16 itself: a decoder of whole strings would
            // take a U+FEFF for a byte-order mark and drop it from the name.
            if (QChar::requiresSurrogates(codePoint)) {
                text += QChar(QChar::highSurrogate(codePoint));
                text += QChar(QChar::lowSurrogate(codePoint));
            } else {
                text += QChar(static_cast<char16_t>(codePoint));
            }
            at += length;
        } else {
            text += QChar(ByteEscape + static_cast<unsigned char>(Bytes[at]));
            ++at;
        }
    }
    return text;
}

QByteArray ArgumentBytes(const QString& Text)
{
    QByteArray bytes;
    for (qsizetype at = 0; at < Text.size(); ++at) {
        const QChar c = Text[at];
        if (c.isHighSurrogate() && at + 1 < Text.size() && Text[at + 1].isLowSurrogate()) {
            bytes += Text.mid(at, 2).toUtf8();
            ++at;
        } else if (const int byte = EscapedByte(c.unicode()); byte >= 0) {
            bytes += static_cast<char>(byte);
        } else {
            bytes += QString(c).toUtf8();
        }
    }
    return bytes;
}

int EscapedByte(char32_t Character)
{
    return Character >= ByteEscape + 0x80u && Character <= ByteEscape + 0xFFu
               ? static_cast<int>(Character - ByteEscape)
               : -1;
}

namespace {

// How a message writes a character that would break its line or hide in it.
QString Escaped(char32_t C)
{
    switch (C) {
    case U'\n':
        return QStringLiteral("\\n");
    case U'\t':
        return QStringLiteral("\\t");
    case U'\r':
        return QStringLiteral("\\r");
    default:
        break;
    }
    if (const int byte = EscapedByte(C); byte >= 0)
        return QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    if (C < 0x100)
        return QStringLiteral("\\x%1").arg(static_cast<uint>(C), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(static_cast<uint>(C), 4, 16, QLatin1Char('0'));
}

}  // namespace

QString Echo(const QString& Value, qsizetype Longest)
{
    QString shown;
    for (qsizetype at = 0; at < Value.size(); ++at) {
        char32_t c = Value[at].unicode();
        if (QChar::isHighSurrogate(c) && at + 1 < Value.size() && Value[at + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(Value[at], Value[at + 1]);
            ++at;
        }
        QString piece;
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            piece = Escaped(c);
            break;
        default:
            piece = QString::fromUcs4(&c, 1);
        }
        if (shown.size() + piece.size() > Longest)
            return shown + QStringLiteral("...");
        shown += piece;
    }
    return shown;
}

QString OneLine(const QString& Text)
{
    return Echo(Text, std::numeric_limits<qsizetype>::max());
}
