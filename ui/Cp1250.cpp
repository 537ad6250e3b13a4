// Conversion between window text and the module's Windows-1250 characters.

#include "Cp1250.h"

#include <QByteArray>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace Cp1250 {
namespace {

constexpr auto CodePage = "windows-1250";

// The 256 characters of the code page, found once by decoding every byte.
const QSet<char16_t>& Repertoire() {
    static const QSet<char16_t> set = [] {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        QStringDecoder decoder(CodePage);
        const QString chars = decoder.decode(all);
        QSet<char16_t> s;
        for (QChar c : chars)
            s.insert(c.unicode());
        return s;
    }();
    return set;
}

// The code page's lower half is ASCII. Text that stays there, as most of a
// configuration does, needs no converter: the system's converter library is
// large and is loaded only when a Polish letter is first met.
bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QString Decode(std::string_view bytes) {
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder(CodePage);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string Encode(const QString& text) {
    if (IsAscii(text))
        return text.toLatin1().toStdString();
    QStringEncoder encoder(CodePage);
    const QByteArray bytes = encoder.encode(text);
    return bytes.toStdString();
}

bool CanHold(QChar c) { return c.unicode() < 0x80 || Repertoire().contains(c.unicode()); }

int CountForeign(const QString& text) {
    int n = 0;
    for (QChar c : text)
        n += CanHold(c) ? 0 : 1;
    return n;
}

} // namespace Cp1250
