#include "xmlscan.h"

#include "chartrefused.h"
#include "filetext.h"
#include "riglimits.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

namespace brisolant {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Compared as standard views: Qt's comparisons are calls into the library,
// and an element at the attribute limit has thousands of them.
std::u16string_view standard(QStringView text) {
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

bool isNamespaceDeclaration(QStringView name) {
    const std::u16string_view text = standard(name);
    return text.starts_with(u"xmlns") && (text.size() == 5 || text[5] == u':');
}

// What XML allows a character reference to stand for.
bool isXmlCharacter(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The character a reference's name (between "&" and ";") stands for.
std::optional<char32_t> referenced(QStringView name) {
    static constexpr std::array<std::pair<std::u16string_view, char16_t>, 5> kEntities{
        {{u"lt", u'<'}, {u"gt", u'>'}, {u"amp", u'&'}, {u"quot", u'"'}, {u"apos", u'\''}}};
    for (const auto& [entity, character] : kEntities) {
        if (name == QStringView(entity)) {
            return character;
        }
    }
    if (!name.startsWith(u'#')) {
        return std::nullopt;
    }
    const bool hex = name.startsWith(u"#x");
    const QStringView digits = name.sliced(hex ? 2 : 1);
    // No sign and no blanks, which Qt's number parsing would take: a
    // reference is digits alone, at most eight of them (see decode()).
    char32_t value = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        const int digit = u >= u'0' && u <= u'9'          ? u - u'0'
                          : hex && u >= u'a' && u <= u'f' ? u - u'a' + 10
                          : hex && u >= u'A' && u <= u'F' ? u - u'A' + 10
                                                          : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + char32_t(digit);
    }
    if (digits.isEmpty() || !isXmlCharacter(value)) {
        return std::nullopt;
    }
    return value;
}

// Appends what is written to out (when given) with its references replaced;
// returns the first reference that stands for nothing.
std::optional<QStringView> decode(QStringView written, QString* out) {
    // The longest reference XML has, "&#x10FFFF;", is eight characters inside.
    constexpr qsizetype kLongestReference = 8;
    const std::u16string_view text = standard(written);
    qsizetype from = 0;
    for (;;) {
        const std::size_t found = text.find(u'&', std::size_t(from));
        const qsizetype amp = found == std::u16string_view::npos ? -1 : qsizetype(found);
        if (out != nullptr) {
            out->append(written.sliced(from, (amp < 0 ? written.size() : amp) - from));
        }
        if (amp < 0) {
            return std::nullopt;
        }
        // Looked for nearby only: an "&" without ";" must not cost the rest.
        const QStringView after = written.sliced(amp + 1).first(
            std::min(written.size() - amp - 1, kLongestReference + 1));
        const std::size_t end = standard(after).find(u';');
        const qsizetype semicolon = end == std::u16string_view::npos ? -1 : qsizetype(end);
        const std::optional<char32_t> character =
            semicolon < 0 ? std::nullopt : referenced(after.first(semicolon));
        if (!character) {
            return written.sliced(amp, 1 + (semicolon < 0 ? after.size() : semicolon + 1));
        }
        if (out != nullptr) {
            out->append(QChar::fromUcs4(*character));
        }
        from = amp + 2 + semicolon;
    }
}

QString tooLong(int line) {
    return QCoreApplication::translate("XmlScan", "an XML text at line %1 is longer than %2 "
                                                  "characters; no show file has texts that long.")
        .arg(line)
        .arg(riglimits::kLongestXmlText);
}

} // namespace

XmlScan::XmlScan(const QByteArray& bytes, QString where)
    : m_text(filetext::decoded(bytes))
    , m_where(std::move(where)) {}

QStringView XmlScan::localName(QStringView name) {
    const std::size_t colon = standard(name).find(u':');
    return colon == std::u16string_view::npos ? name : name.sliced(qsizetype(colon) + 1);
}

bool XmlScan::next() {
    for (;;) {
        switch (step()) {
        case Token::Start:
        case Token::End:
            return true;
        case Token::EndOfDocument:
            return false;
        case Token::Text:
            break;
        }
    }
}

XmlScan::Token XmlScan::step() {
    m_attributes.clear();
    if (m_endPending) {
        m_endPending = false;
        endElement();
        return Token::End;
    }
    while (m_at < m_text.size()) {
        if (at() != u'<') {
            textRun();
            if (m_depth > 0) {
                return Token::Text;
            }
            continue;
        }
        // By the character after "<", as most tags are start and end tags.
        const char16_t kind = at(1);
        const QStringView rest = QStringView(m_text).sliced(m_at);
        if (kind == u'/') {
            m_at += 2;
            endTag();
            return Token::End;
        }
        if (kind == u'?') {
            if (m_at > 0 && rest.startsWith(u"<?xml") && (isBlank(at(5)) || at(5) == u'?')) {
                malformed(tr("an XML declaration not at the start of the file"));
            }
            skipPast(u"?>");
        } else if (kind != u'!') {
            ++m_at;
            startTag();
            return Token::Start;
        } else if (rest.startsWith(u"<!--")) {
            skipPast(u"-->");
        } else if (m_depth > 0 && rest.startsWith(u"<![CDATA[")) {
            cdata();
            return Token::Text;
        } else if (m_depth == 0 && rest.startsWith(u"<!DOCTYPE")) {
            declaration();
        } else {
            malformed(tr("a tag that is not well formed"));
        }
    }
    if (m_depth > 0) {
        malformed(tr("the file ends inside <%1>").arg(filetext::quoted(m_open.back())));
    }
    m_tokenEnd = m_at;
    m_isStart = false;
    return Token::EndOfDocument;
}

void XmlScan::startTag() {
    const qsizetype tagStart = m_at - 1;
    const QStringView name = readName();
    if (name.isEmpty()) {
        malformed(tr("a \"<\" that starts no tag"));
    }
    if (m_depth == 0 && m_rootSeen) {
        malformed(tr("more after the root element"));
    }
    m_rootSeen = true;
    for (;;) {
        const bool blanks = skipBlanks();
        if (at() == u'>' || (at() == u'/' && at(1) == u'>')) {
            break;
        }
        if (m_at >= m_text.size()) {
            malformed(tr("the file ends inside <%1>").arg(filetext::quoted(name)));
        }
        readAttribute(blanks, tagStart);
    }
    const bool empty = at() == u'/';
    m_at += empty ? 2 : 1;
    openElement(name);
    m_endPending = empty;
}

void XmlScan::readAttribute(bool afterBlanks, qsizetype tagStart) {
    const QStringView attribute = afterBlanks ? readName() : QStringView();
    skipBlanks();
    if (attribute.isEmpty() || at() != u'=') {
        malformed(tr("a tag that is not well formed"));
    }
    ++m_at;
    skipBlanks();
    const char16_t quote = at();
    // Searched inline: most values are a few characters, and a call into Qt
    // for each would cost more than the search.
    const std::size_t found = quote == u'"' || quote == u'\''
                                  ? standard(m_text).find(quote, std::size_t(m_at) + 1)
                                  : std::u16string_view::npos;
    const qsizetype close = found == std::u16string_view::npos ? -1 : qsizetype(found);
    if (close < 0) {
        malformed(tr("a tag that is not well formed"));
    }
    if (m_attributes.size() >= static_cast<std::size_t>(riglimits::kMostAttributes)) {
        refuse(tr("an XML element at line %1 has more than %2 attributes; no show file has "
                  "that many.")
                   .arg(lineAt(tagStart))
                   .arg(riglimits::kMostAttributes));
    }
    const QStringView value = QStringView(m_text).sliced(m_at + 1, close - m_at - 1);
    m_at = close + 1;
    checkLength(value.size());
    if (standard(value).find(u'<') != std::u16string_view::npos) {
        malformed(tr("a \"<\" in the value of %1").arg(filetext::quoted(attribute)));
    }
    checkReferences(value);
    m_attributes.push_back(
        {attribute, localName(attribute), value, isNamespaceDeclaration(attribute)});
}

void XmlScan::openElement(QStringView name) {
    m_tokenEnd = m_at;
    if (++m_depth > riglimits::kDeepestXml) {
        refuse(tr("XML nested more than %1 elements deep at line %2; no show file needs that.")
                   .arg(riglimits::kDeepestXml)
                   .arg(line()));
    }
    for (const Attribute& attribute : m_attributes) {
        if (attribute.declaresNamespace) {
            m_namespaces.push_back({attribute.name.size() == 5 ? QStringView() : attribute.local,
                                    attribute.value, m_depth});
        }
    }
    checkGivenOnce();
    checkNamespace(name);
    for (const Attribute& attribute : m_attributes) {
        if (!attribute.declaresNamespace) {
            checkNamespace(attribute.name);
        }
    }
    m_open.push_back(name);
    m_name = name;
    m_isStart = true;
}

void XmlScan::checkGivenOnce() {
    // A hash table of the names, open addressing, slots holding an index from
    // 1: compared pairwise, an element at the attribute limit would cost
    // 32,000 comparisons.
    const std::size_t size = std::bit_ceil(2 * m_attributes.size());
    m_slots.assign(size, 0);
    for (std::size_t i = 0; i < m_attributes.size(); ++i) {
        const std::u16string_view name = standard(m_attributes[i].name);
        std::size_t slot = std::hash<std::u16string_view>{}(name) & (size - 1);
        for (; m_slots[slot] != 0; slot = (slot + 1) & (size - 1)) {
            if (standard(m_attributes[m_slots[slot] - 1].name) == name) {
                malformed(tr("the attribute %1 is given twice")
                              .arg(filetext::quoted(m_attributes[i].name)));
            }
        }
        m_slots[slot] = i + 1;
    }
}

void XmlScan::endTag() {
    const QStringView name = readName();
    skipBlanks();
    if (at() != u'>') {
        malformed(tr("a tag that is not well formed"));
    }
    ++m_at;
    if (m_open.empty() || name != m_open.back()) {
        malformed(m_open.empty()
                      ? tr("</%1> ends no element").arg(filetext::quoted(name))
                      : tr("</%1> ends <%2>")
                            .arg(filetext::quoted(name), filetext::quoted(m_open.back())));
    }
    endElement();
}

void XmlScan::endElement() {
    m_tokenEnd = m_at;
    m_name = m_open.back();
    m_open.pop_back();
    --m_depth;
    while (!m_namespaces.empty() && m_namespaces.back().depth > m_depth) {
        m_namespaces.pop_back();
    }
    m_isStart = false;
}

void XmlScan::textRun() {
    const qsizetype start = m_at;
    const qsizetype open = m_text.indexOf(u'<', m_at);
    m_at = open < 0 ? m_text.size() : open;
    m_tokenEnd = m_at;
    m_textRun = QStringView(m_text).sliced(start, m_at - start);
    m_textIsCdata = false;
    if (m_depth == 0) {
        if (!std::all_of(m_textRun.begin(), m_textRun.end(),
                         [](QChar c) { return isBlank(c.unicode()); })) {
            malformed(tr("text outside the root element"));
        }
        return;
    }
    checkLength(m_textRun.size());
    checkReferences(m_textRun);
}

void XmlScan::cdata() {
    const qsizetype start = m_at + 9; // after "<![CDATA["
    skipPast(u"]]>");
    m_tokenEnd = m_at;
    m_textRun = QStringView(m_text).sliced(start, m_at - 3 - start);
    m_textIsCdata = true;
    checkLength(m_textRun.size());
}

// A document type, perhaps with an external identifier in quotes, but
// without declarations of its own in brackets.
void XmlScan::declaration() {
    for (m_at += 2; m_at < m_text.size(); ++m_at) {
        const char16_t c = at();
        if (c == u'>') {
            ++m_at;
            return;
        }
        if (c == u'[') {
            refuse(tr("XML that declares entities or attributes of its own (line %1); no show "
                      "file does.")
                       .arg(lineAt(m_at)));
        }
        if (c == u'"' || c == u'\'') {
            const qsizetype close = m_text.indexOf(QChar(c), m_at + 1);
            m_at = close < 0 ? m_text.size() - 1 : close;
        }
    }
    malformed(tr("the file ends before \"%1\"").arg(QStringView(u">")));
}

void XmlScan::skipPast(QStringView end) {
    const qsizetype found = m_text.indexOf(end, m_at);
    if (found < 0) {
        m_at = m_text.size();
        malformed(tr("the file ends before \"%1\"").arg(end));
    }
    m_at = found + end.size();
}

QStringView XmlScan::readName() {
    // The ASCII characters that end a name; a table, as every name of the
    // file passes through here.
    static constexpr auto kEndsName = [] {
        std::array<bool, 128> ends{};
        for (const char c : std::string_view(" \t\r\n/>=<\"'")) {
            ends.at(static_cast<std::size_t>(c)) = true;
        }
        return ends;
    }();
    const qsizetype start = m_at;
    const char16_t* const text = QStringView(m_text).utf16();
    while (m_at < m_text.size() && (text[m_at] >= kEndsName.size() || !kEndsName[text[m_at]])) {
        ++m_at;
    }
    if (m_at - start > riglimits::kLongestXmlName) {
        refuse(tr("an XML name at line %1 is longer than %2 characters; no show file has names "
                  "that long.")
                   .arg(lineAt(m_at))
                   .arg(riglimits::kLongestXmlName));
    }
    return QStringView(m_text).sliced(start, m_at - start);
}

bool XmlScan::skipBlanks() {
    const qsizetype start = m_at;
    while (m_at < m_text.size() && isBlank(at())) {
        ++m_at;
    }
    return m_at > start;
}

void XmlScan::checkReferences(QStringView written) const {
    if (const auto bad = decode(written, nullptr)) {
        malformed(tr("\"%1\" stands for no character").arg(filetext::quoted(*bad)));
    }
}

void XmlScan::checkNamespace(QStringView name) const {
    const std::size_t colon = standard(name).find(u':');
    if (colon == std::u16string_view::npos) {
        return;
    }
    const QStringView prefix = name.first(qsizetype(colon));
    const bool declared =
        prefix == u"xml" || std::any_of(m_namespaces.begin(), m_namespaces.end(),
                                        [&](const Namespace& one) { return one.prefix == prefix; });
    if (!declared) {
        malformed(tr("the namespace prefix %1 is not declared").arg(filetext::quoted(prefix)));
    }
}

void XmlScan::checkLength(qsizetype length) const {
    if (length > riglimits::kLongestXmlText) {
        refuse(tooLong(lineAt(m_at)));
    }
}

QString XmlScan::namespaceUri() const {
    const qsizetype colon = m_name.indexOf(u':');
    const QStringView prefix = colon < 0 ? QStringView() : m_name.first(colon);
    // The innermost declaration of the prefix.
    const auto declared = std::find_if(m_namespaces.rbegin(), m_namespaces.rend(),
                                       [&](const Namespace& one) { return one.prefix == prefix; });
    QString uri;
    if (declared != m_namespaces.rend()) {
        decode(declared->uri, &uri);
    }
    return uri;
}

QStringView XmlScan::parent() const {
    return m_depth < 2 ? QStringView() : localName(m_open[static_cast<std::size_t>(m_depth - 2)]);
}

QString XmlScan::attribute(QStringView name) const {
    for (const Attribute& attribute : m_attributes) {
        if (standard(attribute.local) == standard(name) && !attribute.declaresNamespace) {
            if (standard(attribute.value).find(u'&') == std::u16string_view::npos) {
                return filetext::line(attribute.value);
            }
            QString value;
            decode(attribute.value, &value);
            return filetext::line(value);
        }
    }
    return {};
}

QString XmlScan::text() {
    // Through step(), so that what an element holds is held to the same depth.
    const int depth = m_depth;
    QString text;
    qsizetype written = 0;
    for (;;) {
        const Token token = step();
        if (token == Token::Text && m_depth == depth) {
            written += m_textRun.size();
            if (written > riglimits::kLongestXmlText) {
                refuse(tooLong(line()));
            }
            if (m_textIsCdata) {
                text += m_textRun;
            } else {
                decode(m_textRun, &text);
            }
        } else if (token == Token::EndOfDocument || (token == Token::End && m_depth < depth)) {
            break;
        }
    }
    return filetext::line(text);
}

int XmlScan::lineAt(qsizetype position) const {
    if (position < m_linePosition) {
        m_linePosition = 0;
        m_lineCount = 1;
    }
    // Line to line with Qt's search, which looks at several characters at
    // once, and never past position: a line can be as long as the file.
    const QStringView counted =
        QStringView(m_text).sliced(m_linePosition, position - m_linePosition);
    for (qsizetype next = counted.indexOf(u'\n'); next >= 0;
         next = counted.indexOf(u'\n', next + 1)) {
        ++m_lineCount;
    }
    m_linePosition = position;
    return m_lineCount;
}

void XmlScan::malformed(const QString& why) const {
    refuse(tr("malformed XML at line %1: %2.").arg(lineAt(std::min(m_at, m_text.size()))).arg(why));
}

void XmlScan::refuse(const QString& what) const {
    throw ChartRefused(filetext::quoted(m_where + QStringLiteral(": ") + what, 400).toStdString());
}

} // namespace brisolant
