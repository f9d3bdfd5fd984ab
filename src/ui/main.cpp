#include <QApplication>
#include <QCommandLineParser>
#include <filesystem>

#include "gui_startup.h"
#include "platform/program_folder.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Hoopvale"));
    QApplication::setApplicationName(QStringLiteral("Hoopvale"));
    QApplication::setApplicationVersion(QString::fromStdString(hv::VersionText()));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hoopvale basketball league simulation"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("Program folder."),
                                  QStringLiteral("DIR"));
    QCommandLineOption seedOption(
        QStringLiteral("seed"), QStringLiteral("Seed of the league's random numbers."), QStringLiteral("N"));
    parser.addOption(homeOption);
    parser.addOption(seedOption);
    parser.process(app);

    hv::Session session;
    std::optional<std::filesystem::path> home;
    if (parser.isSet(homeOption)) home = parser.value(homeOption).toStdString();
    session.league.programFolder =
        hv::ResolveProgramFolder(home, QCoreApplication::applicationFilePath().toStdString());
    if (parser.isSet(seedOption)) session.league.rng.Seed(parser.value(seedOption).toULongLong());

    hv::QtHost host;
    std::unique_ptr<QLockFile> lock;
    auto hub = hv::StartProgram(session, host, lock);
    if (!hub) return 3;
    hub->show();
    return app.exec();
}
