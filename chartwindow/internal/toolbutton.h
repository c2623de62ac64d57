#pragma once

#include <QKeySequence>
#include <QList>

#include <functional>

class QAction;
class QBoxLayout;
class QString;
class QWidget;

namespace brisolant {

class HandlerBoundary;

// A tool button in row for an action of owner's, named for tests and
// described for screen readers: its keys work anywhere in owner, and its
// handler runs within boundary. Returns the action, to enable or disable.
QAction* addToolButton(QWidget& owner, QBoxLayout& row, HandlerBoundary& boundary, const char* name,
                       const QString& text, const QList<QKeySequence>& keys,
                       const QString& description, std::function<void()> handler);

} // namespace brisolant
