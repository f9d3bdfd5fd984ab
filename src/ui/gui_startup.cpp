#include "gui_startup.h"

#include "draft_screens.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <filesystem>

#include "reports/league_site.h"

// The compiled-in resources of the static UI library (the program's icon) are registered by name.
static void RegisterResources() {
    Q_INIT_RESOURCE(hoopvale);
}

namespace hv {

std::optional<std::string> ScreenSizeProblem(QSize pixels) {
    if (pixels.width() >= 800 && pixels.height() >= 600) return std::nullopt;
    return "Your screen resolution is " + std::to_string(pixels.width()) + "x" +
           std::to_string(pixels.height()) + ". Hoopvale requires a screen resolution of 800x600 or greater.";
}

std::unique_ptr<frmStart> StartProgram(Session& session, QtHost& host, std::unique_ptr<QLockFile>& lock) {
    RegisterResources();
    // The day loop writes the day's page of the league site through the site's writer.
    InstallSiteHooks();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/hoopvale.png")));
    const auto& home = session.league.programFolder;
    // Only an installed program folder gets the instance lock: a mistyped folder is neither created nor
    // written to, and start-up below says which folder lacks the data.
    std::error_code ec;
    if (std::filesystem::is_regular_file(home / "default.lge", ec)) {
        lock = std::make_unique<QLockFile>(QString::fromStdString((home / "hoopvale.lock").string()));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) {
            host.ShowMessage("Hoopvale is already running...", {}, MessageIcon::Information);
            return nullptr;
        }
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        if (auto problem = ScreenSizeProblem(screen->size())) {
            host.ShowMessage(*problem, {}, MessageIcon::Critical);
            return nullptr;
        }
    }
    auto hub = std::make_unique<frmStart>(session, host);
    host.SetParent(hub.get());
    StartupHooks hooks;
    hooks.showBackground = [&](const std::filesystem::path& file) {
        hub->ShowBackground(QString::fromStdString(file.string()));
    };
    hooks.restorePlacement = [&] { hub->RestorePlacement(); };
    hooks.setCaption = [&](const std::string& caption) {
        hub->setWindowTitle(QString::fromStdString(caption));
    };
    if (!RunStartup(session, host, hooks)) return nullptr;
    frmStart* window = hub.get();
    QObject::connect(window, &frmStart::newGameRequested, window, [&session, &host, window] {
        HubContext context{session, host, window, [window] { window->RefreshFormStart(); }};
        OpenNewGame(context);
    });
    hub->RefreshFormStart();
    return hub;
}

} // namespace hv
