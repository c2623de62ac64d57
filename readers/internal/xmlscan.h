#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

namespace brisolant {

// Qt's streaming XML reader over a rig file from a stranger: malformed XML and
// XML nested deeper than any real show file are refused in one line.
class XmlScan final {
public:
    // Real show files nest a few dozen elements at most.
    static constexpr int kDeepest = 100;

    // where names the file (and the entry in it) for messages.
    XmlScan(const QByteArray& bytes, QString where);

    // The next element start or end, or false at the end of the document.
    // Throws ChartRefused for malformed XML or XML nested past kDeepest.
    bool next();

    [[nodiscard]] bool isStart() const { return m_reader.isStartElement(); }
    [[nodiscard]] QStringView name() const { return m_reader.name(); }
    [[nodiscard]] QStringView namespaceUri() const { return m_reader.namespaceUri(); }
    // Elements open around the current one; the root is at depth 1.
    [[nodiscard]] int depth() const { return m_depth; }
    // The name of the element the current start element is in; empty for the root.
    [[nodiscard]] QString parent() const;
    [[nodiscard]] int line() const { return static_cast<int>(m_reader.lineNumber()); }
    // The attribute's value, with every run of white space one blank.
    [[nodiscard]] QString attribute(QStringView name) const;
    // The text of a start element up to its end, which becomes current.
    [[nodiscard]] QString text();

    [[noreturn]] void refuse(const QString& what) const;

private:
    // The next token, with the depth kept and errors refused.
    QXmlStreamReader::TokenType step();

    QXmlStreamReader m_reader;
    QString m_where;
    int m_depth = 0;
    std::vector<QString> m_path; // the names of the elements open, outermost first
};

} // namespace brisolant
