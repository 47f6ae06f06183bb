// Check button CheckButton: box images, click cycling, pointer looks, the leave poll, layout and persistence.
#include "controls/checkbutton/check_button.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

struct Rgb {
    int r, g, b;
};

std::uint32_t Pack(Rgb c) {
    return (static_cast<std::uint32_t>(c.r) << 16) | (static_cast<std::uint32_t>(c.g) << 8) |
           static_cast<std::uint32_t>(c.b);
}

Rgb Mix(Rgb under, Rgb over, double coverage) {
    auto ch = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * coverage)); };
    return {ch(under.r, over.r), ch(under.g, over.g), ch(under.b, over.b)};
}

BoxImage Box(Rgb frame, Rgb interior) {
    BoxImage img;
    for (int y = 0; y < BoxImage::kSide; ++y)
        for (int x = 0; x < BoxImage::kSide; ++x) {
            const bool edge = x == 0 || y == 0 || x == BoxImage::kSide - 1 || y == BoxImage::kSide - 1;
            img.pixels[static_cast<std::size_t>(y * BoxImage::kSide + x)] = Pack(edge ? frame : interior);
        }
    return img;
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = std::max(0.0, std::min(1.0, t));
    const double cx = ax + t * dx - px, cy = ay + t * dy - py;
    return std::sqrt(cx * cx + cy * cy);
}

// Draws the tick over the interior, smoothed: each pixel takes the share of its 4 x 4 samples that lie within
// the stroke. The short arm starts at the left of the interior about two thirds down; the long arm ends at the
// interior's top right. Fully covered pixels get exactly the tick colour, the darkest of the mark.
void Tick(BoxImage& img, Rgb interior, Rgb tick) {
    const double ax = 2.4, ay = 7.6;   // start of the short arm
    const double bx = 5.0, by = 10.2;  // the bend
    const double cx = 10.6, cy = 3.0;  // end of the long arm
    const double halfWidth = 1.0;
    for (int y = 1; y < BoxImage::kSide - 1; ++y)
        for (int x = 1; x < BoxImage::kSide - 1; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
                    const double d =
                        std::min(DistanceToSegment(px, py, ax, ay, bx, by), DistanceToSegment(px, py, bx, by, cx, cy));
                    if (d <= halfWidth) ++inside;
                }
            if (inside > 0)
                img.pixels[static_cast<std::size_t>(y * BoxImage::kSide + x)] =
                    Pack(Mix(interior, tick, inside / 16.0));
        }
}

// A solid 7 x 7 square centred in the 11 x 11 interior.
void Square(BoxImage& img, Rgb colour) {
    for (int y = 3; y <= 9; ++y)
        for (int x = 3; x <= 9; ++x) img.pixels[static_cast<std::size_t>(y * BoxImage::kSide + x)] = Pack(colour);
}

std::array<BoxImage, 12> MakeImages() {
    const Rgb normalFrame{170, 173, 176}, hoverFrame{24, 133, 210}, liveInterior{202, 237, 216};
    const Rgb offFrame{207, 211, 215}, offInterior{242, 245, 249};
    const Rgb tickedOffFrame{189, 191, 194}, tickedOffInterior{248, 249, 249};
    const Rgb green{0, 173, 65}, grey{164, 165, 166}, offSquare{242, 247, 245};
    std::array<BoxImage, 12> images;
    images[0] = Box(normalFrame, liveInterior);
    images[1] = Box(hoverFrame, liveInterior);
    images[2] = images[1];
    images[3] = Box(offFrame, offInterior);
    images[4] = images[0];
    Tick(images[4], liveInterior, green);
    images[5] = images[1];
    Tick(images[5], liveInterior, green);
    images[6] = images[5];
    images[7] = Box(tickedOffFrame, tickedOffInterior);
    Tick(images[7], tickedOffInterior, grey);
    images[8] = images[0];
    Square(images[8], green);
    images[9] = images[1];
    Square(images[9], green);
    images[10] = images[9];
    images[11] = images[3];
    Square(images[11], offSquare);
    return images;
}

// A stored font may carry any size; it is measured and drawn at no more than the largest size a font takes.
double DrawnPoints(double points) { return std::isfinite(points) ? std::min(std::max(points, 0.0), 2160.0) : 0.0; }

// VB-style integer division of a rounded value: round half to even, then divide truncating toward zero.
int RoundThenHalve(double value) { return static_cast<int>(std::nearbyint(value)) / 2; }

}  // namespace

