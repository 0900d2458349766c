#include "tools/media/ScriptedSprite.h"

#include "engine/core/mSpriteImage.h"
#include "engine/media/mImageBitmap.h"
#include "tools/media/ConsoleReports.h"

#include <climits>
#include <unistd.h>

namespace {

// Works in another folder for its lifetime.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder) {
        entered = getcwd(previous, sizeof previous) && chdir(folder.c_str()) == 0;
    }
    ~WorkingFolder() {
        if (entered && chdir(previous) != 0) PrintFailure("cannot return to", previous);
    }
    bool Entered() const { return entered; }

private:
    char previous[PATH_MAX];
    bool entered = false;
};

} // namespace

mSpriteImage* LoadScriptedSprite(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = path.substr(slash + 1);
    WorkingFolder inFolder(folder);
    if (!inFolder.Entered()) {
        PrintFailure("cannot enter the folder of", path.c_str());
        return nullptr;
    }
    auto* sprite = new mSpriteImage;
    sprite->SetImage(new mImageBitmap);
    mFile text;
    if (text.Open(name.c_str(), 0)) {
        sprite->LoadScript(&text);
        text.Close();
    }
    if (sprite->image->formatInfo->frameCount == 0) {
        PrintFailure("no picture described in", path.c_str());
        delete sprite;
        return nullptr;
    }
    return sprite;
}
