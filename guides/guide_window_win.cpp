// Win32 host of the guide pages: paints labels, pictures and lines double-buffered at the window's DPI and places
// the page's buttons, each opening its link.
#include "guides/guide_window_win.h"

#include <oleacc.h>

#include <memory>
#include <vector>

#include "controls/common/property_bag.h"
#include "controls/nshape/n_shape_win.h"
#include "guides/guide_pages.h"
#include "guides/links.h"
#include "controls/common/contrast_win.h"
#include "controls/common/kit_accessible_win.h"
#include "guides/page_reading.h"
#include "platform/accessible_win.h"
#include "platform/display_scheme_win.h"
#include "platform/image_win.h"
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
        LoadPictures();
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
        BuildFonts();
    }

    void LoadPictures() {
        images_.clear();
        images_.resize(page_.images.size());
        for (std::size_t i = 0; i < page_.images.size(); ++i)
            plat::LoadProgramImage(page_.images[i].image, &images_[i]);
    }

    void BuildFonts() {
        fonts_.clear();
        for (const LabelSpec& l : page_.labels)
            fonts_.push_back(plat::MakeFont({l.face, l.points, FW_NORMAL, false, l.underline, false, l.charset}, dpi_));
    }

    void Paint() {
        plat::BufferedPaint paint(hwnd_);
        if (!paint.ok()) return;
        HDC dc = paint.dc();
        const HBRUSH back = kit::PageBackBrush(services_.scheme);
        FillRect(dc, &paint.client(), back);
        SetBkMode(dc, TRANSPARENT);
        for (std::size_t i = 0; i < page_.labels.size(); ++i) {
            const LabelSpec& l = page_.labels[i];
            RECT r = plat::PixelRect(l.place, dpi_);
            // Opaque labels: a later label hides what lies under it.
            FillRect(dc, &r, back);
            plat::SelectObj font(dc, fonts_[i].get());
            // In high contrast a label that names a link takes the link colour.
            SetTextColor(dc, kit::PageColor(services_.scheme,
                                            l.underline ? kit::ColorRole::Link : kit::ColorRole::PageText, l.color));
            const UINT align = l.align == Align::Center ? DT_CENTER : DT_LEFT;
            DrawTextW(dc, l.text, -1, &r, align | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
        }
        for (std::size_t i = 0; i < page_.images.size(); ++i) {
            const ImageSpec& im = page_.images[i];
            RECT r = plat::PixelRect(im.place, dpi_);
            if (!im.stretch && images_[i]) {  // natural size, scaled only for the display
                r.right = r.left + plat::NearestPixels(plat::Pixels96(images_[i].width), plat::Dpi{dpi_});
                r.bottom = r.top + plat::NearestPixels(plat::Pixels96(images_[i].height), plat::Dpi{dpi_});
            }
            plat::DrawImage(dc, images_[i], r);
        }
        for (const LineSpec& line : page_.lines) {
            plat::GdiObject<HPEN> pen(
                CreatePen(PS_SOLID, 1, kit::PageColor(services_.scheme, kit::ColorRole::PageText, line.color)));
            plat::SelectObj select(dc, pen.get());
            const auto at = [this](int twips) { return plat::NearestPixels(plat::Twips(twips), plat::Dpi{dpi_}); };
            MoveToEx(dc, at(line.x1), at(line.y1), nullptr);
            LineTo(dc, at(line.x2), at(line.y2));
        }
        paint.Blit();
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
                // The buttons place themselves from their twips rectangles when the DPI changes.
                BuildFonts();
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
    std::vector<plat::DibImage> images_;
    std::vector<plat::GdiObject<HFONT>> fonts_;
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
        const RECT r = plat::CenteredWindowRect(plat::NearestPixels(plat::Twips(page.clientWidth), plat::Dpi{}),
                                                plat::NearestPixels(plat::Twips(page.clientHeight), plat::Dpi{}),
                                                kStyle, kExStyle, dpi);
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
