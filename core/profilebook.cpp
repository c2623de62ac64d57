#include "profilebook.h"

namespace brisolant {

namespace {

std::string exactKey(std::string_view maker, std::string_view type) {
    std::string key(maker);
    key += '\n';
    key += type;
    return key;
}

bool hasWildcard(const std::string& pattern) {
    return pattern.find('*') != std::string::npos;
}

} // namespace

ProfileBook::ProfileBook() {
    for (const AddressProfile& profile : AddressProfile::builtIns()) {
        add(profile);
    }
    m_fallback = m_profiles.front();
}

bool ProfileBook::add(AddressProfile profile) {
    if (m_byName.contains(profile.name)) {
        return false;
    }
    auto shared = std::make_shared<const AddressProfile>(std::move(profile));
    m_byName.emplace(shared->name, shared);
    m_profiles.push_back(std::move(shared));
    return true;
}

void ProfileBook::addRule(Rule rule) {
    const std::size_t index = m_rules.size();
    if (hasWildcard(rule.maker) || hasWildcard(rule.type)) {
        m_wildcards.push_back(index);
    } else {
        m_exact.try_emplace(exactKey(rule.maker, rule.type), index);
    }
    m_rules.push_back(std::move(rule));
    m_known.clear();
}

void ProfileBook::choose(const std::string& maker, const std::string& type,
                         const std::string& profile) {
    m_exact.insert_or_assign(exactKey(maker, type), m_rules.size());
    m_rules.push_back({maker, type, profile});
    m_known.clear();
}

bool ProfileBook::setFallback(std::string_view name) {
    Profile profile = find(name);
    if (!profile) {
        return false;
    }
    m_fallback = std::move(profile);
    return true;
}

ProfileBook::Profile ProfileBook::find(std::string_view name) const {
    const auto found = m_byName.find(std::string(name));
    return found == m_byName.end() ? nullptr : found->second;
}

ProfileBook::Profile ProfileBook::ruled(const std::string& maker, const std::string& type) const {
    if (m_rules.empty()) {
        return nullptr;
    }
    const std::string key = exactKey(maker, type);
    if (const auto known = m_known.find(key); known != m_known.end()) {
        return known->second;
    }
    const Rule* rule = nullptr;
    if (const auto exact = m_exact.find(key); exact != m_exact.end()) {
        rule = &m_rules[exact->second];
    } else if (const auto anyMaker = m_exact.find(exactKey({}, type)); anyMaker != m_exact.end()) {
        rule = &m_rules[anyMaker->second];
    } else {
        for (const std::size_t index : m_wildcards) {
            const Rule& candidate = m_rules[index];
            if ((candidate.maker.empty() || matches(candidate.maker, maker)) &&
                matches(candidate.type, type)) {
                rule = &candidate;
                break;
            }
        }
    }
    Profile profile = rule != nullptr ? find(rule->profile) : nullptr;
    m_known.emplace(key, profile);
    return profile;
}

bool ProfileBook::matches(std::string_view pattern, std::string_view text) {
    // The usual walk for '*' alone: on a mismatch, the last star takes one
    // more character. Patterns are short, so this stays near linear.
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace brisolant
