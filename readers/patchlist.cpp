#include "patchlist.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "filename.h"
#include "filetext.h"
#include "parseprogress.h"
#include "patchcolumns.h"
#include "riglimits.h"
#include "wholenumber.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <deque>
#include <span>
#include <vector>

namespace brisolant {

namespace {

using Kind = PatchColumns::Kind;

// A patch list's text, decoded a piece at a time into a window that slides
// over it, so that the text is never held whole beside the bytes.
class TextWindow {
public:
    // What a record may take, with its line break and the character after
    // it, which tells CR LF from CR: kept in the window from a record's start.
    static constexpr qsizetype kAhead = riglimits::kLongestRecord + 4;

    explicit TextWindow(QByteArrayView bytes)
        : m_decoder(bytes)
        , m_size(bytes.size()) {}

    [[nodiscard]] QStringView text() const { return m_text; }
    // Whether the window reaches the text's end.
    [[nodiscard]] bool atEnd() const { return m_decoder.atEnd(); }

    // Makes ahead characters follow from, or all that is left of the text,
    // dropping the text before from when it must decode more; positions in
    // the window move back by what it returns.
    qsizetype slide(qsizetype from, qsizetype ahead = kAhead) {
        if (m_text.size() - from >= ahead || m_decoder.atEnd()) {
            return 0;
        }
        m_text.remove(0, from);
        // Room for what it decodes, a character at most for each byte.
        m_text.reserve(
            std::min(2 * ahead + PatchList::kPiece, m_text.size() + m_size - m_decoder.position()));
        for (Piece& piece : m_pieces) {
            piece.start -= from;
        }
        while (m_pieces.size() > 1 && m_pieces[1].start <= 0) {
            m_pieces.pop_front();
        }
        // Twice what is asked, so that the text kept and moved here is
        // never more than what is read before the next slide.
        while (m_text.size() < 2 * ahead && !m_decoder.atEnd()) {
            const qsizetype at = m_decoder.position();
            m_pieces.push_back({m_text.size(), at});
            m_decoder.decodeTo((at / PatchList::kPiece + 1) * PatchList::kPiece, m_text);
        }
        return from;
    }

    // Where the piece with a position of the window starts in the bytes.
    [[nodiscard]] qsizetype bytesAt(qsizetype position) const {
        const auto after = std::find_if(m_pieces.begin(), m_pieces.end(),
                                        [&](const Piece& piece) { return piece.start > position; });
        return after == m_pieces.begin() ? 0 : std::prev(after)->bytes;
    }

private:
    struct Piece {
        qsizetype start = 0; // in the window; below 0 once partly dropped
        qsizetype bytes = 0; // where it starts in the bytes
    };

    filetext::Decoder m_decoder;
    qsizetype m_size;
    QString m_text;
    std::deque<Piece> m_pieces;
};

// A row's fields as views into the text, or, for a quoted field with doubled
// quotes in it, into a copy without them: no field is copied otherwise. They
// are not trimmed here: most are never looked at, and those that are are
// trimmed where they are read.
struct Record {
    int line = 0;
    std::vector<QStringView> fields;
    std::deque<QString> unquoted; // the copies; a deque, so that views of them stay valid
};

// Reads the records of delimited text one at a time from a position, counting
// lines. A quote opens a quoted field only at the field's start; inside one,
// "" is a quote and separators and line breaks are text.
class RecordReader {
public:
    RecordReader(QStringView text, QChar separator, qsizetype position, int line,
                 const QString& where)
        : m_text(text)
        , m_separator(separator)
        , m_position(position)
        , m_line(line)
        , m_where(where) {}

