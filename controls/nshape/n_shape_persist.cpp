// N_Shape's persistence: its 25 stored keys in one table, which drives the new instance, load and save.
#include "controls/nshape/n_shape.h"

namespace kit {
namespace {

// One default per key for load and save, so that a saved value always loads back unchanged. Caption and the
// three text colours keep the values an absent key has always loaded as.
const wchar_t* const kCaptionDefault = L"NShape1";
const wchar_t* const kForeColorDefault = L"&H8080FF";
const wchar_t* const kBorderDefault = L"&H00FFFF80&";

}  // namespace

const PropertyTable<NShape>& NShape::StoredKeys() {
    using S = NShape;
    static const PropertyTable<NShape> keys = {
        // The pictures and Stretch are stored on the control and its picture element directly, without the
        // writes' notifications.
        PictureKey<&S::pictureNormal_>(L"Picture_Normal"),
        PictureKey<&S::pictureDown_>(L"Picture_Down"),
        PictureKey<&S::pictureHover_>(L"Picture_Hover"),
        {L"Stretch", Value(false), std::nullopt,
         [](S& s, const Value& v) {
             const auto stretch = ToBool16(v);
             if (!stretch) return false;
             s.image_.stretch = *stretch != 0;
             if (!s.image_.stretch) s.ShowPicture(s.image_.shown);
             return true;
         },
         [](const S& s) { return StoredBool(s.Stretch()); }},
        TextKey<S, &S::SetCaption, &S::Caption>(L"Caption", kCaptionDefault),
        ColourKey<S, &S::SetBackGround, &S::BackGround>(L"BackGround", L"&HFF8080"),
        ColourKey<S, &S::SetBackColorNormal, &S::BackColorNormal>(L"BackColorNormal", L"&H8080FF"),
        ColourKey<S, &S::SetBackColorHover, &S::BackColorHover>(L"BackColorHover", L"&H80C0FF"),
        ColourKey<S, &S::SetBackColorDown, &S::BackColorDown>(L"BackColorDown", L"&H80FFFF"),
        ColourKey<S, &S::SetBorderColorNormal, &S::BorderColorNormal>(L"BorderColorNormal", kBorderDefault),
        ColourKey<S, &S::SetBorderColorHover, &S::BorderColorHover>(L"BorderColorHover", kBorderDefault),
        ColourKey<S, &S::SetBorderColorDown, &S::BorderColorDown>(L"BorderColorDown", kBorderDefault),
        Int16Key<S, &S::SetFontSize, &S::FontSize>(L"FontSize", L"8"),
        FlagKey<S, &S::SetFontBold, &S::FontBold>(L"FontBold", L"False"),
        // Only the face name is taken: the rest of the control-level font keeps its values.
        {L"Font", Value(L"MS Sans Serif"), std::nullopt,
         [](S& s, const Value& v) {
             const auto font = ToFont(v);
             if (font) s.font_.name = font->name;
             return font.has_value();
         },
         [](const S& s) { return Value(s.font_); }},
        FlagKey<S, &S::SetEnabled, &S::Enabled>(L"Enabled", L"True"),
        FlagKey<S, &S::SetBorderGotFocus, &S::BorderGotFocus>(L"BorderGotFocus", L"False"),
        ColourKey<S, &S::SetBorderCustom, &S::BorderCustom>(L"BorderCustom", L"&H80FF80"),
        Int32Key<S, &S::SetStyle, &S::Style>(L"Style", L"4"),
        FlagKey<S, &S::SetGraphical, &S::Graphical>(L"Graphical", L"False"),
        ColourKey<S, &S::SetForeColorNormal, &S::ForeColorNormal>(L"ForeColorNormal", kForeColorDefault),
        ColourKey<S, &S::SetForeColorHover, &S::ForeColorHover>(L"ForeColorHover", kForeColorDefault),
        ColourKey<S, &S::SetForeColorDown, &S::ForeColorDown>(L"ForeColorDown", kForeColorDefault),
        FlagKey<S, &S::SetTextVisible, &S::TextVisible>(L"Text_Visible", L"False"),
        FlagKey<S, &S::SetStretchToText, &S::StretchToText>(L"StretchToText", L"True"),
    };
    return keys;
}

template <Picture NShape::*Member>
PropertyKey<NShape> NShape::PictureKey(const wchar_t* name) {
    return {name, Value(), std::nullopt,
            [](NShape& s, const Value& v) {
                const auto picture = ToPicture(v);
                if (picture) s.*Member = *picture;
                return picture.has_value();
            },
            [](const NShape& s) { return Value(s.*Member); }};
}

void NShape::InitNew(const std::wstring& instanceName) {
    const PropertyTable<NShape>& keys = StoredKeys();
    const Value grey = Value::Color(0x00B3B3B3), black = Value::Color(0x00000000), face = Value::Color(0x00EFF1F2);
    if (!ApplyKeys(*this, keys,
                   {{L"Caption", Value(instanceName)},
                    {L"Enabled", Value(true)},
                    {L"BackGround", face},
                    {L"BackColorNormal", face},
                    {L"BackColorHover", Value::Color(0x00E0E0E0)},
                    {L"BackColorDown", Value::Color(0x00FFFFFF)},
                    {L"BorderColorNormal", grey},
                    {L"BorderColorHover", grey},
                    {L"BorderColorDown", grey},
                    {L"FontSize", Value(8)},
                    {L"FontBold", Value(false)},
                    {L"Font", Value(L"Verdana")},
                    {L"BorderGotFocus", Value(false)},
                    {L"BorderCustom", grey},
                    {L"ForeColorNormal", black},
                    {L"ForeColorHover", black},
                    {L"ForeColorDown", black}}))
        return;
    ShowPicture(pictureNormal_);
    Ajustar_Botao();
    ApplyKeys(*this, keys,
              {{L"Graphical", Value(false)}, {L"Text_Visible", Value(true)}, {L"StretchToText", Value(true)}});
}

bool NShape::Load(const PropertyBag& bag, std::wstring* stoppedAt) {
    return LoadKeys(*this, bag, StoredKeys(), stoppedAt);
}

bool NShape::Save(PropertyBag& bag) const { return SaveKeys(*this, bag, StoredKeys()); }

}  // namespace kit
