#include "xmlscan.h"

#include "chartrefused.h"
#include "filetext.h"
#include "riglimits.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace brisolant {

namespace {

// One pass over the markup, before Qt's reader sees it. Structural characters
// are ASCII, so the decoded text is walked by UTF-16 units. Text that is no
// well-formed XML is left for Qt's reader to refuse: it stops at the first
// error, before anything past it.
class MarkupCheck {
public:
    MarkupCheck(QStringView text, const XmlScan& scan)
        : m_text(text)
        , m_scan(scan) {}

    void run() {
        while (m_at < m_text.size()) {
            const qsizetype open = m_text.indexOf(u'<', m_at);
            moveTo(open < 0 ? m_text.size() : open);
            if (m_at == m_text.size()) {
                break;
            }
            // By the character after "<", as most tags are start and end tags.
            const char16_t kind = m_at + 1 < m_text.size() ? m_text[m_at + 1].unicode() : u'\0';
            const QStringView rest = m_text.sliced(m_at);
            if (kind == u'/') {
                moveTo(m_at + 2);
                name();
            } else if (kind == u'?') {
                skipPast(u"?>");
            } else if (kind != u'!') {
                moveTo(m_at + 1);
                startTag();
            } else if (rest.startsWith(u"<!--")) {
                skipPast(u"-->");
            } else if (rest.startsWith(u"<![CDATA[")) {
                skipPast(u"]]>");
            } else {
                declaration();
            }
        }
    }

private:
    // A start tag after its "<": the name and each attribute, up to where the
    // tag ends or stops being well formed.
    void startTag() {
        const qsizetype start = m_at;
        name();
        for (qsizetype attributes = 1;; ++attributes) {
            skipBlanks();
            if (name() == 0) {
                return; // ">", "/>", or malformed
            }
            skipBlanks();
            if (at() != u'=') {
                return;
            }
            moveTo(m_at + 1);
            skipBlanks();
            const char16_t quote = at();
            if (quote != u'"' && quote != u'\'') {
                return;
            }
            if (attributes > riglimits::kMostAttributes) {
                m_scan.refuse(QCoreApplication::translate(
                                  "XmlScan", "an XML element at line %1 has more than %2 "
                                             "attributes; no show file has that many.")
                                  .arg(lineAt(start))
                                  .arg(riglimits::kMostAttributes));
            }
            const qsizetype close = m_text.indexOf(QChar(quote), m_at + 1);
            moveTo(close < 0 ? m_text.size() : close + 1);
        }
    }

    // A declaration after "<!": a document type, perhaps with an external
    // identifier in quotes, but without declarations of its own in brackets.
    void declaration() {
        for (moveTo(m_at + 2); m_at < m_text.size(); moveTo(m_at + 1)) {
            const char16_t c = at();
            if (c == u'>') {
                moveTo(m_at + 1);
                return;
            }
            if (c == u'[') {
                m_scan.refuse(QCoreApplication::translate(
                                  "XmlScan",
                                  "XML that declares entities or attributes of its own (line %1); "
                                  "no show file does.")
                                  .arg(lineAt(m_at)));
            }
            if (c == u'"' || c == u'\'') {
                const qsizetype close = m_text.indexOf(QChar(c), m_at + 1);
                moveTo(close < 0 ? m_text.size() - 1 : close);
            }
        }
    }

    // Passes over a name and returns its length; refuses one past the limit.
    qsizetype name() {
        // The ASCII characters that end a name; a table, as every name of
        // the file passes through here.
        static constexpr auto kEndsName = [] {
            std::array<bool, 128> ends{};
            for (const char c : std::string_view(" \t\r\n/>=<\"'")) {
                ends.at(static_cast<std::size_t>(c)) = true;
            }
            return ends;
        }();
        const qsizetype start = m_at;
        const char16_t* const text = m_text.utf16();
        while (m_at < m_text.size() && (text[m_at] >= kEndsName.size() || !kEndsName[text[m_at]])) {
            ++m_at;
        }
        if (m_at - start > riglimits::kLongestXmlName) {
            m_scan.refuse(QCoreApplication::translate(
                              "XmlScan", "an XML name at line %1 is longer than %2 "
                                         "characters; no show file has names that long.")
                              .arg(lineAt(m_at))
                              .arg(riglimits::kLongestXmlName));
        }
        return m_at - start;
    }

    void skipBlanks() {
        while (m_at < m_text.size() &&
               (at() == u' ' || at() == u'\t' || at() == u'\r' || at() == u'\n')) {
            moveTo(m_at + 1);
        }
    }

