// N_Selection's persistence: its 15 stored keys in one table, which drives the new instance, load and save.
#include "controls/nselection/n_selection.h"

namespace kit {

// The control-level font is stored with the instance but used by no element; a load takes only its face name.
struct NSelectionKeys {
    static bool ReadFontFace(NSelection& s, const Value& v) {
        return Converted<ToFont>(v, [&](const Font& f) { s.font_.name = f.name; });
    }
};

namespace {

using S = NSelection;
using Key = PropertyKey<NSelection, NSelection::Ambient>;
using Step = NewInstanceStep<NSelection, NSelection::Ambient>;

// One default per key, shared by load and save, so that every saved value loads back unchanged.
constexpr Literal kCaption = Literal::Text(L"NSelection1");
constexpr Literal kDescription = Literal::Text(L"Descrição");
constexpr Literal kBlackText = Literal::Text(L"&H00000000&");
constexpr Literal kWhiteText = Literal::Text(L"&H00FFFFFF&");

constexpr Key kKeys[] = {
    {L"Caption", kCaption, kCaption, ReadInto<ToText, &S::SetCaption>, WriteFrom<AsText, &S::Caption>},
    {L"Description", kDescription, kDescription, ReadInto<ToText, &S::SetDescription>,
     WriteFrom<AsText, &S::Description>},
    {L"BackColorNormal", kBlackText, kBlackText, ReadInto<ToColor, &S::SetBackColorNormal>,
     WriteFrom<AsColor, &S::BackColorNormal>},
    {L"BackColorHover", Literal::Text(L"&H002D2D2D&"), Literal::Text(L"&H002D2D2D&"),
     ReadInto<ToColor, &S::SetBackColorHover>, WriteFrom<AsColor, &S::BackColorHover>},
    {L"BackColorDown", Literal::Text(L"&H80FFFF"), Literal::Text(L"&H80FFFF"), ReadInto<ToColor, &S::SetBackColorDown>,
     WriteFrom<AsColor, &S::BackColorDown>},
    {L"FontSize", Literal::Text(L"8"), Literal::Text(L"8"), ReadInto<ToInt16, &S::SetFontSize>,
     WriteFrom<AsWhole, &S::FontSize>},
    {L"FontBold", Literal::Text(L"False"), Literal::Text(L"False"), ReadInto<ToBool16, &S::SetFontBold>,
     WriteFrom<AsFlag, &S::FontBold>},
    {L"Font", Literal::Text(L"MS Sans Serif"), Literal::Always(), NSelectionKeys::ReadFontFace,
     WriteFrom<AsFont, &S::ControlFont>},
    {L"Enabled", Literal::Text(L"True"), Literal::Text(L"True"), ReadInto<ToBool16, &S::SetEnabled>,
     WriteFrom<AsFlag, &S::Enabled>},
    {L"ForeColorNormal", kBlackText, kBlackText, ReadInto<ToColor, &S::SetForeColorNormal>,
     WriteFrom<AsColor, &S::ForeColorNormal>},
    {L"ForeColorHover", kBlackText, kBlackText, ReadInto<ToColor, &S::SetForeColorHover>,
     WriteFrom<AsColor, &S::ForeColorHover>},
    {L"ForeColorDown", kWhiteText, kWhiteText, ReadInto<ToColor, &S::SetForeColorDown>,
     WriteFrom<AsColor, &S::ForeColorDown>},
    {L"ForeColorNormal_2", kBlackText, kBlackText, ReadInto<ToColor, &S::SetForeColorNormal_2>,
     WriteFrom<AsColor, &S::ForeColorNormal_2>},
    {L"ForeColorHover_2", kBlackText, kBlackText, ReadInto<ToColor, &S::SetForeColorHover_2>,
     WriteFrom<AsColor, &S::ForeColorHover_2>},
    {L"ForeColorDown_2", kWhiteText, kWhiteText, ReadInto<ToColor, &S::SetForeColorDown_2>,
     WriteFrom<AsColor, &S::ForeColorDown_2>},
};

Value InstanceName(const NSelection&, const NSelection::Ambient& ambient) { return Value(ambient.name); }

bool LayOut(NSelection& s, const Value&) {
    s.Ajustar_Botao();
    return true;
}

constexpr Literal kBlack = Literal::Color(0x00000000);
constexpr Literal kWhite = Literal::Color(0x00FFFFFF);

constexpr Step kNewInstance[] = {
    {L"Caption", &InstanceName},
    {L"Description", kDescription},
    {L"Enabled", Literal::Flag(true)},
    {L"BackColorNormal", kBlack},
    {L"BackColorHover", Literal::Color(0x002D2D2D)},
    {L"BackColorDown", kWhite},
    {L"FontSize", Literal::Whole(8)},
    {L"FontBold", Literal::Flag(false)},
    {L"Font", Literal::Text(L"Verdana")},
    {L"ForeColorNormal", kWhite},
    {L"ForeColorHover", kWhite},
    {L"ForeColorDown", kBlack},
    {L"ForeColorNormal_2", kWhite},
    {L"ForeColorHover_2", kWhite},
    {L"ForeColorDown_2", kBlack},
    {nullptr, Literal::Empty(), &LayOut},
};

}  // namespace

const PropertyTable<NSelection, NSelection::Ambient> NSelection::kStoredKeys =
    PropertyTable<NSelection, NSelection::Ambient>(kKeys).NewInstance(kNewInstance);

void NSelection::InitNew(const std::wstring& instanceName) { kStoredKeys.InitNew(*this, Ambient{instanceName}); }

LoadResult NSelection::Load(const PropertyBag& bag) { return kStoredKeys.Load(*this, bag); }

bool NSelection::Save(PropertyBag& bag) const {
    kStoredKeys.Save(*this, bag);
    return true;
}

}  // namespace kit
