#pragma once

#include "profilebook.h"
#include "switchchart.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QListWidget;

namespace brisolant {

// The fixture types of a rig, each with how many fixtures it has and the
// addressing profile the rules give it, and a list of profiles to choose
// another from. Keyboard: Alt+T reaches the types and Alt+R the profiles;
// the arrows choose.
class ProfilePanel final : public QWidget {
    Q_OBJECT

public:
    explicit ProfilePanel(QWidget* parent = nullptr);

    // Lists the types of fixtures, in the order they first appear, as book gives them.
    void setRig(const std::vector<SwitchChart::Fixture>& fixtures, const ProfileBook& book);

Q_SIGNALS:
    // The user chose profile for the fixtures of maker's type.
    void profileChosen(const QString& maker, const QString& type, const QString& profile);

private:
    struct Type {
        std::string maker;
        std::string type;
        std::size_t count = 0;
        std::string profile;
    };

    void showType(int row);
    void choose(int index);
    [[nodiscard]] static QString caption(const Type& type);

    std::vector<Type> m_types;
    QListWidget* m_list = nullptr;
    QComboBox* m_profiles = nullptr;
};

} // namespace brisolant
