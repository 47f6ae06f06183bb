// A journal of what follows a property write or a load, in order: the container's notifications ("notify Caption"),
// the size the control asks for and the Resize it raises ("size 56x-", "Resize": "-" keeps a side), its repaint
// requests ("repaint", "repaint now"), what the text box's edit box is shown ("sync") and "shows" wherever what
// shows of the control (its paint on the recording canvas, the picture N_Shape holds, the edit box) has changed
// since the line before. A write that swaps its notification with its layout or its look reads differently.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/checkbutton/check_button.h"
#include "controls/common/control.h"
#include "controls/common/property_bag.h"
#include "controls/nselection/n_selection.h"
#include "controls/nshape/n_shape.h"
#include "controls/ntextbox/n_textbox.h"
#include "fakes.h"
#include "kit_fakes.h"
#include "recording_canvas.h"

namespace journal {

using recording::Narrow;

// What a repaint of the control draws now, on the recording canvas: for N_Shape its elements as they show (a
// repaint would first put Picture_Normal back), for the others their whole paint.
template <class Model>
std::string Painted(Model& m, fakes::TextMeasurer* measure, bool focused = false) {
    recording::Canvas c(m.Width(), m.Height(), m.SizeUnit(), measure);
    c.focused = focused;
    if constexpr (std::is_same_v<Model, kit::NShape>)
        m.PaintElements(c);
    else
        m.Paint(c);
    return c.Take();
}

// What shows of the control: its paint, and what no paint shows but the screen does: the picture N_Shape's Image1
// holds, the text box's edit box.
template <class Model>
std::string Look(Model& m, fakes::TextMeasurer* measure) {
    std::string look = Painted(m, measure);
    if constexpr (std::is_same_v<Model, kit::NShape>) look += "; shown " + Narrow(m.ShownPicture().ref);
    if constexpr (std::is_same_v<Model, kit::NTextBox>) {
        const kit::NTextBox::TextPart& t = m.Txt();
        look += "; txt " + Narrow(t.text) + " " + recording::Box(t.r) + " " + std::to_string(t.fore) + "/" +
                std::to_string(t.back) + " " + Narrow(t.font.name) + recording::Num(t.font.size) + " " +
                std::to_string(t.alignment) + std::to_string(t.locked) + std::to_string(t.enabled) +
                std::to_string(t.visible) + Narrow(t.passwordChar);
    }
    return look;
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

// The window's side: it journals what the control asks, grants a size at once and reports it back as a window
// does, and offers a text field that journals what it is shown.
struct Site final : kitfakes::SiteBase, kit::TextField {
    Log* log = nullptr;
    kit::Control* control = nullptr;
    void Invalidate() override { log->Add("repaint"); }
    void Refresh() override { log->Add("repaint now"); }
    void SetInputEnabled(bool on) override { log->Add(on ? "input on" : "input off"); }
    // The window takes the size and reports it back.
    void RequestSize(int width, int height) override {
        log->Add("size " + (width < 0 ? std::string("-") : std::to_string(width)) + "x" +
                 (height < 0 ? std::string("-") : std::to_string(height)));
        extent = {width < 0 ? extent.cx : width, height < 0 ? extent.cy : height};
        control->Resize(extent.cx, extent.cy);
    }
    kit::TextField* Field() override { return offersField ? this : nullptr; }
    bool offersField = false;
    void Show(const Look&) override { log->Add("sync"); }
    std::wstring Text() const override { return {}; }
    void SelectAll() override { log->Add("select all"); }
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
        m = std::make_unique<Model>(p.services, e);
        log.look = [this] { return Look(*m, &p.text); };
        site.log = &log;
        site.control = m.get();
        site.measure = &p.text;
        site.scale.unit = m->SizeUnit();
        site.extent = {width, height};
        site.offersField = std::is_same_v<Model, kit::NTextBox>;
        log.Take();
        m->Attach(1, &site);
        loaded = kit::MakeControl(*m, bag, {L"Control1"}, [&] {
            captionAtSize = m->Caption();
            m->Resize(site.extent.cx, site.extent.cy);
        });
        made = log.Take();
    }
};

}  // namespace journal
