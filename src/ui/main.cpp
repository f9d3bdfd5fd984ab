#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <filesystem>

#include "gui_startup.h"
#include "platform/program_folder.h"
#include "window_memory.h"

namespace {

struct Options {
    std::optional<std::filesystem::path> home;
    std::optional<unsigned long long> seed;
    QString open; // a saved league to load at once
};

// Reads the command line; --help, --version and a bad option print their text and end the program here.
Options ParseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hoopvale basketball league simulation"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("Program folder."),
                                  QStringLiteral("DIR"));
    QCommandLineOption seedOption(
        QStringLiteral("seed"), QStringLiteral("Seed of the league's random numbers."), QStringLiteral("N"));
    QCommandLineOption openOption(QStringLiteral("open"), QStringLiteral("Load the saved league NAME."),
                                  QStringLiteral("NAME"));
    parser.addOption(homeOption);
    parser.addOption(seedOption);
    parser.addOption(openOption);
    parser.process(app);
    Options options;
    if (parser.isSet(homeOption)) options.home = parser.value(homeOption).toStdString();
    if (parser.isSet(seedOption)) options.seed = parser.value(seedOption).toULongLong();
    if (parser.isSet(openOption)) options.open = parser.value(openOption);
    return options;
}

void NameApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Hoopvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Hoopvale"));
    QCoreApplication::setApplicationVersion(QString::fromStdString(hv::VersionText()));
}

// Help and version need no display: they are answered before the windowing system is opened, so that they
// work on a console without one.
bool AsksOnlyForText(int argc, char** argv) {
    static const QStringList textOptions{QStringLiteral("-h"), QStringLiteral("--help"),
                                         QStringLiteral("-?"), QStringLiteral("--help-all"),
                                         QStringLiteral("-v"), QStringLiteral("--version")};
    for (int i = 1; i < argc; ++i)
        if (textOptions.contains(QString::fromLocal8Bit(argv[i]))) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (AsksOnlyForText(argc, argv)) {
        QCoreApplication console(argc, argv);
        NameApplication();
        ParseCommandLine(console); // prints the text and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    NameApplication();
    Options options = ParseCommandLine(app);

    hv::Session session;
    session.league.programFolder =
        hv::ResolveProgramFolder(options.home, QCoreApplication::applicationFilePath().toStdString());
    if (options.seed) session.league.rng.Seed(*options.seed);

    // Every screen reopens at the size the user left it, kept in the per-user settings store.
    hv::WindowMemory windows(
        [] { return std::make_unique<QSettings>(QStringLiteral("Hoopvale"), QStringLiteral("Hoopvale")); });
    app.installEventFilter(&windows);

    hv::QtHost host;
    std::unique_ptr<QLockFile> lock;
    auto hub = hv::StartProgram(session, host, lock);
    if (!hub) return 3;
    hub->show();
    if (!options.open.isEmpty()) hub->OpenLeague(options.open);
    return app.exec();
}
