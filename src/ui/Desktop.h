#pragma once

#include <QString>
#include <QUrl>

namespace korvel::ui {

// Hands addresses, files and folders to the desktop, and starts programs. Tests replace it.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts a program in its own folder.
    virtual bool startProgram(const QString& path) = 0;
};

class SystemDesktop : public Desktop
{
public:
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& path) override;
};

} // namespace korvel::ui
