// Open decompressor instances: a fixed table, so opening one allocates nothing.
#pragma once
#include "platform/msvfw32/codec_table.h"

namespace platform::vfw {

struct Instance {
    const VideoCodec* codec; // null while the slot is free
};

// Null when the handle names no open instance.
Instance* LookupInstance(HIC handle);

} // namespace platform::vfw
