// A stage on a real (headless) window, with the virtual clock and a renderer that records
// what the stage asks of it.
#pragma once

#include "engine/core/mDirector.h"
#include "engine/core/mRenderer.h"
#include "platform/drivers/display/display_class.h"
#include "platform/testing/clock.h"
#include "platform/testing/display.h"
#include "platform/testing/message_boxes.h"
#include "platform/testing/windows.h"
#include "platform/win32.h"
#include "tests/support/rects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Fills its rectangle with one colour index and logs every call of the stage.
class ProbeRenderer : public mRenderer {
public:
    ProbeRenderer(std::string probeName, RECT area, LONG depthZ = 0, BYTE index = 1)
        : name(std::move(probeName)), fillIndex(index) {
        rect = hitRect = area;
        z = depthZ;
    }
    ~ProbeRenderer() override = default;

    void Draw(const RECT* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            drawn.push_back(rects[i]);
            if (log) log->push_back(name);
        }
        director->Fill(fillIndex, rects, count);
    }
    void Tick(DWORD lateness) override { latenesses.push_back(lateness); }
    void OnHit(mRenderer* other) override { hits.push_back(other); }
    void OnAttach() override { ++attaches; }
    void OnDetach() override { ++detaches; }
    void OnPaletteChanged() override { ++paletteChanges; }

    std::string name;
    BYTE fillIndex;
    std::vector<std::string>* log = nullptr;
    std::vector<RECT> drawn;
    std::vector<DWORD> latenesses;
    std::vector<mRenderer*> hits;
    int attaches = 0, detaches = 0, paletteChanges = 0;
};

class StageTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::testing::ResetWindows();
        platform::testing::ResetDisplay();
        platform::testing::ClearMessageBoxes();
        platform::testing::UseVirtualClock(1000);
    }
    void TearDown() override {
        delete stage;
        platform::testing::UseRealClock();
        platform::testing::ResetWindows();
        platform::testing::ResetDisplay();
    }

    mDirector* MakeStage(LONG width = 640, LONG height = 480, int slots = 200) {
        platform::testing::SetDesktopSize(1024, 768);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "StageTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "StageTest", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        stage = new mDirector(window, 50);
        stage->SetDirtyCapacity(slots);
        return stage;
    }

    // Live dirty areas in list order.
    std::vector<RECT> Areas() const {
        std::vector<RECT> live;
        const mDirtyArea* head = &stage->areas[0];
        for (const mDirtyArea* a = head->next; a != head; a = a->next)
            live.push_back({a->left, a->top, a->right, a->bottom});
        return live;
    }

    // A colour table whose entry i is (i, 255 - i, i / 2), all distinct.
    static std::vector<RGBQUAD> Ramp() {
        std::vector<RGBQUAD> colours(256);
        for (int i = 0; i < 256; ++i)
            colours[i] = {BYTE(i / 2), BYTE(255 - i), BYTE(i), 0};
        return colours;
    }

    HWND window = nullptr;
    mDirector* stage = nullptr;
};
