#include "app/Colours.h"

#include "app/ColourMapping.h"
#include "app/Settings.h"
#include "engine/core/mDirector.h"

namespace {

constexpr RGBQUAD kAllOnes{255, 255, 255, 255};

ColourValue ValueOf(const RGBQUAD& entry) {
    return ColourValue(entry.rgbRed) << 16 | ColourValue(entry.rgbGreen) << 8 | entry.rgbBlue;
}

RGBQUAD EntryOf(ColourValue value) {
    return {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
}

void MapPalette(ColourState& colours) {
    for (int i = kFirstMappedColour; i <= kLastMappedColour; ++i)
        colours.workPalette[i] =
            EntryOf(MapColour(ValueOf(colours.basePalette[i]), colours.hue, colours.shiftColours));
}

void CaptureBasePalette(ColourState& colours, const mDirector& stage) {
    colours.basePalette.fill(kAllOnes);
    colours.workPalette.fill(kAllOnes);
    const RGBQUAD* stageColours = stage.info->colours;
    if (!stageColours) return;
    for (int i = kFirstMappedColour; i <= kLastMappedColour; ++i)
        colours.basePalette[i] = stageColours[i];
}

void SetPictureStages(const ColourState& colours, const ColourTargets& targets) {
    for (mDirector* picture : targets.pictureStages)
        if (picture) picture->SetPalette(colours.workPalette.data(), 0, 256);
}

} // namespace

void StartColours(ColourState& colours, mDirector& stage) {
    colours.animateColours = ReadSetting(kAnimateColourSetting, 0) > 0;
    colours.shiftColours = ReadSetting(kShiftColourSetting, 1) > 0;
    colours.hue = ReadSetting(kHueSetting, 0);
    CaptureBasePalette(colours, stage);
    MapPalette(colours);
    stage.SetPalette(colours.workPalette.data(), 0, 256);
}

bool AnimateColours(ColourState& colours, const ColourTargets& targets) {
    if (!colours.animateColours) return false;
    // A stored hue of INT_MAX must not overflow: whatever would pass 255 becomes 0.
    colours.hue = colours.hue >= 255 ? 0 : colours.hue + 1;
    Recolour(colours, targets);
    return true;
}

void Recolour(ColourState& colours, const ColourTargets& targets) {
    MapPalette(colours);
    if (targets.stage) {
        targets.stage->SetPalette(colours.workPalette.data(), 0, 256);
        if (targets.headerBitmap)
            targets.headerBitmap->SetColours(targets.stage->info->colours, 0, 256);
    }
    SetPictureStages(colours, targets);
}
