#pragma once

#include <QString>
#include <functional>

// The one message box of the program: an OK button only, the title
// "Kestrava Pulsar" and the text exactly as given (plain text). Tests install
// a recorder, which then receives every text instead of a box being shown.
class MsgBox
{
public:
    static void show(const QString &text);

    static QString title();
    static void setRecorder(std::function<void(const QString &text)> recorder);
    static void clearRecorder();
};
