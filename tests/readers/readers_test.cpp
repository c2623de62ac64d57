// The readers of other programs' files, in process, one table row per rule,
// with inputs laid out as those programs write them.
#include "chartmessages.h"
#include "chartrefused.h"
#include "gdtffile.h"
#include "grandma2export.h"
#include "grandma3export.h"
#include "mvrfile.h"
#include "patchcolumns.h"
#include "patchlist.h"
#include "qlcworkspace.h"
#include "rigfile.h"
#include "riglimits.h"
#include "testzip.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <tuple>

namespace brisolant {
namespace {

using Read = std::function<Rig(const QByteArray&, const QString&)>;

struct Row {
    const char* rule;
    std::string input;
    std::string expected; // the fixtures as describe() has them, or "refused: " and why
};

// A fixture in short: name, #number, universe/address (or -), xchannels,
// @line, in brackets its maker, type and profile where it has any, and in
// braces its fields as written where they say more than that.
std::string describe(const SwitchChart::Fixture& fixture) {
    const std::string address = fixture.address ? std::to_string(*fixture.address) : "-";
    const std::string universe = fixture.universe ? std::to_string(*fixture.universe) : "";
    const std::string channels = std::to_string(fixture.channels);
    std::string text = fixture.name.empty() ? "" : fixture.name + " ";
    text += (fixture.number.empty() ? "" : "#" + fixture.number + " ") +
            (universe.empty() ? "" : universe + "/") + address +
            (fixture.channels == 1 ? "" : "x" + channels) +
            (fixture.line == 0 ? "" : " @" + std::to_string(fixture.line));
    if (!(fixture.maker + fixture.type + fixture.profile).empty()) {
        text += " [" + fixture.maker + "|" + fixture.type + "|" + fixture.profile + "]";
    }
    const auto& [written, writtenUniverse, writtenChannels] = fixture.written;
    const bool plain =
        (written.empty() || written == address || written == universe + "/" + address) &&
        (writtenUniverse.empty() || writtenUniverse == universe) &&
        (writtenChannels.empty() || writtenChannels == channels);
    return plain ? text
                 : text + " {" + written + "|" + writtenUniverse + "|" + writtenChannels + "}";
}

const Read patchList = [](const QByteArray& bytes, const QString& file) {
    return PatchList::read(bytes, file);
};
const Read grandma3 = [](const QByteArray& bytes, const QString& file) {
    return Grandma3Export::read(bytes, file);
};
const Read grandma2 = [](const QByteArray& bytes, const QString& file) {
    return Grandma2Export::read(bytes, file);
};
const Read qlcPlus = [](const QByteArray& bytes, const QString& file) {
    return QlcWorkspace::read(bytes, file);
};
const Read anyRig = [](const QByteArray& bytes, const QString& file) {
    return RigFile::read(bytes, file);
};

// The rig's fixtures and notes, each followed by "; ", or the refusal as the
// user reads it.
std::string outcome(const Read& read, const std::string& input, const char* file) {
    try {
        const Rig rig = read(QByteArray::fromStdString(input), QString::fromLatin1(file));
        std::string text;
        for (const SwitchChart::Fixture& fixture : rig.fixtures) {
            text += describe(fixture) + "; ";
        }
        for (const std::string& note : rig.notes) {
            text += note + "; ";
        }
        return text;
    } catch (const ChartRefused& refused) {
        // A reader words a refusal of a fixture through ChartMessages alone.
        EXPECT_TRUE(refused.message() != nullptr ||
                    !std::string_view(refused.what()).starts_with("Fixture"));
        return "refused: " + ChartMessages::refusal(refused).toStdString();
    }
}

void check(const Read& read, std::initializer_list<Row> rows, const char* file = "f") {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(outcome(read, row.input, file), row.expected);
    }
}

// How many fixtures the reader makes of the input, and the last one's line.
Read counted(const Read& read) {
    return [read](const QByteArray& bytes, const QString& file) {
        const Rig all = read(bytes, file);
        Rig rig;
        rig.notes.push_back(std::to_string(all.fixtures.size()) + " @" +
                            std::to_string(all.fixtures.empty() ? 0 : all.fixtures.back().line));
        return rig;
    };
}

std::string times(std::int64_t count, std::string_view text) {
    std::string all;
    for (std::int64_t i = 0; i < count; ++i) {
        all += text;
    }
    return all;
}

std::string utf16(const QString& text, bool bigEndian, bool mark) {
    using Flag = QStringConverter::Flag;
    QStringEncoder encode(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                          mark ? Flag::WriteBom : Flag::Default);
    return QByteArray(encode(text)).toStdString();
}

const std::string kNoColumn = "refused: f: no address column in its first 20 lines; looked for "
                              "Address, Start address, DMX, DMX Address, Dmxno, DMX#, Patch or "
                              "Patch Address.";
const std::string kNotWhole = "is not a whole number.";
const std::string kNoNotation = "\" is in none of the notations 17, 2/17, 2.17, 2-17, 2:17 or "
                                "2/17<32.";

TEST(PatchList, FindsTheHeaderDecodesTheTextAndReadsRowsAsExportsWriteThem) {
    const QString unicode = QStringLiteral("Name\tDMX\r\nBühne\t7\r\n");
    const std::string title = times(19, "Patch of the show, page 1\n");
    // clang-format off
    check(patchList, {
        {"commas", "Name,Address\nSpot 1,1\nSpot 2,17\n", "Spot 1 1 @2; Spot 2 17 @3; "},
        {"semicolons", "Fixture;Mode;DMX\nBühne;16ch;100\n", "Bühne 100 @2; "},
        {"tabs", "Name\tDMX\tFID\nA\t7\t101\n", "A #101 7 @2; "},
        {"a header on line 20", title + "DMX\n5\n", "5 @21; "},
        {"a header on line 21", title + "\nDMX\n5\n", kNoColumn},
        {"a header after a START_ marker", times(30, "1,cue\n") + "START_X\nDMX\n3\n", "3 @33; "},
        {"a marker with empty fields ends it", "DMX,Name\n3,A\nEND_X_2,,,\n1,x\n", "A 3 @2; "},
        {"a name in brackets ends the list", "DMX,Name\n3,A\n[Groups]\n4,B\n", "A 3 @2; "},
        {"capitals, no marker", "Name,DMX\nSPOT_A,5\nEND,6\nX__Y,7\n_X,8\nX_,9\n",
         "SPOT_A 5 @2; END 6 @3; X__Y 7 @4; _X 8 @5; X_ 9 @6; "},
        {"quoted", "\"Name\",\"DMX\"\n\"Wash \"\"A\"\"; left\",33\n\"SR Boom,\nlow\",9\n",
         "Wash \"A\"; left 33 @2; SR Boom, low 9 @3; "},
        {"quotes in a field not quoted", "Name,DMX\n 12\" A \"F\",4\n", R"(12" A "F" 4 @2; )"},
        {"doubled quotes after a blank", "Name,DMX\n \"\"\"\"\"\",4\n", "\"\" 4 @2; "},
        {"blank rows, CRLF, - and 0", "Name,DMX,Chans\r\n,,\r\nA,-,4\r\nB,0/0,4\r\nC,7,-\r\n",
         "A - @3; B - @4; C 7 @5; "},
        {"- among blanks", "Name,DMX\nA, - \n", "A - @2; "},
        {"any case, blanks folded", "name,  START   ADDRESS \nA,2\n", "A 2 @2; "},
        {"the first name listed wins", "Footprint,Channels,DMX\n4,6,1\n", "1x6 @2; "},
        {"notations", "DMX\n2/17\n 3 . 151 < 153\n1-001\n",
         "2/17 @2; 3/151x3 @3 {3 . 151 < 153||}; 1/1 @4 {1-001||}; "},
        {"a universe column", "Universe,Address\n2,17\n-1,5\n", "2/17 @2; -1/5 @3; "},
        {"across universes beside it", "Universe,Address\n2,513\n3,513\n", "513 @2; 3/513 @3; "},
        {"0 channels is none known", "DMX,Channels\n1,0\n2,16\n", "1 @2; 2x16 @3; "},
        {"maker, model and profile", "FIXTURE_MANUFACTURER,FIXTURE_MODEL,DMX,Profile\nETC,S4,1,"
         "dial3\n", "1 @2 [ETC|S4|dial3]; "},
        {"a type that names it too", "Instrument Type,Head type,DMX\nPar,Par 64,1\n",
         "Par 1 @2 [|Par|]; "},

        {"UTF-8 with a mark", "\xEF\xBB\xBF" "address\r\n49\r\n", "49 @2; "},
        {"a mark before Windows-1252", "\xEF\xBB\xBF" "DMX,Name\n1,B\xFC\n", "B\u00FC 1 @2; "},
        {"Windows-1252", "DMX,Name\n1,\x80 \x84S\xDF\x93\n", "€ „Sß“ 1 @2; "},
        {"UTF-16LE", utf16(unicode, false, true), "Bühne 7 @2; "},
        {"UTF-16BE", utf16(unicode, true, true), "Bühne 7 @2; "},
        {"C0 and DEL", "DMX,Name\n1,\x1B[31mR\x7F\n", "\uFFFD[31mR\uFFFD 1 @2; "},
        {"C1 in UTF-8", "DMX,Name\n1,a\xC2\x9B" "b\n", "a\uFFFDb 1 @2; "},
        {"C1 in Windows-1252", "DMX,Name\n1,\x81\x9D\n", "\uFFFD\uFFFD 1 @2; "},
    });
    // clang-format on
}

TEST(PatchList, RefusesWhatIsPlainlyWrongQuotingItAsWritten) {
    const std::string sevens(38, '7');
    const std::string fixture = "refused: Fixture 1 (line 2): ";
    const std::string address = "start address \"";
    // clang-format off
    check(patchList, {
        {"unclosed", "DMX\n1\n\"2\n", "refused: f, line 3: a quoted field is never closed."},
        {"no notation", "Name;DMX\nA;1\n\nB;x1\n", "refused: Fixture \"B\" (line 4): " + address
         + "x1" + kNoNotation},
        {"cut short", "DMX\n" + sevens + "xyz\n", fixture + address + sevens + "x…" + kNoNotation},
        {"cut between characters", "DMX\n" + sevens + "\U0001F600y\n", fixture + address + sevens
         + "…" + kNoNotation},
        {"a control character", "DMX\n1\x1B\n", fixture + address + "1\uFFFD" + kNoNotation},
        {"universe", "Universe,DMX\nB,1\n", fixture + "universe \"B\" is not a whole number."},
        {"channels", "DMX,Chans\n1,x\n", fixture + "channel count \"x\" is not a whole number."},
        {"a last address first", "DMX\n3/99999999999<5\n",
         fixture + "its address \"3/99999999999<5\" ends before it starts."},
    });
    check(patchList, {{"a universe of many digits", "Universe,DMX\n" + sevens + "777,1\n",
                             "1000000000/1 @2 {1|" + sevens + "7…|}; "}});
    // clang-format on
}

TEST(PatchList, HoldsRowsAndRigsToTheirLimits) {
    const std::int64_t fields = riglimits::kMostFields;
    const std::int64_t length = riglimits::kLongestRecord;
    const auto fixtures = static_cast<std::int64_t>(riglimits::kMostFixtures);
    const auto row = [](std::int64_t characters) {
        return "DMX,N\n1," + std::string(static_cast<std::size_t>(characters - 2), 'n') + "\n";
    };
    const std::string tooMany = " fields; no patch list has that many columns.";
    const std::string tooLong = "refused: f, line 2: a row longer than 1048576 characters; no "
                                "patch list has rows that long.";
    // clang-format off
    check(counted(patchList), {
        {"fields in a header", "DMX" + times(fields - 1, ",x") + "\n7\n", "1 @2; "},
        {"fields in a row", "DMX\n7" + times(fields - 1, ",") + "\n", "1 @2; "},
        {"characters", row(length) + "2\n", "2 @3; "},
        {"fixtures", "DMX\n" + times(fixtures, "1\n"), "100000 @100001; "},
    });
    check(patchList, {
        {"a field too many in a header", "DMX" + times(fields, ",x") + "\n7\n", "refused: f, line "
         "1: a row of more than 1000" + tooMany},
        {"a field too many", "DMX\n1\n7" + times(fields, ",") + "\n", "refused: f, line 3: a row "
         "of more than 1000" + tooMany},
        {"a character too many", row(length + 1), tooLong},
        {"a quote left open", "DMX,N\n1,\"" + std::string(1 << 21, 'n') + "\n", tooLong},
        {"a fixture too many", "DMX\n" + times(fixtures + 1, "1\n"),
         "refused: f: more than 100000 fixtures; no rig with address switches is that large."},
    });
    // clang-format on
}

// The row repeated, its "|" dropped and brought onto each boundary between
// pieces up to until bytes by a line of blanks before it; unit is the bytes
// of a character, mark those of a byte order mark.
QString acrossPieces(QString text, const QString& row, qsizetype until, qsizetype unit = 1,
                     qsizetype mark = 0) {
    const qsizetype split = row.indexOf(u'|');
    for (qsizetype end = PatchList::kPiece; end <= until; end += PatchList::kPiece) {
        text += QString((end - mark) / unit - text.size() - split - 1, u' ') + u'\n' +
                row.first(split) + row.sliced(split + 1);
    }
    return text;
}

// Each run of fixtures alike but for their lines: one in short, how many, the
// last one's line.
Read alike(const Read& read) {
    return [read](const QByteArray& bytes, const QString& file) {
        Rig rig;
        std::string previous;
        int count = 0;
        for (SwitchChart::Fixture fixture : read(bytes, file).fixtures) {
            const int line = std::exchange(fixture.line, 0);
            count = describe(fixture) == previous ? count + 1 : 1;
            if (count == 1) {
                previous = describe(fixture);
                rig.notes.emplace_back();
            }
            rig.notes.back() =
                previous + " *" + std::to_string(count) + " @" + std::to_string(line);
        }
        return rig;
    };
}

TEST(PatchList, ReadsItsTextAPieceAtATimeAsIfWhole) {
    const qsizetype two = 2 * PatchList::kPiece;
    const qsizetype window = 3 * riglimits::kLongestRecord; // past the first window of text
    const auto bytes = [](const char* head, const char* row, qsizetype until) {
        return acrossPieces(QString::fromLatin1(head), QString::fromLatin1(row), until)
            .toLatin1()
            .toStdString();
    };
    const std::string rows = std::to_string(window / PatchList::kPiece) + " @";
    const QString emoji = QString(QChar(0xD83D)) + u'|' + QChar(0xDE00) + QStringLiteral(",7\n");
    const std::string cue = "Cue" + std::string(window - 44, ' ') + "\r\nSTART_X\r\nDMX\r\n7\r\n";
    // clang-format off
    check(alike(patchList), {
        {"UTF-8", bytes("Name,DMX\n", "B\xC3|\xBChne,7\n", two), "Bühne 7 *2 @5; "},
        {"UTF-16", utf16(acrossPieces(QStringLiteral("Name,DMX\n"), emoji, two, 2, 2), false, true),
         "\U0001F600 7 *2 @5; "},
        {"Windows-1252 late", bytes("Name,DMX\n", "|B\xFC,7\n", two), "Bü 7 *2 @5; "},
        {"a quoted line break", bytes("Name,DMX\n", "\"Wash|\nleft\",7\n", window),
         "Wash left 7 *" + rows + std::to_string(window / PatchList::kPiece * 3) + "; "},
        {"CR LF", bytes("Name,DMX\r\n", "A,7\r|\n", window),
         "A 7 *" + rows + std::to_string(window / PatchList::kPiece * 2 + 1) + "; "},
        {"CR LF passed over", times(20, "x\n") + cue, "7 *1 @24; "},
    });
    check(patchList, {{"UTF-16, an odd byte last", utf16(QStringLiteral("DMX\n7"), false, true) + "!",
                       "refused: Fixture 1 (line 2): start address \"7\uFFFD" + kNoNotation}});
    // clang-format on
    // Room for a fixture a line from the header on.
    const std::string reserved = utf16(QStringLiteral("Title\nDMX,Name\n1,\u010A\n"), false, true);
    EXPECT_EQ(PatchList::read(QByteArray::fromStdString(reserved), "f").fixtures.capacity(), 3U);
}

TEST(PatchColumns, TheReadmeAndTheManualPageListTheNamesAsTheTableDoes) {
    QFile readme(BRISOLANT_SOURCE "/README.md");
    QFile page(BRISOLANT_SOURCE "/packaging/Brisolant.1");
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly) && page.open(QIODevice::ReadOnly));
    const QString markdown = QString::fromUtf8(readme.readAll()).remove(u'`');
    // The manual page's bold names and the separators between them, as a
    // reader of the page sees them.
    QString manual;
    static const QRegularExpression words(QStringLiteral(R"re(^\.BR |"([^"]*)"|(\S+))re"));
    for (const QString& line : QString::fromUtf8(page.readAll()).split(u'\n')) {
        for (const auto& word : words.globalMatch(line.startsWith(".BR ") ? line : "")) {
            manual += word.captured(1) + word.captured(2);
        }
        manual += u' ';
    }
    for (const PatchColumns::Kind kind : PatchColumns::kKinds) {
        const QString listed = PatchColumns::listed(kind, QStringLiteral(", "));
        EXPECT_TRUE(markdown.contains(": " + listed + ";") ||
                    markdown.contains(": " + listed + "."))
            << listed.toStdString();
        EXPECT_TRUE(manual.contains(listed)) << listed.toStdString();
    }
}

std::string gma3(const std::string& fixtures) {
    return "<?xml version=\"1.0\"?>\n<GMA3 DataVersion=\"2.1\"><Fixtures>\n" + fixtures +
           "</Fixtures></GMA3>\n";
}

TEST(Grandma3Export, ReadsEachBreakOfEachFixtureWhereverItSits) {
    const std::string breaks = "<Fixture Name=\"S\" FID=\"101\" Patch=\"1.001\"/>\n<Fixture "
                               "Name=\"C\" FID=\"None\" CID=\"7\" Patch=\"2.100,3.001\"/>";
    // clang-format off
    check(grandma3, {
        {"names, FIDs, breaks", gma3(breaks), "S #101 1/1 @3 {1.001||}; C (break 1) #7 2/100 @4 "
         "{2.100||}; C (break 2) #7 3/1 @4 {3.001||}; "},
        {"not patched, inside a fixture",
         gma3(R"(<Fixture Name="A" Patch=""><Fixture Name="B" Patch="0.0"/></Fixture>)"),
         "A - @3; B - @3; "},
        {"no notation", gma3(R"(<Fixture Name="A" Patch="1.1&lt;3"/>)"),
         R"(refused: Fixture "A" (line 3): patch "1.1<3" is not Universe.Address.)"},
        {"as written", gma3("<Fixture Patch=\"70000.1\"/>"), "70000/1 @3 {70000.1||}; "},
        {"its fixture type", gma3(R"(<Fixture FixtureType="3 MAC Aura" Patch="1.1"/>)"),
         "1/1 @3 [|3 MAC Aura|] {1.1||}; "},
        {"a control character", gma3("<Fixture Name=\"A\x7F\"/>"), "A\uFFFD - @3; "},
        {"white space folded, empty breaks counted",
         gma3("<Fixture Name=\" A \t B\" FixtureType=\"C\xC2\xA0\" FID=\"None\" CID=\"None\" "
              "Patch=\" 1.1 ,, - ,2.1\"/>"),
         "A B (break 1) 1/1 @3 [|C|] {1.1||}; A B (break 4) 2/1 @3 [|C|] {2.1||}; "},
    });
    // clang-format on
}

TEST(XmlReader, HoldsXmlToItsLimits) {
    // A namespace declaration is an attribute too.
    const auto attributes = [](std::int64_t count) {
        std::string fixture = "<Fixture xmlns:p=\"u\"";
        for (std::int64_t i = 1; i < count; ++i) {
            fixture += " a" + std::to_string(i) + "=\"\"";
        }
        return gma3(fixture + "/>");
    };
    const auto name = [](std::int64_t length) {
        return gma3("<Fixture " + std::string(static_cast<std::size_t>(length), 'n') + "=\"\"/>");
    };
    // Characters, not bytes: each "\xC3\xBC" is one.
    const auto value = [](std::int64_t length, std::string_view character) {
        return gma3("<Fixture a=\"" + times(length, character) + "\"/>");
    };
    const auto nested = [](std::int64_t depth) {
        return "<GMA3>" + times(depth - 1, "<a>") + times(depth - 1, "</a>") + "</GMA3>";
    };
    const std::string xml = "refused: f: an XML ";
    const std::string none = "; no show file ";
    // clang-format off
    check(counted(grandma3), {
        {"attributes", attributes(riglimits::kMostAttributes), "1 @3; "},
        {"a name", name(riglimits::kLongestXmlName), "1 @3; "},
        {"a value", value(riglimits::kLongestXmlText, "\xC3\xBC"), "1 @3; "},
        {"nesting", nested(riglimits::kDeepestXml), "0 @0; "},
        {"a document type alone", "<!DOCTYPE GMA3 SYSTEM \"[\"><GMA3/>", "0 @0; "},
    });
    check(grandma3, {
        {"an attribute too many", attributes(riglimits::kMostAttributes + 1),
         xml + "element at line 3 has more than 256 attributes" + none + "has that many."},
        {"a name too long", name(riglimits::kLongestXmlName + 1),
         xml + "name at line 3 is longer than 1000 characters" + none + "has names that long."},
        {"a value too long", value(riglimits::kLongestXmlText + 1, "v"),
         xml + "text at line 3 is longer than 1048576 characters" + none + "has texts that long."},
        {"a text too long, however given", gma3("<Fixture>\n" + std::string(1 << 19, 't') + "&amp;" +
         std::string(1 << 19, 't') + "</Fixture>"), xml + "text at line 3 is longer than 1048576 "
         "characters" + none + "has texts that long."},
        {"nested too deep", nested(riglimits::kDeepestXml + 1),
         "refused: f: XML nested more than 100 elements deep at line 1" + none + "needs that."},
        {"entities", "<!DOCTYPE GMA3 [<!ENTITY e \"<Fixture/>\">]><GMA3>&e;</GMA3>",
         "refused: f: XML that declares entities or attributes of its own (line 1)" + none +
         "does."},
    });
    // clang-format on
}

TEST(XmlReader, RefusesATagOfTooManyAttributesBeforeReadingItWhole) {
    // Longer than a piece fed to expat, each attribute on a line of its own.
    const auto tag = [](std::int64_t count, const std::string& first, const std::string& value) {
        std::string fixture = "<Fixture " + first;
        for (std::int64_t i = 1; i < count; ++i) {
            fixture += "\n a" + std::to_string(i) + "=" + value;
        }
        return gma3(fixture + "/>");
    };
    const std::string many = tag(40'000, "a0=''", "''");
    const std::string xml = "refused: f: an XML ";
    // clang-format off
    check(counted(grandma3), {
        {"the most attributes", tag(256, "a0=''", "'" + times(500, "v>") + "'"), "1 @3; "},
        {"'=' in values", tag(250, "a0=''", "\"" + times(300, "=") + "'\""), "1 @3; "},
        {"'=' in values in single quotes", tag(250, "a0=''", "'" + times(300, "=") + "\"'"), "1 @3; "},
    });
    check(grandma3, {
        {"too many, where the tag starts", many,
         xml + "element at line 3 has more than 256 attributes; no show file has that many."},
        {"a name too long first, as before", tag(40'000, std::string(1001, 'n') + "=''", "''"),
         xml + "name at line 3 is longer than 1000 characters; no show file has names that long."},
    });
    // clang-format on
    ReadControl control;
    const auto size = static_cast<std::int64_t>(many.size());
    EXPECT_THROW((void)RigFile::read(QByteArray::fromStdString(many), "f", &control), ChartRefused);
    EXPECT_LT(control.done, size + size / 2);
}

TEST(XmlReader, ReadsXmlAsAConformingParserDoes) {
    const std::string bad = "refused: f: malformed XML at line ";
    const std::string named = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<GMA3><Fixture "
                              "Name=\"\xCF\xE0\xF0 \xEB\xE5\xE2\xFB\xE9\"/></GMA3>";
    // clang-format off
    check(grandma3, {
        {"references", gma3("<Fixture Name=\"A&amp;B &#x42;&#67;&quot;&lt;&apos;&#x0000000041;\"/>"),
         "A&B BC\"<'A - @3; "},
        {"another namespace's Name is no Name",
         gma3(R"(<m:Fixture xmlns:m="u" xmlns:p="v" p:Name="A" Name="B"/><Fixture p:Name="C" )"
              R"(xmlns:p="v"/>)"), "B - @3; - @3; "},
        {"<!--> opens a comment", gma3("<!--> <Fixture Patch=\"1.1\"/> -->"), ""},
        {"a tag over lines, CR", gma3("\r<Fixture\rName='A'\r/>\r\n<Fixture/>"), "A - @4; - @7; "},
        {"a declared code page", named, "\u041F\u0430\u0440 \u043B\u0435\u0432\u044B\u0439 - @2; "},
        {"Latin-1", "<?xml version='1.0' encoding='ISO-8859-1'?><GMA3><Fixture Name='\xFC'/></GMA3>",
         "\u00FC - @1; "},
        {"a code page of several bytes a character",
         "<?xml version='1.0' encoding='GBK'?><GMA3/>",
         bad + "1: it declares the encoding GBK, which Brisolant does not read."},
        {"a code page that moves ASCII", "<?xml version='1.0' encoding='Shift_JIS'?><GMA3/>",
         bad + "1: it declares the encoding Shift_JIS, which Brisolant does not read."},
        {"an encoding unknown", "<?xml version='1.0' encoding='x-none'?><GMA3/>",
         bad + "1: it declares the encoding x-none, which Brisolant does not read."},
        {"not UTF-8, declaring none", gma3("<Fixture Name=\"B\xFChne\"/>"),
         bad + "3: bytes that are not in the file's encoding (UTF-8 unless it declares another)."},
        {"an unknown entity, where it starts", gma3("<Fixture>x\n\n&nbsp;\ny\n</Fixture>"),
         bad + "5: \"&nbsp;\" stands for no character."},
        {"an entity the file does not declare", "<!DOCTYPE GMA3 SYSTEM \"gma3.dtd\">\n<GMA3>&e;</GMA3>",
         bad + "2: \"&e;\" stands for no character."},
        {"a reference to no character", gma3("<Fixture Name=\"&#1;\"/>"),
         bad + "3: \"&#1;\" stands for no character."},
        {"another element ended", gma3("<Fixture>\n</Fixtures>"),
         bad + "4: </Fixtures> ends <Fixture>."},
        {"an attribute twice", gma3(R"(<Fixture a="1" b="" a="2"/>)"),
         bad + "3: the attribute a is given twice."},
        {"one attribute through two prefixes",
         gma3(R"(<Fixture xmlns:p="u" xmlns:q="u" p:a="1" q:a="2"/>)"),
         bad + "3: <Fixture> has an attribute given twice."},
        {"left open", "<GMA3>\n<Fixtures>", bad + "2: the file ends inside <Fixtures>."},
        {"a second root", gma3("") + "<GMA3/>", bad + "4: more after the root element."},
        {"an undeclared prefix", gma3("<m:Fixture/>"),
         bad + "3: the namespace prefix m is not declared."},
        {"a declaration not first", " " + gma3(""),
         bad + "1: an XML declaration not at the start of the file."},
        {"a comment unended", "<GMA3><!-- x", bad + "1: the file ends inside a tag or a comment."},
        {"no element", "<?xml version=\"1.0\"?>", "refused: f: XML without any element."},
    });
    // clang-format on
}

std::string ma2(const std::string& attributes, std::initializer_list<const char*> addresses,
                const char* inside = "") {
    std::string xml = "<?xml version=\"1.0\"?>\n<MA xmlns=\"http://schemas.malighting.de/grandma2/"
                      "xml/MA\"><Layer>\n<Fixture ";
    xml += attributes + ">" + inside;
    for (const char* address : addresses) {
        xml += std::string("<SubFixture><Patch><Address>") + address +
               "</Address></Patch></SubFixture>";
    }
    return xml + "</Fixture>\n</Layer></MA>\n";
}

TEST(Grandma2Export, ReadsEveryPatchedSubFixtureAsWritten) {
    // clang-format off
    check(grandma2, {
        {"across universes", ma2(R"(name="S" fixture_id="1")", {"1036"}), "S #1 1036 @3; "},
        {"sub-fixtures", ma2(R"(name="B" channel_id="5")", {"1", "0"}),
         "B (sub-fixture 1) #5 1 @3; B (sub-fixture 2) #5 - @3; "},
        {"a minus sign", ma2("name=\"A\"", {"-5"}), "A -5 @3; "},
        {"its fixture type", ma2("", {"1"}, R"(<FixtureType name="7 MAC 700"><No>7</No>)"
         "</FixtureType>"), "1 @3 [|7 MAC 700|]; "},
        {"as written", ma2("", {"99999999999"}), "1000000000 @3 {99999999999||}; "},
        {"no number", ma2("", {"1/1"}), "refused: Fixture 1 (line 3): address \"1/1\" " +
         kNotWhole},
    });
    // clang-format on
}

std::string qlc(const std::string& fields) {
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE Workspace>\n<Workspace xmlns=\"http://www.qlcplus"
           ".org/Workspace\">\n<Engine>\n<Fixture>" +
           fields +
           "</Fixture>\n<Function><Fixture><ID>0</ID></Fixture></Function>\n</Engine>\n"
           "</Workspace>\n";
}

TEST(QlcWorkspace, ReadsThePatchedFixturesCountedFromZero) {
    const std::string half(1 << 19, 't');
    // clang-format off
    check(qlcPlus, {
        {"from 0", qlc("<Name>S</Name><Universe>1</Universe><Address>16</Address><Channels>16"
         "</Channels>"), "S 2/17x16 @5; "},
        {"into the next universe", qlc("<Universe>0</Universe><CrossUniverse>True</CrossUniverse>"
         "<Address>508</Address><Channels>8</Channels>"), "1/509x4 @5 {509|1|8}; "},
        {"not patched", qlc("<Name>Bob&apos;s\x7F</Name>"), "Bob's\uFFFD - @5; "},
        {"maker and model", qlc("<Manufacturer>Martin</Manufacturer><Model>MAC Aura</Model>"),
         "- @5 [Martin|MAC Aura|]; "},
        {"CDATA, comments, children", qlc("<Name>A<![CDATA[<B>]]><!-- c --><i>x</i>C<?p?></Name>"),
         "A<B>C - @5; "},
        {"as written", qlc("<Universe>99999999999</Universe><Address>0</Address>"),
         "1000000001/1 @5 {1|99999999999|}; "},
        {"no number", qlc("<Address>x</Address>"),
         "refused: Fixture 1 (line 5): address \"x\" " + kNotWhole},
        {"a text too long, however split", qlc("<Name>" + half + "<i/>" + half + "&amp;</Name>"),
         "refused: f: an XML text at line 5 is longer than 1048576 characters; no show file has "
         "texts that long."},
    });
    // clang-format on
}

// A GDTF file, and the parts of its description.xml.
std::string gdtf(const std::string& inside, const std::string& type = "") {
    return testzip::zipOf({{"description.xml",
                            "<GDTF><FixtureType" + type + ">" + inside + "</FixtureType></GDTF>"}});
}

std::string mode(const char* geometry, const std::string& channels, const char* name = "M") {
    return std::string("<DMXModes><DMXMode Name=\"") + name + "\" Geometry=\"" + geometry +
           "\"><DMXChannels>" + channels + "</DMXChannels></DMXMode></DMXModes>";
}

std::string channel(const char* dmxBreak, const char* offset, const char* geometry = "B") {
    return std::string("<DMXChannel DMXBreak=\"") + dmxBreak + "\" Offset=\"" + offset +
           "\" Geometry=\"" + geometry + "\"/>";
}

// A bar of cells, two of them repeated by references that give breaks 1 and 2 offsets.
const std::string kCells =
    "<Geometries><Geometry Name=\"Cell\"><Beam Name=\"Lamp\"/></Geometry><Geometry Name=\"Bar\">"
    "<GeometryReference Geometry=\"Cell\"><Break DMXBreak=\"1\" DMXOffset=\"1\"/><Break "
    "DMXBreak=\"2\" DMXOffset=\"1\"/></GeometryReference><GeometryReference Geometry=\"Cell\">"
    "<Break DMXBreak=\"1\" DMXOffset=\"4\"/><Break DMXBreak=\"2\" DMXOffset=\"7\"/>"
    "</GeometryReference></Geometry></Geometries>";

TEST(GdtfFile, CountsEachBreakOfAModeByItsHighestSlot) {
    const struct {
        const char* rule;
        std::string description;
        int dmxBreak;
        std::string expected; // the count, 0 for none, or why the file is refused
    } rows[] = {
        // clang-format off
        {"16 bit, virtual", mode("B", channel("1", "1,2") + channel("1", "None")), 1, "2"},
        {"not in slot order", mode("B", channel("1", "9,10") + channel("1", "3")), 1, "10"},
        {"a break without channels", mode("B", channel("1", "1")), 2, "0"},
        {"moved by a reference", kCells + mode("Bar", channel("1", "1", "Lamp")), 1, "4"},
        {"Overwrite: last break", kCells + mode("Bar", channel("Overwrite", "2", "Cell")), 2, "8"},
        {"no reference gives the break", kCells + mode("Bar", channel("3", "5", "Cell")), 3, "5"},
        {"another geometry's references", kCells + mode("Cell", channel("1", "2", "Lamp")), 1, "2"},
        {"no such mode", mode("B", channel("1", "1"), "N"), 1, "0"},
        {"an Offset no number", mode("B", channel("1", "1,x")), 1, "t, description.xml: the Offset "
         "of the <DMXChannel> at line 1 is \"1,x\", not a number."},
        {"a DMXBreak no number", mode("B", channel("", "1")), 1, "t, description.xml: the DMXBreak "
         "of the <DMXChannel> at line 1 is \"\", not a number."},
        {"a DMXOffset no number", "<Geometries><Geometry Name=\"G\"><GeometryReference><Break "
         "DMXOffset=\"1.5\"/></GeometryReference></Geometry></Geometries>", 1, "t, description.xml: "
         "the DMXOffset of the <Break> at line 1 is \"1.5\", not a number."},
        {"parts at the limit", mode("B", times(riglimits::kMostGdtfParts - 1, channel("1", "1"))), 1,
         "1"},
        {"a part too many", mode("B", times(riglimits::kMostGdtfParts, channel("1", "1"))), 1, "t, "
         "description.xml: more than 100000 modes, channels, geometries and references; no fixture "
         "type has that many."},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        riglimits::InflateBudget budget;
        try {
            GdtfFile file(QByteArray::fromStdString(gdtf(row.description)), "t", budget);
            EXPECT_EQ(std::to_string(file.channels("M", row.dmxBreak).value_or(0)), row.expected);
        } catch (const ChartRefused& refused) {
            EXPECT_EQ(refused.what(), row.expected);
        }
    }
}

std::string fixture(const char* name, const std::string& inside) {
    return std::string("<Fixture name=\"") + name + "\">" + inside + "</Fixture>\n";
}

std::string scene(const std::string& fixtures) {
    return "<?xml version=\"1.0\"?>\n<GeneralSceneDescription><Scene><Layers><Layer><ChildList>\n" +
           fixtures + "</ChildList></Layer></Layers></Scene></GeneralSceneDescription>\n";
}

// A fixture of the GDTF file and mode, at the addresses.
std::string patched(const char* name, const char* gdtfSpec, const char* mode,
                    const char* addresses) {
    return fixture(name, std::string("<GDTFSpec>") + gdtfSpec + "</GDTFSpec><GDTFMode>" + mode +
                             "</GDTFMode><Addresses>" + addresses + "</Addresses>");
}

Rig readMvr(const QByteArray& bytes, const QString& file) {
    return MvrFile::read(bytes, file);
}

const std::string kOne = "its fixtures are charted with 1 channel a break.; ";

TEST(MvrFile, ReadsEveryFixtureWithTheFootprintOfItsGdtfMode) {
    const std::string cyc =
        kCells + mode("Bar", channel("1", "1", "Lamp") + channel("Overwrite", "1", "Cell"));
    const auto mvr = [&cyc](const std::string& fixtures) {
        return testzip::zipOf({{"GeneralSceneDescription.xml", scene(fixtures)},
                               {"ACME@Spot.gdtf",
                                gdtf(mode("B", channel("1", "15,16")),
                                     R"( Manufacturer="Acme Lighting" Name="Spot 700")"),
                                true},
                               {"acme@cyc.GDTF", gdtf(cyc)},
                               {"Bad.gdtf", "<not a zip>"}});
    };
    const std::string wash = "<UnitNumber>7</UnitNumber><Addresses><Address>3.17</Address>"
                             "</Addresses><ChildList>" +
                             fixture("G", "") + "</ChildList>";
    const std::string spot = "<FixtureID>101</FixtureID><GDTFSpec>ACME@Spot</GDTFSpec><GDTFMode>M"
                             "</GDTFMode><Addresses><Address>513</Address></Addresses>";
    const std::string note = "note: the GDTF file \"";
    // clang-format off
    check(readMvr, {
        {"anywhere, FixtureID or UnitNumber, no line",
         mvr("<Group><ChildList>" + fixture("S", spot) + "</ChildList></Group>" +
             fixture("W", wash)),
         "S #101 513x16 [Acme Lighting|Spot 700|]; W #7 3/17 {3.17||}; G -; note: a fixture names no GDTF file; " + kOne},
        {"breaks, a file in any case", mvr(patched("C", "ACME@Cyc.gdtf", "M",
         "<Address break=\"1\">1025</Address><Address>1.1</Address>")),
         "C (break 2) 1025x7 [ACME|Cyc|]; C (break 1) 1/1x4 [ACME|Cyc|] {1.1||}; "},
        {"missing, no zip, no channels, once each",
         mvr(patched("A", "Gone", "M", "<Address>1</Address>") +
         patched("B", "Gone", "M", "<Address>2</Address>") + patched("C", "Bad", "M", "<Address>3"
         "</Address>") + patched("D", "ACME@Spot", "N", "<Address>4</Address>")),
         "A 1 [|Gone|]; B 2 [|Gone|]; C 3 [|Bad|]; D 4 [Acme Lighting|Spot 700|]; " + note + "Gone.gdtf\" is not in the MVR file; " + kOne + note +
         "Bad.gdtf\": not a zip archive, or one cut short; " + kOne + note +
         "ACME@Spot.gdtf\" has no "
         "channels in DMX break 1 of mode \"N\"; " + kOne},
        {"FixtureID before UnitNumber, an empty one none", mvr(fixture("Bob&apos;s", "<UnitNumber>"
         "3</UnitNumber><FixtureID>101</FixtureID>") + fixture("C", "<FixtureID/><UnitNumber>4"
         "</UnitNumber>")), "Bob's #101 -; C #4 -; "},
        {"a break no number", mvr(fixture("B", "<FixtureID>101</FixtureID><Addresses><Address "
         "break=\"x\">1</Address></Addresses>")), "refused: Fixture 101 \"B\": the break \"x\" of "
         "its address \"1\" is no whole number from 0."},
        {"no notation", mvr(patched("B", "", "", "<Address>x</Address>")),
         "refused: Fixture \"B\": "
         "address \"x\" is neither a DMX address counting across universes nor Universe.Address."},
    });
    // clang-format on
}

TEST(MvrFile, RefusesDamagedArchivesAndHoldsEachEntryAndAllToTheirLimits) {
    const std::string ok = scene(patched("A", "", "", "<Address>1</Address>"));
    const std::string zipped = testzip::zipOf({{"GeneralSceneDescription.xml", ok, true}});
    std::string damaged = zipped;
    damaged.replace(damaged.find("<Address>1"), 10, "<Address>2");
    const std::string cannot = "refused: f: the entry \"GeneralSceneDescription.xml\" ";
    // clang-format off
    check(readMvr, {
        {"cut short", zipped.substr(0, zipped.size() / 2), "refused: f: not a zip archive, or one "
         "cut short."},
        {"no scene", testzip::zipOf({{"Scene.xml", ok}}), "refused: f: no "
         "GeneralSceneDescription.xml in it, so it is no MVR file."},
        {"a malformed scene", testzip::zipOf({{"GeneralSceneDescription.xml", "<a"}}),
         "refused: f, "
         "GeneralSceneDescription.xml: malformed XML at line 1: the file ends inside a tag or a "
         "comment."},
        {"a wrong checksum", damaged, cannot + "is damaged (its checksum is wrong)."},
    });
    // clang-format on
    const auto big = [](std::int64_t size) {
        return testzip::zipOf(
            {{"GeneralSceneDescription.xml", scene(patched("A", "B", "M", "<Address>1</Address>"))},
             {"B.gdtf", std::string(static_cast<std::size_t>(size), ' ')}});
    };
    const std::string note = "A 1 [|B|]; note: the GDTF file \"B.gdtf\"";
    // clang-format off
    check(readMvr, {
        {"an entry at the limit", big(riglimits::kLargestZipEntry),
         note + ": not a zip archive, or "
         "one cut short; " + kOne},
        {"a byte past it", big(riglimits::kLargestZipEntry + 1), "A 1 [|B|]; note: the entry "
         "\"B.gdtf\" inflates past 64 MiB; " + kOne},
    });
    // clang-format on
    // Three fixture types, each costing its GDTF file and the description.xml in it.
    std::vector<testzip::Entry> entries = {{"GeneralSceneDescription.xml", ""}};
    std::int64_t cost = 0;
    for (const char* type : {"A", "B", "C"}) {
        const std::string description = mode("B", channel("1", "6")) + std::string(3000, ' ');
        entries.push_back({std::string(type) + ".gdtf",
                           testzip::zipOf({{"description.xml", description}}), true});
        cost += static_cast<std::int64_t>(entries.back().bytes.size() + description.size());
        entries.front().bytes += patched(type, type, "M", "<Address>1</Address>");
    }
    entries.front().bytes = scene(entries.front().bytes);
    cost += static_cast<std::int64_t>(entries.front().bytes.size());
    const QByteArray mvr = QByteArray::fromStdString(testzip::zipOf(entries));
    const auto footprints = [&mvr](std::int64_t budget) {
        std::string counts;
        for (const auto& read : MvrFile::read(mvr, "f", {budget, budget}).fixtures) {
            counts += std::to_string(read.channels);
        }
        return counts;
    };
    EXPECT_EQ(footprints(cost), "666");
    EXPECT_EQ(footprints(cost - 1), "661");
}

// An export as the program named writes it.
std::string exported(const char* name) {
    QFile file(QStringLiteral(BRISOLANT_EXPORTS "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

TEST(RigFile, TellsAFileByWhatItHolds) {
    const QString xml = QStringLiteral("\r\n <GMA3><Fixture Patch=\"1.2\"/></GMA3>");
    const std::string none =
        ">, which is none of the rigs Brisolant reads (MVR, grandMA3, grandMA2, QLC+ workspace).";
    // clang-format off
    check(anyRig, {
        {"a zip", testzip::zipOf({{"GeneralSceneDescription.xml", scene(fixture("M", ""))}}), "M "
         "-; "},
        {"a scene alone", scene(patched("S", "T", "M", "<Address>6</Address>")),
         "S 6 [|T|]; note: the GDTF file \"T.gdtf\" is not there, with the scene alone; " + kOne},
        {"grandMA3, a mark", "\xEF\xBB\xBF" + gma3("<Fixture Patch=\"1.2\"/>"), "1/2 @3 {1.2||}; "},
        {"grandMA2", ma2("", {"3"}), "3 @3; "},
        {"QLC+", qlc("<Address>0</Address>"), "1/1 @5; "},
        {"UTF-16 XML, a line break first", utf16(xml, false, true), "1/2 @2 {1.2||}; "},
        {"UTF-16 XML, no mark", utf16(xml, true, false), "1/2 @2 {1.2||}; "},
        {"a UTF-16BE patch list", utf16(QStringLiteral("DMX\n7\n"), true, true), "7 @2; "},
        {"an Eos export", exported("eos-export.csv"), "DS Wash L #1 1 @3 [ETC|Source Four|]; DS "
         "Wash R #2 2 @4 [ETC|Source Four|]; SR Boom, low #10 97 @5 [ETC|Source Four|]; SR Boom, "
         "high #10 98 @6 [ETC|Source Four|]; Cyc top #21 1/276 @7 [Chauvet|COLORado 1 Solo (Mode "
         "5)|]; Spot 1 #101 2/1 @8 [Martin|MAC Aura (Standard)|]; Practical lamp #201 3/151x3 @9 "
         "[Generic|RGB|] {3/151<153||}; Spare #301 - @10 [Martin|MAC Aura (Standard)|]; House "
         "light #400 832 @11 [ETC|Source Four|]; "},
        {"other XML", "<html/>", "refused: f: XML with the root element <html" + none},
        {"no namespace", "<MA/>", "refused: f: XML with the root element <MA" + none},
    });
    // clang-format on
}

TEST(RigFile, RefusesWhatIsNoFileAtOnceAndReadsNoMoreThanItsLimit) {
    const QTemporaryDir dir;
    const QString at = dir.filePath("at");
    const QString past = dir.filePath("past");
    for (const auto& [path, bytes] : {std::pair{at, "DMX\n1\n2\n"}, {past, "DMX\n1\n2\n\n"}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
    }
    const std::string larger = ": larger than 8 bytes, the most Brisolant reads; no show file is "
                               "that large.";
    const std::string cannot = "unreadable: cannot read the patch list \"";
    const std::string device = "\": it is a device or a socket, not a file.";
    const struct {
        const char* rule;
        QString path;
        QString input; // made standard input for a while
        std::string expected;
    } rows[] = {
        // clang-format off
        {"at the limit", at, {}, "2 fixtures"},
        {"a byte past it", past, {}, "refused: past" + larger},
        {"standard input at the limit", "-", at, "2 fixtures"},
        {"standard input past it", "-", past, "refused: standard input" + larger},
        {"a folder", dir.path(), {}, cannot + dir.path().toStdString() + "\": it is a folder."},
        {"a device that never ends", "/dev/zero", {}, cannot + "/dev/zero" + device},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        const int saved = dup(STDIN_FILENO);
        const int input = open(QFile::encodeName(row.input).constData(), O_RDONLY); // NOLINT
        dup2(input < 0 ? saved : input, STDIN_FILENO);
        std::string result;
        try {
            result = std::to_string(RigFile::readPath(row.path, 8).fixtures.size()) + " fixtures";
        } catch (const std::runtime_error& error) {
            const bool refused = dynamic_cast<const ChartRefused*>(&error) != nullptr;
            result = (refused ? "refused: " : "unreadable: ") + std::string(error.what());
        }
        dup2(saved, STDIN_FILENO);
        close(saved);
        close(input);
        std::clearerr(stdin);
        EXPECT_EQ(result, row.expected);
    }
    EXPECT_EQ(RigFile::title("/a/b/patch\x1B.csv"), "patch\uFFFD.csv");
    EXPECT_EQ(RigFile::title(QString(101, u'n')), QString(99, u'n') + u'\u2026');
}

// Each reader holds what it reads of a fixture before adding it to the rig:
// counted as it comes, the first past the limit refused.
TEST(Rig, EachReaderRefusesTheFirstFixturePastTheLimitBeforeHoldingMore) {
    const auto addresses = [](std::int64_t count, const char* address) {
        return times(count, std::string("<Address>") + address + "</Address>");
    };
    const auto gma2 = [&](std::int64_t count) {
        return ma2("", {},
                   ("<SubFixture><Patch>" + addresses(count, "1") + addresses(2, "0") +
                    "</Patch></SubFixture>")
                       .c_str());
    };
    const auto mvr = [&](std::int64_t count) {
        return scene(fixture("A", "<Addresses>" + addresses(count - 1, "1") + addresses(2, "0") +
                                      "</Addresses>") +
                     fixture("B", ""));
    };
    const auto patch = [](std::int64_t count) {
        return gma3("<Fixture Patch=\"" + times(count - 1, "1.1,") + "0.0,1.1\"/>");
    };
    const auto most = static_cast<std::int64_t>(riglimits::kMostFixtures);
    const std::string tooMany =
        "refused: f: more than 100000 fixtures; no rig with address switches is that large.";
    using Row = std::tuple<const char*, std::string, std::string>;
    for (const auto& [rule, input, expected] :
         {Row{"grandMA2 at the limit", gma2(most), "100000 @3; "},
          Row{"grandMA2 past it", gma2(most + 1), tooMany},
          Row{"grandMA3 at the limit", patch(most), "100000 @3; "},
          Row{"grandMA3 past it", patch(most + 1), tooMany},
          Row{"MVR at the limit", mvr(most), "100000 @0; "},
          Row{"MVR past it", mvr(most + 1), tooMany}}) {
        SCOPED_TRACE(rule);
        EXPECT_EQ(outcome(counted(anyRig), input, "f"), expected);
    }
}

// Every byte counts twice, read and parsed; a reading cancelled stops at the
// next look, here the first, with nothing parsed.
TEST(RigFile, TellsItsProgressAndStopsWhenCancelled) {
    const QTemporaryDir dir;
    const std::string spots = times(15'000, "<Fixture Name=\"Spot\" Patch=\"1.1\"/>\n");
    for (const auto& [rule, bytes] :
         {std::pair{"a patch list", "DMX\n" + times(1000, "1\n")},
          {"XML of two pieces", gma3(spots + spots)},
          {"an MVR", testzip::zipOf({{"GeneralSceneDescription.xml", scene(fixture("S", ""))}})}}) {
        SCOPED_TRACE(rule);
        const auto size = static_cast<std::int64_t>(bytes.size());
        QFile file(dir.filePath("rig"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size);
        file.close();
        ReadControl read;
        EXPECT_FALSE(
            RigFile::readPath(file.fileName(), riglimits::kLargestFile, &read).fixtures.empty());
        EXPECT_EQ(read.done, 2 * size);
        EXPECT_EQ(read.total, 2 * size);
        ReadControl parse;
        parse.cancelled = true;
        EXPECT_THROW((void)RigFile::read(QByteArray::fromStdString(bytes), "f", &parse),
                     ReadCancelled);
        EXPECT_LT(parse.done, size + size / 100);
    }
}

TEST(ZipArchive, ListsNoMoreEntriesThanAZipMayHold) {
    std::vector<testzip::Entry> entries(riglimits::kMostZipEntries, {"x", "", true});
    entries.front() = {"GeneralSceneDescription.xml", scene(fixture("S", "")), true};
    EXPECT_EQ(outcome(anyRig, testzip::zipOf(entries), "f"), "S -; ");
    entries.push_back({"x", "", true});
    EXPECT_EQ(outcome(anyRig, testzip::zipOf(entries), "f"),
              "refused: f: a zip archive of more than 10000 entries; no show file has that many.");
}

} // namespace
} // namespace brisolant