    // The next record, or false at the end of the text. Sets unclosed when a
    // quoted field runs to the end. Throws ChartRefused for a record past
    // riglimits::kLongestRecord characters or kMostFields fields.
    bool next(Record& record, bool& unclosed) {
        if (m_position >= m_text.size()) {
            return false;
        }
        record.line = m_line;
        record.fields.clear();
        record.unquoted.clear();
        const qsizetype start = m_position;
        qsizetype end = m_text.size(); // where the line break after it starts
        m_field = Field{start};
        while (m_position < m_text.size()) {
            // A line break may end the record; two characters of slack for it.
            if (m_position - start > riglimits::kLongestRecord + 2) {
                tooLong(record.line);
            }
            const QChar c = m_text[m_position++];
            const bool lineBreak = c == u'\n' || (c == u'\r' && peek() != u'\n');
            m_line += lineBreak ? 1 : 0;
            if (m_field.quoted) {
                quotedCharacter(record, c);
            } else if (c == u'"' && m_field.blank && !m_field.wasQuoted) {
                m_field = Field{m_position, true, true};
            } else if (c == m_separator) {
                endField(record, m_position - 1);
            } else if (lineBreak) {
                const bool crlf = c == u'\n' && m_position >= 2 && m_text[m_position - 2] == u'\r';
                end = m_position - (crlf ? 2 : 1);
                break;
            } else {
                skipOrdinary(c);
            }
        }
        if (end - start > riglimits::kLongestRecord) {
            tooLong(record.line);
        }
        unclosed = m_field.quoted;
        if (m_field.quoted) {
            closeQuote(m_text.size());
        }
        endField(record, end);
        return true;
    }

    // Where the next record begins in the text.
    [[nodiscard]] qsizetype position() const { return m_position; }

    // Reads on in the window, which slides on to the next record.
    void follow(TextWindow& window) {
        m_position -= window.slide(m_position);
        m_text = window.text();
    }

private:
    // The field being read.
    struct Field {
        qsizetype start = 0; // in the text, after its opening quote if it has one
        bool quoted = false;
        bool wasQuoted = false;
        bool blank = true;       // what it holds is white space at most
        QString* copy = nullptr; // a quoted field once a doubled quote is in it
        QStringView closed = {}; // a quoted field, once closed
    };

    // A character inside quotes: "" is a quote, and " alone closes them.
    void quotedCharacter(Record& record, QChar c) {
        if (c == u'"' && peek() == u'"') {
            if (m_field.copy == nullptr) {
                m_field.copy = &record.unquoted.emplace_back(
                    m_text.sliced(m_field.start, m_position - 1 - m_field.start).toString());
            }
            m_field.copy->append(c);
            ++m_position;
        } else if (c == u'"') {
            closeQuote(m_position - 1);
        } else if (m_field.copy != nullptr) {
            m_field.copy->append(c);
        }
    }

    void closeQuote(qsizetype at) {
        m_field.closed = m_field.copy != nullptr ? QStringView(*m_field.copy)
                                                 : m_text.sliced(m_field.start, at - m_field.start);
        m_field.quoted = false;
    }

    void endField(Record& record, qsizetype end) {
        if (record.fields.size() == riglimits::kMostFields) {
            refuse(record.line,
                   QCoreApplication::translate(
                       "PatchList", "a row of more than %1 fields; no patch list has that "
                                    "many columns.")
                       .arg(riglimits::kMostFields));
        }
        record.fields.push_back(
            m_field.wasQuoted ? m_field.closed : m_text.sliced(m_field.start, end - m_field.start));
        m_field = Field{m_position};
    }

    // Passes over a character of a field that is not quoted and the ordinary
    // ones after it, up to the next that means something, noting whether
    // they are all blank. After a closing quote they are not the field's.
    void skipOrdinary(QChar c) {
        m_field.blank = m_field.blank && c.isSpace();
        const qsizetype limit = std::min(m_text.size(), m_position + riglimits::kLongestRecord);
        for (; m_position < limit; ++m_position) {
            const QChar next = m_text[m_position];
            if (next == m_separator || next == u'"' || next == u'\n' || next == u'\r') {
                return;
            }
            m_field.blank = m_field.blank && next.isSpace();
        }
    }

