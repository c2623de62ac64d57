#include "xmlreader.h"

#include "chartrefused.h"
#include "filetext.h"
#include "riglimits.h"

#include <QStringDecoder>

#include <expat.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <string_view>
#include <utility>

namespace brisolant {

namespace {

// Between a name's namespace and its local part, as expat gives names: no
// XML document can hold it, not even as a reference.
constexpr char kSeparator = '\x01';

// The characters of UTF-8 text: its bytes but those that continue one.
std::int64_t charactersOf(std::string_view text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; });
}

// Whether UTF-8 text is longer than most characters; counted only where its
// bytes are more, as they are never fewer.
bool isLonger(std::string_view text, std::int64_t most) {
    return std::int64_t(text.size()) > most && charactersOf(text) > most;
}

std::string_view localOf(std::string_view name) {
    const std::size_t separator = name.rfind(kSeparator);
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Whether filetext::line() leaves the text as it is, known from its bytes
// alone: printable ASCII, its words one blank apart.
bool isPlainLine(std::string_view text) {
    char previous = ' '; // so that a leading blank is caught
    for (const char c : text) {
        if (c == ' ' ? previous == ' ' : c < '!' || c > '~') {
            return false;
        }
        previous = c;
    }
    return previous != ' ' || text.empty();
}

bool isNameStart(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           c == '_' || c == ':';
}

bool isNameByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9') || c == '_' || c == '-' || c == '.' || c == ':' || c == '#';
}

} // namespace

struct XmlReader::Parser {
    XML_Parser parser;

    explicit Parser(XmlReader* reader)
        : parser(XML_ParserCreateNS(nullptr, kSeparator)) {
        if (parser == nullptr) {
            throw std::bad_alloc();
        }
        XML_SetUserData(parser, reader);
        XML_SetElementHandler(parser, onStart, onEnd);
        XML_SetCharacterDataHandler(parser, onCharacters);
        XML_SetStartDoctypeDeclHandler(parser, onDoctype);
        XML_SetSkippedEntityHandler(parser, onSkippedEntity);
        XML_SetStartNamespaceDeclHandler(parser, onNamespace);
        XML_SetUnknownEncodingHandler(parser, onEncoding, reader);
        // Entities outside the file are never read: expat reads none
        // without a handler, and parameter entities not at all.
        XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
    }
    ~Parser() { XML_ParserFree(parser); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;
    Parser(Parser&&) = delete;
    Parser& operator=(Parser&&) = delete;

    static XmlReader& of(void* data) { return *static_cast<XmlReader*>(data); }

    static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
        of(data).started(name, attributes);
    }
    static void XMLCALL onEnd(void* data, const XML_Char* /*name*/) { of(data).ended(); }
    static void XMLCALL onCharacters(void* data, const XML_Char* text, int length) {
        of(data).characters(text, length);
    }
    static void XMLCALL onDoctype(void* data, const XML_Char* /*name*/, const XML_Char* /*system*/,
                                  const XML_Char* /*public*/, int hasInternalSubset) {
        of(data).doctype(hasInternalSubset != 0);
    }
    static void XMLCALL onSkippedEntity(void* data, const XML_Char* name, int /*isParameter*/) {
        of(data).skippedEntity(name);
    }
    static void XMLCALL onNamespace(void* data, const XML_Char* /*prefix*/, const XML_Char* uri) {
        of(data).namespaceDeclared(uri);
    }
    static int XMLCALL onEncoding(void* data, const XML_Char* name, XML_Encoding* info) {
        return of(data).encoding(name, info);
    }
};

namespace {

QString tooLong(int line) {
    return XmlReader::tr("an XML text at line %1 is longer than %2 characters; no show file has "
                         "texts that long.")
        .arg(line)
        .arg(riglimits::kLongestXmlText);
}

QString tooLongName(int line) {
    return XmlReader::tr("an XML name at line %1 is longer than %2 characters; no show file has "
                         "names that long.")
        .arg(line)
        .arg(riglimits::kLongestXmlName);
}

QString tooManyAttributes(int line) {
    return XmlReader::tr("an XML element at line %1 has more than %2 attributes; no show file "
                         "has that many.")
        .arg(line)
        .arg(riglimits::kMostAttributes);
}

QString malformedAt(int line, const QString& why) {
    return XmlReader::tr("malformed XML at line %1: %2.").arg(line).arg(why);
}

} // namespace

