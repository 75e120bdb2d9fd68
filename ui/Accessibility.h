#pragma once

class QWidget;

// Leaves a control of a form out of what screen readers see of the form. It is
// still painted; another control names what it shows.
void HideFromScreenReaders(QWidget* control);

// Makes screen readers see each form with its controls minus those hidden
// above. Called before any form is created; calls after the first do nothing.
void InstallFormAccessibility();
