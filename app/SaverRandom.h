// The program's own random generator. Every random choice of the scene comes from one
// instance in program order, so a run from a given seed is reproducible draw for draw.
#pragma once

#include <cstdint>

class SaverRandom {
public:
    void Seed(uint32_t seed) { state = seed; }
    // 0 to 32767.
    int Draw() {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    }
    void Discard(int count) {
        for (int i = 0; i < count; ++i)
            Draw();
    }
    uint32_t State() const { return state; }

private:
    uint32_t state = 0;
};