XmlReader::XmlReader(Input input, QString where, std::int64_t size)
    : m_input(std::move(input))
    , m_where(std::move(where))
    , m_size(size)
    , m_parser(std::make_unique<Parser>(this)) {
    m_open.reserve(riglimits::kDeepestXml);
}

XmlReader::XmlReader(QByteArrayView bytes, QString where, ParseProgress progress)
    : XmlReader(
          [bytes, progress, at = qsizetype{0}](char* buffer, qsizetype room) mutable {
              progress.at(at, bytes.size());
              const qsizetype count = std::min(room, bytes.size() - at);
              if (count > 0) {
                  std::memcpy(buffer, bytes.data() + at, static_cast<std::size_t>(count));
              }
              at += count;
              return count;
          },
          std::move(where), bytes.size()) {}

XmlReader::~XmlReader() = default;

void XmlReader::root() {
    if (!next()) {
        refuse(tr("XML without any element."));
    }
    m_replay = true;
}

bool XmlReader::next() {
    if (m_replay) {
        m_replay = false;
        return true;
    }
    if (m_told == m_eventCount) {
        parse();
        if (m_eventCount == 0) {
            return false;
        }
    }
    const Event& event = m_events[m_told++];
    m_isStart = event.isStart;
    m_line = event.line;
    if (event.isStart) {
        const std::string_view name = event.name;
        const std::string_view local = localOf(name);
        m_name = localName(name, local);
        m_namespace.assign(name.substr(0, name.size() - local.size() - (local == name ? 0 : 1)));
        m_open.push_back(m_name);
    } else {
        m_name = m_open.back();
        m_open.pop_back();
    }
    return true;
}

QString XmlReader::localName(std::string_view name, std::string_view local) {
    // A document names its elements with a few words over and over: each
    // made into text once, up to a bound a hostile file cannot pass.
    constexpr std::size_t kMostNames = 512;
    if (const auto known = m_localNames.find(name); known != m_localNames.end()) {
        return known->second;
    }
    QString made = utf8(local);
    if (m_localNames.size() < kMostNames) {
        m_localNames.emplace(name, made);
    }
    return made;
}

void XmlReader::parse() {
    m_eventCount = 0;
    m_told = 0;
    while (m_eventCount == 0 && !m_ended) {
        XML_Status status = XML_STATUS_OK;
        if (m_suspended) {
            status = XML_ResumeParser(m_parser->parser);
        } else {
            const qsizetype piece = std::clamp(m_pending, kFeed, kLargestFeed);
            void* buffer = XML_GetBuffer(m_parser->parser, static_cast<int>(piece));
            if (buffer == nullptr) {
                throw std::bad_alloc();
            }
            // XML in UTF-16 without a byte order mark expat tells by the NUL
            // bytes of its first character, which XML has be ASCII.
            const qsizetype count = m_input(static_cast<char*>(buffer), piece);
            m_final = count == 0;
            status = XML_ParseBuffer(m_parser->parser, static_cast<int>(count), m_final);
        }
        m_suspended = status == XML_STATUS_SUSPENDED;
        if (status == XML_STATUS_ERROR) {
            malformed();
        }
        m_ended = status == XML_STATUS_OK && m_final;
        if (status == XML_STATUS_OK && !m_final) {
            checkPending();
        }
    }
}

void XmlReader::PendingTag::take(char c) {
    // An attribute is an '=' outside the quotes of a value, which may hold
    // '=' and '>'.
    const bool wordEnds = quote != 0 ? c == quote
                                     : c == '=' || c == ' ' || c == '\t' || c == '\n' ||
                                           c == '\r' || c == '"' || c == '\'';
    if (wordEnds) {
        // Bytes are never fewer than the characters they make: within these,
        // the element passes every limit that started() checks before it
        // counts the attributes.
        withinLimits = withinLimits && word <= (quote != 0 ? riglimits::kLongestXmlText
                                                           : riglimits::kLongestXmlName);
        word = 0;
    } else {
        ++word;
    }
    if (quote != 0) {
        quote = c == quote ? '\0' : quote;
    } else if (c == '"' || c == '\'') {
        quote = c;
    } else {
        equals += c == '=' ? 1 : 0;
        ended = c == '>' || c == '<';
    }
}

