#include "toolbutton.h"

#include "handlerboundary.h"

#include <QAction>
#include <QBoxLayout>
#include <QToolButton>

#include <utility>

namespace brisolant {

QAction* addToolButton(QWidget& owner, QBoxLayout& row, HandlerBoundary& boundary, const char* name,
                       const QString& text, const QList<QKeySequence>& keys,
                       const QString& description, std::function<void()> handler) {
    auto* action = new QAction(text, &owner);
    action->setShortcuts(keys);
    owner.addAction(action);
    QObject::connect(action, &QAction::triggered, &owner,
                     [&boundary, handler = std::move(handler)] { boundary.run(handler); });
    auto* tool = new QToolButton(&owner);
    tool->setObjectName(QLatin1String(name));
    tool->setDefaultAction(action);
    tool->setFocusPolicy(Qt::StrongFocus);
    tool->setAccessibleDescription(description);
    row.addWidget(tool);
    return action;
}

} // namespace brisolant
