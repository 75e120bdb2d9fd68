#pragma once

// How numbers are written for the user. The program sets the global instance
// once at start from the user's locale.
struct TFormatSettings {
    char DecimalSeparator = '.';
};

extern TFormatSettings FormatSettings;