void XmlReader::checkPending() {
    int offset = 0;
    int size = 0;
    const char* context = XML_GetInputContext(m_parser->parser, &offset, &size);
    m_pending = context == nullptr ? 0 : std::max(size - offset, 0);
    if (m_pending < 2) {
        return;
    }
    const std::string_view pending(context + offset, static_cast<std::size_t>(m_pending));
    const std::int64_t at = XML_GetCurrentByteIndex(m_parser->parser);
    if (at != m_tag.at) {
        m_tag = {};
        m_tag.at = at;
        m_tag.read = 1;
        // A start tag in an encoding that keeps ASCII as it is: not an end
        // tag, a comment or a declaration, nor UTF-16 with its NUL bytes.
        m_tag.ended = pending[0] != '<' || !isNameStart(pending[1]);
    }
    // Read from where the last piece left it.
    for (; m_tag.read < pending.size() && !m_tag.ended; ++m_tag.read) {
        m_tag.take(pending[m_tag.read]);
    }
    if (m_tag.equals > riglimits::kMostAttributes && m_tag.withinLimits &&
        m_parserDepth < riglimits::kDeepestXml) {
        refuse(tooManyAttributes(currentLine()));
    }
}

void XmlReader::started(const char* name, const char** attributes) {
    if (m_stopped) {
        return;
    }
    try {
        const int line = currentLine();
        ++m_parserDepth;
        m_runLength = 0;
        if (m_parserDepth > riglimits::kDeepestXml) {
            stop(tr("XML nested more than %1 elements deep at line %2; no show file needs that.")
                     .arg(riglimits::kDeepestXml)
                     .arg(line));
            return;
        }
        if (isLonger(localOf(name), riglimits::kLongestXmlName)) {
            stop(tooLongName(line));
            return;
        }
        m_attributeBytes.clear();
        m_attributes.clear();
        std::int64_t count = std::exchange(m_declarations, 0);
        for (const char** attribute = attributes;; attribute += 2) {
            if (count > riglimits::kMostAttributes) {
                stop(tooManyAttributes(line));
                return;
            }
            if (*attribute == nullptr) {
                break;
            }
            ++count;
            const std::string_view attributeName = attribute[0];
            const std::string_view value = attribute[1];
            if (isLonger(localOf(attributeName), riglimits::kLongestXmlName)) {
                stop(tooLongName(line));
                return;
            }
            if (isLonger(value, riglimits::kLongestXmlText)) {
                stop(tooLong(line));
                return;
            }
            const std::size_t at = m_attributeBytes.size();
            m_attributeBytes.append(attributeName).append(value);
            m_attributes.push_back(
                {at, attributeName.size(), at + attributeName.size(), value.size()});
        }
        Event& event = nextEvent();
        event.isStart = true;
        event.line = line;
        event.name.assign(name);
        XML_StopParser(m_parser->parser, XML_TRUE);
    } catch (...) {
        stop(std::current_exception());
    }
}

XmlReader::Event& XmlReader::nextEvent() {
    if (m_eventCount == m_events.size()) {
        m_events.emplace_back();
    }
    return m_events[m_eventCount++];
}

void XmlReader::ended() {
    if (m_stopped) {
        return;
    }
    try {
        --m_parserDepth;
        m_runLength = 0;
        Event& event = nextEvent();
        event.isStart = false;
        event.line = currentLine();
        // Already paused where this ends an empty element, "<a/>".
        XML_StopParser(m_parser->parser, XML_TRUE);
    } catch (...) {
        stop(std::current_exception());
    }
}

void XmlReader::characters(const char* text, int length) {
    if (m_stopped) {
        return;
    }
    try {
        const std::string_view run(text, static_cast<std::size_t>(length));
        if (m_runLength == 0) {
            m_runLine = currentLine();
        }
        const std::int64_t characters = charactersOf(run);
        m_runLength += characters;
        if (m_runLength > riglimits::kLongestXmlText) {
            stop(tooLong(m_runLine));
            return;
        }
        if (m_taking && m_parserDepth == m_takingDepth) {
            if (m_takenLength == 0) {
                m_takenLine = m_runLine;
            }
            m_takenLength += characters;
            if (m_takenLength > riglimits::kLongestXmlText) {
                stop(tooLong(m_takenLine));
                return;
            }
            m_taken.append(run);
        }
    } catch (...) {
        stop(std::current_exception());
    }
}

void XmlReader::doctype(bool declaresItsOwn) {
    if (declaresItsOwn && !m_stopped) {
        const int line = currentLine();
        stop(tr("XML that declares entities or attributes of its own (line %1); no show file "
                "does.")
                 .arg(line));
    }
}

