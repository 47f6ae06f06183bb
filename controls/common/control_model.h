// What every model of the kit keeps alike: the platform's services, the container's handlers, the site and
// display scale of the window that shows it, its enabled flag and the unit it keeps its size in. A host converts
// sizes between its window's pixels and that unit, once (kit_host_win.h).
#pragma once

#include <string>
#include <utility>

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

template <typename Events, plat::SizeUnit Unit, typename Site = ControlSite>
class ControlModel {
public:
    static constexpr plat::SizeUnit kSizeUnit = Unit;

    ControlModel(const plat::Services& services, Events events) : services_(services), events_(std::move(events)) {}
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    // The container's handlers; they may be rebound at any time.
    Events& events() { return events_; }
    const plat::Services& services() const { return services_; }
    // The window the control lives in (what the pointer queries and timers name), its site and its DPI.
    void Attach(plat::WindowId window, Site* site, unsigned dpi = plat::kBaseDpi) {
        site_ = site;
        SetDpi(dpi);
        Attached(window);
    }
    // The window's DPI: pointer positions arrive in its pixels.
    void SetDpi(unsigned dpi) { dpi_ = dpi ? dpi : plat::kBaseDpi; }
    unsigned dpi() const { return dpi_; }
    Site* site() const { return site_; }
    bool Enabled() const { return enabled_; }

protected:
    ~ControlModel() = default;
    virtual void Attached(plat::WindowId /*window*/) {}
    void Redraw() {
        if (site_) site_->Invalidate();
    }
    // One line of text in a stored font, in twips (bold from weight 600); nothing without a text service.
    plat::Size MeasureTwips(const std::wstring& text, const Font& font) const {
        if (!services_.text) return {};
        const plat::Size px =
            services_.text->Measure(text, font.name, plat::DrawnPoints(font.size), font.weight >= kBoldWeight);
        return {plat::TwipsFrom96(px.cx), plat::TwipsFrom96(px.cy)};
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
    Site* site_ = nullptr;
    unsigned dpi_ = plat::kBaseDpi;
    bool enabled_ = true;
};

}  // namespace kit
