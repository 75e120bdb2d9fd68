#pragma once

#include <QString>

#include <functional>
#include <string>

enum class MessageKind {
    Message, // ShowMessage: information with an OK button
    Error,   // an exception shown by the application
};

// Everything the program shows in a modal box passes through one presenter.
// The default shows a real modal QMessageBox; tests install one that records.
using MessagePresenter = std::function<void(MessageKind kind, const std::string& text)>;

// Installs a presenter and returns the one it replaces. An empty presenter
// restores the real message boxes.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// A modal box with the text and an OK button; returns when it is dismissed.
void ShowMessage(const std::string& text);

// A modal error box with the text.
void ShowErrorMessage(const std::string& text);

// The text as a message box shows it: control characters made visible, and a
// very long text (say, pasted into an input) cut in the middle so that the box
// still fits on the screen.
QString MessageBoxText(const std::string& text);
