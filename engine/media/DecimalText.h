// Decimal numbers read from the text of scripts and sprite-image descriptions. Values are
// kept modulo 2^32, so no text can overflow them.
#pragma once

#include "platform/win32.h"

// Blanks, an optional sign, then digits up to the first other character. Returns the
// character after the number, or null (value untouched) when there is no digit.
const char* ReadDecimal(const char* text, LONG* value);
// A script argument: no digits give 0.
LONG DecimalValue(const char* text);
// Up to count numbers separated by commas ("%d,%d" in scanf terms), each with its leading
// blanks. Values are filled in order until one does not read; returns how many were.
int ReadDecimalList(const char* text, LONG* values, int count);