    [[nodiscard]] QChar peek() const {
        return m_position < m_text.size() ? m_text[m_position] : QChar();
    }

    [[noreturn]] void tooLong(int line) const {
        refuse(line,
               QCoreApplication::translate(
                   "PatchList", "a row longer than %1 characters; no patch list has rows that "
                                "long.")
                   .arg(riglimits::kLongestRecord));
    }

    [[noreturn]] void refuse(int line, const QString& what) const {
        // One pass of arg(), so that a "%2" in the file's name stays as it is.
        throw ChartRefused(QCoreApplication::translate("PatchList", "%1, line %2: %3")
                               .arg(filename::quoted(m_where), QString::number(line), what)
                               .toStdString());
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_position;
    int m_line;
    const QString& m_where;
    Field m_field;
};

// The column with one of the names, the first name listed first; -1 for none.
// The header's fields are folded already.
qsizetype columnOf(const QStringList& header, Kind kind) {
    for (const QStringView name : PatchColumns::names(kind)) {
        for (qsizetype i = 0; i < header.size(); ++i) {
            if (header.at(i).compare(name, Qt::CaseInsensitive) == 0) {
                return i;
            }
        }
    }
    return -1;
}

QStringList folded(const std::vector<QStringView>& fields) {
    QStringList simplified;
    simplified.reserve(static_cast<qsizetype>(fields.size()));
    for (const QStringView field : fields) {
        simplified.append(field.toString().simplified());
    }
    return simplified;
}

struct Header {
    qsizetype position = -1; // where its line starts in the window
    int line = 0;
    QChar separator;
    qsizetype lineFeeds = 0; // above it
};

// Moves position past the characters that skip holds for, the window
// sliding along: a line passed over may be as long as the file.
template <typename Skip> void skipWhile(TextWindow& window, qsizetype& position, Skip skip) {
    for (;;) {
        const QStringView text = window.text();
        position = std::find_if_not(text.begin() + position, text.end(), skip) - text.begin();
        if (position < text.size() || window.atEnd()) {
            return;
        }
        position -= window.slide(position, 1);
    }
}

// A lambda rather than a function, so that the loops that take it inline it.
constexpr auto isLineText = [](QChar c) {
    return c != u'\n' && c != u'\r';
};

// The header a line makes, at position 0, if it names an address column
// with one of the separators; with two, the one that makes more columns.
Header headerOf(QStringView lineText, int line, const QString& where) {
    Header best;
    qsizetype mostFields = 0;
    for (const QChar separator : {u',', u';', u'\t'}) {
        Record record;
        bool unclosed = false;
        RecordReader(lineText, separator, 0, line, where).next(record, unclosed);
        const auto fields = static_cast<qsizetype>(record.fields.size());
        if (columnOf(folded(record.fields), Kind::Address) >= 0 && fields > mostFields) {
            best = {0, line, separator};
            mostFields = fields;
        }
    }
    return best;
}

// The first line, among the first kHeaderSearch or right after a START_
// marker, that makes a header. Every other line is only passed over.
Header findHeader(TextWindow& window, const QString& where) {
    qsizetype position = 0;
    qsizetype lineFeeds = 0;
    bool afterMarker = false;
    for (int line = 1;; ++line) {
        position -= window.slide(position);
        QStringView text = window.text();
        if (position == text.size()) {
            return {};
        }
        if (line <= PatchList::kHeaderSearch || afterMarker) {
            // The window holds the line whole, or more than a row may hold.
            const qsizetype end =
                std::find_if_not(text.begin() + position, text.end(), isLineText) - text.begin();
            Header header = headerOf(text.sliced(position, end - position), line, where);
            if (header.position >= 0) {
                header.position = position;
                header.lineFeeds = lineFeeds;
                return header;
            }
        }
        skipWhile(window, position, [](QChar c) { return c.isSpace() && isLineText(c); });
        position -= window.slide(position, 6);
        afterMarker = window.text().sliced(position).startsWith(u"START_");
        skipWhile(window, position, isLineText);
        position -= window.slide(position, 2);
        text = window.text();
        if (position == text.size()) {
            return {};
        }
        const bool crlf =
            text[position] == u'\r' && position + 1 < text.size() && text[position + 1] == u'\n';
        lineFeeds += text[position] == u'\n' || crlf ? 1 : 0;
        position += crlf ? 2 : 1;
    }
}

bool isMarkerCharacter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// A section's name as exports write it: END_CHANNELS, START_CUES_2, or
// anything in brackets, as [Fixtures].
bool isMarkerName(QStringView field) {
    if (field.size() >= 2 && field.front() == u'[' && field.back() == u']') {
        return !field.sliced(1, field.size() - 2).contains(u']');
    }
    if (field.isEmpty() || field.front() < u'A' || field.front() > u'Z' || field.back() == u'_') {
        return false;
    }
    bool underscore = false;
    for (qsizetype i = 1; i < field.size(); ++i) {
        if (field[i] == u'_') {
            if (field[i - 1] == u'_') {
                return false;
            }
            underscore = true;
        } else if (!isMarkerCharacter(field[i])) {
            return false;
        }
    }
    return underscore;
}

bool isBlank(std::span<const QStringView> fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](QStringView field) { return field.trimmed().isEmpty(); });
}

// A line that only names a section, whatever empty fields follow it.
bool isSectionMarker(std::span<const QStringView> fields) {
    return !fields.empty() && isMarkerName(fields.front().trimmed()) && isBlank(fields.subspan(1));
}

// The columns of one list and how a row of it becomes a fixture.
class Columns {
public:
    explicit Columns(const std::vector<QStringView>& header) {
        const QStringList names = folded(header);
        for (const Kind kind : PatchColumns::kKinds) {
            m_columns.at(static_cast<std::size_t>(kind)) = columnOf(names, kind);
        }
    }