void XmlReader::skippedEntity(const char* name) {
    // A reference to an entity the document's type would declare outside
    // the file, which is never read.
    if (!m_stopped) {
        const int line = currentLine();
        stop(malformedAt(line, tr("\"%1\" stands for no character")
                                   .arg(filetext::quoted(u'&' + QString::fromUtf8(name) + u';'))));
    }
}

void XmlReader::namespaceDeclared(const char* uri) {
    // Told before the element that declares it, which counts it among its
    // attributes.
    ++m_declarations;
    if (!m_stopped && uri != nullptr && isLonger(uri, riglimits::kLongestXmlText)) {
        const int line = currentLine();
        stop(tooLong(line));
    }
}

int XmlReader::encoding(const char* name, void* info) {
    // A single-byte encoding that keeps ASCII where it is, as the Windows
    // code pages and ISO 8859 do, through Qt's decoders; expat needs a byte
    // to character map of it.
    m_encoding = QString::fromUtf8(name);
    QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        return XML_STATUS_ERROR;
    }
    auto* encoding = static_cast<XML_Encoding*>(info);
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const QString decoded = decoder.decode(QByteArrayView(&c, 1));
        if (decoded.isEmpty()) {
            return XML_STATUS_ERROR; // a byte that begins a sequence of several
        }
        const char16_t unit = decoded.front().unicode();
        const bool unknown =
            decoded.size() != 1 || unit == QChar::ReplacementCharacter || QChar::isSurrogate(unit);
        encoding->map[byte] = unknown ? -1 : int(unit);
        if (byte < 0x80 && encoding->map[byte] != byte) {
            return XML_STATUS_ERROR;
        }
    }
    encoding->data = nullptr;
    encoding->convert = nullptr;
    encoding->release = nullptr;
    return XML_STATUS_OK;
}

void XmlReader::stop(const QString& what) {
    m_stopped = true;
    m_refusal = filetext::quoted(m_where + QStringLiteral(": ") + what, 400);
    XML_StopParser(m_parser->parser, XML_FALSE);
}

void XmlReader::stop(std::exception_ptr error) {
    m_stopped = true;
    m_error = std::move(error);
    XML_StopParser(m_parser->parser, XML_FALSE);
}

int XmlReader::currentLine() const {
    return static_cast<int>(
        std::min<XML_Size>(XML_GetCurrentLineNumber(m_parser->parser), INT_MAX));
}

QString XmlReader::tokenAtError(bool& isTag) const {
    isTag = false;
    int offset = 0;
    int size = 0;
    const char* context = XML_GetInputContext(m_parser->parser, &offset, &size);
    if (context == nullptr || offset >= size) {
        return {};
    }
    std::string_view rest(context + offset, static_cast<std::size_t>(size - offset));
    isTag = rest.starts_with('<');
    const std::size_t start = rest.find_first_not_of("</&");
    rest.remove_prefix(std::min(start, rest.size()));
    const auto* const end = std::find_if_not(rest.begin(), rest.end(), isNameByte);
    rest = rest.substr(0, std::min<std::size_t>(std::size_t(end - rest.begin()), 100));
    return filetext::quoted(utf8(rest));
}

