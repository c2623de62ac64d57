#include "profilepanel.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include <unordered_map>

namespace brisolant {

ProfilePanel::ProfilePanel(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* typesLabel = new QLabel(tr("Fixture &types:"), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("fixtureTypes"));
    m_list->setAccessibleName(tr("Fixture types"));
    m_list->setAccessibleDescription(
        tr("Each fixture type of the file, how many fixtures it has and the addressing profile "
           "they are charted with."));
    typesLabel->setBuddy(m_list);
    auto* profileLabel = new QLabel(tr("P&rofile:"), this);
    m_profiles = new QComboBox(this);
    m_profiles->setObjectName(QStringLiteral("profile"));
    m_profiles->setAccessibleName(tr("Addressing profile"));
    m_profiles->setAccessibleDescription(
        tr("How the fixtures of the chosen type take their start address. The chart is drawn "
           "again at once, and the choice is kept for the next rig with this type."));
    profileLabel->setBuddy(m_profiles);
    layout->addWidget(typesLabel, 0, Qt::AlignTop);
    layout->addWidget(m_list, 1);
    layout->addWidget(profileLabel, 0, Qt::AlignTop);
    layout->addWidget(m_profiles, 0, Qt::AlignTop);
    // As high as four types; more scroll.
    m_list->setFixedHeight(m_list->fontMetrics().lineSpacing() * 4 + 2 * m_list->frameWidth() + 8);
    connect(m_list, &QListWidget::currentRowChanged, this, &ProfilePanel::showType);
    connect(m_profiles, &QComboBox::activated, this, &ProfilePanel::choose);
}

QString ProfilePanel::caption(const Type& type) {
    QString name = QString::fromStdString(type.type);
    if (!type.maker.empty()) {
        name = QString::fromStdString(type.maker) + u' ' + name;
    }
    if (type.type.empty()) {
        //: Fixtures whose file names no fixture type.
        name = tr("No type named");
    }
    const QString profile = QString::fromStdString(type.profile);
    //: A fixture type, how many fixtures of it the rig has, and its addressing profile.
    return type.count == 1 ? tr("%1: 1 fixture, %2").arg(name, profile)
                           : tr("%1: %n fixtures, %2", nullptr, static_cast<int>(type.count))
                                 .arg(name, profile);
}

void ProfilePanel::setRig(const std::vector<SwitchChart::Fixture>& fixtures,
                          const ProfileBook& book) {
    const int current = std::max(0, m_list->currentRow());
    m_types.clear();
    std::unordered_map<std::string, std::size_t> known;
    for (const SwitchChart::Fixture& fixture : fixtures) {
        const auto [where, added] =
            known.try_emplace(fixture.maker + '\n' + fixture.type, m_types.size());
        if (added) {
            const ProfileBook::Profile ruled = book.ruled(fixture.maker, fixture.type);
            m_types.push_back(
                {fixture.maker, fixture.type, 0, ruled ? ruled->name : book.fallback()->name});
        }
        ++m_types[where->second].count;
    }
    m_profiles->clear();
    for (const ProfileBook::Profile& profile : book.profiles()) {
        m_profiles->addItem(QString::fromStdString(profile->name));
    }
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const Type& type : m_types) {
        m_list->addItem(caption(type));
    }
    m_list->setCurrentRow(std::min(current, static_cast<int>(m_types.size()) - 1));
    showType(m_list->currentRow());
}

void ProfilePanel::showType(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < m_types.size()) {
        m_profiles->setCurrentText(
            QString::fromStdString(m_types[static_cast<std::size_t>(row)].profile));
    }
}

void ProfilePanel::choose(int index) {
    const int row = m_list->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_types.size()) {
        return;
    }
    Type& type = m_types[static_cast<std::size_t>(row)];
    type.profile = m_profiles->itemText(index).toStdString();
    m_list->item(row)->setText(caption(type));
    Q_EMIT profileChosen(QString::fromStdString(type.maker), QString::fromStdString(type.type),
                         m_profiles->itemText(index));
}

} // namespace brisolant

#include "moc_profilepanel.cpp"
