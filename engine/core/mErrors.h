// Class identifiers and error codes shared by the whole engine. A report names the class
// that failed (its id selects the caption) and what went wrong (its code selects the text).
#pragma once

#include "platform/win32.h"

// Ids 11, 12 and 19 have no classes behind them; they keep the numbering of the others.
enum mClassId : LONG {
    classObject = 0,
    classBitmap = 1,
    classDirector = 2,
    classFile = 3,
    classImage = 4,
    classImageBitmap = 5,
    classImageBMP = 6,
    classImageFlic = 7,
    classImageAVI = 8,
    classRenderer = 9,
    classRenderSolid = 10,
    classRenderBMP = 11,
    classRenderFlic = 12,
    classSprite = 13,
    classSpriteImage = 14,
    classAudioWAV = 15,
    classScript = 16,
    classImagePCX = 17,
    classImageDCX = 18,
    classSpriteGroup = 19,
    classIdCount = 20
};

enum mErrorCode : LONG {
    errNone = 0, // empty text: the detail is shown alone
    errOutOfMemory = 1,
    errMemLock = 2,
    errNoWinG = 3,
    errNoDC = 4,
    errFileOpen = 5,
    errFileRead = 6,
    errFileWrite = 7,
    errFileSeek = 8,
    errFileType = 9,
    errFileNotClosed = 10,
    errBitmap = 11,
    errBadFrameHeader = 12,
    errBadChunkType = 13,
    errNotImplemented = 14,
    errNotTested = 15,
    errBadRectangle = 16,
    errStillInUse = 17,
    errLabelMissing = 18,
    errMissingParameter = 19,
    errValueOutOfRange = 20,
    errBadProgInst = 21,
    errorCodeCount = 22
};

// Severity of a report; any value other than the first three shows as information.
enum mSeverity : LONG {
    severityError = 0,
    severityQuestion = 1,
    severityWarning = 2,
    severityInformation = 3
};
