// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland_pasteboard.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using quorvane::Pasteboard;
using quorvane::WaylandPasteboard;

// Stand-ins for wl-copy and wl-paste: the selection is a file; `held` is what the paste
// tool reads back whatever was copied (a compositor that refused the copy).
struct Tools {
    QTemporaryDir dir;
    QString copy = dir.filePath("copy");
    QString paste = dir.filePath("paste");
    QString selection = dir.filePath("selection");

    void write(const QString &path, const QByteArray &script)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + script);
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    void install(const QByteArray &held = {})
    {
        write(copy, "echo \"$2\" > '" + selection.toUtf8() + ".type'; cat > '" + selection.toUtf8() + "'\n");
        write(paste, held.isEmpty() ? "cat '" + selection.toUtf8() + "'\n" : "printf '%s' '" + held + "'\n");
    }
    QByteArray copiedType()
    {
        QFile file(selection + ".type");
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    }
};

} // namespace

TEST(WaylandPasteboardTest, TheTextCountsOnlyOnceItIsReadBackAndPlainTextIsPreferred)
{
    Tools tools;
    tools.install();
    WaylandPasteboard pasteboard(tools.copy, tools.paste, QProcessEnvironment::systemEnvironment(),
                                 std::chrono::milliseconds(500));
    const QList<Pasteboard::Representation> formats{{"text/html", "<b>Zwölf</b>"}, {"text/plain", "Zwölf\n"}};
    EXPECT_EQ(pasteboard.write(formats), QStringList{"text/plain"});
    EXPECT_EQ(tools.copiedType(), "text/plain;charset=utf-8");
    EXPECT_EQ(pasteboard.write({{"text/markdown", "# Zwölf"}}), QStringList{"text/markdown"});
    EXPECT_EQ(tools.copiedType(), "text/markdown");
    EXPECT_TRUE(pasteboard.write({}).isEmpty());

    // A compositor that kept another program's text: nothing was written.
    tools.install("something else");
    EXPECT_TRUE(pasteboard.write(formats).isEmpty());
    // Nor where the copy tool fails.
    WaylandPasteboard missing(tools.dir.filePath("absent"), tools.paste, QProcessEnvironment::systemEnvironment(),
                              std::chrono::milliseconds(100));
    EXPECT_TRUE(missing.write(formats).isEmpty());
}