    // The row as the place'th fixture of the list, or ChartRefused for a field
    // that is plainly wrong.
    [[nodiscard]] SwitchChart::Fixture fixture(const Record& record, std::size_t place) const {
        SwitchChart::Fixture fixture;
        fixture.line = record.line;
        // One line each, whatever a quoted field held, for the chart and messages.
        fixture.name = filetext::quotedUtf8(value(record, Kind::Name));
        fixture.number = filetext::quotedUtf8(value(record, Kind::Number));
        fixture.maker = filetext::quotedUtf8(value(record, Kind::Maker));
        fixture.type = filetext::quotedUtf8(value(record, Kind::Type));
        fixture.profile = filetext::quotedUtf8(value(record, Kind::Profile));
        const QStringView address = value(record, Kind::Address);
        if (address.isEmpty()) {
            return fixture;
        }
        const auto refuse = [&](const QString& what) {
            Rig::refuse(fixture, place, what);
        };
        const std::optional<PatchAddress> patch = PatchAddress::read(filetext::utf8(address));
        if (!patch) {
            refuse(QString::fromStdString(
                PatchAddress::notAnAddress(filetext::quoted(address).toStdString())));
        }
        if (patch->address == 0) {
            return fixture; // not patched, as 0/0 or 0.0 say
        }
        fixture.address = patch->address;
        fixture.universe = patch->universe;
        fixture.written.address = filetext::quotedUtf8(address, 40);
        if (const QStringView universe = value(record, Kind::Universe);
            !fixture.universe && !universe.isEmpty()) {
            const std::optional<int> number = readWholeNumber(filetext::utf8(universe));
            if (!number) {
                refuse(QCoreApplication::translate("PatchList",
                                                   "universe \"%1\" is not a whole number.")
                           .arg(filetext::quoted(universe)));
            }
            // Some programs write the number across universes beside the universe.
            const bool across = patch->address > dmx::kLastChannel &&
                                (patch->address - 1) / dmx::kLastChannel + 1 == *number;
            fixture.universe = across ? std::nullopt : number;
            fixture.written.universe = across ? std::string() : filetext::quotedUtf8(universe, 40);
        }
        if (patch->last) {
            if (*patch->last < patch->address) {
                refuse(QCoreApplication::translate("PatchList",
                                                   "its address \"%1\" ends before it starts.")
                           .arg(filetext::quoted(address)));
            }
            fixture.channels = *patch->last - patch->address + 1;
        } else if (const QStringView channels = value(record, Kind::Channels);
                   !channels.isEmpty()) {
            const std::optional<int> count = readWholeNumber(filetext::utf8(channels));
            if (!count) {
                refuse(QCoreApplication::translate("PatchList",
                                                   "channel count \"%1\" is not a whole number.")
                           .arg(filetext::quoted(channels)));
            }
            // 0 is what some programs write for a count they do not know.
            fixture.channels = *count == 0 ? 1 : *count;
            fixture.written.channels =
                *count == 0 ? std::string() : filetext::quotedUtf8(channels, 40);
        }
        return fixture;
    }

private:
    // The field, trimmed; "-" stands for none in some programs' exports. A
    // column of -1 (none) is past any record.
    [[nodiscard]] QStringView value(const Record& record, Kind kind) const {
        const auto column = static_cast<std::size_t>(m_columns.at(static_cast<std::size_t>(kind)));
        const QStringView field =
            column < record.fields.size() ? record.fields[column].trimmed() : QStringView();
        return field == u"-" ? QStringView() : field;
    }

