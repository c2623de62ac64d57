#include "chartrefused.h"
#include "profilefile.h"
#include "switchchart.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace brisolant {
namespace {

std::string refusalOf(const QByteArray& text) {
    try {
        ProfileBook book;
        ProfileFile::parse(text, QStringLiteral("p.toml"), book);
    } catch (const ChartRefused& refused) {
        return refused.what();
    }
    return "read";
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The README's worked examples, as the user copies them.
TEST(ProfileFile, ReadmeExamplesSetTheirFixturesAsTheirManualsSay) {
    ProfileBook book;
    ProfileFile::read(QStringLiteral(BRISOLANT_SOURCE "/docs/example-profiles.toml"), book);
    const struct {
        const char* maker;
        const char* type;
        int address;
        const char* profile;
        const char* digits;
        const char* set;
    } rows[] = {
        // clang-format off
        {"", "Scanner 12 Pro", 100, "twelve", "001001100100", "3 6 7 10"},
        {"Example Lighting", "Decoder 4", 9, "decoder", "0000000010", "9"},
        {"Other", "Decoder 4", 9, "dip9", "100100000", "1 4"},
        {"", "Wash 7 (hung)", 261, "upside-down", "101000001", "1 3 9"},
        {"", "LED Dimmer 4x5A", 56, "led-dials", "", "0 5 6"},
        {"", "Mini Spot", 17, "menu", "", "d.017"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        SwitchChart::Fixture fixture;
        fixture.maker = row.maker;
        fixture.type = row.type;
        fixture.address = row.address;
        const SwitchChart::Row charted =
            SwitchChart::make({fixture}, SwitchChart::Unsettable::Refuse, book).rows.front();
        EXPECT_EQ(charted.profile->name, row.profile);
        EXPECT_EQ(charted.switchDigits(), row.digits);
        EXPECT_EQ(charted.setting(), row.set);
    }
    const ProfileBook::Profile upsideDown = book.find("upside-down");
    EXPECT_TRUE(upsideDown->numberedFromRight && upsideDown->onDown);
    EXPECT_EQ(book.find("decoder")->highestAddress(), 509);
    EXPECT_EQ(book.find("twelve")->switches[11].label, "master");
}

TEST(ProfileFile, MistakeRefusedInOneLineWithFileLineAndKey) {
    const struct {
        const char* text;
        const char* refusal;
    } rows[] = {
        // clang-format off
        {"[profile.x]\nswitches = 17\n", "p.toml, line 2, \"profile.x.switches\": is a whole number from 1 to 16."},
        {"[profile.x]\nswitches = 10\naddress = [1, 2, 3]\n", "p.toml, line 1, \"profile.x\": switch 4 is neither in address nor in function."},
        {"[profile.x]\nswitches = 10\naddress = [1, 1]\n", "line 3, \"profile.x.address\": names switch 1 twice."},
        {"[profile.x]\nswitches = 10\nfunction = { 10 = \"MAYBE\" }\n", R"(line 3, "profile.x.function.10": is "ON" or "OFF")"},
        {"[profile.x]\nswitches = 10\nfunction = { 11 = \"ON\" }\n", "line 3, \"profile.x.function\": names switches 1 to 10."},
        {"[profile.x]\ndials = 3\nbase = 8\n", "line 3, \"profile.x.base\": is 10 or 16."},
        {"[profile.x]\ndisplay = \"=001\"\n", "line 2, \"profile.x.display\": is the text to set"},
        {"[profile.x]\nswitches = 9\nstep = 0\n", "line 3, \"profile.x.step\": is a whole number from 1 to 512."},
        {"[profile.x]\nswitches = 9\noffset = 2\n", "line 3, \"profile.x.offset\": is a whole number from 0 to 1."},
        {"[profile.x]\nswitches = 9\nfirst = \"top\"\n", R"(line 3, "profile.x.first": is "left" or "right".)"},
        {"[profile.x]\nswitches = 9\ncolour = \"red\"\n", "line 3, \"profile.x.colour\": is no key of a profile."},
        {"[profile.x]\nswitches = 9\ndials = 3\n", "line 1, \"profile.x\": gives one of switches, dials or display."},
        {"[profile.dip9]\nswitches = 9\n", "line 1, \"profile.dip9\": another profile has this name."},
        {"[profile.\"a b\"]\nswitches = 9\n", "line 1, \"profile.a b\": a profile's name is up to 40"},
        {"[[rule]]\ntype = \"A\"\nprofile = \"dip11\"\n", R"(line 3, "rule.profile": no profile is called "dip11".)"},
        {"[[rule]]\nprofile = \"dip9\"\n", "line 1, \"rule.type\": is missing; a rule names a type."},
        {"[[rule]]\ntype = \"A\"\nprofile = \"dip9\"\nmakr = \"B\"\n", "line 4, \"rule.makr\": is no key of a rule"},
        {"\n\nrules = 1\n", "line 3, \"rules\": is no key of a profile file"},
        {"[profile.x]\nswitches = = 9\n", "p.toml, line 2: not a TOML file as written: "},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const std::string refusal = refusalOf(row.text);
        EXPECT_NE(refusal.find(row.refusal), std::string::npos) << refusal;
        EXPECT_EQ(refusal.find('\n'), std::string::npos);
    }
}

TEST(ProfileFile, TooLargeOrMissingFiles) {
    const QTemporaryDir folder;
    const QString large = folder.filePath(QStringLiteral("large.toml"));
    write(large, QByteArray(ProfileFile::kLargestFile + 1, '#'));
    ProfileBook book;
    EXPECT_THROW(ProfileFile::read(large, book), ChartRefused);
    // A name is never written to a terminal as it stands.
    const QString missing = folder.filePath(QStringLiteral("none\x1b[2J.toml"));
    try {
        ProfileFile::read(missing, book);
        ADD_FAILURE() << "a missing file read";
    } catch (const ProfileFile::Unreadable& unreadable) {
        EXPECT_NE(std::string(unreadable.what()).find("none\uFFFD[2J.toml: no profile file"),
                  std::string::npos)
            << unreadable.what();
    }
    ProfileFile::read(missing, book, true);
    EXPECT_EQ(book.profiles().size(), AddressProfile::builtIns().size());
}

TEST(ProfileFile, ChoiceKeptWithTheUsersCommentsAndRules) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("brisolant/profiles.toml"));
    ProfileFile::choose(path, "", "Par 64", "dip10");
    const QByteArray created = contentsOf(path);
    ProfileFile::choose(path, "", "Pack \"6\"\t", "display");
    EXPECT_TRUE(created.startsWith("# ")) << created.toStdString();
    EXPECT_EQ(contentsOf(path),
              created + "\n[[rule]]\ntype = \"Pack \\\"6\\\"\\u0009\"\nprofile = \"display\"\n");
    ProfileBook book;
    ProfileFile::read(path, book);
    EXPECT_EQ(book.ruled("", "Pack \"6\"\t")->name, "display");
    EXPECT_EQ(book.ruled("Other", "Par 64")->name, "dip10");

    // A rule of the user's takes the choice where it stands, a character
    // beyond ASCII before it on its line.
    const QByteArray mine =
        "# my rig\nrule = [{ maker = \"\u00c4cme\", type = \"Pack\", profile =  "
        "'dip9' }, # for now\n  { type = \"*\", profile = \"dials3\" }]\n";
    write(path, mine);
    ProfileFile::choose(path, "\u00c4cme", "Pack", "dip10-function-on");
    QByteArray expected = mine;
    expected.replace("'dip9'", "\"dip10-function-on\"");
    EXPECT_EQ(contentsOf(path), expected);
    // No rule can be added to that list: the file is left as it is.
    EXPECT_THROW(ProfileFile::choose(path, "", "Par 64", "dip10"), ProfileFile::Unreadable);
    EXPECT_EQ(contentsOf(path), expected);
    write(path, "[[rule]]\ntype = 1\n");
    EXPECT_THROW(ProfileFile::choose(path, "", "Par 64", "dip10"), ChartRefused);
    EXPECT_EQ(contentsOf(path), "[[rule]]\ntype = 1\n");
}

} // namespace
} // namespace brisolant
