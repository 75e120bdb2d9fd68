#pragma once

#include <QCoreApplication>
#include <QDialog>

// The program's help, in the user's language: what it computes and which
// result row is which, what the tooltips and the context menu give, every
// key, where Test.txt goes, the version and the licence. Not modal; Escape
// or Close hides it and gives the keyboard back to the window it describes.
class HelpWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(HelpWindow)

public:
    explicit HelpWindow(QWidget* parent);

    // The help as rich text.
    static QString Text();
    static QString ErrorSection();
};
