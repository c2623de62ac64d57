#include "filetext.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace brisolant::filetext {

namespace {

// Windows-1252 where it differs from Latin-1: 0x80 ... 0x9F. The five bytes
// the code page leaves undefined keep their Latin-1 meaning, as Windows does.
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

enum class Form : std::uint8_t { Utf8, Utf16LE, Utf16BE };

struct Encoding {
    Form form = Form::Utf8;
    qsizetype mark = 0; // the length of the byte order mark
};

Encoding encodingOf(QByteArrayView bytes) {
    const auto byte = [&bytes](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100U;
    };
    if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
        return {Form::Utf8, 3};
    }
    if (byte(0) == 0xFF && byte(1) == 0xFE) {
        return {Form::Utf16LE, 2};
    }
    if (byte(0) == 0xFE && byte(1) == 0xFF) {
        return {Form::Utf16BE, 2};
    }
    if (byte(0) != 0 && byte(0) < 0x80 && byte(1) == 0) {
        return {Form::Utf16LE, 0};
    }
    if (byte(0) == 0 && byte(1) != 0 && byte(1) < 0x80) {
        return {Form::Utf16BE, 0};
    }
    return {};
}

void appendWindows1252(QByteArrayView bytes, QString& text) {
    const qsizetype start = text.size();
    text.resize(start + bytes.size());
    QChar* out = text.data() + start;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252.at(byte - 0x80)) : QChar(byte);
    }
}

QStringDecoder::Encoding decoderOf(Form form) {
    switch (form) {
    case Form::Utf16LE:
        return QStringDecoder::Utf16LE;
    case Form::Utf16BE:
        return QStringDecoder::Utf16BE;
    default:
        return QStringDecoder::Utf8;
    }
}

// Whether line() would leave the text as it is: most fields are one word,
// or words with one blank between, and need no copy to fold them.
bool isLine(QStringView text) {
    char16_t previous = u' '; // so that a leading blank is caught
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u' '
                ? previous == u' '
                : (unit < 0x80 ? unit < 0x20 || unit == 0x7F : c.isSpace() || isControl(unit))) {
            return false;
        }
        previous = unit;
    }
    return text.isEmpty() || previous != u' ';
}

} // namespace

QString decoded(QByteArrayView bytes) {
    QString text;
    Decoder(bytes).decodeTo(bytes.size(), text);
    return text;
}

Decoder::Decoder(QByteArrayView bytes)
    : m_bytes(bytes) {
    const Encoding encoding = encodingOf(bytes);
    const QByteArrayView rest = bytes.sliced(encoding.mark);
    m_decoder = QStringDecoder(decoderOf(encoding.form));
    m_windows1252 = encoding.form == Form::Utf8 && !rest.isValidUtf8();
    m_halfAtEnd = encoding.form != Form::Utf8 && rest.size() % 2 != 0;
    m_position = encoding.mark;
}

void Decoder::decodeTo(qsizetype end, QString& text) {
    const QByteArrayView piece =
        m_bytes.sliced(m_position)
            .first(std::clamp<qsizetype>(end - m_position, 0, m_bytes.size() - m_position));
    m_position += piece.size();
    if (m_windows1252) {
        appendWindows1252(piece, text);
        return;
    }
    const qsizetype start = text.size();
    text.resize(start + m_decoder.requiredSpace(piece.size()));
    text.resize(m_decoder.appendToBuffer(text.data() + start, piece) - text.constData());
    // The decoder keeps a last odd byte for a piece to come, where the rest
    // decoded at once ends with a character not known.
    if (atEnd() && m_halfAtEnd) {
        m_halfAtEnd = false;
        text += QChar(QChar::ReplacementCharacter);
    }
}

qsizetype countOf(QByteArrayView bytes, char ascii) {
    const Encoding encoding = encodingOf(bytes);
    const QByteArrayView rest = bytes.sliced(encoding.mark);
    // An ASCII byte is that character in UTF-8 and in Windows-1252 alike.
    if (encoding.form == Form::Utf8) {
        return std::count(rest.begin(), rest.end(), ascii);
    }
    const qsizetype low = encoding.form == Form::Utf16BE ? 1 : 0;
    qsizetype count = 0;
    for (qsizetype i = 0; i + 1 < rest.size(); i += 2) {
        count += rest[i + low] == ascii && rest[i + 1 - low] == 0 ? 1 : 0;
    }
    return count;
}

bool isMarkup(QByteArrayView bytes) {
    const Encoding encoding = encodingOf(bytes);
    const qsizetype unit = encoding.form == Form::Utf8 ? 1 : 2;
    // Blanks and "<" are ASCII: one byte, or two with a NUL in UTF-16.
    const qsizetype low = encoding.form == Form::Utf16BE ? 1 : 0;
    for (qsizetype i = encoding.mark; i + unit <= bytes.size(); i += unit) {
        const char c = bytes[i + low];
        if (unit == 2 && bytes[i + 1 - low] != 0) {
            return false;
        }
        if (c == '<') {
            return true;
        }
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            return false;
        }
    }
    return false;
}

QString visible(QString text) {
    const auto control = [](QChar c) {
        return isControl(c.unicode());
    };
    if (std::any_of(text.cbegin(), text.cend(), control)) {
        std::replace_if(text.begin(), text.end(), control, QChar(QChar::ReplacementCharacter));
    }
    return text;
}

QString line(QStringView text) {
    return isLine(text) ? text.toString() : visible(text.toString().simplified());
}

QString quoted(QStringView text, qsizetype length) {
    QString shown = line(text);
    if (shown.size() > length) {
        qsizetype kept = length - 1;
        kept -= shown.at(kept - 1).isHighSurrogate() ? 1 : 0;
        shown.truncate(kept);
        shown += u'\u2026';
    }
    return shown;
}

std::string quotedUtf8(QStringView text, qsizetype length) {
    if (!isLine(text) || (length >= 0 && text.size() > length)) {
        return quoted(text, length < 0 ? text.size() : length).toStdString();
    }
    return utf8(text);
}

std::string utf8(QStringView text) {
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        std::string ascii(static_cast<std::size_t>(text.size()), '\0');
        std::transform(text.begin(), text.end(), ascii.begin(),
                       [](QChar c) { return static_cast<char>(c.unicode()); });
        return ascii;
    }
    return text.toUtf8().toStdString();
}

QString sizeText(qint64 bytes) {
    for (const auto& [shift, unit] : {std::pair{30, "GiB"}, {20, "MiB"}, {10, "KiB"}}) {
        if (bytes >= (qint64{1} << shift) && bytes % (qint64{1} << shift) == 0) {
            return QString::number(bytes >> shift) + u' ' + QLatin1StringView(unit);
        }
    }
    return QCoreApplication::translate("RigFile", "%1 bytes").arg(bytes);
}

} // namespace brisolant::filetext
