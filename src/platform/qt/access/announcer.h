#pragma once

// Qt
#include <QAccessible>
#include <QString>

namespace pipstone {

// Whether an assistive technology listens; without one the game tells it
// nothing and costs nothing.
bool screenReaderListening();

// Announces a line on the object that has the focus. Screen readers present
// a change of the focused object's description, but Qt's bridge sends that
// change without its text: a reader asks for the text afterwards, when a
// later line may have replaced it. So the change is sent here on the
// accessibility bus with the line itself in the event, and a second change
// back to the object's own, empty description follows (which readers say
// nothing for), so that no reader's cache keeps the line as the description.
void announce(QAccessibleInterface *focused, const QString &line);

// Hands an event on to the screen readers as Qt would: through the update
// handler that was installed before ours, or to the platform's bridge.
void forwardToScreenReaders(QAccessibleEvent *event, QAccessible::UpdateHandler previous);

} // namespace pipstone
