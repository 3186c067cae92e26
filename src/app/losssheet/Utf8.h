#pragma once

#include <QString>

#include <string_view>

namespace app::losssheet {

// The engine's texts are UTF-8.
inline QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace app::losssheet
