#pragma once
// The drawing surface the dial paints on. The dial never talks to QPainter itself:
// it sets pen, brush and font here and calls the five primitives, so the same paint
// can go to the screen, an image, a printer or a recorder in a test.

#include <cstdint>
#include <string>
#include <vector>

using TColor = std::uint32_t;  // 0x00BBGGRR; top bit set: system colour index

constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF;
constexpr TColor clWindow = 0x80000005, clWindowText = 0x80000008, clBtnFace = 0x8000000F;

struct TPoint {
    std::int32_t X, Y;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    std::int32_t Left, Top, Right, Bottom;
    friend bool operator==(const TRect&, const TRect&) = default;
};

enum TPenStyle : std::uint8_t { psSolid, psClear };
enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

// text format flags of DrawText
constexpr unsigned DT_LEFT = 0x0, DT_TOP = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2,
                   DT_SINGLELINE = 0x20;

struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
};

struct TFont {
    int Size = 8;  // points
    TColor Color = clWindowText;
};

class TBrush {
public:
    TColor Color() const { return FColor; }
    TBrushStyle Style() const { return FStyle; }
    // A colour given to a clear brush makes it solid: the needle is filled this way.
    void SetColor(TColor c);
    void SetStyle(TBrushStyle s) { FStyle = s; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

// A text drawn into a box as DrawText draws it, in a font of FontSize points.
struct TTextInBox {
    int FontSize;  // points
    std::string Text;
    TRect Box;
    unsigned Format;
};

// What a canvas that sets texts ahead keeps of them between paints (TQtCanvas); the
// painter that draws the same texts paint after paint owns it.
struct TPreparedTexts;

class TCanvas {
public:
    TPen Pen;
    TBrush Brush;
    TFont Font;

    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas() = default;

    virtual void Ellipse(int X1, int Y1, int X2, int Y2) = 0;  // box, pen + brush
    virtual void MoveTo(int X, int Y) = 0;
    virtual void LineTo(int X, int Y) = 0;                      // pen; moves the pen
    virtual void Polygon(const TPoint* Points, int Count) = 0;  // closed, pen + brush
    virtual void DrawText(const std::string& Text, const TRect& Box, unsigned Format) = 0;  // UTF-8

    // Texts, the same on every paint, that the DrawText calls to come draw in this
    // order: a canvas that can set them ahead does so once into Kept and draws them
    // from there until EndPreparedTexts. The plain canvas sets each text as it comes.
    virtual void BeginPreparedTexts(TPreparedTexts&, const std::vector<TTextInBox>&) {}
    virtual void EndPreparedTexts() {}
};
