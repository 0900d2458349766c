// Win32 subset: window (being written).
#pragma once
#include "platform/api/types.h"
