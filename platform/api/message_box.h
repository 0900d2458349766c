// Win32 subset: message_box (being written).
#pragma once
#include "platform/api/types.h"
