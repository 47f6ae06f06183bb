// What every model of the kit keeps alike, under the control interface: the platform's services, the container's
// handlers, the site of the window that shows it, its enabled flag and the unit it keeps its size in. A model
// knows no DPI: its host converts between its window's pixels and that unit, once (kit_host_win.h).
#pragma once

#include <string>
#include <utility>

#include "controls/common/control.h"
#include "controls/common/control_events.h"
#include "controls/common/control_site.h"
#include "controls/common/property_bag_core.h"
#include "platform/platform.h"
#include "platform/units.h"

namespace kit {

// A box in floating-point units of the control (96-dpi pixels or twips), as the elements hold their places.
struct RectF {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

template <typename Events, plat::SizeUnit Unit>
class ControlModel : public Control {
public:
    ControlModel(const plat::Services& services, Events events) : services_(services), events_(std::move(events)) {}
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    // The container's handlers; they may be rebound at any time.
    Events& events() { return events_; }
    const plat::Services& services() const { return services_; }
    // The window the control lives in (what the pointer queries and timers name) and its site.
    void Attach(plat::WindowId window, ControlSite* site) final {
        site_ = site;
        Attached(window);
    }
    ControlSite* site() const { return site_; }
    bool Enabled() const final { return enabled_; }
    plat::SizeUnit SizeUnit() const final { return Unit; }
    // The enabled flag; what follows it (the press ended, the look, the notification) is each control's own.
    void SetEnabled(bool enabled) {
        enabled_ = enabled;
        EnabledChanged();
    }

protected:
    virtual void Attached(plat::WindowId /*window*/) {}
    virtual void EnabledChanged() = 0;
    void Redraw() {
        if (site_) site_->Invalidate();
    }
    // One line of text in a stored font, in twips (bold from weight 600); nothing without a text service.
    plat::Size MeasureTwips(const std::wstring& text, const Font& font) const {
        if (!services_.text) return {};
        const plat::Size px =
            services_.text->Measure(text, font.name, plat::DrawnPoints(font.size), font.weight >= kBoldWeight);
        return {plat::WholeTwips(px.cx), plat::WholeTwips(px.cy)};
    }
    // A place of the control as its window's client pixel, for the platform's pointer queries; without a site, as
    // if the unit were the window's pixels.
    plat::Point ClientPixel(double x, double y) const {
        return site_ ? site_->ClientPixel(x, y) : plat::Point{plat::Nearest(x), plat::Nearest(y)};
    }
    // Every property write ends here, so a designer can mark its design modified.
    void Notify(const wchar_t* property) { Raise(events_.PropertyChanged, std::wstring(property)); }
    // Stores a value the control keeps for later (a look not showing) and notifies.
    template <typename T>
    void Keep(T& stored, const T& value, const wchar_t* property) {
        stored = value;
        Notify(property);
    }
    // Stores a value that shows at once in `element` (when there is one), repaints and notifies.
    template <typename T>
    void ShowNow(T& stored, T* element, const T& value, const wchar_t* property) {
        stored = value;
        if (element) *element = value;
        Redraw();
        Notify(property);
    }

    static constexpr int kBoldWeight = 600;
    const plat::Services services_;
    Events events_;
    ControlSite* site_ = nullptr;
    bool enabled_ = true;
};

// A control's three persistence calls, written once over its table `Model::kStoredKeys`: a new instance; a load
// from the container's bag, which stops at the first key that does not convert or is refused and names it (what
// was applied before it stays); a save, which hands the bag every key. `Base` is the model's own base.
template <class Model, class Base>
class Stored : public Base {
public:
    using Base::Base;
    void InitNew(const Ambient& ambient) final { Model::kStoredKeys.InitNew(static_cast<Model&>(*this), ambient); }
    LoadResult Load(const PropertyBag& bag, const Ambient& ambient) final {
        const LoadResult result = Model::kStoredKeys.Load(static_cast<Model&>(*this), bag, ambient);
        Loaded();
        return result;
    }
    bool Save(PropertyBag& bag, const Ambient& ambient) const final {
        Model::kStoredKeys.Save(static_cast<const Model&>(*this), bag, ambient);
        return true;
    }

protected:
    virtual void Loaded() {}  // a load, however far it went, may need following up
};

}  // namespace kit
