// The static pages of the guide windows: labels, pictures, separator lines and link buttons, in twips.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/ole_color.h"
#include "platform/units.h"
#include "guides/links.h"

namespace guides {

enum class Align { Left, Center };

// The character set of the pages' Chinese text (GB2312).
constexpr int kGb2312Charset = 134;

struct LabelSpec {
    const wchar_t* name;
    plat::TwipsRect place;
    double points;
    plat::OleColor color;
    const wchar_t* text;
    Align align = Align::Left;
    bool underline = false;
    const wchar_t* face = L"微软雅黑";
    int charset = kGb2312Charset;  // the character set the label's font is asked for
};

struct ImageSpec {
    const wchar_t* name;
    plat::TwipsRect place;
    const wchar_t* image;  // picture reference, see res/
    bool stretch;
};

struct LineSpec {
    const wchar_t* name;
    int x1, y1, x2, y2;
    plat::OleColor color;
};

struct ButtonSpec {
    const wchar_t* name;  // also the section of the page's design
    plat::TwipsRect place;
    Link link;
};

struct PageSpec {
    const wchar_t* caption;
    int clientWidth, clientHeight;  // twips
    std::vector<LabelSpec> labels;  // in drawing order: later labels lie in front
    std::vector<ImageSpec> images;
    std::vector<LineSpec> lines;
    std::vector<ButtonSpec> buttons;  // in tab order; the first has the focus when the window opens
    const wchar_t* design;            // the buttons' stored properties, in the design text form
};

const PageSpec& HelpPage();
const PageSpec& AboutPage();

// A page's whole look, in twips: the white page, each label on its own white (a later label hides what lies under
// it), the pictures and the lines; the buttons are windows of their own.
void PaintPage(const PageSpec& page, plat::Canvas& canvas);

// Creates a guide window on first use and re-shows the open one afterwards: one instance of each at a time.
class GuideSlot {
public:
    virtual ~GuideSlot() = default;
    void Show() {
        if (IsOpen())
            Activate();
        else
            Create();
    }

protected:
    virtual bool IsOpen() const = 0;
    virtual void Activate() = 0;
    virtual void Create() = 0;
};

}  // namespace guides
