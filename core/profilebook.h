#pragma once

#include "addressprofile.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brisolant {

// The addressing profiles a chart knows, built-in and the user's, and the
// rules that say which fixture type takes which. A fixture's own profile (a
// patch list's Profile column) wins over the rules; a fixture no rule names
// takes the fallback, dip9 unless the user names another.
class ProfileBook final {
public:
    using Profile = std::shared_ptr<const AddressProfile>;

    // A fixture type as the rig file writes it, matched exactly or with '*'
    // for any run of characters; an empty maker pattern matches any maker.
    struct Rule {
        std::string maker;
        std::string type;
        std::string profile;
    };

    // The built-in profiles, no rules, dip9 the fallback.
    ProfileBook();

    // Adds profile under its name, replacing none: false when the name is taken.
    bool add(AddressProfile profile);
    // Rules are tried in the order added; the caller has checked the profile's name.
    void addRule(Rule rule);
    // The user's choice for maker's type, ahead of every rule for it.
    void choose(const std::string& maker, const std::string& type, const std::string& profile);
    // False, changing nothing, for a name no profile has.
    bool setFallback(std::string_view name);

    [[nodiscard]] Profile find(std::string_view name) const;
    [[nodiscard]] const Profile& fallback() const { return m_fallback; }
    [[nodiscard]] const std::vector<Rule>& rules() const { return m_rules; }
    // Every profile, built-in first, then the user's in the order added.
    [[nodiscard]] const std::vector<Profile>& profiles() const { return m_profiles; }

    // The profile the rules give maker's type: an exact rule for the maker
    // and type, then one for the type and any maker, then the first rule with
    // '*' that matches; nothing when no rule names it. Remembers each type it
    // was asked for, so that a rig of thousands of fixtures of a few types
    // tries the rules a few times.
    [[nodiscard]] Profile ruled(const std::string& maker, const std::string& type) const;

    // Whether text matches pattern, '*' standing for any run of characters.
    [[nodiscard]] static bool matches(std::string_view pattern, std::string_view text);

private:
    std::vector<Profile> m_profiles;
    std::unordered_map<std::string, Profile> m_byName;
    std::vector<Rule> m_rules;
    // Exact rules by maker and type ("maker\ntype"), or by type for any maker
    // ("\ntype"); the first of each.
    std::unordered_map<std::string, std::size_t> m_exact;
    std::vector<std::size_t> m_wildcards;
    Profile m_fallback;
    mutable std::unordered_map<std::string, Profile> m_known;
};

} // namespace brisolant
