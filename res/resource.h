// Resource identifiers of the programs.
#pragma once

#define IDI_APP 1
