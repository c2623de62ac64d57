#pragma once

#include "parseprogress.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brisolant {

// The XML of rig files from strangers, parsed by expat as any conforming
// parser parses it (well-formedness, namespaces, the encoding the file
// declares, character references), fed to expat a piece at a time (kFeed
// bytes, more while a token is pending), so that a file never needs to be
// held whole. Told one element start or end at
// a time: expat is paused after each, so that the readers pull what they
// need and hold nothing else.
//
// On top of XML, the limits of riglimits.h, each refused in one line as it is
// met: more attributes on an element than kMostAttributes, names longer than
// kLongestXmlName, texts and attribute values longer than kLongestXmlText,
// nesting deeper than kDeepestXml, and a document type with declarations of
// its own (entities can multiply a text, default attributes add to any
// element). No entity outside the file is ever read.
class XmlReader final {
    Q_DECLARE_TR_FUNCTIONS(XmlReader)

public:
    // Fills buffer with the document's next bytes, at most room of them, and
    // says how many; 0 at its end. May throw, which ends the reading.
    using Input = std::function<qsizetype(char* buffer, qsizetype room)>;

    // What a rig file is read in: the first piece tells its kind.
    static constexpr qsizetype kPiece = qsizetype{1} << 20;

    // The document input gives; where names the file (and the entry in it)
    // for messages; size is its size in bytes where known before it is read.
    XmlReader(Input input, QString where, std::int64_t size = 0);
    // A document held in memory, its parse told to progress as it goes.
    XmlReader(QByteArrayView bytes, QString where, ParseProgress progress = {});
    ~XmlReader();
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;
    XmlReader(XmlReader&&) = delete;
    XmlReader& operator=(XmlReader&&) = delete;

    // Reads up to the start of the root element and makes it current, which
    // next() then tells again. Throws ChartRefused, as next() does, and for
    // a document without any element.
    void root();

    // The next element start or end, or false at the end of the document.
    // Throws ChartRefused for XML that is not well formed or is past a
    // limit, and whatever the input throws.
    bool next();

    // The document's size in bytes where it is known before it is read, so
    // that a reader can hold what it finds without growing; 0 where it is not.
    [[nodiscard]] std::int64_t size() const { return m_size; }

    [[nodiscard]] bool isStart() const { return m_isStart; }
    // The element's name without its namespace.
    [[nodiscard]] QStringView name() const { return m_name; }
    // The namespace of the element's name; empty for none.
    [[nodiscard]] QString namespaceUri() const;
    // Elements open around the current one, itself included at its start:
    // the root is at depth 1, and at its end 0.
    [[nodiscard]] int depth() const { return static_cast<int>(m_open.size()); }
    // The name of the element the current start element is in; empty for
    // the root.
    [[nodiscard]] QStringView parent() const;
    // The line where the current tag begins, as an editor counts lines (LF,
    // CRLF or CR each end one).
    [[nodiscard]] int line() const { return m_line; }
    // The value of the current start element's attribute of that name in no
    // namespace (p:Name is never Name), with every run of white space one
    // blank and control characters shown as U+FFFD; empty where there is no
    // such attribute.
    [[nodiscard]] QString attribute(QStringView name) const;
    // The same as UTF-8, for the fields of a fixture, which are mostly plain
    // words that need no text made of them.
    [[nodiscard]] std::string attributeUtf8(QStringView name) const;
    [[nodiscard]] bool hasAttribute(QStringView name) const;
    // The attribute's value as UTF-8, as written but for what XML makes of
    // references and white space; valid until the next element. For numbers,
    // which need no text made of them.
    [[nodiscard]] std::string_view written(QStringView name) const;
    // The text of the current start element, its children's left out, up to
    // its end, which becomes current; folded and shown as attribute() does.
    [[nodiscard]] QString text();

    // Throws ChartRefused with "where: what".
    [[noreturn]] void refuse(const QString& what) const;

