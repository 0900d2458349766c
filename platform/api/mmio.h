// Win32 subset: mmio (being written).
#pragma once
#include "platform/api/types.h"