    void skipPast(QStringView end) {
        const qsizetype found = m_text.indexOf(end, m_at);
        moveTo(found < 0 ? m_text.size() : found + end.size());
    }

    void moveTo(qsizetype position) { m_at = position; }

    // The line of a position, counted only for a refusal: counting as the
    // check moves would cost every file what only a refused one needs.
    [[nodiscard]] int lineAt(qsizetype position) const {
        return 1 + static_cast<int>(std::count(m_text.begin(), m_text.begin() + position, u'\n'));
    }

    [[nodiscard]] char16_t at() const {
        return m_at < m_text.size() ? m_text[m_at].unicode() : u'\0';
    }

    QStringView m_text;
    const XmlScan& m_scan;
    qsizetype m_at = 0;
};

QString tooLong(qint64 line) {
    return QCoreApplication::translate("XmlScan", "an XML text at line %1 is longer than %2 "
                                                  "characters; no show file has texts that long.")
        .arg(line)
        .arg(riglimits::kLongestXmlText);
}

} // namespace

XmlScan::XmlScan(const QByteArray& bytes, QString where)
    : m_where(std::move(where)) {
    const QString text = filetext::decoded(bytes);
    MarkupCheck(text, *this).run();
    // Given text, Qt's reader takes it as it is, whatever encoding the XML
    // declaration names.
    m_reader.addData(text);
}

QXmlStreamReader::TokenType XmlScan::step() {
    const QXmlStreamReader::TokenType token = m_reader.readNext();
    if (m_reader.hasError()) {
        // Qt's message may quote the file, line breaks and all.
        QString error = filetext::quoted(m_reader.errorString(), 100);
        if (error.endsWith(u'.')) {
            error.chop(1);
        }
        refuse(QCoreApplication::translate("XmlScan", "malformed XML at line %1: %2.")
                   .arg(m_reader.lineNumber())
                   .arg(error));
    }
    if (token == QXmlStreamReader::StartElement) {
        if (++m_depth > riglimits::kDeepestXml) {
            refuse(QCoreApplication::translate(
                       "XmlScan", "XML nested more than %1 elements deep at line %2; no show "
                                  "file needs that.")
                       .arg(riglimits::kDeepestXml)
                       .arg(m_reader.lineNumber()));
        }
        const QXmlStreamAttributes attributes = m_reader.attributes();
        for (const QXmlStreamAttribute& attribute : attributes) {
            if (attribute.value().size() > riglimits::kLongestXmlText) {
                refuse(tooLong(m_reader.lineNumber()));
            }
        }
        if (m_path.size() < static_cast<std::size_t>(m_depth)) {
            m_path.resize(static_cast<std::size_t>(m_depth));
        }
        // Written over in place: no new string for every element.
        QString& named = m_path[static_cast<std::size_t>(m_depth - 1)];
        named.resize(0);
        named.append(m_reader.name());
    } else if (token == QXmlStreamReader::EndElement) {
        --m_depth;
    } else if (token == QXmlStreamReader::Characters &&
               m_reader.text().size() > riglimits::kLongestXmlText) {
        refuse(tooLong(m_reader.lineNumber()));
    }
    return token;
}

bool XmlScan::next() {
    for (;;) {
        const QXmlStreamReader::TokenType token = step();
        if (token == QXmlStreamReader::EndDocument) {
            return false;
        }
        if (token == QXmlStreamReader::StartElement || token == QXmlStreamReader::EndElement) {
            return true;
        }
    }
}

QStringView XmlScan::parent() const {
    return m_depth < 2 ? QStringView() : QStringView(m_path[static_cast<std::size_t>(m_depth - 2)]);
}

QString XmlScan::attribute(QStringView name) const {
    const QXmlStreamAttributes attributes = m_reader.attributes();
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == name) {
            return filetext::line(attribute.value());
        }
    }
    return {};
}

QString XmlScan::text() {
    // Through step(), so that what an element holds is held to the same depth.
    const int depth = m_depth;
    QString text;
    while (m_depth >= depth) {
        const QXmlStreamReader::TokenType token = step();
        if (token == QXmlStreamReader::Characters && m_depth == depth) {
            text += m_reader.text();
            if (text.size() > riglimits::kLongestXmlText) {
                refuse(tooLong(m_reader.lineNumber()));
            }
        } else if (token == QXmlStreamReader::EndDocument) {
            break;
        }
    }
    return filetext::line(text);
}

void XmlScan::refuse(const QString& what) const {
    throw ChartRefused(filetext::quoted(m_where + QStringLiteral(": ") + what, 400).toStdString());
}

} // namespace brisolant
