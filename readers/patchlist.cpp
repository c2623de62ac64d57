#include "patchlist.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "wholenumber.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace brisolant {

namespace {

constexpr int kHeaderSearch = 20;

// The names of each kind of column, the one to take first at the front.
constexpr std::array<QStringView, 8> kAddressNames = {u"Address",     u"Start address", u"DMX",
                                                      u"DMX Address", u"Dmxno",         u"DMX#",
                                                      u"Patch",       u"Patch Address"};
constexpr std::array<QStringView, 4> kUniverseNames = {u"Universe", u"Patch Universe", u"DMX Line",
                                                       u"Line"};
constexpr std::array<QStringView, 8> kNameNames = {
    u"Name",      u"Fixture", u"Label",           u"Headname",
    u"Head name", u"Purpose", u"Instrument Type", u"Type"};
constexpr std::array<QStringView, 8> kNumberNames = {
    u"Channel", u"FID", u"Fixture ID", u"Unit Number", u"Unit#", u"Spot", u"Headno", u"Head no"};
constexpr std::array<QStringView, 8> kChannelsNames = {
    u"Channels", u"Num Channels", u"DMX Channels", u"# of Data Channels",
    u"Chans",    u"DMX Qty",      u"Footprint",    u"DMX Footprint"};

struct Record {
    int line = 0;
    QStringList fields;
};

// Windows-1252 where it differs from Latin-1: 0x80 ... 0x9F. The five bytes
// the code page leaves undefined keep their Latin-1 meaning, as Windows does.
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decoded(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE
                                                        : QStringDecoder::Utf16BE);
        return decoder(bytes.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    text.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252.at(byte - 0x80)) : QChar(byte);
    }
    return text;
}

// Reads the records of delimited text one at a time from a position, counting
// lines. A quote opens a quoted field only at the field's start; inside one,
// "" is a quote and separators and line breaks are text.
class RecordReader {
public:
    RecordReader(const QString& text, QChar separator, qsizetype position, int line)
        : m_text(text)
        , m_separator(separator)
        , m_position(position)
        , m_line(line) {}