const std::array<BoxImage, 12>& CheckBoxImages() {
    static const std::array<BoxImage, 12> images = MakeImages();
    return images;
}

CheckButton::CheckButton(const plat::Services& services, Events events)
    : services_(services), events_(std::move(events)) {
    MeasureCaption();
}

void CheckButton::Attach(plat::WindowId window, View* view, unsigned dpi) {
    window_ = window;
    view_ = view;
    SetDpi(dpi);
    RefreshPicture();
    Layout();
    // The poll runs from creation: its first tick with the pointer elsewhere reports MouseOut once.
    StartTimer1();
}

void CheckButton::Notify(const wchar_t* property) {
    if (events_.PropertyChanged) events_.PropertyChanged(property);
}

void CheckButton::Redraw() {
    if (view_) view_->Repaint();
}

void CheckButton::StartTimer1() {
    if (services_.timers && window_) services_.timers->Start(window_, kTimer1, kTimer1PeriodMs);
    timerRunning_ = true;
}

void CheckButton::StopTimer1() {
    if (services_.timers && window_) services_.timers->Stop(window_, kTimer1);
    timerRunning_ = false;
}

void CheckButton::ShowLook(int look) {
    // Values outside 0 to 2 have no image: the box keeps what it showed.
    if (value_ < 0 || value_ > 2) return;
    shownImage_ = 4 * value_ + look;
    Redraw();
}

void CheckButton::RefreshPicture() {
    if (enabled_)
        ShowLook(kNormalLook);
    else
        ShowDisabledPicture();
}

void CheckButton::ShowDisabledPicture() { ShowLook(kDisabledLook); }

void CheckButton::MeasureCaption() {
    if (!services_.text) return;
    const plat::Size s = services_.text->Measure(caption_, font_.name, DrawnPoints(font_.size), font_.weight >= 600);
    captionWidth_ = s.cx * 15;
    captionHeight_ = s.cy * 15;
}

void CheckButton::Layout() {
    boxTop_ = RoundThenHalve(static_cast<double>(height_) - kBoxTwips);
    captionTop_ = RoundThenHalve(static_cast<double>(height_) - captionHeight_);
    Redraw();
}

void CheckButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (view_) view_->SetInputEnabled(enabled);
    RefreshPicture();
    captionColor_ = enabled ? foreColor_ : kDisabledCaption;
    Redraw();
}

void CheckButton::SetValue(std::int32_t value) {
    value_ = value;
    RefreshPicture();
    Notify(L"Value");
}

void CheckButton::SetCaption(const std::wstring& text) {
    caption_ = text;
    MeasureCaption();
    Layout();
    Notify(L"Caption");
}

void CheckButton::SetFont(const kit::Font& font) {
    font_ = font;
    MeasureCaption();
    Layout();
    Notify(L"Font");
}

void CheckButton::SetBackColor(OleColor c) {
    backColor_ = c;
    Notify(L"BackColor");
    Redraw();
}

void CheckButton::SetForeColor(OleColor c) {
    foreColor_ = c;
    Notify(L"ForeColor");
    captionColor_ = enabled_ ? c : kDisabledCaption;
    Redraw();
}

void CheckButton::Resize(int widthTwips, int heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
    Layout();
}

CheckButton::Source CheckButton::HitTest(float x, float y) const {
    if (x >= 0 && x < kBoxTwips && y >= boxTop_ && y < boxTop_ + kBoxTwips) return Source::Picture;
    if (captionWidth_ > 0 && x >= kCaptionLeft && x < kCaptionLeft + captionWidth_ && y >= captionTop_ &&
        y < captionTop_ + captionHeight_)
        return Source::Caption;
    return Source::Surface;
}

CheckButton::Source CheckButton::PartFor(float x, float y) const {
    // While a button is held the part that took the press keeps the pointer, as the platform's capture does.
    return buttonsDown_ != 0 ? pressPart_ : HitTest(x, y);
}

void CheckButton::Relative(Source part, float* x, float* y) const {
    if (part == Source::Picture) {
        *y -= static_cast<float>(boxTop_);
    } else if (part == Source::Caption) {
        *x -= static_cast<float>(kCaptionLeft);
        *y -= static_cast<float>(captionTop_);
    }
}

