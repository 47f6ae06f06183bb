// The captioned text box's stored keys: every one written always, read in the same order with the defaults below,
// and applied to the parts without notifications or events.
#include "controls/ntextbox/n_textbox.h"

namespace kit {
namespace {

using Key = PropertyKey<NTextBox, Ambient>;

kit::Value CurrentFont(const NTextBox& box, const Ambient&) { return kit::Value(box.Font()); }
kit::Value CurrentHeaderFont(const NTextBox& box, const Ambient&) { return kit::Value(box.HeaderFont()); }
kit::Value CurrentHeaderCaption(const NTextBox& box, const Ambient&) { return kit::Value(box.HeaderCaption()); }

constexpr std::int32_t kLargestUnsigned8 = 255;

}  // namespace

const PropertyKey<NTextBox, Ambient> NTextBox::kKeys[] = {
    {L"Text", Literal::Text(L""), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) {
         auto text = ToText(v);
         if (!text) return false;
         if (*text != b.txt_.text) {
             b.txt_.text = *text;
             b.SyncTxt();
         }
         b.lbl_.caption = *text;
         return true;
     },
     WriteFrom<AsText, &NTextBox::Text>},
    {L"AlignementHorizontal", Literal::Whole(1), Literal::Always(),
     ReadInto<ToInt16, &NTextBox::ApplyAlignementHorizontal>, WriteFrom<AsWhole, &NTextBox::AlignementHorizontal>},
    {L"NumberBox", Literal::Flag(false), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) { return Converted<ToBool16>(v, [&](auto on) { b.numberBox_ = on != 0; }); },
     WriteFrom<AsFlag, &NTextBox::NumberBox>},
    {L"AlignementVertical", Literal::Whole(1), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) {
         // Stored as an unsigned 8-bit number; the layout runs with it at once, before the later keys arrive.
         auto a = ToInt32(v);
         if (!a || *a < 0 || *a > kLargestUnsigned8 || !b.ApplyAlignementVertical(*a)) return false;
         b.RefreshLayout(b.vAlign_);
         return true;
     },
     WriteFrom<AsWhole, &NTextBox::AlignementVertical>},
    {L"Locked", Literal::Flag(false), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) { return Converted<ToBool16>(v, [&](auto on) { b.txt_.locked = on != 0; }); },
     WriteFrom<AsFlag, &NTextBox::Locked>},
    {L"Enabled", Literal::Flag(true), Literal::Always(), ReadInto<ToBool16, &NTextBox::ApplyEnabled>,
     WriteFrom<AsFlag, &NTextBox::Enabled, NTextBox>},
    {L"ForeColor", Literal::Color(kBlueText), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) {
         return Converted<ToColor>(v, [&](auto c) { b.txt_.fore = b.lbl_.fore = c; });
     },
     WriteFrom<AsColor, &NTextBox::ForeColor>},
    {L"BorderColor", Literal::Color(kBlueText), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) { return Converted<ToColor>(v, [&](auto c) { b.shp_.border = c; }); },
     WriteFrom<AsColor, &NTextBox::BorderColor>},
    {L"BackColor", Literal::Color(kWhite), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) {
         return Converted<ToColor>(v, [&](auto c) { b.shp_.fill = b.txt_.back = b.lbl_.back = c; });
     },
     WriteFrom<AsColor, &NTextBox::BackColor>},
    {L"FONT", &CurrentFont, Literal::Always(), ReadInto<ToFont, &NTextBox::ApplyFont>,
     WriteFrom<AsFont, &NTextBox::Font>},
    {L"PasswordChar", Literal::Text(L""), Literal::Always(), ReadInto<ToText, &NTextBox::ApplyPasswordChar>,
     WriteFrom<AsText, &NTextBox::PasswordChar>},
    {L"LabelBox", Literal::Flag(false), Literal::Always(), ReadInto<ToBool16, &NTextBox::ApplyLabelBox>,
     WriteFrom<AsFlag, &NTextBox::LabelBox>},
    {L"SelOnFocus", Literal::Flag(true), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) { return Converted<ToBool16>(v, [&](auto on) { b.selOnFocus_ = on != 0; }); },
     WriteFrom<AsFlag, &NTextBox::SelOnFocus>},
    {L"Header", Literal::Flag(false), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) {
         return Converted<ToBool16>(v, [&](auto on) { b.hdr_.visible = on != 0; });
     },
     WriteFrom<AsFlag, &NTextBox::Header>},
    {L"HeaderAlignement", Literal::Whole(1), Literal::Always(), ReadInto<ToInt16, &NTextBox::ApplyHeaderAlignement>,
     WriteFrom<AsWhole, &NTextBox::HeaderAlignement>},
    {L"HeaderForeColor", Literal::Color(kBlueText), Literal::Always(),
     [](NTextBox& b, const kit::Value& v) { return Converted<ToColor>(v, [&](auto c) { b.hdr_.fore = c; }); },
     WriteFrom<AsColor, &NTextBox::HeaderForeColor>},
    {L"HeaderBackColor", Literal::Color(kWhite), Literal::Always(), ReadInto<ToColor, &NTextBox::ApplyHeaderBackColor>,
     WriteFrom<AsColor, &NTextBox::HeaderBackColor>},
    {L"HeaderFont", &CurrentHeaderFont, Literal::Always(),
     [](NTextBox& b, const kit::Value& v) { return Converted<ToFont>(v, [&](const auto& f) { b.hdr_.font = f; }); },
     WriteFrom<AsFont, &NTextBox::HeaderFont>},
    {L"HeaderCaption", &CurrentHeaderCaption, Literal::Always(),
     [](NTextBox& b, const kit::Value& v) { return Converted<ToText>(v, [&](const auto& t) { b.hdr_.caption = t; }); },
     WriteFrom<AsText, &NTextBox::HeaderCaption>},
};

// A new instance sets only the control's own state; the parts keep their design and no layout runs yet.
const NewInstanceStep<NTextBox, Ambient> NTextBox::kNewInstance[] = {
    {L"NumberBox", Literal::Flag(false)},
    {L"SelOnFocus", Literal::Flag(true)},
    {L"AlignementVertical", Literal::Whole(kMiddle), ReadInto<ToInt32, &NTextBox::ApplyAlignementVertical>},
};

const PropertyTable<NTextBox, Ambient> NTextBox::kStoredKeys =
    PropertyTable<NTextBox, Ambient>(NTextBox::kKeys).NewInstance(kNewInstance);

}  // namespace kit
