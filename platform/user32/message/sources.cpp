#include "platform/user32/message/sources.h"

#include <algorithm>
#include <vector>

#include "platform/drivers/display/backend.h"

namespace platform {
namespace {

std::vector<MessageSource*>& Sources() {
    static std::vector<MessageSource*> sources;
    return sources;
}

} // namespace

void AddMessageSource(MessageSource* source) {
    Sources().push_back(source);
}

void RemoveMessageSource(MessageSource* source) {
    auto& sources = Sources();
    sources.erase(std::remove(sources.begin(), sources.end(), source), sources.end());
}

void PostDueSourceMessages() {
    for (MessageSource* source : Sources())
        source->PostDue();
}

std::optional<DWORD> TimeToNextSourceMessage() {
    std::optional<DWORD> soonest;
    for (MessageSource* source : Sources()) {
        auto wait = source->TimeToNextPost();
        if (wait && (!soonest || *wait < *soonest)) soonest = wait;
    }
    return soonest;
}

void WakeMessageWait() {
    Display().WakeFromAnyThread();
}

} // namespace platform
