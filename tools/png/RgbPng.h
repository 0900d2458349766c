// Writes packed 8-bit RGB rows, top row first, as a PNG file.
#pragma once

#include <cstdint>
#include <string>

bool WriteRgbPng(const std::string& path, const uint8_t* rgb, int width, int height);
