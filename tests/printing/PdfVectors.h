#pragma once
// Reads the vector drawing of a PDF page back out of the file: every path the page
// paints, in the order it paints them, with its points in page space (points, y
// downwards). Enough of the content stream language for the pages Qt writes: the
// graphics state stack, matrix and stroking colour, path building and painting; text
// is skipped.

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QRegularExpression>
#include <QTransform>

#include <optional>
#include <vector>

namespace PdfVectors {

struct TSubpath {
    std::vector<QPointF> Points;  // the ends of its segments; curves by their end points
    bool Curved = false;
    bool Closed = false;
};

struct TPath {
    std::vector<TSubpath> Subpaths;
    bool Stroked = false;
    bool Filled = false;
    QRectF Clip;  // the bounds of the clip it is painted in; null for none
    QColor StrokeColor = Qt::black;  // the stroking colour it is painted with
};

namespace Detail {

// The bytes of object Number's stream, inflated where it is compressed.
inline std::optional<QByteArray> StreamOf(const QByteArray& File, int Number)
{
    const QRegularExpression start(QStringLiteral("(?:^|[\\r\\n])%1 0 obj\\b").arg(Number));
    const auto match = start.match(QString::fromLatin1(File));
    if (!match.hasMatch())
        return std::nullopt;
    const qsizetype object = match.capturedEnd();
    const qsizetype keyword = File.indexOf("stream", object);
    const qsizetype end = File.indexOf("endstream", keyword);
    if (keyword < 0 || end < 0)
        return std::nullopt;
    qsizetype data = keyword + 6;
    if (File.at(data) == '\r')
        ++data;
    if (File.at(data) == '\n')
        ++data;
    const QByteArray dictionary = File.mid(object, keyword - object);
    QByteArray bytes = File.mid(data, end - data);
    if (!dictionary.contains("/FlateDecode"))
        return bytes;
    // qUncompress wants the inflated size first; it grows a short guess as it needs.
    const quint32 guess = static_cast<quint32>(bytes.size()) * 8;
    QByteArray sized(4, '\0');
    for (int i = 0; i < 4; ++i)
        sized[i] = static_cast<char>((guess >> (24 - 8 * i)) & 0xFF);
    const QByteArray inflated = qUncompress(sized + bytes);
    if (inflated.isEmpty())
        return std::nullopt;
    return inflated;
}

inline bool IsDelimiter(char c) { return QByteArrayView("()<>[]{}/%").contains(c); }

// The content stream's words, with strings, arrays and dictionaries as one word each.
inline QList<QByteArray> Words(const QByteArray& Stream)
{
    QList<QByteArray> words;
    qsizetype i = 0;
    const qsizetype n = Stream.size();
    while (i < n) {
        const char c = Stream.at(i);
        if (QChar::isSpace(static_cast<uchar>(c))) {
            ++i;
        } else if (c == '%') {
            while (i < n && Stream.at(i) != '\n' && Stream.at(i) != '\r')
                ++i;
        } else if (c == '(' || c == '<' || c == '[') {
            // A string, hex string, dictionary or array: skipped to its balanced end.
            const char open = c, close = c == '(' ? ')' : c == '<' ? '>' : ']';
            const qsizetype from = i;
            int depth = 0;
            do {
                if (Stream.at(i) == '\\' && open == '(')
                    ++i;
                else if (Stream.at(i) == open)
                    ++depth;
                else if (Stream.at(i) == close)
                    --depth;
                ++i;
            } while (i < n && depth > 0);
            words.append(Stream.mid(from, i - from));
        } else {
            const qsizetype from = i;
            ++i;
            while (i < n && !QChar::isSpace(static_cast<uchar>(Stream.at(i))) && !IsDelimiter(Stream.at(i)))
                ++i;
            words.append(Stream.mid(from, i - from));
        }
    }
    return words;
}

}  // namespace Detail

// The paths page Page (from 1) paints; none when the file cannot be read.
inline std::optional<std::vector<TPath>> PagePaths(const QString& Path, int Page)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray pdf = file.readAll();
    // The pages in the order they are listed, each with its content stream.
    const QRegularExpression kids(QStringLiteral("/Type\\s*/Pages\\b[^>]*?/Kids\\s*\\[([^\\]]*)\\]"));
    const auto list = kids.match(QString::fromLatin1(pdf));
    if (!list.hasMatch())
        return std::nullopt;
    const QStringList refs = list.captured(1).split(QStringLiteral(" R"), Qt::SkipEmptyParts);
    if (Page < 1 || Page > refs.size())
        return std::nullopt;
    const int pageObject = refs[Page - 1].trimmed().section(QLatin1Char(' '), 0, 0).toInt();
    const QRegularExpression object(QStringLiteral("(?:^|[\\r\\n])%1 0 obj\\b(.*?)endobj").arg(pageObject),
                                    QRegularExpression::DotMatchesEverythingOption);
    const auto page = object.match(QString::fromLatin1(pdf));
    const auto contents = QRegularExpression(QStringLiteral("/Contents\\s+(\\d+)\\s+0\\s+R"))
                              .match(page.captured(1));
    if (!page.hasMatch() || !contents.hasMatch())
        return std::nullopt;
    const std::optional<QByteArray> stream = Detail::StreamOf(pdf, contents.captured(1).toInt());
    if (!stream)
        return std::nullopt;

