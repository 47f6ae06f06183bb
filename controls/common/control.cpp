// The creation step every control shares, the fonts controls describe, and the site of a model no window shows.
#include "controls/common/control.h"

#include "controls/common/control_model.h"

namespace kit {

LoadResult MakeControl(Control& control, const PropertyBag* bag, const Ambient& ambient,
                       const std::function<void()>& reportSize) {
    LoadResult result;
    if (bag)
        result = control.Load(*bag, ambient);
    else
        control.InitNew(ambient);
    control.Placed();
    reportSize();
    return result;
}

plat::FontSpec SpecOf(const Font& font) {
    return {font.name, font.size, font.weight, font.italic, font.underline, font.strikethrough, font.charset};
}

plat::FontSpec SpecOf(const std::wstring& face, double points, bool bold) { return {face, points, bold ? 700 : 400}; }

ControlSite& UnsitedSite() {
    class Unsited final : public ControlSite {
    public:
        void Invalidate() override {}
        void Refresh() override {}
        void SetInputEnabled(bool) override {}
        plat::Size Extent() const override { return {}; }
        void RequestSize(int, int) override {}
        plat::Point ClientPixel(double x, double y) const override { return {plat::Nearest(x), plat::Nearest(y)}; }
        plat::SizeF MeasureText(std::wstring_view, const plat::FontSpec&) override { return {}; }
        std::optional<plat::Size> PictureSize(std::wstring_view) override { return std::nullopt; }
        TextField* Field() override { return nullptr; }
        void TakeFocus() override {}
        void CaptionChanged(const std::wstring&) override {}
    };
    static Unsited site;
    return site;
}

}  // namespace kit
