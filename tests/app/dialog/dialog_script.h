// Runs a modal dialog of the application with a script: a thread timer fires once the
// dialog's loop runs, and the script acts on the dialog as a user would, closes it with OK
// or leaves it to be cancelled.
#pragma once

#include <functional>

#include "platform/win32.h"

class DialogScript {
public:
    // Shows the dialog through show() with script run against the dialog that current()
    // names when the timer fires; returns what show() returned.
    static int Run(const std::function<int()>& show, const std::function<HWND()>& current,
                   const std::function<void(HWND)>& script) {
        Active() = {current, script};
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, Fire);
        const int result = show();
        KillTimer(nullptr, timer);
        Active() = {};
        return result;
    }

private:
    struct Pending {
        std::function<HWND()> current;
        std::function<void(HWND)> script;
    };
    static Pending& Active() {
        static Pending pending;
        return pending;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        Pending pending = Active();
        Active() = {};
        HWND dialog = pending.current();
        if (pending.script) pending.script(dialog);
        // A script cut short by a failed assertion must not leave the dialog open.
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
};
