// N_Selection's persistence: its 15 stored keys in one table, which drives the new instance, load and save.
#include "controls/nselection/n_selection.h"

namespace kit {

namespace {

using S = NSelection;
using Row = KeyRows<NSelection, Ambient>;

// One default per key, shared by load and save, so that every saved value loads back unchanged.
constexpr Literal kCaption = Literal::Text(L"NSelection1");
constexpr Literal kDescription = Literal::Text(L"Descrição");
constexpr Literal kBlackText = Literal::Text(L"&H00000000&");
constexpr Literal kWhiteText = Literal::Text(L"&H00FFFFFF&");

constexpr Row::Key kKeys[] = {
    Row::Text<&S::SetCaption, &S::Caption>(L"Caption", kCaption),
    Row::Text<&S::SetDescription, &S::Description>(L"Description", kDescription),
    Row::Color<&S::SetBackColorNormal, &S::BackColorNormal>(L"BackColorNormal", kBlackText),
    Row::Color<&S::SetBackColorHover, &S::BackColorHover>(L"BackColorHover", Literal::Text(L"&H002D2D2D&")),
    Row::Color<&S::SetBackColorDown, &S::BackColorDown>(L"BackColorDown", Literal::Text(L"&H80FFFF")),
    Row::Whole<ToInt16, &S::SetFontSize, &S::FontSize>(L"FontSize", Literal::Text(L"8")),
    Row::Flag<&S::SetFontBold, &S::FontBold>(L"FontBold", Literal::Text(L"False")),
    Row::FontFace<&S::SetControlFont, &S::ControlFont>(L"Font", Literal::Text(L"MS Sans Serif")),
    Row::Flag<&S::SetEnabled, &S::Enabled>(L"Enabled", Literal::Text(L"True")),
    Row::Color<&S::SetForeColorNormal, &S::ForeColorNormal>(L"ForeColorNormal", kBlackText),
    Row::Color<&S::SetForeColorHover, &S::ForeColorHover>(L"ForeColorHover", kBlackText),
    Row::Color<&S::SetForeColorDown, &S::ForeColorDown>(L"ForeColorDown", kWhiteText),
    Row::Color<&S::SetForeColorNormal_2, &S::ForeColorNormal_2>(L"ForeColorNormal_2", kBlackText),
    Row::Color<&S::SetForeColorHover_2, &S::ForeColorHover_2>(L"ForeColorHover_2", kBlackText),
    Row::Color<&S::SetForeColorDown_2, &S::ForeColorDown_2>(L"ForeColorDown_2", kWhiteText),
};

bool LayOut(NSelection& s, const Value&) {
    s.Ajustar_Botao();
    return true;
}

constexpr Literal kBlack = Literal::Color(0x00000000);
constexpr Literal kWhite = Literal::Color(0x00FFFFFF);

constexpr Row::Step kNewInstance[] = {
    {L"Caption", &InstanceName<S, Ambient>},
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

const PropertyTable<NSelection, Ambient> NSelection::kStoredKeys =
    PropertyTable<NSelection, Ambient>(kKeys).NewInstance(kNewInstance);

}  // namespace kit