    // The next record, or false at the end of the text. Sets unclosed when a
    // quoted field runs to the end.
    bool next(Record& record, bool& unclosed) {
        if (m_position >= m_text.size()) {
            return false;
        }
        record = Record{m_line, {}};
        QString field;
        bool quoted = false;
        bool wasQuoted = false;
        const auto endField = [&] {
            record.fields.append(wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        };
        while (m_position < m_text.size()) {
            const QChar c = m_text.at(m_position++);
            const bool lineBreak = c == u'\n' || (c == u'\r' && peek() != u'\n');
            m_line += lineBreak ? 1 : 0;
            if (quoted) {
                if (c == u'"' && peek() == u'"') {
                    field += c;
                    ++m_position;
                } else if (c == u'"') {
                    quoted = false;
                } else {
                    field += c;
                }
            } else if (c == u'"' && field.trimmed().isEmpty() && !wasQuoted) {
                quoted = true;
                wasQuoted = true;
                field.clear();
            } else if (c == m_separator) {
                endField();
            } else if (lineBreak) {
                break;
            } else if (c != u'\r' && !wasQuoted) {
                field += c;
            }
        }
        unclosed = quoted;
        endField();
        return true;
    }

private:
    [[nodiscard]] QChar peek() const {
        return m_position < m_text.size() ? m_text.at(m_position) : QChar();
    }

    const QString& m_text;
    QChar m_separator;
    qsizetype m_position;
    int m_line;
};

template <std::size_t N>
qsizetype columnOf(const QStringList& header, const std::array<QStringView, N>& names) {
    for (const QStringView name : names) {
        for (qsizetype i = 0; i < header.size(); ++i) {
            if (header.at(i).simplified().compare(name, Qt::CaseInsensitive) == 0) {
                return i;
            }
        }
    }
    return -1;
}

struct Header {
    qsizetype position = -1; // where its line starts in the text
    int line = 0;
    QChar separator;
};

// The first line, among the first kHeaderSearch or right after a START_
// marker, that names an address column with one of the separators; with two,
// the one that makes more columns.
Header findHeader(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    qsizetype position = 0;
    bool afterMarker = false;
    for (int line = 1; position < text.size(); ++line) {
        const QRegularExpressionMatch end = lineBreak.match(text, position);
        const qsizetype length = end.hasMatch() ? end.capturedStart() - position : -1;
        const QString lineText = text.mid(position, length);
        if (line <= kHeaderSearch || afterMarker) {
            Header best;
            qsizetype mostFields = 0;
            for (const QChar separator : {u',', u';', u'\t'}) {
                Record record;
                bool unclosed = false;
                RecordReader(lineText, separator, 0, line).next(record, unclosed);
                if (columnOf(record.fields, kAddressNames) >= 0 &&
                    record.fields.size() > mostFields) {
                    best = {position, line, separator};
                    mostFields = record.fields.size();
                }
            }
            if (best.position >= 0) {
                return best;
            }
        }
        afterMarker = lineText.trimmed().startsWith(QStringLiteral("START_"));
        if (!end.hasMatch()) {
            break;
        }
        position = end.capturedEnd();
    }
    return {};
}

// A line that only names a section, as END_CHANNELS or [Fixtures] do.
bool isSectionMarker(const QStringList& fields) {
    static const QRegularExpression marker(
        QStringLiteral("^(?:[A-Z][A-Z0-9]*(?:_[A-Z0-9]+)+|\\[[^\\]]*\\])$"));
    return !fields.isEmpty() && marker.match(fields.constFirst().trimmed()).hasMatch() &&
           std::all_of(fields.cbegin() + 1, fields.cend(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

bool isBlank(const QStringList& fields) {
    return std::all_of(fields.cbegin(), fields.cend(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

QString elided(const QString& text, qsizetype length) {
    return text.size() <= length ? text : text.left(length - 1) + u'\u2026';
}

// A field as a message quotes it: on one line, and cut short.
QString quoted(const QString& field) {
    return elided(field.simplified(), 40);
}

// The columns of one list and how a row of it becomes a fixture.
class Columns {
public:
    explicit Columns(const QStringList& header)
        : m_address(columnOf(header, kAddressNames))
        , m_universe(columnOf(header, kUniverseNames))
        , m_name(columnOf(header, kNameNames))
        , m_number(columnOf(header, kNumberNames))
        , m_channels(columnOf(header, kChannelsNames)) {}

    // The row as the place'th fixture of the list, or ChartRefused for a field
    // that is plainly wrong.
    [[nodiscard]] SwitchChart::Fixture fixture(const Record& record, std::size_t place) const {
        SwitchChart::Fixture fixture;
        fixture.line = record.line;
        // One line each, whatever a quoted field held, for the chart and messages.
        fixture.name = value(record, m_name).simplified().toStdString();
        fixture.number = value(record, m_number).simplified().toStdString();
        const QString address = value(record, m_address);
        if (address.isEmpty()) {
            return fixture;
        }
        const auto refuse = [&](const QString& what) {
            throw ChartRefused(SwitchChart::refusalName(fixture, place) + ": " +
                               what.toStdString());
        };
        const std::optional<PatchAddress> patch = PatchAddress::read(address.toStdString());
        if (!patch) {
            refuse(
                QString::fromStdString(PatchAddress::notAnAddress(quoted(address).toStdString())));
        }
        if (patch->address == 0) {
            return fixture; // not patched, as 0/0 or 0.0 say
        }
        fixture.address = patch->address;
        fixture.universe = patch->universe;
        fixture.written.address = address.toStdString();
        if (const QString universe = value(record, m_universe);
            !fixture.universe && !universe.isEmpty()) {
            const std::optional<int> number = readWholeNumber(universe.toStdString());
            if (!number) {
                refuse(
                    QStringLiteral("universe \"%1\" is not a whole number.").arg(quoted(universe)));
            }
            // Some programs write the number across universes beside the universe.
            const bool across = patch->address > dmx::kLastChannel &&
                                (patch->address - 1) / dmx::kLastChannel + 1 == *number;
            fixture.universe = across ? std::nullopt : number;
            fixture.written.universe = across ? std::string() : universe.toStdString();
        }
        if (patch->last) {
            if (*patch->last < patch->address) {
                refuse(QStringLiteral("its last address %1 lies before its first, %2.")
                           .arg(*patch->last)
                           .arg(patch->address));
            }
            fixture.channels = *patch->last - patch->address + 1;
        } else if (const QString channels = value(record, m_channels); !channels.isEmpty()) {
            const std::optional<int> count = readWholeNumber(channels.toStdString());
            if (!count) {
                refuse(QStringLiteral("channel count \"%1\" is not a whole number.")
                           .arg(quoted(channels)));
            }
            // 0 is what some programs write for a count they do not know.
            fixture.channels = *count == 0 ? 1 : *count;
            fixture.written.channels = *count == 0 ? std::string() : channels.toStdString();
        }
        return fixture;
    }

private:
    // The field, trimmed; "-" stands for none in some programs' exports.
    [[nodiscard]] static QString value(const Record& record, qsizetype column) {
        const QString field = column < 0 ? QString() : record.fields.value(column).trimmed();
        return field == u"-" ? QString() : field;
    }

    qsizetype m_address;
    qsizetype m_universe;
    qsizetype m_name;
    qsizetype m_number;
    qsizetype m_channels;
};

} // namespace

std::vector<SwitchChart::Fixture> PatchList::read(const QByteArray& bytes,
                                                  const QString& fileName) {
    const QString text = decoded(bytes);
    const Header header = findHeader(text);
    if (header.position < 0) {
        throw ChartRefused(QStringLiteral("%1: no address column in its first %2 lines; looked "
                                          "for Address, Start address, DMX, DMX Address, Dmxno, "
                                          "DMX#, Patch or Patch Address.")
                               .arg(elided(fileName.simplified(), 100))
                               .arg(kHeaderSearch)
                               .toStdString());
    }
    RecordReader reader(text, header.separator, header.position, header.line);
    Record record;
    bool unclosed = false;
    reader.next(record, unclosed);
    const Columns columns(record.fields);
    std::vector<SwitchChart::Fixture> fixtures;
    while (reader.next(record, unclosed)) {
        if (unclosed) {
            throw ChartRefused(QStringLiteral("%1, line %2: a quoted field is never closed.")
                                   .arg(elided(fileName.simplified(), 100))
                                   .arg(record.line)
                                   .toStdString());
        }
        if (isSectionMarker(record.fields)) {
            break;
        }
        if (!isBlank(record.fields)) {
            fixtures.push_back(columns.fixture(record, fixtures.size() + 1));
        }
    }
    return fixtures;
}

} // namespace brisolant
