// Win32 host of N_Shape: turns the window's messages into model calls and paints the model's elements with GDI.
#include "controls/nshape/n_shape_win.h"

#include <cmath>
#include <map>
#include <memory>
#include <optional>

#include "controls/common/contrast.h"
#include "controls/common/kit_host_win.h"
#include "controls/common/property_bag_win.h"
#include "platform/image_win.h"
#include "platform/platform_win.h"
#include "platform/scoped_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kNShapeClass[] = L"RelantoNShape";

namespace {

// A decoded picture: a top-down 32-bit premultiplied DIB, ready for AlphaBlend.
using Image = plat::DibImage;

std::unique_ptr<Image> Decode(const std::string& bytes) {
    auto image = std::make_unique<Image>();
    if (!plat::DecodeImage(bytes, image.get())) return nullptr;
    return image;
}

class Host final : public host::ModelHost<NShape, host::ButtonHost> {
public:
    // The model starts at the size the design places it at.
    Host(const plat::Services& services, const NShapeArgs& args)
        : ModelHost(services, args, plat::NearestPixels(plat::Twips(args.place.width), plat::Dpi{}),
                    plat::NearestPixels(plat::Twips(args.place.height), plat::Dpi{})),
          pictures_(args.pictures),
          twips_(args.place) {
        model_.SetPictureSizer([this](const Picture& p) -> std::optional<plat::Size> {
            const Image* image = ImageFor(p);
            if (!image) return std::nullopt;
            return plat::Size{image->width, image->height};
        });
    }

    // ControlSite
    void RequestSize(int width96, int height96) override {
        if (!hwnd_) return;
        RECT rc;
        GetClientRect(hwnd_, &rc);
        twips_.width = plat::WholeTwips(width96);
        int height = rc.bottom;
        if (height96 != model_.Height()) {
            twips_.height = plat::WholeTwips(height96);
            height = WindowSize(height96);
        }
        SetWindowPos(hwnd_, nullptr, 0, 0, WindowSize(width96), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    // A window that is not on screen has nothing to repaint: showing it paints it whole. Skipping the requests
    // saves a round trip to the window manager for each property a design load applies.
    bool Shown() const override { return hwnd_ && IsWindowVisible(hwnd_); }

    const Image* ImageFor(const Picture& picture) {
        if (picture.empty()) return nullptr;
        auto it = images_.find(picture.ref);
        if (it == images_.end()) {
            std::string bytes;
            std::unique_ptr<Image> image;
            const bool found =
                pictures_ ? pictures_(picture.ref, &bytes) : plat::ProgramPictureBytes(picture.ref, &bytes);
            if (found) image = Decode(bytes);
            it = images_.emplace(picture.ref, std::move(image)).first;  // failures are remembered too
        }
        return it->second.get();
    }

    HFONT CaptionFont() { return fonts_.Get(NShape::kCaptionFace, model_.CaptionPoints(), model_.FontBold(), dpi_); }

    void BeforePaint() override {
        dpi_ = plat::WindowDpi(hwnd_);
        ModelHost::BeforePaint();
    }

    void Draw(HDC dc, const RECT& rc) override {
        {
            plat::GdiObject<HBRUSH> surface(CreateSolidBrush(Color(ColorRole::Surface, model_.SurfaceColor())));
            FillRect(dc, &rc, surface.get());
        }
        {
            const RECT box = WindowRect(model_.FigureBox());
            const FigureGeometry g = FigureFor(model_.Figure(), box.right - box.left, box.bottom - box.top);
            plat::GdiObject<HBRUSH> fill(CreateSolidBrush(Color(ColorRole::Fill, model_.FillColor())));
            plat::GdiObject<HPEN> pen(CreatePen(PS_SOLID | PS_INSIDEFRAME, std::max(1, WindowSize(1)),
                                                Color(ColorRole::Border, model_.BorderColor())));
            plat::SelectObj selectFill(dc, fill.get());
            plat::SelectObj selectPen(dc, pen.get());
            const int l = box.left + g.left, t = box.top + g.top, r = l + g.width, b = t + g.height;
            if (g.width > 0 && g.height > 0) {
                if (g.ellipse)
                    Ellipse(dc, l, t, r, b);
                else if (g.corner > 0)
                    RoundRect(dc, l, t, r, b, g.corner, g.corner);
                else
                    Rectangle(dc, l, t, r, b);
            }
        }
        if (model_.DrawsPicture()) {
            if (const Image* image = ImageFor(model_.ShownPicture()))
                plat::DrawImage(dc, *image, WindowRect(model_.PictureBox()));
        }
        if (model_.DrawsCaption()) {
            const RectF box = model_.CaptionBox();
            DrawCaption(dc, CaptionFont(), model_.TextColor(), box.left, box.top, model_.Caption());
        }
    }

    // After a DPI change the button takes its twips rectangle at the new DPI.
    void Refit() override {
        const RECT r = plat::PixelRect(twips_, dpi_);
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    PictureSource pictures_;
    plat::TwipsRect twips_;  // where the design places the button, with the sizes it asked for since
    std::map<std::wstring, std::unique_ptr<Image>> images_;
    host::FontCache fonts_;
};

}  // namespace

HWND CreateNShape(const NShapeArgs& args) { return host::CreateControl<Host>(kNShapeClass, args); }

NShape* NShapeOf(HWND button) { return host::ModelIfClass<Host>(button, kNShapeClass); }

void SetNShapeCaption(HWND button, const std::wstring& caption) {
    if (NShape* model = NShapeOf(button)) model->SetCaption(caption);
}

std::wstring NShapeCaption(HWND button) {
    NShape* model = NShapeOf(button);
    return model ? model->Caption() : std::wstring();
}

}  // namespace kit
