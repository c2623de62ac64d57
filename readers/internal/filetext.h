#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

#include <string>

// Text from a stranger's file, decoded as it was written and made safe to
// show: the one place where the readers turn bytes into text.
namespace brisolant::filetext {

// The text of the bytes:
//   a UTF-16 byte order mark, either order: the rest as UTF-16 in that order;
//   no mark, but an ASCII character and a NUL byte first, as XML saved in
//   UTF-16 begins: UTF-16 in the order they show;
//   a UTF-8 byte order mark: dropped, and the rest as below;
//   UTF-8 where the bytes are valid UTF-8, else Windows-1252 (Western
//   Windows' plain text, and what an edit in another program leaves behind).
[[nodiscard]] QString decoded(QByteArrayView bytes);

// The text of bytes as decoded() gives it, a piece at a time, so that it need
// not be held whole: whether they are UTF-8 is known from all of them before
// the first piece, and a character split between two pieces is decoded whole.
class Decoder final {
public:
    explicit Decoder(QByteArrayView bytes);

    // Appends the text of the bytes up to end, or up to their end, to text.
    void decodeTo(qsizetype end, QString& text);
    // How far into the bytes it has decoded, the byte order mark among them.
    [[nodiscard]] qsizetype position() const { return m_position; }
    [[nodiscard]] bool atEnd() const { return m_position == m_bytes.size(); }

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
    bool m_windows1252 = false;
    bool m_halfAtEnd = false; // UTF-16 whose last byte is half a character
    QStringDecoder m_decoder;
};

// How many times an ASCII character is in decoded(bytes), counted in the
// bytes.
[[nodiscard]] qsizetype countOf(QByteArrayView bytes, char ascii);

// Whether the text, decoded as above, begins with "<" after any blanks and
// line breaks, as XML does. Reads the bytes no further than that.
[[nodiscard]] bool isMarkup(QByteArrayView bytes);

// Whether c is a control character: C0 but the tab, DEL, or C1.
[[nodiscard]] constexpr bool isControl(char16_t c) {
    return (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F);
}

// The text with every control character shown as U+FFFD, so that nothing
// taken from a file can steer a terminal or split a line of a chart.
[[nodiscard]] QString visible(QString text);

// The text as a message quotes it: on one line, visible, and cut after
// length characters (never inside a surrogate pair) with an ellipsis.
[[nodiscard]] QString quoted(QStringView text, qsizetype length = 40);

// The text on one line and visible: white space folded as
// QString::simplified() folds it, then visible().
[[nodiscard]] QString line(QStringView text);

// As quoted(), as UTF-8; by default never cut. A field already on one line
// and visible, as most are, is converted without the copies that folding
// takes.
[[nodiscard]] std::string quotedUtf8(QStringView text, qsizetype length = -1);

// The text as UTF-8, exactly.
[[nodiscard]] std::string utf8(QStringView text);

// A size in bytes as messages give it: "64 MiB", "1 GiB", "1000 bytes".
[[nodiscard]] QString sizeText(qint64 bytes);

} // namespace brisolant::filetext
