#include "profilefile.h"

#include "chartrefused.h"
#include "filename.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <toml++/toml.h>

#include <algorithm>
#include <optional>
#include <set>

namespace brisolant {

namespace {

using Kind = AddressProfile::Kind;

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int lineOf(const toml::node& node) {
    return static_cast<int>(node.source().begin.line);
}

// Reads one file's profiles and rules into a book, refusing the first mistake.
class Reader {
public:
    Reader(QString fileName, ProfileBook& book)
        : m_fileName(std::move(fileName))
        , m_book(book) {}

    void read(const toml::table& root) {
        // Profiles first, so that a rule may name one defined below it.
        if (const toml::node* profiles = root.get("profile")) {
            const toml::table* table = profiles->as_table();
            if (table == nullptr) {
                refuse(*profiles, "profile", ProfileFile::tr("is a table of profiles"));
            }
            if (table->size() > ProfileFile::kMostProfiles) {
                refuse(*profiles, "profile",
                       ProfileFile::tr("more than %1 profiles").arg(ProfileFile::kMostProfiles));
            }
            for (const auto& [name, definition] : *table) {
                readProfile(std::string(name.str()), definition);
            }
        }
        for (const auto& [key, node] : root) {
            if (key.str() == "rule") {
                readRules(node);
            } else if (key.str() != "profile") {
                refuse(node, std::string(key.str()),
                       ProfileFile::tr("is no key of a profile file; it has [profile.NAME] "
                                       "tables and [[rule]]s"));
            }
        }
    }

    [[noreturn]] void refuse(const toml::node& node, const std::string& key,
                             const QString& why) const {
        refuseAt(lineOf(node), key, why);
    }

    [[noreturn]] void refuseAt(int line, const std::string& key, const QString& why) const {
        // One pass of arg(), so that a "%2" in a name stays as it is.
        throw ChartRefused(ProfileFile::tr("%1, line %2, \"%3\": %4.")
                               .arg(m_fileName, QString::number(line), utf8(key), why)
                               .toStdString());
    }

private:
    // An integer from smallest to largest, or the refusal.
    int integer(const toml::table& table, const std::string& path, const char* key, int smallest,
                int largest, int otherwise) const {
        const toml::node* node = table.get(key);
        if (node == nullptr) {
            return otherwise;
        }
        const std::optional<std::int64_t> value = node->value_exact<std::int64_t>();
        if (!value || *value < smallest || *value > largest) {
            refuse(*node, path + "." + key,
                   ProfileFile::tr("is a whole number from %1 to %2").arg(smallest).arg(largest));
        }
        return static_cast<int>(*value);
    }

    // One of two words, true for the second; otherwise where the key is not given.
    bool either(const toml::table& table, const std::string& path, const char* key,
                const char* first, const char* second, bool otherwise) const {
        const toml::node* node = table.get(key);
        if (node == nullptr) {
            return otherwise;
        }
        const std::optional<std::string_view> word = node->value<std::string_view>();
        if (!word || (*word != first && *word != second)) {
            refuse(*node, path + "." + key,
                   ProfileFile::tr(R"(is "%1" or "%2")")
                       .arg(QLatin1String(first), QLatin1String(second)));
        }
        return *word == second;
    }

    void readProfile(const std::string& name, const toml::node& node) {
        const std::string path = "profile." + name;
        const toml::table* table = node.as_table();
        if (table == nullptr) {
            refuse(node, path, ProfileFile::tr("is a table: [profile.NAME] and its keys"));
        }
        if (!AddressProfile::isName(name)) {
            refuse(node, path,
                   ProfileFile::tr("a profile's name is up to %1 letters, digits, '-', '_' or '.'")
                       .arg(AddressProfile::kLongestName));
        }
        static const std::set<std::string_view> known = {
            "switches", "address", "function", "first",  "on",  "dials",
            "base",     "highest", "display",  "offset", "step"};
        for (const auto& [key, value] : *table) {
            if (!known.contains(key.str())) {
                refuse(value, path + "." + std::string(key.str()),
                       ProfileFile::tr("is no key of a profile"));
            }
        }
        const int kinds = (table->contains("switches") ? 1 : 0) +
                          (table->contains("dials") ? 1 : 0) + (table->contains("display") ? 1 : 0);
        if (kinds != 1) {
            refuse(node, path, ProfileFile::tr("gives one of switches, dials or display"));
        }
        AddressProfile profile;
        profile.name = name;
        profile.offset = integer(*table, path, "offset", 0, 1, 0);
        profile.step = integer(*table, path, "step", 1, 512, 1);
        if (table->contains("switches")) {
            readSwitches(*table, path, profile);
        } else if (table->contains("dials")) {
            profile.kind = Kind::Dials;
            profile.dials = integer(*table, path, "dials", 1, AddressProfile::kMostDials, 3);
            if (const toml::node* base = table->get("base")) {
                profile.base = static_cast<int>(base->value_exact<std::int64_t>().value_or(0));
                if (profile.base != 10 && profile.base != 16) {
                    refuse(*base, path + ".base", ProfileFile::tr("is 10 or 16"));
                }
            }
            profile.mostSignificantFirst = !either(*table, path, "highest", "first", "last", false);
        } else {
            readDisplay(*table, path, profile);
        }
        if (!m_book.add(std::move(profile))) {
            refuse(node, path, ProfileFile::tr("another profile has this name"));
        }
    }

