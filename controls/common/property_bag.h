// The container's property bag shared by every control of the kit: typed values, case-blind keys, omission of
// values equal to their default, and a readable text form in which the windows' designs are kept. One include for
// all four parts.
#pragma once

#include "controls/common/property_bag_convert.h"
#include "controls/common/property_bag_core.h"
#include "controls/common/property_bag_design.h"
#include "controls/common/property_bag_text.h"
