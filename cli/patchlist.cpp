#include "patchlist.h"

#include "chartrefused.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace brisolant {

namespace {

struct Record {
    int line = 0;
    QStringList fields;
};

[[noreturn]] void refuse(const QString& fileName, int line, const QString& what) {
    throw ChartRefused(
        QStringLiteral("%1, line %2: %3").arg(fileName, QString::number(line), what).toStdString());
}

// The text of bytes, without a byte order mark, or a refusal naming the first
// line that is not UTF-8.
QString decoded(const QByteArray& bytes, const QString& fileName) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (!decoder.hasError()) {
        return text;
    }
    int line = 1;
    for (const QByteArray& lineBytes : bytes.split('\n')) {
        QStringDecoder lineDecoder(QStringDecoder::Utf8);
        // The decoder works only when its result becomes a string.
        if (const QString lineText = lineDecoder(lineBytes); lineDecoder.hasError()) {
            break;
        }
        ++line;
    }
    refuse(fileName, line, QStringLiteral("not UTF-8 text; save the patch list as CSV UTF-8."));
}

// The separator the header row uses: a semicolon when it has more of them
// than commas, outside quotes.
QChar separatorOf(const QString& text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r') {
            break;
        }
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted) {
            commas += c == u',' ? 1 : 0;
            semicolons += c == u';' ? 1 : 0;
        }
    }
    return semicolons > commas ? u';' : u',';
}

// The records of CSV text, each with the line it starts on. A quote opens a
// quoted field only at the field's start; inside one, "" is a quote and
// separators and line breaks are text.
std::vector<Record> recordsOf(const QString& text, QChar separator, const QString& fileName) {
    std::vector<Record> records;
    Record record{1, {}};
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    int line = 1;
    // The character after position i, or a null character at the end.
    const auto next = [&text](qsizetype i) {
        return i + 1 < text.size() ? text.at(i + 1) : QChar();
    };
    const auto endField = [&] {
        record.fields.append(wasQuoted ? field : field.trimmed());
        field.clear();
        wasQuoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool lineBreak = c == u'\n' || (c == u'\r' && next(i) != u'\n');
        line += lineBreak ? 1 : 0;
        if (quoted) {
            if (c == u'"' && next(i) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.trimmed().isEmpty() && !wasQuoted) {
            quoted = true;
            wasQuoted = true;
            field.clear();
        } else if (c == separator) {
            endField();
        } else if (lineBreak) {
            endField();
            records.push_back(std::move(record));
            record = Record{line, {}};
        } else if (c != u'\r' && !wasQuoted) {
            field += c;
        }
    }
    if (quoted) {
        refuse(fileName, record.line, QStringLiteral("a quoted field is never closed."));
    }
    endField();
    records.push_back(std::move(record));
    return records;
}

qsizetype columnOf(const QStringList& header, std::initializer_list<QStringView> names) {
    for (const QStringView name : names) {
        for (qsizetype i = 0; i < header.size(); ++i) {
            if (header.at(i).simplified().compare(name, Qt::CaseInsensitive) == 0) {
                return i;
            }
        }
    }
    return -1;
}

bool isBlank(const QStringList& fields) {
    return std::all_of(fields.cbegin(), fields.cend(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

} // namespace

std::vector<SwitchChart::Fixture> PatchList::read(const QByteArray& bytes,
                                                  const QString& fileName) {
    const QString text = decoded(bytes, fileName);
    std::vector<Record> records = recordsOf(text, separatorOf(text), fileName);
    const QStringList& header = records.front().fields;
    const qsizetype address = columnOf(header, {u"Address", u"Start address", u"DMX"});
    const qsizetype name = columnOf(header, {u"Name", u"Fixture"});
    if (address < 0) {
        refuse(fileName, records.front().line,
               QStringLiteral("no Address column (nor Start address, DMX) in the header \"%1\".")
                   .arg(header.join(separatorOf(text))));
    }
    std::vector<SwitchChart::Fixture> fixtures;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const Record& record = records[i];
        if (isBlank(record.fields)) {
            continue;
        }
        fixtures.push_back(
            {name < 0 ? std::string() : record.fields.value(name).trimmed().toStdString(),
             record.fields.value(address).toStdString(), 1, record.line});
    }
    return fixtures;
}

} // namespace brisolant
