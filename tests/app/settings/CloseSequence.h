#pragma once

// The 21 keys the window saves, shared by the settings-file tests.

#include <cstdint>

struct SettingsKey
{
    const char *section;
    const char *key;
    std::int32_t value; // default of the key, or the value a test writes
};

// The keys in the order in which the window writes them at close; defaults
// from the settings table (Left and Top have none: any value serves).
inline const SettingsKey kCloseSequence[] = {
    {"Window", "Left", 120}, {"Window", "Top", 80}, {"Duct", "DStyle", 5}, {"Air", "SelBox", 0},
    {"Pipe", "PStyle", 2},   {"Pipe", "Temp", 2},   {"Pipe", "PSize", 2},  {"Page", "ActPage", 0},
    {"AG", "VHS", 0},        {"AG", "Kaiko0", 75},  {"AG", "Kaiko1", 75},  {"AG", "Kaiko2", 35},
    {"AG", "Kaiko3", 35},    {"AG", "Kaiko4", 60},  {"AG", "Kaiko5", 35},  {"AG", "Kaiko6", 60},
    {"AG", "Kaiko7", 90},    {"Button", "B1", 1},   {"Button", "B2", 0},   {"Button", "K1", 1},
    {"Button", "K2", 0},
};