    // expat and the callbacks it makes.
    struct Parser;

private:
    struct Event {
        bool isStart = false;
        int line = 0;
        std::string name; // of a start, as expat gives it: the namespace, "\x01", the local name
    };
    // Finds std::string keys by std::string_view.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    struct Attribute {
        std::size_t name = 0; // where its name begins in m_attributeBytes
        std::size_t nameLength = 0;
        std::size_t value = 0;
        std::size_t valueLength = 0;
    };

    // expat's callbacks, which must never throw through it: a refusal is
    // noted and the parse stopped, and thrown once expat has returned.
    void started(const char* name, const char** attributes);
    void ended();
    // The room for the next event, its text's room kept from parse to parse.
    Event& nextEvent();
    // The local name of a name as expat gives it, as text.
    QString localName(std::string_view name, std::string_view local);
    void characters(const char* text, int length);
    void doctype(bool declaresItsOwn);
    void skippedEntity(const char* name);
    void namespaceDeclared(const char* uri);
    int encoding(const char* name, void* info);
    // Notes a refusal, what is wrong and the line where it starts, and stops
    // the parse.
    void stop(const QString& what);
    void stop(std::exception_ptr error);

    // Parses on until there are events to tell or the document has ended.
    void parse();
    // Refuses a start tag that expat holds unfinished between pieces once it
    // plainly has more attributes than an element may have, before expat
    // stores them all; notes how many bytes expat holds.
    void checkPending();
    [[noreturn]] void malformed() const;
    [[nodiscard]] int currentLine() const;
    // The name or reference where expat found an error, for its message;
    // isTag tells whether it begins a tag.
    [[nodiscard]] QString tokenAtError(bool& isTag) const;
    // The attribute of that name in no namespace; nullptr for none.
    [[nodiscard]] const Attribute* find(QStringView name) const;

    // Fed to expat at a time, and more while a token is pending: expat reads
    // a pending token again from its start with each piece, so each piece is
    // at least as long as it (up to kLargestFeed), which keeps it linear.
    static constexpr qsizetype kFeed = qsizetype{1} << 16;
    static constexpr qsizetype kLargestFeed = qsizetype{1} << 26;
    // The start tag pending in expat, read so far.
    struct PendingTag {
        std::int64_t at = -1;     // its place in the document
        std::size_t read = 0;     // its bytes read
        std::int64_t equals = 0;  // its '=' outside quotes: one an attribute
        std::int64_t word = 0;    // the bytes of its name, value or attribute name being read
        char quote = 0;           // the quote a value is in; 0 outside one
        bool ended = false;       // past its end or what cannot be in it
        bool withinLimits = true; // no name or value past its limit

        // Reads the tag's next byte.
        void take(char c);
    };

    Input m_input;
    QString m_where;
    std::int64_t m_size = 0;
    std::unique_ptr<Parser> m_parser;
    bool m_final = false;    // the input has ended
    qsizetype m_pending = 0; // bytes expat holds for a token not yet ended
    PendingTag m_tag;
    bool m_suspended = false;
    bool m_ended = false;
    bool m_stopped = false;
    int m_parserDepth = 0; // elements open where expat is
    bool m_replay = false; // root() has made the root current
    std::vector<Event> m_events;
    std::size_t m_eventCount = 0; // of m_events, those of the last parse
    std::size_t m_told = 0;       // of them, those told
    std::unordered_map<std::string, QString, NameHash, std::equal_to<>> m_localNames;
    // The refusal or error that stopped the parse, thrown after it.
    QString m_refusal;
    std::exception_ptr m_error;
    QString m_encoding; // an encoding the file declares and Brisolant does not read

    // The current element.
    bool m_isStart = false;
    int m_line = 0;
    QString m_name;
    std::string m_namespace;
    std::vector<QString> m_open; // the names of the elements open, outermost first
    std::string m_attributeBytes;
    std::vector<Attribute> m_attributes;
    std::int64_t m_declarations = 0; // namespaces the next element declares

    // The text being taken by text(), and the run of text being read.
    bool m_taking = false;
    int m_takingDepth = 0;
    std::string m_taken;
    std::int64_t m_takenLength = 0;
    int m_takenLine = 0;
    std::int64_t m_runLength = 0; // characters since the last tag
    int m_runLine = 0;
};

} // namespace brisolant
