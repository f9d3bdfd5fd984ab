#include "gui_startup.h"

#include "draft_screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

namespace hv {

std::optional<std::string> ScreenSizeProblem(QSize pixels) {
    if (pixels.width() >= 800 && pixels.height() >= 600) return std::nullopt;
    return "Your screen resolution is " + std::to_string(pixels.width()) + "x" +
           std::to_string(pixels.height()) + ". Hoopvale requires a screen resolution of 800x600 or greater.";
}

std::unique_ptr<frmStart> StartProgram(Session& session, QtHost& host, std::unique_ptr<QLockFile>& lock) {
    const auto& home = session.league.programFolder;
    std::error_code ec;
    std::filesystem::create_directories(home, ec);
    lock = std::make_unique<QLockFile>(QString::fromStdString((home / "hoopvale.lock").string()));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        host.ShowMessage("Hoopvale is already running...", {}, MessageIcon::Information);
        return nullptr;
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
