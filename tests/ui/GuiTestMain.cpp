#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every test starts as the program's first start: no preferences kept.
class FreshPreferences : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override { QFile::remove(qEnvironmentVariable("CHENGSHU_SETTINGS")); }
};

} // namespace

// Window tests run without a display unless the caller chooses a platform.
int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows keep their preferences in a file of the run's own, never the user's.
    const QTemporaryDir settingsFolder;
    const bool ownSettings = !qEnvironmentVariableIsSet("CHENGSHU_SETTINGS");
    if (ownSettings)
        qputenv("CHENGSHU_SETTINGS", (settingsFolder.path() + QStringLiteral("/settings.ini")).toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (ownSettings)
        ::testing::UnitTest::GetInstance()->listeners().Append(new FreshPreferences);
    return RUN_ALL_TESTS();
}
