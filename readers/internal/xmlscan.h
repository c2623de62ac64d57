#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

namespace brisolant {

// Qt's streaming XML reader over a rig file from a stranger, decoded as it
// was written (see filetext.h). Before Qt sees the text, one pass over it
// refuses what no show file holds and what would cost Qt's reader more than
// time in proportion to the file: elements with more attributes than
// riglimits::kMostAttributes, names longer than kLongestXmlName, and a
// document type with declarations of its own (entities can multiply a text
// and default attributes can add to any element). While reading, malformed
// XML, XML nested past kDeepestXml and texts longer than kLongestXmlText are
// refused too, each in one line.
class XmlScan final {
public:
    // where names the file (and the entry in it) for messages. Throws
    // ChartRefused for what the first pass refuses.
    XmlScan(const QByteArray& bytes, QString where);

    // The next element start or end, or false at the end of the document.
    // Throws ChartRefused for malformed XML or what is past a limit.
    bool next();

    [[nodiscard]] bool isStart() const { return m_reader.isStartElement(); }
    [[nodiscard]] QStringView name() const { return m_reader.name(); }
    [[nodiscard]] QStringView namespaceUri() const { return m_reader.namespaceUri(); }
    // Elements open around the current one; the root is at depth 1.
    [[nodiscard]] int depth() const { return m_depth; }
    // The name of the element the current start element is in; empty for the
    // root. Valid until the next token.
    [[nodiscard]] QStringView parent() const;
    [[nodiscard]] int line() const { return static_cast<int>(m_reader.lineNumber()); }
    // The attribute's value, with every run of white space one blank and
    // control characters shown as U+FFFD.
    [[nodiscard]] QString attribute(QStringView name) const;
    // The text of a start element up to its end, which becomes current; its
    // white space folded and control characters shown, as attribute() does.
    [[nodiscard]] QString text();

    [[noreturn]] void refuse(const QString& what) const;

private:
    // The next token, with the depth kept and errors refused.
    QXmlStreamReader::TokenType step();

    QXmlStreamReader m_reader;
    QString m_where;
    int m_depth = 0;
    // The names of the elements open, outermost first, by depth; the slots
    // deeper than m_depth are kept for their room.
    std::vector<QString> m_path;
};

} // namespace brisolant