void XmlReader::malformed() const {
    if (m_error) {
        std::rethrow_exception(m_error);
    }
    if (m_stopped) {
        throw ChartRefused(m_refusal.toStdString());
    }
    const XML_Error code = XML_GetErrorCode(m_parser->parser);
    if (code == XML_ERROR_NO_MEMORY) {
        throw std::bad_alloc();
    }
    if (code == XML_ERROR_NO_ELEMENTS && m_open.empty() && m_line == 0) {
        refuse(tr("XML without any element."));
    }
    bool isTag = false;
    const QString token = tokenAtError(isTag);
    QString why;
    switch (code) {
    case XML_ERROR_NO_ELEMENTS:
        why = tr("the file ends inside <%1>").arg(filetext::quoted(m_open.back()));
        break;
    case XML_ERROR_TAG_MISMATCH:
        why = tr("</%1> ends <%2>").arg(token, filetext::quoted(m_open.back()));
        break;
    case XML_ERROR_DUPLICATE_ATTRIBUTE:
        why = isTag ? tr("<%1> has an attribute given twice").arg(token)
                    : tr("the attribute %1 is given twice").arg(token);
        break;
    case XML_ERROR_UNBOUND_PREFIX:
        why = isTag && token.contains(u':')
                  ? tr("the namespace prefix %1 is not declared").arg(token.section(u':', 0, 0))
                  : tr("<%1> uses a namespace prefix that is not declared").arg(token);
        break;
    case XML_ERROR_UNDEFINED_ENTITY:
    case XML_ERROR_BAD_CHAR_REF:
    case XML_ERROR_PARAM_ENTITY_REF:
    case XML_ERROR_RECURSIVE_ENTITY_REF:
    case XML_ERROR_BINARY_ENTITY_REF:
    case XML_ERROR_ATTRIBUTE_EXTERNAL_ENTITY_REF:
    case XML_ERROR_EXTERNAL_ENTITY_HANDLING:
        why = tr("\"&%1;\" stands for no character").arg(token);
        break;
    case XML_ERROR_JUNK_AFTER_DOC_ELEMENT:
        why = tr("more after the root element");
        break;
    case XML_ERROR_MISPLACED_XML_PI:
        why = tr("an XML declaration not at the start of the file");
        break;
    case XML_ERROR_XML_DECL:
    case XML_ERROR_TEXT_DECL:
        why = tr("an XML declaration that is not well formed");
        break;
    case XML_ERROR_UNCLOSED_TOKEN:
        why = tr("the file ends inside a tag or a comment");
        break;
    case XML_ERROR_PARTIAL_CHAR:
        why = tr("the file ends inside a character");
        break;
    case XML_ERROR_UNCLOSED_CDATA_SECTION:
        why = tr("the file ends inside a CDATA section");
        break;
    case XML_ERROR_UNKNOWN_ENCODING:
        why = tr("it declares the encoding %1, which Brisolant does not read")
                  .arg(filetext::quoted(m_encoding));
        break;
    case XML_ERROR_INCORRECT_ENCODING:
        why = tr("the encoding it declares is not the one it is written in");
        break;
    case XML_ERROR_UNDECLARING_PREFIX:
    case XML_ERROR_RESERVED_PREFIX_XML:
    case XML_ERROR_RESERVED_PREFIX_XMLNS:
    case XML_ERROR_RESERVED_NAMESPACE_URI:
        why = tr("a namespace declaration that XML does not allow");
        break;
    case XML_ERROR_INVALID_TOKEN:
        // Most often a file in another encoding than the UTF-8 it declares,
        // or declares by declaring none.
        why = token.contains(QChar::ReplacementCharacter)
                  ? tr("bytes that are not in the file's encoding (UTF-8 unless it declares "
                       "another)")
                  : tr("a character that XML does not allow here");
        break;
    default:
        why = tr("markup that is not well formed");
        break;
    }
    refuse(malformedAt(currentLine(), why));
}

QString XmlReader::namespaceUri() const {
    return utf8(m_namespace);
}

QStringView XmlReader::parent() const {
    return m_open.size() < 2 ? QStringView() : QStringView(m_open[m_open.size() - 2]);
}

const XmlReader::Attribute* XmlReader::find(QStringView name) const {
    for (const Attribute& attribute : m_attributes) {
        // One of another namespace is "namespace\x01local", never equal.
        const std::string_view written(m_attributeBytes.data() + attribute.name,
                                       attribute.nameLength);
        if (std::equal(name.begin(), name.end(), written.begin(), written.end(),
                       [](QChar asked, char byte) { return asked.unicode() == char16_t(byte); })) {
            return &attribute;
        }
    }
    return nullptr;
}

QString XmlReader::attribute(QStringView name) const {
    const Attribute* found = find(name);
    return found == nullptr
               ? QString()
               : filetext::line(utf8(
                     std::string_view(m_attributeBytes).substr(found->value, found->valueLength)));
}

std::string XmlReader::attributeUtf8(QStringView name) const {
    const std::string_view value = written(name);
    return isPlainLine(value) ? std::string(value) : filetext::utf8(attribute(name));
}

std::string_view XmlReader::written(QStringView name) const {
    const Attribute* found = find(name);
    return found == nullptr
               ? std::string_view()
               : std::string_view(m_attributeBytes).substr(found->value, found->valueLength);
}

bool XmlReader::hasAttribute(QStringView name) const {
    return find(name) != nullptr;
}

QString XmlReader::text() {
    const int depth = this->depth();
    m_taking = true;
    m_takingDepth = depth;
    m_taken.clear();
    m_takenLength = 0;
    while (next() && (m_isStart || this->depth() >= depth)) {
    }
    m_taking = false;
    return filetext::line(utf8(m_taken));
}

void XmlReader::refuse(const QString& what) const {
    throw ChartRefused(filetext::quoted(m_where + QStringLiteral(": ") + what, 400).toStdString());
}

} // namespace brisolant
