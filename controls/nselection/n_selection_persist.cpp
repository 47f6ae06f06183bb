// N_Selection's persistence: its 15 stored keys in one table, which drives the new instance, load and save.
#include "controls/nselection/n_selection.h"

namespace kit {
namespace {

// One default per key, shared by load and save, so that every saved value loads back unchanged.
const wchar_t kCaptionDefault[] = L"NSelection1";
const wchar_t kBlackText[] = L"&H00000000&";
const wchar_t kWhiteText[] = L"&H00FFFFFF&";

}  // namespace

const PropertyTable<NSelection>& NSelection::StoredKeys() {
    using S = NSelection;
    static const PropertyTable<NSelection> keys = {
        TextKey<S, &S::SetCaption, &S::Caption>(L"Caption", kCaptionDefault),
        TextKey<S, &S::SetDescription, &S::Description>(L"Description", kDefaultDescription),
        ColourKey<S, &S::SetBackColorNormal, &S::BackColorNormal>(L"BackColorNormal", kBlackText),
        ColourKey<S, &S::SetBackColorHover, &S::BackColorHover>(L"BackColorHover", L"&H002D2D2D&"),
        ColourKey<S, &S::SetBackColorDown, &S::BackColorDown>(L"BackColorDown", L"&H80FFFF"),
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
        ColourKey<S, &S::SetForeColorNormal, &S::ForeColorNormal>(L"ForeColorNormal", kBlackText),
        ColourKey<S, &S::SetForeColorHover, &S::ForeColorHover>(L"ForeColorHover", kBlackText),
        ColourKey<S, &S::SetForeColorDown, &S::ForeColorDown>(L"ForeColorDown", kWhiteText),
        ColourKey<S, &S::SetForeColorNormal_2, &S::ForeColorNormal_2>(L"ForeColorNormal_2", kBlackText),
        ColourKey<S, &S::SetForeColorHover_2, &S::ForeColorHover_2>(L"ForeColorHover_2", kBlackText),
        ColourKey<S, &S::SetForeColorDown_2, &S::ForeColorDown_2>(L"ForeColorDown_2", kWhiteText),
    };
    return keys;
}

void NSelection::InitNew(const std::wstring& instanceName) {
    const Value black = Value::Color(0x00000000), white = Value::Color(0x00FFFFFF);
    if (!ApplyKeys(*this, StoredKeys(),
                   {{L"Caption", Value(instanceName)},
                    {L"Description", Value(kDefaultDescription)},
                    {L"Enabled", Value(true)},
                    {L"BackColorNormal", black},
                    {L"BackColorHover", Value::Color(0x002D2D2D)},
                    {L"BackColorDown", white},
                    {L"FontSize", Value(8)},
                    {L"FontBold", Value(false)},
                    {L"Font", Value(L"Verdana")},
                    {L"ForeColorNormal", white},
                    {L"ForeColorHover", white},
                    {L"ForeColorDown", black},
                    {L"ForeColorNormal_2", white},
                    {L"ForeColorHover_2", white},
                    {L"ForeColorDown_2", black}}))
        return;
    Ajustar_Botao();
}

bool NSelection::Load(const PropertyBag& bag, std::wstring* stoppedAt) {
    return LoadKeys(*this, bag, StoredKeys(), stoppedAt);
}

bool NSelection::Save(PropertyBag& bag) const { return SaveKeys(*this, bag, StoredKeys()); }

}  // namespace kit
