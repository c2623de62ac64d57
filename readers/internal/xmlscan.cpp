#include "xmlscan.h"

#include "chartrefused.h"

#include <utility>

namespace brisolant {

XmlScan::XmlScan(const QByteArray& bytes, QString where)
    : m_reader(bytes)
    , m_where(std::move(where)) {}

QXmlStreamReader::TokenType XmlScan::step() {
    const QXmlStreamReader::TokenType token = m_reader.readNext();
    if (m_reader.hasError()) {
        // Qt's message may quote the file, line breaks and all.
        QString error = m_reader.errorString().simplified();
        if (error.endsWith(u'.')) {
            error.chop(1);
        }
        if (error.size() > 100) {
            error = error.left(99) + u'\u2026';
        }
        refuse(
            QStringLiteral("malformed XML at line %1: %2.").arg(m_reader.lineNumber()).arg(error));
    }
    if (token == QXmlStreamReader::StartElement && ++m_depth > kDeepest) {
        refuse(QStringLiteral("XML nested more than %1 elements deep at line %2; no show file "
                              "needs that.")
                   .arg(kDeepest)
                   .arg(m_reader.lineNumber()));
    }
    if (token == QXmlStreamReader::StartElement) {
        m_path.push_back(m_reader.name().toString());
    } else if (token == QXmlStreamReader::EndElement) {
        --m_depth;
        m_path.pop_back();
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

QString XmlScan::parent() const {
    return m_path.size() < 2 ? QString() : m_path[m_path.size() - 2];
}

QString XmlScan::attribute(QStringView name) const {
    for (const QXmlStreamAttribute& attribute : m_reader.attributes()) {
        if (attribute.name() == name) {
            return attribute.value().toString().simplified();
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
        } else if (token == QXmlStreamReader::EndDocument) {
            break;
        }
    }
    return text.simplified();
}

void XmlScan::refuse(const QString& what) const {
    throw ChartRefused((m_where + QStringLiteral(": ") + what).simplified().toStdString());
}

} // namespace brisolant
