// The check button's stored keys: read in one order, written in another, and a new instance set in a third.
#include "controls/checkbutton/check_button.h"

namespace kit {
namespace {

using S = CheckButton;
using Row = KeyRows<CheckButton, Ambient>;

constexpr OleColor kButtonFace = 0x8000000F;
constexpr OleColor kBlack = 0;

kit::Value ContainerFont(const CheckButton&, const Ambient& ambient) { return kit::Value(ambient.font); }

constexpr Row::Key kKeys[] = {
    Row::Whole<ToInt32, &S::SetValue, &S::Value>(L"Value", Literal::Whole(0)),
    Row::Text<&S::SetCaption, &S::Caption>(L"Caption", &InstanceName<S, Ambient>),
    Row::Flag<&S::SetEnabled, &S::Enabled>(L"Enabled", Literal::Flag(true)),
    Row::Through<ToFont, AsFont, &S::SetFont, &S::Font>(L"Font", &ContainerFont),
    Row::Color<&S::SetBackColor, &S::BackColor>(L"BackColor", Literal::Color(kButtonFace)),
    Row::Color<&S::SetForeColor, &S::ForeColor>(L"ForeColor", Literal::Color(kBlack)),
};

constexpr const wchar_t* kSaveOrder[] = {L"Font", L"Value", L"Caption", L"Enabled", L"BackColor", L"ForeColor"};

constexpr Row::Step kNewInstance[] = {
    {L"Caption", &InstanceName<S, Ambient>},
    {L"Enabled", Literal::Flag(true)},
    {L"Value", Literal::Whole(0)},
    {L"Font", &ContainerFont},
    {L"BackColor", Literal::Color(kButtonFace)},
    {L"ForeColor", Literal::Color(kBlack)},
};

}  // namespace

const PropertyTable<CheckButton, Ambient> CheckButton::kStoredKeys =
    PropertyTable<CheckButton, Ambient>(kKeys).SavedInOrder(kSaveOrder).NewInstance(kNewInstance);

}  // namespace kit
