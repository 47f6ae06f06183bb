// A journal of what follows a property write or a load, in order: the container's notifications ("notify Caption"),
// the size the control asks for and the Resize it raises ("size 56x30", "Resize"), its repaint requests ("repaint",
// "repaint now"), the text box's edit-box syncs ("sync") and "shows" wherever what a repaint would draw has changed
// since the line before. A write that swaps its notification with its layout or its look reads differently.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "controls/checkbutton/check_button.h"
#include "controls/common/control.h"
#include "controls/common/property_bag.h"
#include "controls/nselection/n_selection.h"
#include "controls/nshape/n_shape.h"
#include "controls/ntextbox/n_textbox.h"
#include "fakes.h"

namespace journal {

inline std::string Hex(unsigned long v) {
    char b[16];
    std::snprintf(b, sizeof(b), "%lX", v);
    return b;
}
inline std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }
inline std::string Box(const kit::RectF& r) {
    std::ostringstream s;
    s << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height;
    return s.str();
}

// Everything a repaint of the control draws, as text.
inline std::string Look(const kit::NShape& m) {
    return std::to_string(m.Width()) + "x" + std::to_string(m.Height()) + " bg " + Hex(m.SurfaceColor()) + " fig " +
           std::to_string(static_cast<int>(m.Figure())) + " " + Box(m.FigureBox()) + " " + Hex(m.FillColor()) + "/" +
           Hex(m.BorderColor()) + " pic " + std::to_string(m.DrawsPicture()) + Narrow(m.ShownPicture().ref) + " " +
           Box(m.PictureBox()) + " cap " + std::to_string(m.DrawsCaption()) + Narrow(m.Caption()) + " " +
           Box(m.CaptionBox()) + " " + Hex(m.TextColor()) + " " + std::to_string(m.CaptionPoints()) +
           (m.FontBold() ? "b" : "");
}
inline std::string Look(const kit::NSelection& m) {
    const auto label = [](const kit::NSelection::Label& l) {
        return Narrow(l.text) + " " + Hex(l.color) + " " + std::to_string(l.points) + (l.bold ? "b " : " ") +
               std::to_string(l.left) + "," + std::to_string(l.top) + " " + std::to_string(l.width) + "x" +
               std::to_string(l.height);
    };
    return std::to_string(m.Width()) + "x" + std::to_string(m.Height()) + " bg " + Hex(m.SurfaceColor()) + " " +
           label(m.Label1()) + " / " + label(m.Label_Descricao());
}
inline std::string Look(const kit::CheckButton& m) {
    return std::to_string(m.Width()) + "x" + std::to_string(m.Height()) + " bg " + Hex(m.SurfaceColor()) + " img " +
           std::to_string(m.ShownImage()) + " at " + std::to_string(m.BoxTop()) + " cap " + Narrow(m.Caption()) + " " +
           Hex(m.CaptionColor()) + " " + Narrow(m.Font().name) + " " + std::to_string(m.CaptionTop()) + " " +
           std::to_string(m.CaptionWidth()) + "x" + std::to_string(m.CaptionHeight());
}
inline std::string Look(const kit::NTextBox& m) {
    const auto label = [](const kit::NTextBox::LabelPart& l) {
        return Narrow(l.caption) + " " + Box(l.r) + " " + Hex(l.fore) + "/" + Hex(l.back) + " " + Narrow(l.font.name) +
               std::to_string(l.font.size) + " " + std::to_string(l.alignment) + std::to_string(l.enabled) +
               std::to_string(l.visible);
    };
    const kit::NTextBox::TextPart& t = m.Txt();
    return std::to_string(m.Width()) + "x" + std::to_string(m.Height()) + " bg " + Hex(m.ControlBackColor()) + " shp " +
           Box(m.ShpBorder().r) + " " + Hex(m.ShpBorder().fill) + "/" + Hex(m.ShpBorder().border) + " txt " +
           Narrow(t.text) + " " + Box(t.r) + " " + Hex(t.fore) + "/" + Hex(t.back) + " " + Narrow(t.font.name) +
           std::to_string(t.font.size) + " " + std::to_string(t.alignment) + std::to_string(t.locked) +
           std::to_string(t.enabled) + std::to_string(t.visible) + Narrow(t.passwordChar) + " lbl " + label(m.Lbl()) +
           " hdr " + label(m.LblHeader());
}

// The lines, and "shows" before a line whenever the look changed since the last one.
struct Log {
    std::function<std::string()> look;
    std::vector<std::string> lines;
    std::string last;
    void Add(const std::string& line) {
        Mark();
        lines.push_back(line);
    }
    void Mark() {
        const std::string now = look();
        if (now != last) lines.push_back("shows");
        last = now;
    }
    // What followed since the last call, joined by ", ".
    std::string Take() {
        Mark();  // a change no repaint request follows still counts
        std::string out;
        for (const std::string& l : lines) out += (out.empty() ? "" : ", ") + l;
        lines.clear();
        return out;
    }
};

// The window's side: it journals what the control asks and grants a size at once, reporting it back as a window
// does.
struct Site final : kit::ControlSite, kit::NTextBoxSite {
    Log* log = nullptr;
    kit::Control* control = nullptr;
    void Invalidate() override { log->Add("repaint"); }
    void Refresh() override { log->Add("repaint now"); }
    void SetInputEnabled(bool on) override { log->Add(on ? "input on" : "input off"); }
    // The window takes the size; once the control has had its first size, the window reports it back.
    void RequestSize(int width, int height) override {
        log->Add("size " + std::to_string(width) + "x" + std::to_string(height));
        window = {width, height};
        if (sized) control->Resize(width, height);
    }
    bool sized = false;
    plat::Size window;  // in the control's unit
    plat::Point ClientPixel(double x, double y) const override { return {static_cast<int>(x), static_cast<int>(y)}; }
    void SyncTxt() override { log->Add("sync"); }
    void SelectAllTxt() override { log->Add("select all"); }
};

// A control as its host makes it, at `width` x `height` of its unit, from `bag` (a new instance without one),
// journalling from the moment its window exists.
template <class Model>
struct Bench {
    fakes::Platform p;
    Log log;
    Site site;
    std::unique_ptr<Model> m;
    kit::LoadResult loaded;
    std::string made;            // the journal of the creation
    std::wstring captionAtSize;  // the caption as the control was given its first size

    Bench(int width, int height, const kit::PropertyBag* bag = nullptr) {
        typename Model::Events e;
        e.PropertyChanged = [this](const std::wstring& name) { log.Add("notify " + Narrow(name)); };
        if constexpr (std::is_same_v<typename Model::Events, kit::ButtonEvents>)
            e.Resize = [this] { log.Add("Resize"); };
        if constexpr (std::is_same_v<Model, kit::NTextBox>) e.Change = [this] { log.Add("Change"); };
        if constexpr (std::is_same_v<Model, kit::NShape>)
            m = std::make_unique<Model>(p.services, e, width, height);
        else
            m = std::make_unique<Model>(p.services, e);
        log.look = [this] { return Look(*m); };
        site.log = &log;
        site.control = m.get();
        log.Take();
        m->Attach(1, &site);
        site.window = {width, height};
        loaded = kit::MakeControl(*m, bag, {L"Control1"}, [&] {
            site.sized = true;
            captionAtSize = m->Caption();
            m->Resize(site.window.cx, site.window.cy);
        });
        made = log.Take();
    }
};

}  // namespace journal