    std::vector<TPath> paths;
    struct TState {
        QTransform Matrix;
        QRectF Clip;
        QColor Stroke;
    };
    std::vector<TState> saved;
    QTransform matrix;
    QRectF clip;
    QColor stroke = Qt::black;
    bool clipping = false;  // the path in hand becomes the clip once it is painted
    TPath current;
    QList<double> operands;
    bool inText = false;
    const auto point = [&](int From) { return matrix.map(QPointF(operands[From], operands[From + 1])); };
    const auto subpath = [&]() -> TSubpath& {
        if (current.Subpaths.empty())
            current.Subpaths.emplace_back();
        return current.Subpaths.back();
    };
    const auto paint = [&](bool Stroke, bool Fill, bool Close) {
        if (Close && !current.Subpaths.empty())
            current.Subpaths.back().Closed = true;
        current.Stroked = Stroke;
        current.Filled = Fill;
        current.Clip = clip;
        current.StrokeColor = stroke;
        if (Stroke || Fill)
            paths.push_back(current);
        if (clipping) {
            QRectF box;
            for (const TSubpath& sub : current.Subpaths)
                for (const QPointF& p : sub.Points)
                    box |= QRectF(p, QSizeF(1e-9, 1e-9));
            clip = clip.isNull() ? box : clip & box;
            clipping = false;
        }
        current = {};
    };
    for (const QByteArray& word : Detail::Words(*stream)) {
        bool number = false;
        const double value = word.toDouble(&number);
        if (number) {
            operands.append(value);
            continue;
        }
        if (word == "BT")
            inText = true;
        else if (word == "ET")
            inText = false;
        else if (inText)
            ;
        else if (word == "q")
            saved.push_back({matrix, clip, stroke});
        else if (word == "Q" && !saved.empty()) {
            matrix = saved.back().Matrix;
            clip = saved.back().Clip;
            stroke = saved.back().Stroke;
            saved.pop_back();
        } else if ((word == "RG" || word == "SC" || word == "SCN") && operands.size() == 3) {
            stroke = QColor::fromRgbF(float(operands[0]), float(operands[1]), float(operands[2]));
        } else if ((word == "G" || word == "SC" || word == "SCN") && operands.size() == 1) {
            stroke = QColor::fromRgbF(float(operands[0]), float(operands[0]), float(operands[0]));
        } else if (word == "W" || word == "W*") {
            clipping = true;
        } else if (word == "cm" && operands.size() >= 6) {
            const auto o = operands.mid(operands.size() - 6);
            matrix = QTransform(o[0], o[1], o[2], o[3], o[4], o[5]) * matrix;
        } else if (word == "m" && operands.size() >= 2) {
            current.Subpaths.emplace_back();
            current.Subpaths.back().Points.push_back(point(int(operands.size()) - 2));
        } else if (word == "l" && operands.size() >= 2) {
            subpath().Points.push_back(point(int(operands.size()) - 2));
        } else if (word == "c" && operands.size() >= 6) {
            subpath().Points.push_back(point(int(operands.size()) - 2));
            subpath().Curved = true;
        } else if (word == "h") {
            if (!current.Subpaths.empty())
                current.Subpaths.back().Closed = true;
        } else if (word == "S") {
            paint(true, false, false);
        } else if (word == "s") {
            paint(true, false, true);
        } else if (word == "f" || word == "F" || word == "f*") {
            paint(false, true, true);
        } else if (word == "B" || word == "B*") {
            paint(true, true, false);
        } else if (word == "b" || word == "b*") {
            paint(true, true, true);
        } else if (word == "n") {
            paint(false, false, false);
        }
        operands.clear();
    }
    // Page space with y downwards, as the page is read.
    for (TPath& path : paths) {
        for (TSubpath& sub : path.Subpaths)
            for (QPointF& p : sub.Points)
                p.setY(-p.y());
        if (!path.Clip.isNull())
            path.Clip = QRectF(QPointF(path.Clip.left(), -path.Clip.bottom()),
                               QPointF(path.Clip.right(), -path.Clip.top()));
    }
    return paths;
}

}  // namespace PdfVectors
