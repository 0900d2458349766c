// Win32 subset: gdi (being written).
#pragma once
#include "platform/api/types.h"