    // Switch number of the block, not named before (named): its index.
    std::size_t switchNumber(const toml::node& node, std::optional<std::int64_t> number,
                             const std::string& key, std::vector<bool>& named) const {
        const auto count = static_cast<std::int64_t>(named.size());
        if (!number || *number < 1 || *number > count) {
            refuse(node, key, ProfileFile::tr("names switches 1 to %1").arg(count));
        }
        const auto index = static_cast<std::size_t>(*number - 1);
        if (named[index]) {
            refuse(node, key, ProfileFile::tr("names switch %1 twice").arg(*number));
        }
        named[index] = true;
        return index;
    }

    void readSwitches(const toml::table& table, const std::string& path, AddressProfile& profile) {
        const int count = integer(table, path, "switches", 1, AddressProfile::kMostSwitches, 9);
        profile.switches.resize(static_cast<std::size_t>(count));
        profile.numberedFromRight = either(table, path, "first", "left", "right", false);
        profile.onDown = either(table, path, "on", "up", "down", false);
        std::vector<bool> named(static_cast<std::size_t>(count));
        if (const toml::node* functions = table.get("function")) {
            const std::string key = path + ".function";
            const toml::table* list = functions->as_table();
            if (list == nullptr) {
                refuse(*functions, key,
                       ProfileFile::tr(R"(is a table such as { 10 = "OFF = DMX" })"));
            }
            for (const auto& [number, setting] : *list) {
                bool isNumber = false;
                const int parsed = utf8(number.str()).toInt(&isNumber);
                const std::size_t index = switchNumber(
                    setting, isNumber ? std::optional<std::int64_t>(parsed) : std::nullopt, key,
                    named);
                readFunction(setting, key + "." + std::string(number.str()),
                             profile.switches[index]);
            }
        }
        readAddress(table, path, profile, named);
        const auto unnamed = std::find(named.begin(), named.end(), false);
        if (unnamed != named.end()) {
            refuse(table, path,
                   ProfileFile::tr("switch %1 is neither in address nor in function")
                       .arg(unnamed - named.begin() + 1));
        }
        if (const char* fault = profile.fault()) {
            refuse(table, path, QCoreApplication::translate("AddressProfile", fault));
        }
    }

    // The address switches, weight 1 first; without the key, every switch no
    // function names, switch 1 weight 1.
    void readAddress(const toml::table& table, const std::string& path, AddressProfile& profile,
                     std::vector<bool>& named) const {
        int weight = 1;
        const toml::node* address = table.get("address");
        if (address == nullptr) {
            for (std::size_t i = 0; i < named.size(); ++i) {
                if (!named[i]) {
                    profile.switches[i].weight = weight;
                    named[i] = true;
                    weight *= 2;
                }
            }
            return;
        }
        const std::string key = path + ".address";
        const toml::array* list = address->as_array();
        if (list == nullptr || list->empty()) {
            refuse(*address, key,
                   ProfileFile::tr("lists the address switches, weight 1 first: [1, 2, 3]"));
        }
        for (const toml::node& number : *list) {
            profile.switches[switchNumber(number, number.value_exact<std::int64_t>(), key, named)]
                .weight = weight;
            weight *= 2;
        }
    }

    // "ON", "OFF", or either with a label: "OFF = DMX".
    void readFunction(const toml::node& node, const std::string& key,
                      AddressProfile::Switch& function) const {
        const std::optional<std::string_view> text = node.value<std::string_view>();
        const QString setting = text ? utf8(*text) : QString();
        const qsizetype equals = setting.indexOf(u'=');
        const QString state = setting.left(equals).trimmed().toUpper();
        const QString label = equals < 0 ? QString() : setting.mid(equals + 1).trimmed();
        if (state != u"ON" && state != u"OFF") {
            refuse(node, key, ProfileFile::tr(R"(is "ON" or "OFF", and a label after "=")"));
        }
        if (static_cast<std::size_t>(label.size()) > AddressProfile::kLongestLabel ||
            std::any_of(label.begin(), label.end(),
                        [](QChar c) { return c.isNonCharacter() || c < u' '; })) {
            refuse(node, key,
                   ProfileFile::tr("a label is up to %1 characters")
                       .arg(AddressProfile::kLongestLabel));
        }
        function.weight = 0;
        function.functionOn = state == u"ON";
        function.label = label.toStdString();
    }

