// Root of every engine class: the use count that holders record their holds in, and the
// one way the engine tells the user about a failure (a modal box captioned with the class).
#pragma once

#include "engine/core/mErrors.h"
#include "platform/win32.h"

class mObject {
public:
    mObject() = default;
    mObject(const mObject&) = delete;
    mObject& operator=(const mObject&) = delete;

    // Not virtual on purpose: every derived class declares its own virtual destructor first,
    // and objects are never deleted through an mObject pointer. Warns when still held.
    ~mObject();

    // Report with severity error (0) / warning (2). Return the box's result.
    virtual int Error(LONG classId, LONG code, LPCSTR detail = nullptr);
    virtual int Warning(LONG classId, LONG code, LPCSTR detail = nullptr);
    // Shows a modal box owned by the active window; blocks until it is closed.
    virtual int Report(LONG severity, LONG classId, LONG code, LPCSTR detail = nullptr);

    // Module whose string resources (4400 + class id, 4400 + code) replace the built-in
    // captions and texts; null uses the built-in tables.
    static HINSTANCE resourceModule;

    // Holders change it directly: +1 to hold, -1 to release (owners destroy at 0).
    LONG useCount = 0;
};