    std::array<qsizetype, PatchColumns::kKinds.size()> m_columns{};
};

} // namespace

Rig PatchList::read(const QByteArray& bytes, const QString& fileName, ReadControl* control) {
    TextWindow window(bytes);
    const Header header = findHeader(window, fileName);
    if (header.position < 0) {
        throw ChartRefused(
            QCoreApplication::translate(
                "PatchList", "%1: no address column in its first %2 lines; looked for %3.")
                .arg(filename::quoted(fileName), QString::number(kHeaderSearch),
                     PatchColumns::listed(Kind::Address,
                                          QCoreApplication::translate("PatchList", " or ")))
                .toStdString());
    }
    RecordReader reader(window.text(), header.separator, header.position, header.line, fileName);
    Record record;
    bool unclosed = false;
    reader.next(record, unclosed);
    const Columns columns(record.fields);
    const std::string name = filename::quoted(fileName).toStdString();
    Rig rig;
    // A row a line, as most lists are: the fixtures' room made once, not
    // grown and copied row by row.
    const qsizetype lines = filetext::countOf(bytes, '\n') - header.lineFeeds + 1;
    rig.fixtures.reserve(static_cast<std::size_t>(
        std::min<qsizetype>(lines, static_cast<qsizetype>(riglimits::kMostFixtures))));
    // Its progress the second half of the file's, after its reading.
    const ParseProgress progress{control, bytes.size(), bytes.size()};
    for (std::size_t rows = 0;; ++rows) {
        reader.follow(window);
        if (rows % kRowsBetweenProgress == 0) {
            progress.at(window.bytesAt(reader.position()), bytes.size());
        }
        if (!reader.next(record, unclosed)) {
            break;
        }
        if (unclosed) {
            throw ChartRefused(QCoreApplication::translate(
                                   "PatchList", "%1, line %2: a quoted field is never closed.")
                                   .arg(filename::quoted(fileName), QString::number(record.line))
                                   .toStdString());
        }
        if (isSectionMarker(record.fields)) {
            break;
        }
        if (!isBlank(record.fields)) {
            rig.add(columns.fixture(record, rig.fixtures.size() + 1), name);
        }
    }
    progress.at(bytes.size(), bytes.size());
    return rig;
}

} // namespace brisolant
