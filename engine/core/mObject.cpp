#include "engine/core/mObject.h"

#include "engine/core/ReportMessage.h"

HINSTANCE mObject::resourceModule = nullptr;

mObject::~mObject() {
    if (useCount != 0) Warning(classObject, errStillInUse);
}

int mObject::Error(LONG classId, LONG code, LPCSTR detail) {
    return Report(severityError, classId, code, detail);
}

int mObject::Warning(LONG classId, LONG code, LPCSTR detail) {
    return Report(severityWarning, classId, code, detail);
}

int mObject::Report(LONG severity, LONG classId, LONG code, LPCSTR detail) {
    ReportMessage message = BuildReportMessage(severity, classId, code, detail, resourceModule);
    return MessageBoxA(GetActiveWindow(), message.text, message.caption, message.type);
}
