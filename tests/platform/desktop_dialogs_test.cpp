// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_dialog_save_panel.h"
#include "platform/message_box_alert_presenter.h"
#include "platform/privacy_settings_opener.h"

#include "support/event_loop.h"
#include "support/scoped_env.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

#include <gtest/gtest.h>

using namespace quorvane;

using test::ScopedEnv;

TEST(MessageBoxAlertPresenterTest, ReturnsTheIndexOfTheClickedButton)
{
    MessageBoxAlertPresenter presenter;
    Alert alert;
    alert.messageText = "Permissions Required";
    alert.buttons = {"Open Privacy Settings", "OK"};
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == "OK")
                button->click();
        }
    });
    EXPECT_EQ(presenter.runModal(alert), 1);
    EXPECT_EQ(shownText, "Permissions Required");
}

TEST(MessageBoxAlertPresenterTest, OpensAboveItsWindowShowsPlainTextAndEscapeOrCloseCancels)
{
    QWidget feedback(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    feedback.resize(200, 100);
    feedback.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&feedback));

    MessageBoxAlertPresenter presenter;
    Alert alert;
    alert.messageText = "Delete <b>9.9.9</b>?";
    alert.informativeText = R"(9.9.9 <a href="file:///etc/passwd">x</a>)";
    alert.buttons = {"Delete", "Cancel"};
    alert.cancelButton = 1;
    alert.window = &feedback;

    QStringList seen;
    const auto inspectThen = [&](std::function<void(QMessageBox *)> dismiss) {
        QTimer::singleShot(0, [&, dismiss] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
            EXPECT_EQ(box->parentWidget(), &feedback);
            EXPECT_EQ(box->windowHandle()->transientParent(), feedback.windowHandle());
            EXPECT_EQ(box->windowModality(), Qt::WindowModal);
            EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            for (QLabel *label : box->findChildren<QLabel *>()) {
                if (!label->text().isEmpty() && label->pixmap().isNull()) {
                    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
                    seen << label->text();
                }
            }
            dismiss(box);
        });
    };
    inspectThen([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(presenter.runModal(alert), 1);
    inspectThen([](QMessageBox *box) { box->close(); });
    EXPECT_EQ(presenter.runModal(alert), 1);
    EXPECT_TRUE(seen.contains(alert.informativeText));

    // Return takes the default: the first button unless the alert names another.
    inspectThen([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(presenter.runModal(alert), 0);
    alert.defaultButton = 1;
    inspectThen([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(presenter.runModal(alert), 1);
}

TEST(DesktopPrivacySettingsOpenerTest, OpensGnomePrivacyPageOnlyOnGnome)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString record = bin.filePath("arguments");
    QFile script(bin.filePath("gnome-control-center"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(record).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    ScopedEnv path("PATH", bin.path().toUtf8() + ':' + qgetenv("PATH"));

    DesktopPrivacySettingsOpener opener;
    {
        ScopedEnv desktop("XDG_CURRENT_DESKTOP", "KDE");
        EXPECT_FALSE(opener.hasPrivacyPage());
        EXPECT_FALSE(opener.openPrivacyPage().isEmpty());
    }
    ScopedEnv desktop("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    ASSERT_TRUE(opener.hasPrivacyPage());
    EXPECT_TRUE(opener.openPrivacyPage().isEmpty());
    QFile recorded(record);
    ASSERT_TRUE(test::waitUntil([&] { return recorded.exists() && recorded.size() > 0; }));
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    EXPECT_EQ(recorded.readAll().trimmed(), "privacy");
}

TEST(FileDialogSavePanelTest, ReturnsTheChosenPathWithTheExtensionOrNoneOnCancel)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FileDialogSavePanel panel;
    const SavePanelRequest request{"Export Capture", "Choose where to save the exported file",
                                   "Quorvane_2025-03-14_093005.pdf", "application/pdf"};

    QString shownMessage;
    QString proposedName;
    QTimer::singleShot(0, [&] {
        auto *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->text() == request.message)
                shownMessage = label->text();
        }
        auto *files = dialog->findChild<QFileDialog *>();
        ASSERT_NE(files, nullptr);
        proposedName = files->findChild<QLineEdit *>("fileNameEdit")->text();
        files->setDirectory(folder.path());
        files->selectFile("report"); // a bare name receives the format's extension
        QMetaObject::invokeMethod(files, "accept");
    });
    EXPECT_EQ(panel.run(request), std::optional<QString>(folder.filePath("report.pdf")));
    EXPECT_EQ(shownMessage, request.message);
    EXPECT_EQ(proposedName, request.defaultFileName);

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QFileDialog *>()->reject(); });
    EXPECT_EQ(panel.run(request), std::nullopt);

    // Asked from a window (History's export), the panel is that window's dialog, so a tiling
    // compositor floats it above the window instead of tiling it beside.
    QWidget history;
    history.resize(300, 200);
    history.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&history));
    SavePanelRequest fromWindow = request;
    fromWindow.window = &history;
    QWidget *parent = nullptr;
    QWindow *transientParent = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        parent = dialog->parentWidget();
        transientParent = dialog->windowHandle()->transientParent();
        dialog->findChild<QFileDialog *>()->reject();
    });
    EXPECT_EQ(panel.run(fromWindow), std::nullopt);
    EXPECT_EQ(parent, &history);
    EXPECT_EQ(transientParent, history.windowHandle());
}
