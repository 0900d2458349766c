#include "shell/entry/GifRecorder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <array>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kLastFrameCentiseconds = 3;

// The picture's colours as indices into at most 256 colours; a picture with more (it cannot
// come from an 8-bit stage, but a host cursor could add some) maps the rest to entry 0.
struct IndexedPicture {
    std::vector<GifByteType> indices;
    std::array<GifColorType, 256> colours{};
    int colourCount = 0;
};

IndexedPicture Index(const platform::CapturedPicture& picture) {
    IndexedPicture out;
    out.indices.resize(picture.pixels.size());
    std::unordered_map<uint32_t, GifByteType> seen;
    uint32_t lastColour = 0xFFFFFFFF;
    GifByteType lastIndex = 0;
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint32_t colour = picture.pixels[i];
        if (colour != lastColour) {
            auto [place, added] = seen.try_emplace(colour, GifByteType(0));
            if (added && out.colourCount < 256) {
                place->second = GifByteType(out.colourCount);
                out.colours[out.colourCount++] = {GifByteType(colour >> 16),
                                                  GifByteType(colour >> 8), GifByteType(colour)};
            }
            lastColour = colour;
            lastIndex = place->second;
        }
        out.indices[i] = lastIndex;
    }
    return out;
}

int BitsFor(int colourCount) {
    int bits = 1;
    while ((1 << bits) < colourCount)
        ++bits;
    return bits;
}

bool WriteLoopForever(GifFileType* file) {
    static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                               'P', 'E', '2', '.', '0'};
    static const GifByteType kLoop[] = {1, 0, 0};
    return EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(file, sizeof(kApplication), kApplication) == GIF_OK &&
           EGifPutExtensionBlock(file, sizeof(kLoop), kLoop) == GIF_OK &&
           EGifPutExtensionTrailer(file) == GIF_OK;
}

} // namespace

GifRecorder::GifRecorder(const std::string& path) {
    // Readable by others, as any picture the user saves.
    const int handle = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (handle < 0) {
        systemError = errno;
        return;
    }
    int error = 0;
    file = EGifOpenFileHandle(handle, &error);
    if (!file) close(handle);
}

GifRecorder::~GifRecorder() {
    if (file) Finish();
}

bool GifRecorder::WriteHeader(LONG width, LONG height) {
    EGifSetGifVersion(file, true);
    headerWritten =
        EGifPutScreenDesc(file, width, height, 8, 0, nullptr) == GIF_OK && WriteLoopForever(file);
    return headerWritten;
}

bool GifRecorder::WriteFrame(const platform::CapturedPicture& picture, int delayCentiseconds) {
    if (!headerWritten && !WriteHeader(picture.width, picture.height)) return false;
    const IndexedPicture indexed = Index(picture);
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delayCentiseconds;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType controlBytes[4];
    const size_t controlSize = EGifGCBToExtension(&control, controlBytes);
    const int bits = BitsFor(indexed.colourCount);
    ColorMapObject* map = GifMakeMapObject(1 << bits, indexed.colours.data());
    bool ok =
        map &&
        EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, int(controlSize), controlBytes) == GIF_OK &&
        EGifPutImageDesc(file, 0, 0, picture.width, picture.height, false, map) == GIF_OK;
    for (LONG y = 0; ok && y < picture.height; ++y)
        ok =
            EGifPutLine(file, const_cast<GifByteType*>(&indexed.indices[size_t(y) * picture.width]),
                        picture.width) == GIF_OK;
    GifFreeMapObject(map);
    if (ok) ++written;
    return ok;
}

// The file's writes fail with the system's reason (a full disk, say) in errno.
bool GifRecorder::WriteFrameNotingError(const platform::CapturedPicture& picture,
                                        int delayCentiseconds) {
    errno = 0;
    const bool ok = WriteFrame(picture, delayCentiseconds);
    if (!ok && !systemError) systemError = errno;
    return ok;
}

std::string GifRecorder::Problem() const {
    return systemError ? std::strerror(systemError) : "the picture could not be encoded";
}

void GifRecorder::AddFrame(platform::CapturedPicture picture, DWORD milliseconds) {
    if (!file || failed || picture.pixels.empty()) return;
    if (havePending) {
        // Delays from rounded times, so rounding errors do not add up over the recording.
        const int delay = int((milliseconds + 5) / 10) - int((pendingTime + 5) / 10);
        failed = !WriteFrameNotingError(pending, delay > 0 ? delay : 1);
    }
    pending = std::move(picture);
    pendingTime = milliseconds;
    havePending = true;
}

bool GifRecorder::Finish() {
    if (!file) return false;
    if (havePending && !failed) failed = !WriteFrameNotingError(pending, kLastFrameCentiseconds);
    havePending = false;
    int error = 0;
    errno = 0;
    const bool closed = EGifCloseFile(file, &error) == GIF_OK;
    if (!closed && !systemError) systemError = errno;
    file = nullptr;
    return closed && !failed && written > 0;
}
