#pragma once

#include <QString>

#include <string>
#include <string_view>

// Captions and texts are UTF-8 std::strings on our side of the layer.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQString(const QString& text) {
    return text.toUtf8().toStdString();
}
