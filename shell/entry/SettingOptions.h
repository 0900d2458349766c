// The command-line options that give settings for one run, as the daemon's settings
// application passes them (resources/linux/lumaris.xml describes them to it).
#pragma once
#include <string>
#include <vector>

struct SettingOption {
    const char* name;    // "--big"
    const char* setting; // the setting it gives, a name of app/Settings.h
    bool takesValue;     // a whole number from low to high follows; otherwise it gives low
    int low;
    int high;
    const char* meaning; // for --help
};

// Every option, in the order --help lists them.
const std::vector<SettingOption>& SettingOptions();

struct TakenOptions {
    std::vector<char*> rest; // the other arguments, argv[0] first, then a null
    std::string error;       // one line for a bad value; nothing was given then
};

// Takes the setting options out of the arguments and gives their values for this run
// (app/SettingOverrides.h).
TakenOptions TakeSettingOptions(int argc, char** argv);
