// The one surface every look is painted on, in the painter's own unit (96-dpi pixels or twips): each model states
// its whole look on it, part by part, with the role each part's colour takes in high contrast. The Win32 canvas
// (canvas_win.h) draws it with GDI at the window's DPI; the tests' recording canvas writes it as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ole_color.h"
#include "platform/platform.h"

namespace plat {

struct RectF {
    double left = 0, top = 0, width = 0, height = 0;
};

struct SizeF {
    double cx = 0, cy = 0;
};

// What a painted part means, so that high contrast can give it the system's colour for that meaning.
enum class Role : std::uint8_t {
    Surface,       // a control's area around its figure: the button face
    Fill,          // a button's figure, an entry's surface
    Border,        // a button's or box's outline
    Text,          // a button's or entry's caption
    PageBack,      // a page or text box background: the window colour
    PageText,      // a page's label or line, a text box's text
    Link,          // a label that names a link
    DisabledText,  // any caption while its control is disabled
};

// The design's colour, or in high contrast the system colour of its role; a lit part (a hovered or pressed look)
// takes the selection colours there, as the system's own buttons and lists do.
struct Ink {
    Role role;
    OleColor design;
    bool lit = false;
};

// `ink.design` unless high contrast is on (or nobody can tell).
OleColor Resolve(const Ink& ink, DisplayScheme* scheme);

// A font as the program describes it, independent of any DPI (weight 400 regular, 700 bold; charset 1 the
// default character set, 134 GB2312).
struct FontSpec {
    std::wstring face;
    double points = 0;
    int weight = 400;
    bool italic = false, underline = false, strikeout = false;
    int charset = 1;
    bool operator==(const FontSpec& o) const {
        return face == o.face && points == o.points && weight == o.weight && italic == o.italic &&
               underline == o.underline && strikeout == o.strikeout && charset == o.charset;
    }
};

// The six figures of a filled shape, by the value a control stores for them.
enum class FigureKind : std::int16_t { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

// A figure fitted to a box of whole pixels, with the corner ellipse's diameter of the rounded kinds.
struct FigureGeometry {
    bool ellipse = false;
    int left = 0, top = 0, width = 0, height = 0;
    int corner = 0;
};
FigureGeometry FigureFor(FigureKind kind, int boxWidth, int boxHeight);

enum class TextAlign : std::uint8_t { Left, Centre, Right };
// How text takes its box: one line from the box's top-left corner, not cut; one line aligned in the box and cut at
// its edges; lines broken at words to the box's width.
enum class TextFlow : std::uint8_t { Line, Clipped, Wrapped };

class Canvas {
public:
    virtual RectF Area() const = 0;  // the whole surface
    // Frame: a one-pixel outline just inside the box, at any DPI.
    virtual void Fill(const RectF& box, const Ink& ink) = 0;
    virtual void Frame(const RectF& box, const Ink& ink) = 0;
    // A figure filled in its box and outlined `borderWidth` wide (a length in the unit, at least one pixel).
    virtual void Figure(FigureKind kind, const RectF& box, const Ink& fill, const Ink& border, double borderWidth) = 0;
    // Text in a box, drawn on what lies under it.
    virtual void Text(const RectF& box, std::wstring_view text, const FontSpec& font, const Ink& ink, TextAlign align,
                      TextFlow flow) = 0;
    // One line of text as the font it is drawn with takes it: its width and the font's line height.
    virtual SizeF MeasureText(std::wstring_view text, const FontSpec& font) = 0;
    // A picture by its reference, stretched to the box or at its natural size (96-dpi pixels) from its corner.
    virtual void Picture(std::wstring_view ref, const RectF& box, bool naturalSize) = 0;
    // Opaque 0x00RRGGBB pixels, rows top-down, at their natural size (96-dpi pixels) from a corner.
    virtual void Pixels(const std::uint32_t* pixels, int width, int height, double left, double top) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, const Ink& ink) = 0;
    // Whether the surface has the focus with focus cues showing, and the cue: a dotted rectangle visible on any
    // colour, the box moved in by the insets (lengths in the unit; negative grows it).
    virtual bool FocusShown() const = 0;
    virtual void FocusCue(const RectF& box, double insetX, double insetY) = 0;

protected:
    ~Canvas() = default;
};

}  // namespace plat
