#include "tools/flic/FlicWriter.h"

#include <algorithm>
#include <cstring>

#include "engine/media/FlicFormat.h"
#include "tools/flic/ByteRunEncoder.h"
#include "tools/flic/ColourChunkEncoder.h"
#include "tools/flic/DeltaFlcEncoder.h"
#include "tools/flic/DeltaFliEncoder.h"

namespace flic {
namespace {

struct Chunk {
    uint16_t type;
    ByteSink data;
    size_t Size() const { return kChunkHeaderSize + data.Size(); }
};

class FrameBuilder {
public:
    void Add(Chunk chunk) { chunks_.push_back(std::move(chunk)); }

    void AppendTo(std::vector<uint8_t>& file) const {
        ByteSink frame;
        frame.U32(0);
        frame.U16(kFrameType);
        frame.U16(static_cast<uint16_t>(chunks_.size()));
        for (int i = 0; i < 4; ++i)
            frame.U16(0);
        for (const Chunk& chunk : chunks_) {
            size_t start = frame.Size();
            frame.U32(0);
            frame.U16(chunk.type);
            frame.Append(chunk.data.Bytes());
            frame.PadToEven();
            frame.PatchU32(start, static_cast<uint32_t>(frame.Size() - start));
        }
        frame.PatchU32(0, static_cast<uint32_t>(frame.Size()));
        file.insert(file.end(), frame.Bytes().begin(), frame.Bytes().end());
    }

private:
    std::vector<Chunk> chunks_;
};

bool AllZero(const uint8_t* pixels, size_t count) {
    return std::all_of(pixels, pixels + count, [](uint8_t p) { return p == 0; });
}

class PictureChooser {
public:
    explicit PictureChooser(const WriterOptions& options) : options_(options) {}

    // The smallest chunk that turns `previous` (null: nothing yet) into `current`.
    Chunk Choose(const uint8_t* previous, const uint8_t* current) const {
        size_t count = static_cast<size_t>(options_.width) * options_.height;
        if (AllZero(current, count)) return {kBlack, {}};
        if (previous && options_.alwaysDelta) {
            Chunk delta = Delta(previous, current);
            if (delta.type != 0) return delta;
        }
        Chunk best{kFliCopy, {}};
        best.data.Append(current, count);
        Offer(best, ByteRun(current));
        if (previous) Offer(best, Delta(previous, current));
        return best;
    }

private:
    static void Offer(Chunk& best, Chunk candidate) {
        if (candidate.type != 0 && candidate.Size() <= best.Size()) best = std::move(candidate);
    }
    Chunk ByteRun(const uint8_t* current) const {
        Chunk chunk{kByteRun, {}};
        EncodeByteRun(current, options_.width, options_.height, chunk.data);
        return chunk;
    }
    Chunk Delta(const uint8_t* previous, const uint8_t* current) const {
        Chunk chunk{kDeltaFlc, {}};
        if (options_.format == Format::Flc) {
            EncodeDeltaFlc(previous, current, options_.width, options_.height, chunk.data);
            return chunk;
        }
        chunk.type = kDeltaFli;
        if (!EncodeDeltaFli(previous, current, options_.width, options_.height, chunk.data))
            chunk.type = 0;
        return chunk;
    }

    const WriterOptions& options_;
};

} // namespace

FlicWriter::FlicWriter(const WriterOptions& options) : options_(options) {
    file_.assign(kHeaderSize, 0);
}

uint32_t FlicWriter::SpeedField(const WriterOptions& options) {
    if (options.format == Format::Flc) return options.frameMs;
    return std::max<uint32_t>(1, (options.frameMs * 70 + 500) / 1000);
}

void FlicWriter::AddFrame(const uint8_t* pixels, const Palette& palette) {
    size_t count = static_cast<size_t>(options_.width) * options_.height;
    if (frameCount_ == 0) {
        firstPixels_.assign(pixels, pixels + count);
        firstPalette_ = palette;
    }
    if (frameCount_ == 1) secondFrameOffset_ = static_cast<uint32_t>(file_.size());
    WriteFrame(pixels, palette);
    previousPixels_.assign(pixels, pixels + count);
    previousPalette_ = palette;
    ++frameCount_;
}

void FlicWriter::WriteFrame(const uint8_t* pixels, const Palette& palette) {
    bool first = frameCount_ == 0;
    FrameBuilder frame;
    Chunk colours{options_.format == Format::Flc ? kColour256 : kColour64, {}};
    ColourDepth depth = options_.format == Format::Flc ? ColourDepth::Bits8 : ColourDepth::Bits6;
    if (EncodeColourChunk(first ? nullptr : &previousPalette_, palette, depth, colours.data))
        frame.Add(std::move(colours));
    size_t count = previousPixels_.size();
    if (first || std::memcmp(previousPixels_.data(), pixels, count) != 0) {
        PictureChooser chooser(options_);
        frame.Add(chooser.Choose(first ? nullptr : previousPixels_.data(), pixels));
    }
    frame.AppendTo(file_);
}

std::vector<uint8_t> FlicWriter::Finish() {
    if (frameCount_ > 0) {
        if (frameCount_ == 1) secondFrameOffset_ = static_cast<uint32_t>(file_.size());
        WriteFrame(firstPixels_.data(), firstPalette_);
    }
    WriteHeader();
    return std::move(file_);
}

void FlicWriter::WriteHeader() {
    ByteSink header;
    bool flc = options_.format == Format::Flc;
    header.U32(static_cast<uint32_t>(file_.size()));
    header.U16(flc ? kMagicFlc : kMagicFli);
    header.U16(static_cast<uint16_t>(frameCount_));
    header.U16(static_cast<uint16_t>(options_.width));
    header.U16(static_cast<uint16_t>(options_.height));
    header.U16(8);
    header.U16(flc ? 3 : 0); // FLC: the file was finished and its header updated
    header.U32(SpeedField(options_));
    std::copy(header.Bytes().begin(), header.Bytes().end(), file_.begin());
    if (!flc) return;
    ByteSink offsets;
    offsets.U32(kHeaderSize);
    offsets.U32(secondFrameOffset_);
    std::copy(offsets.Bytes().begin(), offsets.Bytes().end(), file_.begin() + 80);
}

} // namespace flic
