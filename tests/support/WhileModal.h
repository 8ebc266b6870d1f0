#pragma once

#include <QString>

#include <functional>

class QWidget;

// Runs an action that may open a modal window, as a user who answers it would.
// The first modal window that shows, at once or in the few event loop passes
// after the action, is handed to inside, which must close it. A window that
// inside leaves open, and any other modal window that shows meanwhile (one that
// inside opens included, unless inside answers it through a WhileModal of its
// own), fails the test and is hidden: the action always returns.
// Returns the first window's object name, empty when none showed.
QString WhileModal(const std::function<void()>& action, const std::function<void(QWidget*)>& inside);
