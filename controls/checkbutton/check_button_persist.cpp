// The check button's stored keys: read in one order, written in another, and a new instance set in a third.
#include "controls/checkbutton/check_button.h"

namespace kit {
namespace {

using Key = PropertyKey<CheckButton, CheckButton::Ambient>;
using Step = NewInstanceStep<CheckButton, CheckButton::Ambient>;

constexpr OleColor kButtonFace = 0x8000000F;
constexpr OleColor kBlack = 0;

kit::Value InstanceName(const CheckButton&, const CheckButton::Ambient& ambient) { return kit::Value(ambient.name); }
kit::Value ContainerFont(const CheckButton&, const CheckButton::Ambient& ambient) { return kit::Value(ambient.font); }

// Each key has the same default when read and when written.
constexpr Key kKeys[] = {
    {L"Value", Literal::Whole(0), Literal::Whole(0), ReadInto<ToInt32, &CheckButton::SetValue>,
     WriteFrom<AsWhole, &CheckButton::Value>},
    {L"Caption", &InstanceName, &InstanceName, ReadInto<ToText, &CheckButton::SetCaption>,
     WriteFrom<AsText, &CheckButton::Caption>},
    {L"Enabled", Literal::Flag(true), Literal::Flag(true), ReadInto<ToBool16, &CheckButton::SetEnabled>,
     WriteFrom<AsFlag, &CheckButton::Enabled>},
    {L"Font", &ContainerFont, &ContainerFont, ReadInto<ToFont, &CheckButton::SetFont>,
     WriteFrom<AsFont, &CheckButton::Font>},
    {L"BackColor", Literal::Color(kButtonFace), Literal::Color(kButtonFace),
     ReadInto<ToColor, &CheckButton::SetBackColor>, WriteFrom<AsColor, &CheckButton::BackColor>},
    {L"ForeColor", Literal::Color(kBlack), Literal::Color(kBlack), ReadInto<ToColor, &CheckButton::SetForeColor>,
     WriteFrom<AsColor, &CheckButton::ForeColor>},
};

constexpr const wchar_t* kSaveOrder[] = {L"Font", L"Value", L"Caption", L"Enabled", L"BackColor", L"ForeColor"};

constexpr Step kNewInstance[] = {
    {L"Caption", &InstanceName}, {L"Enabled", Literal::Flag(true)},           {L"Value", Literal::Whole(0)},
    {L"Font", &ContainerFont},   {L"BackColor", Literal::Color(kButtonFace)}, {L"ForeColor", Literal::Color(kBlack)},
};

}  // namespace

const PropertyTable<CheckButton, CheckButton::Ambient> CheckButton::kStoredKeys =
    PropertyTable<CheckButton, CheckButton::Ambient>(kKeys).SavedInOrder(kSaveOrder).NewInstance(kNewInstance);

void CheckButton::InitNew(const std::wstring& instanceName, const kit::Font& containerFont) {
    kStoredKeys.InitNew(*this, Ambient{instanceName, containerFont});
}

LoadResult CheckButton::Load(const PropertyBag& bag, const std::wstring& instanceName, const kit::Font& containerFont) {
    return kStoredKeys.Load(*this, bag, Ambient{instanceName, containerFont});
}

bool CheckButton::Save(PropertyBag& bag, const std::wstring& instanceName, const kit::Font& containerFont) const {
    kStoredKeys.Save(*this, bag, Ambient{instanceName, containerFont});
    return true;
}

}  // namespace kit