void CheckButton::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    const Source part = PartFor(x, y);
    if (buttonsDown_ == 0) pressPart_ = part;
    buttonsDown_ |= button;
    Relative(part, &x, &y);
    if (enabled_) ShowLook(kPressedLook);
    if (events_.MouseDown) events_.MouseDown(button, shift, x, y);
}

void CheckButton::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    StartTimer1();
    const Source part = PartFor(x, y);
    if (part == Source::Caption) {
        // The caption reports its own position in the control, not the pointer's.
        x = static_cast<float>(kCaptionLeft);
        y = static_cast<float>(captionTop_);
    } else {
        Relative(part, &x, &y);
    }
    // Outside these bounds the pointer is captured and has left the control while a button is held.
    if (x < 0 || x > width_ || y < 0 || y > height_) return;
    if (events_.MouseMove) events_.MouseMove(button, shift, x, y);
    if (enabled_) ShowLook(button == 1 ? kPressedLook : kHoverLook);
}

void CheckButton::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    const Source part = PartFor(x, y);
    buttonsDown_ &= ~button;
    Relative(part, &x, &y);
    if (events_.MouseUp) events_.MouseUp(button, shift, x, y);
}

void CheckButton::Click() {
    if (value_ == 1 || value_ == 2)
        SetValue(0);
    else if (value_ == 0)
        SetValue(1);
    RefreshPicture();
    if (events_.Click) events_.Click();
}

void CheckButton::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (events_.KeyDown) events_.KeyDown(keyCode, shift);
}

void CheckButton::KeyPress(std::int16_t keyAscii) {
    if (events_.KeyPress) events_.KeyPress(keyAscii);
}

void CheckButton::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (events_.KeyUp) events_.KeyUp(keyCode, shift);
}

void CheckButton::Timer1Tick() {
    // A tick already queued when the poll stopped must not raise MouseOut a second time.
    if (!timerRunning_ || !services_.pointer || !window_) return;
    const plat::Point p = services_.pointer->ScreenToClient(window_, services_.pointer->CursorPos());
    const long w = std::lround(width_ * static_cast<double>(dpi_) / 1440.0);
    const long h = std::lround(height_ * static_cast<double>(dpi_) / 1440.0);
    // The right and bottom edges count as inside.
    const bool outside = p.x < 0 || p.y < 0 || p.x > w || p.y > h;
    if (!outside) return;
    RefreshPicture();
    StopTimer1();
    if (events_.MouseOut) events_.MouseOut();
}

void CheckButton::InitNew(const std::wstring& instanceName, const kit::Font& containerFont) {
    SetCaption(instanceName);
    SetEnabled(true);
    SetValue(0);
    SetFont(containerFont);
    SetBackColor(0x8000000F);
    SetForeColor(0);
}

bool CheckButton::Load(const PropertyBag& bag, const std::wstring& instanceName, const kit::Font& containerFont) {
    auto value = ToInt32(bag.Read(L"Value", kit::Value(0)));
    if (!value) return false;
    SetValue(*value);
    auto caption = ToText(bag.Read(L"Caption", kit::Value(instanceName)));
    if (!caption) return false;
    SetCaption(*caption);
    auto enabled = ToBool16(bag.Read(L"Enabled", kit::Value(true)));
    if (!enabled) return false;
    SetEnabled(*enabled != 0);
    auto font = ToFont(bag.Read(L"Font", kit::Value(containerFont)));
    if (!font) return false;
    SetFont(*font);
    auto back = ToColor(bag.Read(L"BackColor", kit::Value::Color(0x8000000F)));
    if (!back) return false;
    SetBackColor(*back);
    auto fore = ToColor(bag.Read(L"ForeColor", kit::Value::Color(0)));
    if (!fore) return false;
    SetForeColor(*fore);
    return true;
}

bool CheckButton::Save(PropertyBag& bag, const std::wstring& instanceName, const kit::Font& containerFont) const {
    bag.Write(L"Font", kit::Value(font_), kit::Value(containerFont));
    bag.Write(L"Value", kit::Value(static_cast<std::int64_t>(value_)), kit::Value(0));
    bag.Write(L"Caption", kit::Value(caption_), kit::Value(instanceName));
    bag.Write(L"Enabled", kit::Value::Bool16(enabled_ ? kTrue : kFalse), kit::Value(true));
    bag.Write(L"BackColor", kit::Value::Color(backColor_), kit::Value::Color(0x8000000F));
    bag.Write(L"ForeColor", kit::Value::Color(foreColor_), kit::Value::Color(0));
    return true;
}

}  // namespace kit
