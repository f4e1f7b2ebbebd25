// The few places where the application reaches outside its windows: modal
// message boxes, the default web browser and the end of the program. Tests
// replace them to read what would have been shown without blocking.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace pelizo {

struct MessageRecord {
    QWidget* owner = nullptr;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

struct PlatformHooks {
    std::function<void(const MessageRecord&)> showMessage;
    std::function<void(const QString& url)> openUrl;
    std::function<void(int code)> exitApplication;
};

// The hooks in force; the defaults show a QMessageBox, open the desktop's
// browser and leave the event loop.
PlatformHooks& platformHooks();
void restoreDefaultPlatformHooks();

// A modal message box, or whatever the hooks make of it.
void showMessage(QWidget* owner, const QString& text, const QString& title,
                 QMessageBox::Icon icon = QMessageBox::NoIcon);
void openInBrowser(const QString& url);
// Ends the program: the exit routine runs as main() returns.
void endProgram(int code = 0);

} // namespace pelizo
