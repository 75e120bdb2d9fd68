#pragma once

#include <clocale>
#include <cstring>
#include <string>

// Switches the C library's global locale to one whose decimal point is ',' (the
// way the GUI toolkit adopts the user's locale at start) and restores the
// previous one on destruction. active() is false when no such locale is
// installed.
class CommaLocale {
public:
    CommaLocale() {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved_ = current != nullptr ? current : "C";
        for (const char* name : {"uk_UA.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8",
                                 "uk_UA.utf8", "ru_RU.utf8", "de_DE.utf8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr &&
                std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
                active_ = true;
                return;
            }
        }
        std::setlocale(LC_ALL, saved_.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};
