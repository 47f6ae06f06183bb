// The creation step every control shares.
#include "controls/common/control.h"

namespace kit {

LoadResult MakeControl(Control& control, const PropertyBag* bag, const Ambient& ambient,
                       const std::function<void()>& reportSize) {
    if (control.SizedFirst()) reportSize();
    LoadResult result;
    if (bag)
        result = control.Load(*bag, ambient);
    else
        control.InitNew(ambient);
    control.Placed();
    if (!control.SizedFirst()) reportSize();
    return result;
}

}  // namespace kit
