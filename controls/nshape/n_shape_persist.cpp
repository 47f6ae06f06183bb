// N_Shape's persistence: its 25 stored keys in one table, which drives the new instance, load and save.
#include "controls/nshape/n_shape.h"

namespace kit {

// The keys that go straight to the control's parts, without the property writes' notifications.
struct NShapeKeys {
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
    // Only the face name is taken: the rest of the control-level font keeps its values.
    static bool ReadFontFace(NShape& s, const Value& v) {
        return Converted<ToFont>(v, [&](const Font& f) { s.font_.name = f.name; });
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
using Key = PropertyKey<NShape, NShape::Ambient>;
using Step = NewInstanceStep<NShape, NShape::Ambient>;

// One default per key for load and save, so that a saved value always loads back unchanged. Caption and the
// three text colours keep the values an absent key has always loaded as.
constexpr Literal kCaption = Literal::Text(L"NShape1");
constexpr Literal kForeColor = Literal::Text(L"&H8080FF");
constexpr Literal kBorder = Literal::Text(L"&H00FFFF80&");
constexpr Literal kFalseText = Literal::Text(L"False");
constexpr Literal kTrueText = Literal::Text(L"True");

constexpr Key kKeys[] = {
    {L"Picture_Normal", Literal::Empty(), Literal::Always(), NShapeKeys::ReadPicture<NShapeKeys::kNormal>,
     NShapeKeys::WritePicture<NShapeKeys::kNormal>},
    {L"Picture_Down", Literal::Empty(), Literal::Always(), NShapeKeys::ReadPicture<NShapeKeys::kDown>,
     NShapeKeys::WritePicture<NShapeKeys::kDown>},
    {L"Picture_Hover", Literal::Empty(), Literal::Always(), NShapeKeys::ReadPicture<NShapeKeys::kHover>,
     NShapeKeys::WritePicture<NShapeKeys::kHover>},
    {L"Stretch", Literal::Flag(false), Literal::Always(), NShapeKeys::ReadStretch, WriteFrom<AsFlag, &S::Stretch>},
    {L"Caption", kCaption, kCaption, ReadInto<ToText, &S::SetCaption>, WriteFrom<AsText, &S::Caption>},
    {L"BackGround", Literal::Text(L"&HFF8080"), Literal::Text(L"&HFF8080"), ReadInto<ToColor, &S::SetBackGround>,
     WriteFrom<AsColor, &S::BackGround>},
    {L"BackColorNormal", Literal::Text(L"&H8080FF"), Literal::Text(L"&H8080FF"),
     ReadInto<ToColor, &S::SetBackColorNormal>, WriteFrom<AsColor, &S::BackColorNormal>},
    {L"BackColorHover", Literal::Text(L"&H80C0FF"), Literal::Text(L"&H80C0FF"),
     ReadInto<ToColor, &S::SetBackColorHover>, WriteFrom<AsColor, &S::BackColorHover>},
    {L"BackColorDown", Literal::Text(L"&H80FFFF"), Literal::Text(L"&H80FFFF"), ReadInto<ToColor, &S::SetBackColorDown>,
     WriteFrom<AsColor, &S::BackColorDown>},
    {L"BorderColorNormal", kBorder, kBorder, ReadInto<ToColor, &S::SetBorderColorNormal>,
     WriteFrom<AsColor, &S::BorderColorNormal>},
    {L"BorderColorHover", kBorder, kBorder, ReadInto<ToColor, &S::SetBorderColorHover>,
     WriteFrom<AsColor, &S::BorderColorHover>},
    {L"BorderColorDown", kBorder, kBorder, ReadInto<ToColor, &S::SetBorderColorDown>,
     WriteFrom<AsColor, &S::BorderColorDown>},
    {L"FontSize", Literal::Text(L"8"), Literal::Text(L"8"), ReadInto<ToInt16, &S::SetFontSize>,
     WriteFrom<AsWhole, &S::FontSize>},
    {L"FontBold", kFalseText, kFalseText, ReadInto<ToBool16, &S::SetFontBold>, WriteFrom<AsFlag, &S::FontBold>},
    {L"Font", Literal::Text(L"MS Sans Serif"), Literal::Always(), NShapeKeys::ReadFontFace,
     WriteFrom<AsFont, &S::ControlFont>},
    {L"Enabled", kTrueText, kTrueText, ReadInto<ToBool16, &S::SetEnabled>, WriteFrom<AsFlag, &S::Enabled>},
    {L"BorderGotFocus", kFalseText, kFalseText, ReadInto<ToBool16, &S::SetBorderGotFocus>,
     WriteFrom<AsFlag, &S::BorderGotFocus>},
    {L"BorderCustom", Literal::Text(L"&H80FF80"), Literal::Text(L"&H80FF80"), ReadInto<ToColor, &S::SetBorderCustom>,
     WriteFrom<AsColor, &S::BorderCustom>},
    {L"Style", Literal::Text(L"4"), Literal::Text(L"4"), ReadInto<ToInt32, &S::SetStyle>,
     WriteFrom<AsWhole, &S::Style>},
    {L"Graphical", kFalseText, kFalseText, ReadInto<ToBool16, &S::SetGraphical>, WriteFrom<AsFlag, &S::Graphical>},
    {L"ForeColorNormal", kForeColor, kForeColor, ReadInto<ToColor, &S::SetForeColorNormal>,
     WriteFrom<AsColor, &S::ForeColorNormal>},
    {L"ForeColorHover", kForeColor, kForeColor, ReadInto<ToColor, &S::SetForeColorHover>,
     WriteFrom<AsColor, &S::ForeColorHover>},
    {L"ForeColorDown", kForeColor, kForeColor, ReadInto<ToColor, &S::SetForeColorDown>,
     WriteFrom<AsColor, &S::ForeColorDown>},
    {L"Text_Visible", kFalseText, kFalseText, ReadInto<ToBool16, &S::SetTextVisible>,
     WriteFrom<AsFlag, &S::TextVisible>},
    {L"StretchToText", kTrueText, kTrueText, ReadInto<ToBool16, &S::SetStretchToText>,
     WriteFrom<AsFlag, &S::StretchToText>},
};

Value InstanceName(const NShape&, const NShape::Ambient& ambient) { return Value(ambient.name); }

constexpr Literal kFace = Literal::Color(0x00EFF1F2);
constexpr Literal kGrey = Literal::Color(0x00B3B3B3);
constexpr Literal kBlack = Literal::Color(0x00000000);

constexpr Step kNewInstance[] = {
    {L"Caption", &InstanceName},
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
    {nullptr, Literal::Empty(), NShapeKeys::ShowNormalAndLayOut},
    {L"Graphical", Literal::Flag(false)},
    {L"Text_Visible", Literal::Flag(true)},
    {L"StretchToText", Literal::Flag(true)},
};

}  // namespace

const PropertyTable<NShape, NShape::Ambient> NShape::kStoredKeys =
    PropertyTable<NShape, NShape::Ambient>(kKeys).NewInstance(kNewInstance);

void NShape::InitNew(const std::wstring& instanceName) { kStoredKeys.InitNew(*this, Ambient{instanceName}); }

LoadResult NShape::Load(const PropertyBag& bag) { return kStoredKeys.Load(*this, bag); }

bool NShape::Save(PropertyBag& bag) const {
    kStoredKeys.Save(*this, bag);
    return true;
}

}  // namespace kit
