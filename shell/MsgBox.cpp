#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
std::function<void(const QString &)> g_recorder;
}

QString MsgBox::title()
{
    return QStringLiteral("Kestrava Pulsar");
}

void MsgBox::show(const QString &text)
{
    if (g_recorder) {
        g_recorder(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

void MsgBox::setRecorder(std::function<void(const QString &)> recorder)
{
    g_recorder = std::move(recorder);
}

void MsgBox::clearRecorder()
{
    g_recorder = nullptr;
}
