#pragma once

class QString;
class QWidget;

// Leaves a control of a form out of what screen readers see of the form. It is
// still painted; another control names what it shows.
void HideFromScreenReaders(QWidget* control);

// Makes screen readers see each form as a frame titled with its caption, with
// its controls minus those hidden above, and after them a status bar and a
// notification that nothing paints, both named with the form's latest
// announcement. Called before any form is created; calls after the first do
// nothing.
void InstallFormAccessibility();

// Tells screen readers what just happened on the form, without moving the
// focus: the status bar takes the text, and the notification is shown again,
// which Orca speaks. (Orca 43 cannot speak a name or description change from
// Qt 6.4, which sends the object instead of the new text.)
void Announce(QWidget* form, const QString& text);
