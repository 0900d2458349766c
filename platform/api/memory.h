// Win32 subset: memory (being written).
#pragma once
#include "platform/api/types.h"
