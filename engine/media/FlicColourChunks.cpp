#include "engine/media/FlicDecoders.h"

void DecodeFlicColours(FlicReader& in, RGBQUAD* palette, int shift) {
    if (!in.Need(2)) return;
    unsigned packets = in.U16();
    unsigned index = 0;
    for (unsigned packet = 0; packet < packets; ++packet) {
        if (!in.Need(2)) return;
        index += in.U8();
        unsigned count = in.U8();
        if (count == 0) count = 256;
        if (!in.Need(3 * size_t(count))) return;
        for (unsigned i = 0; i < count; ++i, ++index) {
            BYTE red = in.U8(), green = in.U8(), blue = in.U8();
            if (index < 256)
                palette[index] =
                    RGBQUAD{BYTE(blue << shift), BYTE(green << shift), BYTE(red << shift), 0};
        }
    }
}
