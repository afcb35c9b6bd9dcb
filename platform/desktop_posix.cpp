// The desktop services of a Linux or other free desktop. Programs are started from
// argument lists, never through a shell, so no address can smuggle in a command.
#ifndef _WIN32

#include "launch_table.h"
#include "platform.h"

#include <QCursor>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace parvelo {

namespace {

bool start_first_installed(std::span<const std::string_view> programs, const QStringList &args)
{
    for (const std::string_view name : programs) {
        const QString path = QStandardPaths::findExecutable(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        if (!path.isEmpty())
            return QProcess::startDetached(path, args);
    }
    return false;
}

class PosixDesktop final : public Platform
{
public:
    bool create_process(const std::string &command_line) override
    {
        return start_first_installed(programs_for_command_line(command_line), {});
    }

    bool shell_open(const std::string &file, const std::string &parameters, ShowState) override
    {
        // "explorer.exe" with an address is how the banner asks for a web page.
        const std::string &target = file == "explorer.exe" ? parameters : file;
        if (target.empty())
            return false;
        const QString text = QString::fromStdString(target);
        const QUrl url(text, QUrl::StrictMode);
        if (url.isValid() && !url.scheme().isEmpty() && QDesktopServices::openUrl(url))
            return true;
        // A leading '-' would read as an option to the browser.
        if (text.startsWith(u'-'))
            return false;
        return start_first_installed(web_browser_programs(), {text});
    }

    QPoint cursor_position() const override { return QCursor::pos(); }
};

} // namespace

std::unique_ptr<Platform> make_desktop_platform()
{
    return std::make_unique<PosixDesktop>();
}

} // namespace parvelo

#endif
