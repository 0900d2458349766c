// Win32 subset: resources (being written).
#pragma once
#include "platform/api/types.h"
