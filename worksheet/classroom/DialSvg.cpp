#include "classroom/DialSvg.h"

#include "dial/PlatformScale.h"
#include "dial/QtCanvas.h"
#include "view/SheetDial.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// The generator names a font on every group it opens and sizes the document in
// millimetres; neither belongs in a drawing of outlines that fills its box. An
// identity transform and the default vector effect say nothing.
bool Kept(QStringView Element, const QXmlStreamAttribute& Attribute)
{
    const QStringView name = Attribute.name();
    const QStringView value = Attribute.value();
    const bool size = Element == u"svg" && (name == u"width" || name == u"height");
    return !name.startsWith(u"font-") && !size &&
           !(name == u"transform" && value == u"matrix(1,0,0,1,0,0)") &&
           !(name == u"vector-effect" && value == u"none");
}

// Coordinates to a tenth of a dial pixel: finer than any screen shows the dial, and
// a third of the bytes the generator writes for an outline.
QString Rounded(const QString& Coordinates)
{
    static const QRegularExpression fine(QStringLiteral("-?\\d+\\.\\d\\d+"));
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : fine.globalMatch(Coordinates)) {
        out += Coordinates.mid(done, match.capturedStart() - done);
        QString number = QString::number(match.captured().toDouble(), 'f', 1);
        if (number.endsWith(u".0"))
            number.chop(2);
        out += number == u"-0" ? QStringLiteral("0") : number;
        done = match.capturedEnd();
    }
    return out + Coordinates.mid(done);
}

// A mark as the generator writes it: an open polyline with nothing of its own but
// its points, which a path of its group can carry as well.
bool PlainPolyline(const QXmlStreamReader& Reader)
{
    const QXmlStreamAttributes attributes = Reader.attributes();
    const qsizetype own = attributes.hasAttribute(QStringLiteral("vector-effect")) ? 3 : 2;
    return Reader.name() == u"polyline" && attributes.value(QStringLiteral("fill")) == u"none" &&
           attributes.hasAttribute(QStringLiteral("points")) && attributes.size() == own;
}

// Polyline points ("x,y x,y") as path data ("Mx yLx y").
QString PathData(QStringView Points)
{
    QString data;
    for (const QStringView point : Points.split(u' ', Qt::SkipEmptyParts)) {
        data += data.isEmpty() ? u'M' : u'L';
        data += point.toString().replace(u',', u' ');
    }
    return data;
}

// The generator's document, without its title and description, with only the kept
// attributes and rounded coordinates, and the marks of one group in one path (a
// third of the bytes of a polyline each), written again without indentation.
QByteArray Compacted(const QByteArray& Svg)
{
    QByteArray out;
    QXmlStreamReader reader(Svg);
    QXmlStreamWriter writer(&out);
    writer.writeStartDocument();
    int skipped = 0;  // depth inside a left-out element
    QString marks;    // path data of the polylines since the last other element
    const auto writeMarks = [&] {
        if (marks.isEmpty())
            return;
        writer.writeEmptyElement(QStringLiteral("path"));
        writer.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        writer.writeAttribute(QStringLiteral("d"), Rounded(marks));
        marks.clear();
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const bool leftOut = reader.name() == u"title" || reader.name() == u"desc";
            if (skipped == 0 && PlainPolyline(reader)) {
                marks += PathData(reader.attributes().value(QStringLiteral("points")));
                ++skipped;
                break;
            }
            if (skipped > 0 || leftOut) {
                ++skipped;
                break;
            }
            writeMarks();
            writer.writeStartElement(reader.qualifiedName().toString());
            // SVG's own namespace only: the generator's xlink is not used by any shape.
            for (const QXmlStreamNamespaceDeclaration& space : reader.namespaceDeclarations())
                if (space.prefix().isEmpty())
                    writer.writeDefaultNamespace(space.namespaceUri().toString());
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                if (!Kept(reader.name(), attribute))
                    continue;
                const QStringView name = attribute.name();
                if (name == u"d" || name == u"points")
                    writer.writeAttribute(attribute.qualifiedName().toString(), Rounded(attribute.value().toString()));
                else
                    writer.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (skipped > 0) {
                --skipped;
            } else {
                writeMarks();
                writer.writeEndElement();
            }
            break;
        case QXmlStreamReader::Characters:
            if (skipped == 0 && !reader.isWhitespace())
                writer.writeCharacters(reader.text().toString());
            break;
        default:
            break;
        }
    }
    writer.writeEndDocument();
    return out;
}

}  // namespace

QByteArray DialSvg(const TScaleProperties& Properties)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setViewBox(QRect(0, 0, Properties.Diameter, Properties.Diameter));
    {
        QPainter painter(&generator);
        TQtCanvas canvas(painter);
        canvas.SetTextAsOutlines(true);
        TScalePainter dial;
        dial.Paint(Properties, canvas);
    }
    return Compacted(svg);
}

TScaleProperties SheetDialProperties(const TSheet& Sheet, int Index)
{
    TPlatformScale dial;
    ShapeSheetDial(dial);
    SetSheetDial(dial, Sheet, Index);
    ShowSheetNeedle(dial, Sheet, false);
    return dial.Properties();
}

QByteArray SheetDialSvg(const TSheet& Sheet, int Index) { return DialSvg(SheetDialProperties(Sheet, Index)); }
