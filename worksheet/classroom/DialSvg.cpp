#include "classroom/DialSvg.h"

#include "dial/PlatformScale.h"
#include "dial/QtCanvas.h"
#include "view/SheetDial.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// The generator names a font on every group it opens and sizes the document in
// millimetres; neither belongs in a drawing of outlines that fills its box.
bool Kept(const QXmlStreamAttribute& Attribute)
{
    const QStringView name = Attribute.name();
    return !name.startsWith(u"font-") && name != u"width" && name != u"height";
}

// The generator's document, without its title and description and with only the kept
// attributes, written again without indentation.
QByteArray Compacted(const QByteArray& Svg)
{
    QByteArray out;
    QXmlStreamReader reader(Svg);
    QXmlStreamWriter writer(&out);
    writer.writeStartDocument();
    int skipped = 0;  // depth inside a left-out element
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const bool leftOut = reader.name() == u"title" || reader.name() == u"desc";
            if (skipped > 0 || leftOut) {
                ++skipped;
                break;
            }
            writer.writeStartElement(reader.namespaceUri().toString(), reader.name().toString());
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                if (Kept(attribute))
                    writer.writeAttribute(attribute);
            break;
        }
        case QXmlStreamReader::EndElement:
            if (skipped > 0)
                --skipped;
            else
                writer.writeEndElement();
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
