#include "app/record/StorableLine.h"

#include "app/settings/IniSyntax.h"

#include <algorithm>

namespace app::record {

namespace {

// The bytes of one code point in UTF-8.
std::size_t utf8Size(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

} // namespace

QString StorableLine(const QString &text)
{
    QString line;
    line.reserve(std::min<qsizetype>(text.size(), settings::kValueLimit));
    std::size_t bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        char32_t code = c.unicode();
        qsizetype units = 1;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
            units = 2;
        }
        if (c == u'\n' || c == u'\r' || c == u'\t')
            code = u' ';
        else if (c.category() == QChar::Other_Control)
            continue;
        bytes += utf8Size(code);
        if (bytes > settings::kValueLimit)
            break;
        if (code == u' ')
            line.append(QLatin1Char(' '));
        else
            line.append(text.mid(i, units));
        i += units - 1;
    }
    return line;
}

QString FromStoredLine(const std::string &utf8)
{
    std::string_view bytes = utf8;
    // Back over the continuation bytes at the end to the start of the last
    // character, and drop that character when its bytes are not all there.
    std::size_t start = bytes.size();
    while (start > 0 && bytes.size() - start < 3 &&
           (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start > 0) {
        const auto lead = static_cast<unsigned char>(bytes[start - 1]);
        const std::size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (bytes.size() - (start - 1) < need)
            bytes = bytes.substr(0, start - 1);
    }
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QValidator::State StorableLineValidator::validate(QString &input, int &position) const
{
    const QString line = StorableLine(input);
    if (line != input) {
        // The cursor stays after what was before it.
        position =
            static_cast<int>(std::min(StorableLine(input.left(position)).size(), line.size()));
        input = line;
    }
    return Acceptable;
}

} // namespace app::record
