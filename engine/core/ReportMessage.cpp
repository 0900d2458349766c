#include "engine/core/ReportMessage.h"

#include <cstring>

#include "engine/core/mErrors.h"

namespace {

constexpr UINT kStringBase = 4400;
constexpr int kLoadLimit = 40; // characters loaded from a resource, terminator included
constexpr size_t kTextLimit = 40;
constexpr size_t kDetailLimit = 40;

const char* const kClassNames[classIdCount] = {
    "mObject",      "mBitmap",    "mDirector",   "mFile",     "mImage",
    "mImageBitmap", "mImageBMP",  "mImageFlic",  "mImageAVI", "mRenderer",
    "mRenderSolid", "mRenderBMP", "mRenderFlic", "mSprite",   "mSpriteImage",
    "mAudioWAV",    "mScript",    "mImagePCX",   "mImageDCX", "mSpriteGroup"};

const char* const kErrorTexts[errorCodeCount] = {"",
                                                 "Out of memory",
                                                 "Mem lock error",
                                                 "No WinG support",
                                                 "Can't get a DC",
                                                 "File open error",
                                                 "File read error",
                                                 "File write error",
                                                 "File seek error",
                                                 "File type error",
                                                 "File not closed",
                                                 "Bitmap error",
                                                 "Bad frame header",
                                                 "Bad chunk type",
                                                 "Not implemented",
                                                 "Not tested",
                                                 "Bad rectangle",
                                                 "Still in use",
                                                 "Label doesn't exist",
                                                 "Missing parameter",
                                                 "Value out of range",
                                                 "Bad ProgInst Value"};

// Copies at most limit - 1 characters and always terminates.
void CopyLimited(char* destination, const char* source, size_t limit) {
    size_t length = strnlen(source, limit - 1);
    memcpy(destination, source, length);
    destination[length] = '\0';
}

bool LoadOverride(HINSTANCE strings, LONG id, char* destination) {
    return strings && LoadStringA(strings, kStringBase + UINT(id), destination, kLoadLimit) > 0;
}

const char* ClassName(LONG classId) {
    return DWORD(classId) < DWORD(classIdCount) ? kClassNames[classId] : "Unknown Object";
}

const char* ErrorText(LONG code) {
    return DWORD(code) < DWORD(errorCodeCount) ? kErrorTexts[code] : "Unknown Error";
}

void AppendDetail(char* text, LPCSTR detail) {
    size_t length = strlen(text);
    if (length > 0) text[length++] = ':';
    CopyLimited(text + length, detail, kDetailLimit + 1);
}

UINT IconFor(LONG severity) {
    switch (severity) {
    case severityError:
        return MB_ICONHAND;
    case severityQuestion:
        return MB_ICONQUESTION;
    case severityWarning:
        return MB_ICONEXCLAMATION;
    default:
        return MB_ICONASTERISK;
    }
}

} // namespace

ReportMessage BuildReportMessage(LONG severity, LONG classId, LONG code, LPCSTR detail,
                                 HINSTANCE strings) {
    ReportMessage message;
    if (!LoadOverride(strings, classId, message.caption))
        CopyLimited(message.caption, ClassName(classId), sizeof message.caption);
    if (!LoadOverride(strings, code, message.text))
        CopyLimited(message.text, ErrorText(code), kTextLimit);
    if (detail) AppendDetail(message.text, detail);
    message.type = MB_OK | IconFor(severity);
    return message;
}
