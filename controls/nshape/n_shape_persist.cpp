// N_Shape's persistence: the new-instance steps and the 25 keys it loads and saves.
#include "controls/nshape/n_shape.h"

namespace kit {
namespace {

// One default per key for load and save, so that a saved value always loads back unchanged. Caption and the
// three text colours keep the values an absent key has always loaded as.
const wchar_t* const kCaptionDefault = L"NShape1";
const wchar_t* const kForeColorDefault = L"&H8080FF";

}  // namespace

void NShape::InitNew(const std::wstring& instanceName) {
    SetCaption(instanceName);
    SetEnabled(true);
    SetBackGround(0x00EFF1F2);
    SetBackColorNormal(0x00EFF1F2);
    SetBackColorHover(0x00E0E0E0);
    SetBackColorDown(0x00FFFFFF);
    SetBorderColorNormal(0x00B3B3B3);
    SetBorderColorHover(0x00B3B3B3);
    SetBorderColorDown(0x00B3B3B3);
    SetFontSize(8);
    SetFontBold(false);
    font_.name = L"Verdana";
    SetBorderGotFocus(false);
    SetBorderCustom(0x00B3B3B3);
    SetForeColorNormal(0x00000000);
    SetForeColorHover(0x00000000);
    SetForeColorDown(0x00000000);
    ShowPicture(pictureNormal_);
    Ajustar_Botao();
    SetGraphical(false);
    SetTextVisible(true);
    SetStretchToText(true);
}

bool NShape::Load(const PropertyBag& bag) {
    auto picture = [&](const wchar_t* key, Picture* into) {
        auto p = ToPicture(bag.Read(key, Value()));
        if (!p) return false;
        *into = *p;
        return true;
    };
    auto colour = [&](const wchar_t* key, const wchar_t* fallback, void (NShape::*set)(OleColor)) {
        auto c = ToColor(bag.Read(key, Value(fallback)));
        if (!c) return false;
        (this->*set)(*c);
        return true;
    };
    auto flag = [&](const wchar_t* key, const wchar_t* fallback, void (NShape::*set)(bool)) {
        auto b = ToBool16(bag.Read(key, Value(fallback)));
        if (!b) return false;
        (this->*set)(*b != 0);
        return true;
    };

    if (!picture(L"Picture_Normal", &pictureNormal_)) return false;
    if (!picture(L"Picture_Down", &pictureDown_)) return false;
    if (!picture(L"Picture_Hover", &pictureHover_)) return false;
    {
        auto stretch = ToBool16(bag.Read(L"Stretch", Value(false)));
        if (!stretch) return false;
        // Set on the element itself: no notification.
        image_.stretch = *stretch != 0;
        if (!image_.stretch) ShowPicture(image_.shown);
    }
    {
        auto caption = ToText(bag.Read(L"Caption", Value(kCaptionDefault)));
        if (!caption) return false;
        SetCaption(*caption);
    }
    if (!colour(L"BackGround", L"&HFF8080", &NShape::SetBackGround)) return false;
    if (!colour(L"BackColorNormal", L"&H8080FF", &NShape::SetBackColorNormal)) return false;
    if (!colour(L"BackColorHover", L"&H80C0FF", &NShape::SetBackColorHover)) return false;
    if (!colour(L"BackColorDown", L"&H80FFFF", &NShape::SetBackColorDown)) return false;
    if (!colour(L"BorderColorNormal", L"&H00FFFF80&", &NShape::SetBorderColorNormal)) return false;
    if (!colour(L"BorderColorHover", L"&H00FFFF80&", &NShape::SetBorderColorHover)) return false;
    if (!colour(L"BorderColorDown", L"&H00FFFF80&", &NShape::SetBorderColorDown)) return false;
    {
        auto size = ToInt16(bag.Read(L"FontSize", Value(L"8")));
        if (!size || !SetFontSize(*size)) return false;
    }
    if (!flag(L"FontBold", L"False", &NShape::SetFontBold)) return false;
    {
        // Only the face name is taken: the rest of the control-level font keeps its values.
        auto font = ToFont(bag.Read(L"Font", Value(L"MS Sans Serif")));
        if (!font) return false;
        font_.name = font->name;
    }
    if (!flag(L"Enabled", L"True", &NShape::SetEnabled)) return false;
    if (!flag(L"BorderGotFocus", L"False", &NShape::SetBorderGotFocus)) return false;
    if (!colour(L"BorderCustom", L"&H80FF80", &NShape::SetBorderCustom)) return false;
    {
        auto style = ToInt32(bag.Read(L"Style", Value(L"4")));
        if (!style || !SetStyle(*style)) return false;
    }
    if (!flag(L"Graphical", L"False", &NShape::SetGraphical)) return false;
    if (!colour(L"ForeColorNormal", kForeColorDefault, &NShape::SetForeColorNormal)) return false;
    if (!colour(L"ForeColorHover", kForeColorDefault, &NShape::SetForeColorHover)) return false;
    if (!colour(L"ForeColorDown", kForeColorDefault, &NShape::SetForeColorDown)) return false;
    if (!flag(L"Text_Visible", L"False", &NShape::SetTextVisible)) return false;
    if (!flag(L"StretchToText", L"True", &NShape::SetStretchToText)) return false;
    return true;
}

bool NShape::Save(PropertyBag& bag) const {
    auto boolean = [](bool b) { return Value::Bool16(b ? kTrue : kFalse); };
    bag.WriteAlways(L"Picture_Normal", Value(pictureNormal_));
    bag.WriteAlways(L"Picture_Down", Value(pictureDown_));
    bag.WriteAlways(L"Picture_Hover", Value(pictureHover_));
    bag.WriteAlways(L"Stretch", boolean(image_.stretch));
    bag.Write(L"Caption", Value(Caption()), Value(kCaptionDefault));
    bag.Write(L"BackGround", Value::Color(backGround_), Value(L"&HFF8080"));
    bag.Write(L"BackColorNormal", Value::Color(looks_[kNormal].fill), Value(L"&H8080FF"));
    bag.Write(L"BackColorHover", Value::Color(looks_[kHover].fill), Value(L"&H80C0FF"));
    bag.Write(L"BackColorDown", Value::Color(looks_[kDown].fill), Value(L"&H80FFFF"));
    bag.Write(L"BorderColorNormal", Value::Color(looks_[kNormal].border), Value(L"&H00FFFF80&"));
    bag.Write(L"BorderColorHover", Value::Color(looks_[kHover].border), Value(L"&H00FFFF80&"));
    bag.Write(L"BorderColorDown", Value::Color(looks_[kDown].border), Value(L"&H00FFFF80&"));
    bag.Write(L"FontSize", Value(static_cast<int>(FontSize())), Value(L"8"));
    bag.Write(L"FontBold", boolean(label_.bold), Value(L"False"));
    bag.WriteAlways(L"Font", Value(font_));
    bag.Write(L"Enabled", boolean(enabled_), Value(L"True"));
    bag.Write(L"BorderGotFocus", boolean(borderGotFocus_), Value(L"False"));
    bag.Write(L"BorderCustom", Value::Color(borderCustom_), Value(L"&H80FF80"));
    bag.Write(L"Style", Value(static_cast<int>(Style())), Value(L"4"));
    bag.Write(L"Graphical", boolean(graphical_), Value(L"False"));
    bag.Write(L"ForeColorNormal", Value::Color(looks_[kNormal].text), Value(kForeColorDefault));
    bag.Write(L"ForeColorHover", Value::Color(looks_[kHover].text), Value(kForeColorDefault));
    bag.Write(L"ForeColorDown", Value::Color(looks_[kDown].text), Value(kForeColorDefault));
    bag.Write(L"Text_Visible", boolean(textVisible_), Value(L"False"));
    bag.Write(L"StretchToText", boolean(stretchToText_), Value(L"True"));
    return true;
}

}  // namespace kit
