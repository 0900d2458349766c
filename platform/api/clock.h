// Win32 subset: clock (being written).
#pragma once
#include "platform/api/types.h"
