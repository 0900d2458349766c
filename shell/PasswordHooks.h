// Password verification and change through the platform's password components, on the
// 95/98 family only; elsewhere the saver closes at once and the password mode fails.
#pragma once

#include "platform/win32.h"

inline constexpr char kPasswordModule[] = "PASSWORD.CPL";
inline constexpr char kVerifyFunction[] = "VerifyScreenSavePwd";
inline constexpr char kChangeModule[] = "MPR.DLL";
inline constexpr char kChangeFunction[] = "PwdChangePasswordA";
// A refused check is not followed by another sooner than this.
inline constexpr DWORD kVerifyPause = 200;

typedef BOOL(WINAPI* VerifyScreenSavePwdProc)(HWND window);
typedef DWORD(WINAPI* PwdChangePasswordProc)(LPCSTR provider, HWND owner, DWORD reserved1,
                                             DWORD reserved2);

// Loads the verifier when the user's "ScreenSaveUsePassword" is set.
void LoadPasswordHook();
void UnloadPasswordHook();
// True lets the close proceed (and sets closeAccepted).
bool VerifyPassword(HWND window);
// The hook's verdict for the shell's WM_APP verify request: 1 when no hook is loaded.
LRESULT RunVerifyFunction(HWND window);
void ChangePassword(HWND owner);
// Tells the system whether a saver runs, so task switching is held back (95/98 only).
void SetSaverRunning(bool running);
// Back to a fresh process: no module held, never verified.
void ResetPasswordHooks();