    // The form as the display shows it: "A001", "d.001", "001".
    void readDisplay(const toml::table& table, const std::string& path,
                     AddressProfile& profile) const {
        const toml::node& node = *table.get("display");
        const std::string form = node.value<std::string>().value_or(std::string());
        std::size_t digits = 0;
        while (digits < form.size() && form[form.size() - 1 - digits] >= '0' &&
               form[form.size() - 1 - digits] <= '9') {
            ++digits;
        }
        const std::string prefix = form.substr(0, form.size() - digits);
        // Letters and points, as a display shows them, and nothing a
        // spreadsheet would take for a formula.
        const bool letters = std::all_of(prefix.begin(), prefix.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.';
        });
        if (digits < 1 || digits > AddressProfile::kMostDisplayDigits || prefix.size() > 4 ||
            !letters) {
            refuse(node, path + ".display",
                   ProfileFile::tr("is the text to set with its form, such as \"A001\", \"d.001\" "
                                   "or \"001\""));
        }
        profile.kind = Kind::Display;
        profile.prefix = prefix;
        profile.digits = static_cast<int>(digits);
    }

    void readRules(const toml::node& node) {
        const toml::array* rules = node.as_array();
        if (rules == nullptr || !rules->is_array_of_tables()) {
            refuse(node, "rule", ProfileFile::tr("is a list of [[rule]] tables"));
        }
        if (rules->size() > ProfileFile::kMostRules) {
            refuse(node, "rule",
                   ProfileFile::tr("more than %1 rules").arg(ProfileFile::kMostRules));
        }
        for (const toml::node& element : *rules) {
            m_book.addRule(readRule(*element.as_table()));
        }
    }

    [[nodiscard]] ProfileBook::Rule readRule(const toml::table& rule) const {
        ProfileBook::Rule read;
        for (const auto& [key, value] : rule) {
            const std::string name(key.str());
            const std::optional<std::string> text = value.value_exact<std::string>();
            if (name != "maker" && name != "type" && name != "profile") {
                refuse(value, "rule." + name,
                       ProfileFile::tr("is no key of a rule; it has maker, type and profile"));
            }
            if (!text) {
                refuse(value, "rule." + name, ProfileFile::tr("is a text in quotes"));
            }
            (name == "maker" ? read.maker : name == "type" ? read.type : read.profile) = *text;
        }
        if (!rule.contains("type")) {
            refuse(rule, "rule.type", ProfileFile::tr("is missing; a rule names a type"));
        }
        const toml::node* profile = rule.get("profile");
        if (profile == nullptr) {
            refuse(rule, "rule.profile", ProfileFile::tr("is missing; a rule names a profile"));
        }
        if (!m_book.find(read.profile)) {
            refuse(*profile, "rule.profile",
                   ProfileFile::tr(R"(no profile is called "%1")").arg(utf8(read.profile)));
        }
        return read;
    }

