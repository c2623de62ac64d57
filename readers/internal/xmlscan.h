#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <vector>

namespace brisolant {

// A streaming XML reader for rig files from strangers, decoded as they were
// written (see filetext.h). It reads what show files use (elements,
// attributes, the five predefined entities and character references, CDATA,
// comments, processing instructions, namespaces, a document type without
// declarations of its own) in one pass over the text, each character looked
// at a bounded number of times, and refuses in one line what is not well
// formed or is past a limit: more attributes on an element than
// riglimits::kMostAttributes, names longer than kLongestXmlName, texts longer
// than kLongestXmlText, nesting deeper than kDeepestXml, and a document type
// with declarations of its own (entities can multiply a text and default
// attributes can add to any element). It is lenient where no chart is harmed:
// names are not held to XML's rules for their characters, the XML
// declaration's content is not checked, and control characters in a text are
// taken, to be shown as U+FFFD.
class XmlScan final {
    Q_DECLARE_TR_FUNCTIONS(XmlScan)

public:
    // where names the file (and the entry in it) for messages.
    XmlScan(const QByteArray& bytes, QString where);

    // The next element start or end, or false at the end of the document.
    // Throws ChartRefused for malformed XML or what is past a limit.
    bool next();

    [[nodiscard]] bool isStart() const { return m_isStart; }
    // The element's name without its namespace prefix.
    [[nodiscard]] QStringView name() const { return localName(m_name); }
    // The namespace of the current element's name; empty for none.
    [[nodiscard]] QString namespaceUri() const;
    // Elements open around the current one; the root is at depth 1.
    [[nodiscard]] int depth() const { return m_depth; }
    // The name of the element the current start element is in; empty for the
    // root. Valid until the next token.
    [[nodiscard]] QStringView parent() const;
    // The line the current token ends on.
    [[nodiscard]] int line() const { return lineAt(m_tokenEnd); }
    // The attribute's value, with every run of white space one blank and
    // control characters shown as U+FFFD.
    [[nodiscard]] QString attribute(QStringView name) const;
    // The text of a start element up to its end, which becomes current; its
    // white space folded and control characters shown, as attribute() does.
    [[nodiscard]] QString text();

    [[noreturn]] void refuse(const QString& what) const;

private:
    enum class Token { Start, End, Text, EndOfDocument };

    struct Attribute {
        QStringView name;  // as written, with any prefix
        QStringView local; // without it
        QStringView value; // as written, entities and all
        bool declaresNamespace = false;
    };
    struct Namespace {
        QStringView prefix; // empty for the default namespace
        QStringView uri;    // as written
        int depth = 0;
    };

    [[nodiscard]] static QStringView localName(QStringView name);

    // The next token; markup that is no token (comments, processing
    // instructions, a document type) is passed over.
    Token step();
    void startTag();
    // One attribute of a start tag; afterBlanks says whether blanks parted it
    // from what came before, as XML wants.
    void readAttribute(bool afterBlanks, qsizetype tagStart);
    // The element of the start tag just read, its attributes checked.
    void openElement(QStringView name);
    // Refuses an element with an attribute given twice.
    void checkGivenOnce();
    void endTag();
    void endElement();
    // Text up to the next "<": outside the root only blanks.
    void textRun();
    void cdata();
    void declaration();
    void skipPast(QStringView end);
    // Passes over a name and returns it; refuses one past the limit.
    QStringView readName();
    // Passes over blanks and says whether there were any.
    bool skipBlanks();
    // Checks the entity and character references of text as written.
    void checkReferences(QStringView written) const;
    void checkNamespace(QStringView name) const;
    void checkLength(qsizetype length) const;

    [[nodiscard]] char16_t at(qsizetype offset = 0) const {
        return m_at + offset < m_text.size() ? m_text[m_at + offset].unicode() : u'\0';
    }
    // Lines are counted only as they are asked for, from where they were last.
    [[nodiscard]] int lineAt(qsizetype position) const;
    [[noreturn]] void malformed(const QString& why) const;

    QString m_text;
    QString m_where;
    qsizetype m_at = 0;
    qsizetype m_tokenEnd = 0;
    int m_depth = 0;
    bool m_isStart = false;
    // After "<a/>" is told as a start, its end is told next.
    bool m_endPending = false;
    bool m_rootSeen = false;
    QStringView m_name;
    QStringView m_textRun; // the last text token, as written
    bool m_textIsCdata = false;
    // The names of the elements open, outermost first.
    std::vector<QStringView> m_open;
    std::vector<Attribute> m_attributes;
    std::vector<std::size_t> m_slots; // checkGivenOnce's table, its room kept between tags
    std::vector<Namespace> m_namespaces;
    mutable qsizetype m_linePosition = 0;
    mutable int m_lineCount = 1;
};

} // namespace brisolant
