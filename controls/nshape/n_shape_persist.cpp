// N_Shape's persistence: its 25 stored keys in one table, which drives the new instance, load and save.
#include "controls/nshape/n_shape.h"

namespace kit {

// The keys that go straight to the control's parts, without the property writes' notifications.
struct NShape::StoredParts {
    static constexpr Picture NShape::*kNormal = &NShape::pictureNormal_;
    static constexpr Picture NShape::*kDown = &NShape::pictureDown_;
    static constexpr Picture NShape::*kHover = &NShape::pictureHover_;

    template <Picture NShape::*Member>
    static bool ReadPicture(NShape& s, const Value& v) {
        return Converted<ToPicture>(v, [&](const Picture& p) { s.*Member = p; });
    }
    template <Picture NShape::*Member>
    static Value WritePicture(const NShape& s) {
        return Value(s.*Member);
    }
    static bool ReadStretch(NShape& s, const Value& v) {
        return Converted<ToBool16>(v, [&](std::int16_t flag) {
            s.image_.stretch = flag != 0;
            if (!s.image_.stretch) s.ShowPicture(s.image_.shown);
        });
    }
    // Between the colours and the visibility flags a new instance shows Picture_Normal and lays out once.
    static bool ShowNormalAndLayOut(NShape& s, const Value&) {
        s.ShowPicture(s.pictureNormal_);
        s.Ajustar_Botao();
        return true;
    }
};

namespace {

using S = NShape;
using Row = KeyRows<NShape, Ambient>;

// One default per key for load and save, so that a saved value always loads back unchanged. Caption and the
// three text colours keep the values an absent key has always loaded as.
constexpr Literal kCaption = Literal::Text(L"NShape1");
constexpr Literal kForeColor = Literal::Text(L"&H8080FF");
constexpr Literal kBorder = Literal::Text(L"&H00FFFF80&");
constexpr Literal kFalseText = Literal::Text(L"False");
constexpr Literal kTrueText = Literal::Text(L"True");
constexpr Literal kFace = Literal::Color(0x00EFF1F2);
constexpr Literal kGrey = Literal::Color(0x00B3B3B3);
constexpr Literal kBlack = Literal::Color(0x00000000);

}  // namespace

const PropertyKey<NShape, Ambient> NShape::kKeys[] = {
    {L"Picture_Normal", Literal::Empty(), Literal::Always(), StoredParts::ReadPicture<StoredParts::kNormal>,
     StoredParts::WritePicture<StoredParts::kNormal>},
    {L"Picture_Down", Literal::Empty(), Literal::Always(), StoredParts::ReadPicture<StoredParts::kDown>,
     StoredParts::WritePicture<StoredParts::kDown>},
    {L"Picture_Hover", Literal::Empty(), Literal::Always(), StoredParts::ReadPicture<StoredParts::kHover>,
     StoredParts::WritePicture<StoredParts::kHover>},
    {L"Stretch", Literal::Flag(false), Literal::Always(), StoredParts::ReadStretch, WriteFrom<AsFlag, &S::Stretch>},
    Row::Text<&S::SetCaption, &S::Caption>(L"Caption", kCaption),
    Row::Color<&S::SetBackGround, &S::BackGround>(L"BackGround", Literal::Text(L"&HFF8080")),
    Row::Color<&S::SetBackColorNormal, &S::BackColorNormal>(L"BackColorNormal", Literal::Text(L"&H8080FF")),
    Row::Color<&S::SetBackColorHover, &S::BackColorHover>(L"BackColorHover", Literal::Text(L"&H80C0FF")),
    Row::Color<&S::SetBackColorDown, &S::BackColorDown>(L"BackColorDown", Literal::Text(L"&H80FFFF")),
    Row::Color<&S::SetBorderColorNormal, &S::BorderColorNormal>(L"BorderColorNormal", kBorder),
    Row::Color<&S::SetBorderColorHover, &S::BorderColorHover>(L"BorderColorHover", kBorder),
    Row::Color<&S::SetBorderColorDown, &S::BorderColorDown>(L"BorderColorDown", kBorder),
    Row::Whole<ToInt16, &S::SetFontSize, &S::FontSize>(L"FontSize", Literal::Text(L"8")),
    Row::Flag<&S::SetFontBold, &S::FontBold>(L"FontBold", kFalseText),
    Row::FontFace<&S::SetControlFont, &S::ControlFont>(L"Font", Literal::Text(L"MS Sans Serif")),
    Row::Flag<&S::SetEnabled, &S::Enabled>(L"Enabled", kTrueText),
    Row::Flag<&S::SetBorderGotFocus, &S::BorderGotFocus>(L"BorderGotFocus", kFalseText),
    Row::Color<&S::SetBorderCustom, &S::BorderCustom>(L"BorderCustom", Literal::Text(L"&H80FF80")),
    Row::Whole<ToInt32, &S::SetStyle, &S::Style>(L"Style", Literal::Text(L"4")),
    Row::Flag<&S::SetGraphical, &S::Graphical>(L"Graphical", kFalseText),
    Row::Color<&S::SetForeColorNormal, &S::ForeColorNormal>(L"ForeColorNormal", kForeColor),
    Row::Color<&S::SetForeColorHover, &S::ForeColorHover>(L"ForeColorHover", kForeColor),
    Row::Color<&S::SetForeColorDown, &S::ForeColorDown>(L"ForeColorDown", kForeColor),
    Row::Flag<&S::SetTextVisible, &S::TextVisible>(L"Text_Visible", kFalseText),
    Row::Flag<&S::SetStretchToText, &S::StretchToText>(L"StretchToText", kTrueText),
};

const NewInstanceStep<NShape, Ambient> NShape::kNewInstance[] = {
    {L"Caption", &InstanceName<S, Ambient>},
    {L"Enabled", Literal::Flag(true)},
    {L"BackGround", kFace},
    {L"BackColorNormal", kFace},
    {L"BackColorHover", Literal::Color(0x00E0E0E0)},
    {L"BackColorDown", Literal::Color(0x00FFFFFF)},
    {L"BorderColorNormal", kGrey},
    {L"BorderColorHover", kGrey},
    {L"BorderColorDown", kGrey},
    {L"FontSize", Literal::Whole(8)},
    {L"FontBold", Literal::Flag(false)},
    {L"Font", Literal::Text(L"Verdana")},
    {L"BorderGotFocus", Literal::Flag(false)},
    {L"BorderCustom", kGrey},
    {L"ForeColorNormal", kBlack},
    {L"ForeColorHover", kBlack},
    {L"ForeColorDown", kBlack},
    {nullptr, Literal::Empty(), StoredParts::ShowNormalAndLayOut},
    {L"Graphical", Literal::Flag(false)},
    {L"Text_Visible", Literal::Flag(true)},
    {L"StretchToText", Literal::Flag(true)},
};

const PropertyTable<NShape, Ambient> NShape::kStoredKeys =
    PropertyTable<NShape, Ambient>(NShape::kKeys).NewInstance(kNewInstance);

}  // namespace kit
