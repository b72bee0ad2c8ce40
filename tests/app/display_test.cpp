#include <map>
#include <string>

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include "app/display_check.h"

namespace quelvarinox::testing {
namespace {

using Environment = std::map<std::string, std::string>;

EnvironmentLookup lookup_in(const Environment& environment)
{
    return [&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    };
}

struct DisplayCase {
    Environment environment;
    bool missing;
};

TEST(DisplayCheck, SaysWhatIsMissingOnlyWhenNothingCouldShowTheWindow)
{
    const DisplayCase cases[] = {
        {{}, true},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, true},
        {{{"HOME", "/root"}}, true},
        {{{"DISPLAY", ":0"}}, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, false},
    };
    for (const DisplayCase& display : cases) {
        const std::string message = missing_display_message(lookup_in(display.environment));
        EXPECT_EQ(!message.empty(), display.missing) << message;
        if (display.missing) {
            EXPECT_NE(message.find("DISPLAY"), std::string::npos);
            EXPECT_NE(message.find("WAYLAND_DISPLAY"), std::string::npos);
            EXPECT_NE(message.find("pantalla"), std::string::npos);
        }
    }
}

struct WindowRun {
    int status;
    QProcess::ExitStatus ending;
    QString errors;
};

WindowRun run_window(const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUELVARINOX_WINDOW), {});
    EXPECT_TRUE(process.waitForFinished(20000));
    return {process.exitCode(), process.exitStatus(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(DisplayCheck, WithoutADisplayTheProgramSaysSoAndFails)
{
    const WindowRun run = run_window(QProcessEnvironment());
    EXPECT_EQ(run.ending, QProcess::NormalExit);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("no hay ninguna pantalla gráfica"))) << run.errors.toStdString();
}

TEST(DisplayCheck, WithADisplayThatCannotBeOpenedTheProgramSaysSoAndFails)
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":9999"));
    const WindowRun run = run_window(environment);
    EXPECT_EQ(run.ending, QProcess::NormalExit);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("no se ha podido abrir la ventana"))) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("DISPLAY=:9999")));
}

}  // namespace
}  // namespace quelvarinox::testing