    QString m_fileName;
    ProfileBook& m_book;
};

// The file as messages name it, on one line whatever its name holds.
QString shownName(const QString& path) {
    return filename::quoted(QDir::toNativeSeparators(path));
}

QByteArray readBytes(const QString& path, bool mayBeMissing) {
    const QFileInfo info(path);
    if (!info.exists() && mayBeMissing) {
        return {};
    }
    const QString name = shownName(path);
    if (!info.isFile()) {
        throw ProfileFile::Unreadable(
            ProfileFile::tr("%1: no profile file there.").arg(name).toStdString());
    }
    if (info.size() > ProfileFile::kLargestFile) {
        throw ChartRefused(ProfileFile::tr("%1: larger than %2 MiB; no profile file is that large.")
                               .arg(name)
                               .arg(ProfileFile::kLargestFile >> 20)
                               .toStdString());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ProfileFile::Unreadable(
            ProfileFile::tr("%1: %2.").arg(name, file.errorString()).toStdString());
    }
    // Read to one byte past the limit, in case the file grew since.
    QByteArray bytes = file.read(ProfileFile::kLargestFile + 1);
    if (bytes.size() > ProfileFile::kLargestFile) {
        throw ChartRefused(ProfileFile::tr("%1: larger than %2 MiB; no profile file is that large.")
                               .arg(name)
                               .arg(ProfileFile::kLargestFile >> 20)
                               .toStdString());
    }
    return bytes;
}

toml::table parsed(const QByteArray& bytes, const QString& fileName) {
    try {
        return toml::parse(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const toml::parse_error& error) {
        throw ChartRefused(ProfileFile::tr("%1, line %2: not a TOML file as written: %3.")
                               .arg(fileName, QString::number(error.source().begin.line),
                                    utf8(error.description()))
                               .toStdString());
    }
}

// A TOML basic string, quotes and all.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            static constexpr std::string_view kHex = "0123456789ABCDEF";
            out += "\\u00";
            out += kHex.at(static_cast<unsigned char>(c) >> 4U);
            out += kHex.at(static_cast<unsigned char>(c) & 0xFU);
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// Where the one-line string that starts at the position's line and column
// (in characters, from 1) lies in bytes, quotes included; nothing where it is
// not one.
std::optional<std::pair<qsizetype, qsizetype>> stringAt(const QByteArray& bytes,
                                                        const toml::source_position& position) {
    qsizetype at = 0;
    for (toml::source_index line = 1; line < position.line; ++line) {
        at = bytes.indexOf('\n', at);
        if (at < 0) {
            return std::nullopt;
        }
        ++at;
    }
    const auto continues = [&bytes](qsizetype i) {
        return i < bytes.size() && (static_cast<unsigned char>(bytes[i]) & 0xC0U) == 0x80U;
    };
    for (toml::source_index column = 1; column < position.column; ++column) {
        if (at >= bytes.size() || bytes[at] == '\n') {
            return std::nullopt;
        }
        ++at;
        while (continues(at)) {
            ++at;
        }
    }
    if (at >= bytes.size() || (bytes[at] != '"' && bytes[at] != '\'') ||
        bytes.mid(at, 3) == R"(""")" || bytes.mid(at, 3) == "'''") {
        return std::nullopt;
    }
    const char quote = bytes[at];
    for (qsizetype end = at + 1; end < bytes.size() && bytes[end] != '\n'; ++end) {
        if (quote == '"' && bytes[end] == '\\') {
            ++end;
        } else if (bytes[end] == quote) {
            return std::pair(at, end + 1);
        }
    }
    return std::nullopt;
}

} // namespace

QString ProfileFile::userPath() {
    // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config where it is unset.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/brisolant/profiles.toml");
}

void ProfileFile::read(const QString& path, ProfileBook& book, bool mayBeMissing) {
    const QByteArray bytes = readBytes(path, mayBeMissing);
    if (!bytes.isEmpty()) {
        parse(bytes, shownName(path), book);
    }
}

void ProfileFile::parse(const QByteArray& bytes, const QString& fileName, ProfileBook& book) {
    Reader(fileName, book).read(parsed(bytes, fileName));
}

void ProfileFile::choose(const QString& path, const std::string& maker, const std::string& type,
                         const std::string& profile) {
    QByteArray bytes = readBytes(path, true);
    const QString name = shownName(path);
    ProfileBook before;
    parse(bytes, name, before);
    const toml::table root = parsed(bytes, name);
    std::optional<std::pair<qsizetype, qsizetype>> replaced;
    if (const toml::array* rules = root["rule"].as_array()) {
        for (const toml::node& element : *rules) {
            const toml::table& rule = *element.as_table();
            if (rule["maker"].value_or(std::string()) == maker &&
                rule["type"].value_or(std::string()) == type) {
                replaced = stringAt(bytes, rule.get("profile")->source().begin);
                break;
            }
        }
    }
    if (replaced) {
        bytes.replace(replaced->first, replaced->second - replaced->first,
                      QByteArray::fromStdString(quoted(profile)));
    } else {
        if (bytes.isEmpty()) {
            bytes = "# Brisolant's addressing profiles and the rules that give fixture types "
                    "theirs.\n# See \"Addressing profiles\" in Brisolant's README.\n";
        }
        if (!bytes.endsWith('\n')) {
            bytes += '\n';
        }
        std::string rule = "\n[[rule]]\n";
        if (!maker.empty()) {
            rule += "maker = " + quoted(maker) + "\n";
        }
        rule += "type = " + quoted(type) + "\nprofile = " + quoted(profile) + "\n";
        bytes += QByteArray::fromStdString(rule);
    }
    // What is written must read back with every rule it had and the choice made.
    ProfileBook after;
    bool kept = true;
    try {
        parse(bytes, name, after);
    } catch (const ChartRefused&) {
        kept = false; // a rule added where the file's own form takes none
    }
    const ProfileBook::Profile chosen = kept ? after.ruled(maker, type) : nullptr;
    if (after.rules().size() < before.rules().size() || !chosen || chosen->name != profile) {
        throw Unreadable(tr("%1: the choice cannot be kept there; the file is left as it was.")
                             .arg(name)
                             .toStdString());
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        throw Unreadable(tr("%1: %2.").arg(name, out.errorString()).toStdString());
    }
}

} // namespace brisolant
