// Win32 host of the guide pages: paints the page on the window's canvas, double-buffered at the window's DPI, and
// places the page's buttons, each opening its link.
#include "guides/guide_window_win.h"

#include <oleacc.h>

#include <memory>
#include <vector>

#include "controls/common/property_bag.h"
#include "controls/nshape/n_shape_win.h"
#include "guides/guide_pages.h"
#include "guides/links.h"
#include "controls/common/kit_accessible_win.h"
#include "guides/page_reading.h"
#include "platform/accessible_win.h"
#include "platform/display_scheme_win.h"
#include "platform/canvas_win.h"
#include "platform/keyboard_win.h"
#include "platform/os_api_win.h"
#include "platform/platform_win.h"
#include "platform/units.h"
#include "platform/window_host_win.h"
#include "platform/window_win.h"
#include "res/resource.h"

namespace guides {
namespace {

// A fixed dialog frame with a close box only.
const DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

HWND g_open[2] = {nullptr, nullptr};

// Windows get a taskbar button when they have no owner; the guides are owned by this hidden window instead,
// which belongs to no other window of the program, so closing the main window leaves them alone.
HWND HiddenOwner(HINSTANCE instance) {
    static HWND owner = nullptr;
    if (owner && IsWindow(owner)) return owner;
    plat::WindowClass wc;
    wc.name = L"RelantoGuideOwner";
    wc.proc = DefWindowProcW;
    plat::RegisterWindowClass(wc);
    owner = CreateWindowExW(0, wc.name, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    return owner;
}

class GuideWindow final : public plat::AccessibleSource, public plat::PageWindow {
public:
    GuideWindow(Guide guide, const PageSpec& page, const plat::Services& services)
        : guide_(guide), page_(page), services_(services) {}

    // AccessibleSource: the painted labels and pictures and the link buttons, in reading order.
    int AccessibleChildCount() override { return static_cast<int>(reading_.size()); }
    bool DescribeAccessible(int child, plat::AccessibleElement* out) override {
        if (child == 0) {
            out->role = ROLE_SYSTEM_CLIENT;
            out->name = page_.caption;
            return true;
        }
        if (child < 0 || child > AccessibleChildCount()) return false;
        const PageItem& item = reading_[static_cast<std::size_t>(child - 1)];
        if (item.kind == PageItem::Button) {
            out->window = buttons_[static_cast<std::size_t>(item.index)];
            return out->window != nullptr;
        }
        if (item.kind == PageItem::Label) {
            const LabelSpec& l = page_.labels[static_cast<std::size_t>(item.index)];
            *out = kit::ToElement(DescribeLabel(l));
            out->client = plat::PixelRect(l.place, dpi_);
        } else {
            const ImageSpec& m = page_.images[static_cast<std::size_t>(item.index)];
            *out = kit::ToElement(DescribeImage(m));
            out->client = plat::PixelRect(m.place, dpi_);
        }
        return true;
    }

    // The first link button takes the focus when the window opens.
    HWND FirstControl() const override { return buttons_.empty() ? nullptr : buttons_[0]; }

private:
    friend LRESULT CALLBACK plat::WindowProc<GuideWindow>(HWND, UINT, WPARAM, LPARAM);

    void OnCreate() {
        plat::TopLevelOpened();
        g_open[static_cast<int>(guide_)] = hwnd_;
        dpi_ = plat::WindowDpi(hwnd_);
        const auto design = kit::ParseDesign(page_.design);
        int id = kFirstButtonId;
        for (const ButtonSpec& b : page_.buttons) {
            kit::NShapeArgs args;
            args.parent = hwnd_;
            args.id = id++;
            args.name = b.name;
            args.place = b.place;
            args.bag = design ? design->Find(b.name) : nullptr;
            const Link link = b.link;
            args.services = &services_;
            args.events.Click = [this, link] { services_.links->Open(Address(link)); };
            buttons_.push_back(kit::CreateNShape(args));
        }
        reading_ = ReadingOrder(page_);
    }

    void Paint() {
        plat::PaintWindow(hwnd_, {plat::SizeUnit::Twips, plat::Dpi{dpi_}}, services_.scheme, cache_, false,
                          [this](plat::Canvas& canvas) { PaintPage(page_, canvas); });
    }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
        if (const auto painted = plat::RoutePaint(msg, [this] { Paint(); })) return *painted;
        switch (msg) {
            case WM_CREATE:
                OnCreate();
                return 0;
            case WM_DPICHANGED: {
                dpi_ = HIWORD(wp);
                plat::MoveToSuggestedRect(hwnd_, lp);
                // The buttons place themselves from their twips rectangles when the DPI changes; the canvas makes
                // its fonts at the new DPI.
                InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
            }
            case WM_SYSCOLORCHANGE:
            case WM_SETTINGCHANGE:
                // A new scheme or new system colours: everything drawn in them, buttons included, again.
                plat::FollowSystemColors(hwnd_, msg, wp);
                break;
            case WM_GETOBJECT:
                if (const LRESULT answer = access_.Answer(hwnd_, wp, lp)) return answer;
                break;
            case WM_DESTROY:
                access_.Disconnect();
                if (g_open[static_cast<int>(guide_)] == hwnd_) g_open[static_cast<int>(guide_)] = nullptr;
                plat::TopLevelClosed();
                return 0;
        }
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

    Guide guide_;
    const PageSpec& page_;
    const plat::Services& services_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    std::vector<HWND> buttons_;
    plat::PaintCache cache_;
    std::vector<PageItem> reading_;
    plat::AccessibleHost access_{this};
};

class Win32GuideSlot final : public GuideSlot {
public:
    Win32GuideSlot(HINSTANCE instance, Guide guide, const plat::Services& services)
        : instance_(instance), guide_(guide), services_(services) {}

protected:
    bool IsOpen() const override { return OpenGuide(guide_) != nullptr; }
    void Activate() override {
        HWND w = OpenGuide(guide_);
        ShowWindow(w, SW_SHOWNORMAL);
        SetForegroundWindow(w);
    }
    void Create() override {
        if (!plat::RegisterProgramWindowClass(kGuideClass, &plat::WindowProc<GuideWindow>, 0, IDI_APP)) return;
        const PageSpec& page = guide_ == Guide::Help ? HelpPage() : AboutPage();
        const UINT dpi = plat::SystemDpi();
        const plat::UnitScale design{plat::SizeUnit::Twips};  // the page's size in 96-dpi pixels
        const RECT r = plat::CenteredWindowRect(design.PlaceToPixels(page.clientWidth),
                                                design.PlaceToPixels(page.clientHeight), kStyle, kExStyle, dpi);
        HWND w = plat::CreateHostedWindow(new GuideWindow(guide_, page, services_), kExStyle, kGuideClass, page.caption,
                                          kStyle, r, HiddenOwner(instance_), nullptr);
        if (!w) return;
        ShowWindow(w, SW_SHOWNORMAL);
        UpdateWindow(w);
    }

private:
    HINSTANCE instance_;
    Guide guide_;
    const plat::Services& services_;
};

}  // namespace

HWND OpenGuide(Guide guide) {
    HWND w = g_open[static_cast<int>(guide)];
    return w && IsWindow(w) ? w : nullptr;
}

void ShowGuide(HINSTANCE instance, Guide guide, const plat::Services& services) {
    Win32GuideSlot slot(instance, guide, services);
    slot.Show();
}

}  // namespace guides
