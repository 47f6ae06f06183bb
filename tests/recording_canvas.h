// A canvas that writes each part painted on it as one line of text, so a test reads what is on screen: "fill 0,0
// 93x33 Surface &H00EFF1F2&", "text 8,7 64x16 "Control1" left line Text &H00000000& 微软雅黑 8", "focus 0,0 100x30
// in 3,3". Lit parts (a hovered or pressed look) end with " lit". Text is measured as the tests' sites measure it.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "controls/checkbutton/check_button.h"
#include "fakes.h"
#include "platform/canvas.h"
#include "platform/units.h"

namespace recording {

inline std::string Num(double v) {
    char b[32];
    std::snprintf(b, sizeof(b), "%g", v);
    return b;
}
inline std::string Box(const plat::RectF& r) {
    return Num(r.left) + "," + Num(r.top) + " " + Num(r.width) + "x" + Num(r.height);
}
inline std::string Narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
inline std::string InkText(const plat::Ink& ink) {
    static const char* const roles[] = {"Surface",  "Fill",     "Border", "Text",
                                        "PageBack", "PageText", "Link",   "DisabledText"};
    char colour[16];
    std::snprintf(colour, sizeof(colour), "&H%08X&", static_cast<unsigned>(ink.design));
    return std::string(roles[static_cast<int>(ink.role)]) + " " + colour + (ink.lit ? " lit" : "");
}

struct Canvas final : plat::Canvas {
    plat::RectF area;
    bool focused = false;  // the surface has the focus with cues showing
    plat::SizeUnit unit = plat::SizeUnit::Pixels96;
    fakes::TextMeasurer* measure = nullptr;
    std::vector<std::string> lines;

    Canvas(int width, int height, plat::SizeUnit in = plat::SizeUnit::Pixels96, fakes::TextMeasurer* by = nullptr)
        : area{0, 0, static_cast<double>(width), static_cast<double>(height)}, unit(in), measure(by) {}

    // Every line painted since the last call, joined by "; ".
    std::string Take() {
        std::string out;
        for (const std::string& l : lines) out += (out.empty() ? "" : "; ") + l;
        lines.clear();
        return out;
    }

    plat::RectF Area() const override { return area; }
    void Fill(const plat::RectF& box, const plat::Ink& ink) override {
        lines.push_back("fill " + Box(box) + " " + InkText(ink));
    }
    void Frame(const plat::RectF& box, const plat::Ink& ink) override {
        lines.push_back("frame " + Box(box) + " " + InkText(ink));
    }
    void Figure(plat::FigureKind kind, const plat::RectF& box, const plat::Ink& fill, const plat::Ink& border,
                double width) override {
        lines.push_back("figure " + std::to_string(static_cast<int>(kind)) + " " + Box(box) + " " + InkText(fill) +
                        " border " + InkText(border) + " " + Num(width));
    }
    void Text(const plat::RectF& box, std::wstring_view text, const plat::FontSpec& font, const plat::Ink& ink,
              plat::TextAlign align, plat::TextFlow flow) override {
        static const char* const aligns[] = {"left", "centre", "right"};
        static const char* const flows[] = {"line", "clipped", "wrapped"};
        lines.push_back("text " + Box(box) + " \"" + Narrow(text) + "\" " + aligns[static_cast<int>(align)] + " " +
                        flows[static_cast<int>(flow)] + " " + InkText(ink) + " " + Narrow(font.face) + " " +
                        Num(font.points) + (font.weight >= 600 ? " bold" : ""));
    }
    plat::SizeF MeasureText(std::wstring_view text, const plat::FontSpec& font) override {
        return measure ? measure->In(unit, text, font) : plat::SizeF{};
    }
    void Picture(std::wstring_view ref, const plat::RectF& box, bool natural) override {
        lines.push_back("picture \"" + Narrow(ref) + "\" " + Box(box) + (natural ? " natural" : ""));
    }
    void Pixels(const std::uint32_t* pixels, int width, int height, double left, double top) override {
        // The check box's images by their index.
        std::string name = "pixels";
        const auto& images = kit::CheckBoxImages();
        for (std::size_t i = 0; i < images.size(); ++i)
            if (images[i].pixels.data() == pixels) name = "box image " + std::to_string(i);
        lines.push_back(name + " " + std::to_string(width) + "x" + std::to_string(height) + " at " + Num(left) + "," +
                        Num(top));
    }
    void Line(double x1, double y1, double x2, double y2, const plat::Ink& ink) override {
        lines.push_back("line " + Num(x1) + "," + Num(y1) + " " + Num(x2) + "," + Num(y2) + " " + InkText(ink));
    }
    bool FocusShown() const override { return focused; }
    void FocusCue(const plat::RectF& box, double insetX, double insetY) override {
        lines.push_back("focus " + Box(box) + " in " + Num(insetX) + "," + Num(insetY));
    }
};

}  // namespace recording
