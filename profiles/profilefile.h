#pragma once

#include "profilebook.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <stdexcept>
#include <string>

namespace brisolant {

// The user's addressing profiles and the rules that give fixture types their
// profile, in a TOML file a technician reads and edits:
//
//   [profile.dimmer-pack]
//   switches = 10
//   function = { 10 = "OFF = dimmer" }
//
//   [[rule]]
//   maker = "Acme"           # optional
//   type = "Pack 6*"
//   profile = "dimmer-pack"
//
// A mistake is refused in one line naming the file, the line and the key.
// The file is a stranger's file too: its size and its counts are bounded
// before anything is kept, and reading it is linear in its size.
class ProfileFile final {
    Q_DECLARE_TR_FUNCTIONS(ProfileFile)

public:
    // A file that cannot be read or written at all; what() is one line.
    class Unreadable final : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    static constexpr qint64 kLargestFile = 4 << 20;
    static constexpr std::size_t kMostProfiles = 1000;
    static constexpr std::size_t kMostRules = 10'000;

    // $XDG_CONFIG_HOME/brisolant/profiles.toml, with ~/.config where it is unset.
    [[nodiscard]] static QString userPath();

    // Adds the profiles and rules of the file at path to book. A user's file
    // that is not there (mayBeMissing) adds nothing. Throws ChartRefused for
    // a mistake in it, Unreadable for a file that cannot be read.
    static void read(const QString& path, ProfileBook& book, bool mayBeMissing = false);
    // The same for the file's bytes; fileName names it in a refusal.
    static void parse(const QByteArray& bytes, const QString& fileName, ProfileBook& book);

    // Keeps the choice of profile for maker's type in the file at path: the
    // exact rule for them takes the profile, or a new rule is added at the
    // end. Everything else in the file stays as it was, comments included,
    // and the file is replaced only by a complete new one. Throws as read(),
    // or Unreadable when it cannot be written.
    static void choose(const QString& path, const std::string& maker, const std::string& type,
                       const std::string& profile);
};

} // namespace brisolant
