// Extra fakes for the kit's controls: an event recorder and a platform rig whose pointer is over one window.
#pragma once

#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/common/control_site.h"
#include "fakes.h"
#include "platform/units.h"

namespace kitfakes {

// Collects what a control raised, one line per event, so a test can compare it with a literal list.
struct Recorder {
    std::vector<std::wstring> lines;
    void Add(const std::wstring& line) { lines.push_back(line); }
    void Clear() { lines.clear(); }
    // Only the lines that start with one of the prefixes, in order.
    std::vector<std::wstring> Only(const std::vector<std::wstring>& prefixes) const {
        std::vector<std::wstring> out;
        for (const auto& l : lines)
            for (const auto& p : prefixes)
                if (l.compare(0, p.size(), p) == 0) {
                    out.push_back(l);
                    break;
                }
        return out;
    }
};

// Platform fakes with one control window; the pointer is over it or elsewhere as the test says.
struct Rig {
    static constexpr plat::WindowId kWindow = 0x1000;
    static constexpr plat::WindowId kOther = 0x2000;
    fakes::Platform p;
    plat::WindowId under = 0;  // the window under the pointer
    Rig() {
        p.pointer.windowAt = [this](plat::Point) { return under; };
    }
    void PointerOver() { under = kWindow; }
    void PointerAway() { under = 0; }
    void PointerOverOther() { under = kOther; }
    bool TimerRunning(unsigned id) const { return p.timers.IsRunning(kWindow, id); }
    unsigned TimerPeriod(unsigned id) const {
        auto it = p.timers.running.find({kWindow, id});
        return it == p.timers.running.end() ? 0 : it->second;
    }
};

// What every test's window side of a model shares: the window's size; text measured by a test measurer, in 96-dpi
// pixels, handed to the control in its unit; pictures of the natural sizes listed; the size requests, repaints
// and the rest taken and dropped. A test's site overrides what it watches.
struct SiteBase : kit::ControlSite {
    plat::UnitScale scale;  // 96 dpi; a test of a control in twips sets the unit
    fakes::TextMeasurer* measure = nullptr;
    plat::Size extent;                            // the window's size, in the control's unit
    std::map<std::wstring, plat::Size> pictures;  // the natural size of each picture that can be read

    void Invalidate() override {}
    void Refresh() override {}
    void SetInputEnabled(bool) override {}
    plat::Size Extent() const override { return extent; }
    void RequestSize(int, int) override {}
    plat::Point ClientPixel(double x, double y) const override { return scale.ClientPixel(x, y); }
    plat::SizeF MeasureText(std::wstring_view text, const plat::FontSpec& font) override {
        return measure ? measure->In(scale.unit, text, font) : plat::SizeF{};
    }
    std::optional<plat::Size> PictureSize(std::wstring_view ref) override {
        const auto it = pictures.find(std::wstring(ref));
        if (it == pictures.end()) return std::nullopt;
        return it->second;
    }
    kit::TextField* Field() override { return nullptr; }
    void TakeFocus() override {}
    void CaptionChanged(const std::wstring&) override {}
};

// A window's side of a model: it counts repaints and, when `grant` is set, grants a size request at once and
// reports it back, as a window does.
struct Site final : SiteBase {
    long repaints = 0;
    std::function<void(int width, int height)> grant;
    void Invalidate() override { ++repaints; }
    void Refresh() override { ++repaints; }
    void RequestSize(int width, int height) override {
        if (grant) grant(width, height);
    }
};

// Text whose line height follows the point size (two pixels a point, rounded), with a call count.
struct SizedMeasurer final : fakes::TextMeasurer {
    int charWidth = 8;
    int calls = 0;
    plat::Size Measure(const std::wstring& text, const std::wstring&, double points, bool) override {
        ++calls;
        return {static_cast<int>(text.size()) * charWidth, static_cast<int>(std::lround(points * 2))};
    }
};

// Formats a colour the way tests read them.
inline std::wstring Hex(unsigned long c) {
    wchar_t b[16];
    swprintf(b, 16, L"%08lX", c);
    return b;
}

}  // namespace kitfakes
