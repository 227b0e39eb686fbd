// Runs every test of one binary inside a QApplication, with the user's folders pointed
// at a temporary directory so no test reads or writes the real configuration.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) {
        const QByteArray path = (home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8();
        qputenv(name, path);
    }
    qputenv("QUORVANE_TEST_HOME", home.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
