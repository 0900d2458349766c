// Start-up over a large registry file: the six settings read as the saver reads them (counts
// on window creation, the rest at the scene build), and storing the hue at the end. Each
// registry call reads the file afresh, so this is the cost of that file per start.
#include "app/SettingRules.h"
#include "app/Settings.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A folder of its own, removed at exit: benchmarks from several build trees may run at once.
class RegistryOnDisk {
public:
    RegistryOnDisk() {
        std::string pattern = "/tmp/lumaris_settings_bench_XXXXXX";
        folder = mkdtemp(pattern.data()) ? pattern : std::string();
        if (folder.empty()) {
            std::perror("settings bench folder");
            std::exit(1);
        }
        setenv("LUMARIS_REGISTRY", (folder + "/registry.reg").c_str(), 1);
    }
    ~RegistryOnDisk() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // `keys` keys of other programs with `valuesEach` values of every form, after the saver's key
    // with as many values besides its own six.
    void Fill(int keys, int valuesEach) const {
        std::string text = "REGEDIT4\n";
        AppendKey(text, "Orvantis\\Lumaris", valuesEach, true);
        for (int key = 0; key < keys; ++key)
            AppendKey(text, "Vendor " + std::to_string(key) + "\\Application", valuesEach, false);
        FILE* file = std::fopen((folder + "/registry.reg").c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    std::uintmax_t Size() const { return std::filesystem::file_size(folder + "/registry.reg"); }

private:
    static void AppendKey(std::string& text, const std::string& path, int values, bool saver) {
        text += "\n[HKEY_CURRENT_USER\\Software\\" + path + "]\n";
        for (int i = 0; i < values; ++i) {
            const std::string name = "\"value number " + std::to_string(i) + "\"=";
            if (i % 3 == 0) text += name + "dword:0000002a\n";
            if (i % 3 == 1)
                text += name + "\"some text of a setting, " + std::to_string(i) + "\"\n";
            if (i % 3 == 2) text += name + "hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f\n";
        }
        if (!saver) return;
        for (const char* name : {kBigCountSetting, kSmallCountSetting, kSpeedSetting,
                                 kAnimateColourSetting, kShiftColourSetting, kHueSetting})
            text += std::string("\"") + name + "\"=dword:00000002\n";
    }

    std::string folder;
};

// A file of about range(0) kilobytes over range(1) other keys, values of some 53 bytes.
void Prepare(benchmark::State& state, const RegistryOnDisk& registry) {
    const int keys = int(state.range(1));
    registry.Fill(keys, int(state.range(0) * 1000 / (keys + 1) / 53));
    state.counters["file MB"] = double(registry.Size()) / 1e6;
    SelectSettingsKey(nullptr, kSettingsKeyPath);
}

void ReadSixSettings(benchmark::State& state) {
    RegistryOnDisk registry;
    Prepare(state, registry);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadSpriteCounts());
        benchmark::DoNotOptimize(ReadMoveSpeed());
        benchmark::DoNotOptimize(ReadSetting(kAnimateColourSetting, 0));
        benchmark::DoNotOptimize(ReadSetting(kShiftColourSetting, 1));
        benchmark::DoNotOptimize(ReadSetting(kHueSetting, 0));
    }
}
// The reported case (1.3 MB, all in the saver's key) and 10 MB over many keys.
BENCHMARK(ReadSixSettings)->Args({1300, 0})->Args({10000, 16})->Unit(benchmark::kMillisecond);

void StoreHue(benchmark::State& state) {
    RegistryOnDisk registry;
    Prepare(state, registry);
    int hue = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteSetting(kHueSetting, ++hue & 255));
}
BENCHMARK(StoreHue)->Args({1300, 0})->Args({10000, 16})->Unit(benchmark::kMillisecond);

} // namespace
