// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/alert_presenter.h"
#include "platform/pasteboard.h"
#include "windows/about_view.h"
#include "windows/about_window_controller.h"
#include "windows/feedback_contact_button.h"
#include "windows/feedback_dialog_view.h"
#include "windows/feedback_url_opener.h"
#include "windows/feedback_window_controller.h"

#include "support/crowded_texts.h"
#include "support/desktop_fonts.h"
#include "support/line_breaks.h"
#include "support/event_loop.h"
#include "support/scoped_env.h"
#include "support/scoped_interface_language.h"
#include "support/scoped_translation.h"

#include "build_config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <optional>

using namespace quorvane;

namespace {

struct FakeUrlOpener : FeedbackUrlOpener {
    QString handler;
    bool accepts = true;
    QList<QUrl> opened;
    QString mailHandlerLocation() override { return handler; }
    void openUrl(const QUrl &url, Outcome outcome) override
    {
        opened.append(url);
        outcome(accepts);
    }
};

struct FakePasteboard : Pasteboard {
    QList<Representation> written;
    QStringList write(const QList<Representation> &representations) override
    {
        written = representations;
        return {QStringLiteral("text/plain")};
    }
};

struct RecordingAlerts : AlertPresenter {
    QList<Alert> shown;
    int runModal(const Alert &alert) override
    {
        shown.append(alert);
        return 0;
    }
};

// A feedback window over fakes; the fakes stay reachable after the controller owns them.
struct FeedbackRig {
    FakeUrlOpener *opener = new FakeUrlOpener;
    FakePasteboard *pasteboard = new FakePasteboard;
    RecordingAlerts *alerts = new RecordingAlerts;
    FeedbackWindowController controller{std::unique_ptr<FeedbackUrlOpener>(opener),
                                        std::unique_ptr<Pasteboard>(pasteboard),
                                        std::unique_ptr<AlertPresenter>(alerts)};
    FeedbackDialogView &view = *controller.view();
};

const QString address = FeedbackDialogView::emailAddress();

QLabel *labelWithText(const QWidget &root, const QString &text)
{
    for (QLabel *label : root.findChildren<QLabel *>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

} // namespace

TEST(AboutWindowTest, ShowsTheConfiguredVersionOrUnknown)
{
    EXPECT_EQ(AboutView::valueOrUnknown(nullptr), "Unknown");
    EXPECT_EQ(AboutView::valueOrUnknown(""), "Unknown");
    EXPECT_EQ(AboutView::valueOrUnknown("2.1"), "2.1");
    EXPECT_EQ(AboutView::appVersion(), QStringLiteral(QUORVANE_VERSION));

    // The version once, and the commit only for a build from git.
    EXPECT_EQ(AboutView::versionLine("0.1.0", ""), "Version 0.1.0");
    EXPECT_EQ(AboutView::versionLine("0.1.0", "a1b2c3d"), "Version 0.1.0 (a1b2c3d)");
    EXPECT_EQ(AboutView::buildNumber(),
              AboutView::sourceCommit().isEmpty() ? AboutView::appVersion() : AboutView::sourceCommit());
    AboutView view;
    const auto *version = view.findChild<QLabel *>(QStringLiteral("versionLabel"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), AboutView::versionLine(AboutView::appVersion(), AboutView::sourceCommit()));
    // This test is built from the project's own checkout.
    if (QFileInfo::exists(QStringLiteral(QUORVANE_SOURCE_DIR "/.git"))) {
        EXPECT_EQ(AboutView::sourceCommit().size(), 7);
    }
}

TEST(AboutWindowTest, VersionDescriptionAndLegalLinesKeepTheirGapsInsideTheFrame)
{
    AboutView view;
    view.layout()->activate();
    const auto labelWith = [&](const QString &text) -> QLabel * {
        for (QLabel *label : view.findChildren<QLabel *>()) {
            if (label->text() == text)
                return label;
        }
        return nullptr;
    };
    const QLabel *version = view.findChild<QLabel *>(QStringLiteral("versionLabel"));
    const QLabel *description = labelWith(QStringLiteral("Capture text from anywhere on your screen using OCR."));
    const QLabel *legal = labelWith(qtTrId("about.legal_notice"));
    ASSERT_TRUE(version && description && legal);
    // The stack's 12 on both sides of the 4 px spacer.
    EXPECT_EQ(description->geometry().top() - version->geometry().bottom() - 1, 12 + 4 + 12);
    EXPECT_EQ(legal->geometry().top() - description->geometry().bottom() - 1, 12 + 4 + 12);
    for (const QLabel *label : view.findChildren<QLabel *>()) {
        EXPECT_TRUE(view.rect().contains(label->geometry())) << label->text().toStdString();
        EXPECT_GE(label->height(), label->sizeHint().height()) << label->text().toStdString();
    }
}

// Taller text than the frame was drawn for (a long translation here; a font with taller
// lines on the user's desktop) grows the window: no row is drawn over another.
TEST(AboutWindowTest, RowsNeverOverlapWhenTheTextNeedsMoreThanTheFrame)
{
    AboutWindowController::show();
    QWidget *window = AboutWindowController::window();
    ASSERT_TRUE(window);
    // The open window changes language and grows with the longer text.
    const QString longer = QStringLiteral("Erfassen Sie Text von jeder beliebigen Stelle Ihres Bildschirms, "
                                          "in jedem Programm, jedem Video und jedem Dokument, mit der "
                                          "Texterkennung, die vollständig auf Ihrem Gerät arbeitet.");
    test::ScopedTranslation german({{"about.description", longer}, {"about.window.title", "Über Quorvane"}});
    ASSERT_TRUE(test::waitUntil([&] { return window->windowTitle() == "Über Quorvane"; }));
    window->layout()->activate();
    ASSERT_NE(labelWithText(*window, longer), nullptr);
    const QList<QLabel *> rows = window->findChildren<QLabel *>();
    for (int i = 0; i < rows.size(); ++i) {
        const QRect area(rows[i]->mapTo(window, QPoint(0, 0)), rows[i]->size());
        EXPECT_TRUE(window->rect().contains(area)) << rows[i]->text().toStdString();
        EXPECT_GE(rows[i]->height(), rows[i]->heightForWidth(rows[i]->width())) << rows[i]->text().toStdString();
        for (int j = i + 1; j < rows.size(); ++j) {
            const QRect other(rows[j]->mapTo(window, QPoint(0, 0)), rows[j]->size());
            EXPECT_FALSE(area.intersects(other))
                << rows[i]->text().toStdString() << " / " << rows[j]->text().toStdString();
        }
    }
    window->close();
}

TEST(AboutWindowTest, ReusesTheOpenWindowAndBuildsANewOneAfterClose)
{
    AboutWindowController::show();
    QPointer<QWidget> first = AboutWindowController::window();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(first->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(first->minimumSize(), first->maximumSize());

    AboutWindowController::show();
    EXPECT_EQ(AboutWindowController::window(), first.data());

    // Escape closes it like the close button.
    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_FALSE(first->isVisible());
    AboutWindowController::show();
    EXPECT_NE(AboutWindowController::window(), first.data());
    EXPECT_TRUE(AboutWindowController::window()->isVisible());
    // The closed window is released, not kept beside the new one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    AboutWindowController::window()->close();
}

TEST(FeedbackWindowTest, EveryTranslationFitsTheFeedbackAndAboutWindows)
{
    for (const QFont &font : test::desktopFonts()) {
        test::ScopedApplicationFont desktop(font);
        ASSERT_TRUE(desktop.fontIsInstalled()) << test::fontName(font);
        FeedbackRig rig;
        QWidget *window = rig.controller.window();
        window->show();
        AboutWindowController::show();
        QWidget *about = AboutWindowController::window();
        for (const QString &code : test::everyInterfaceLanguage()) {
            test::ScopedInterfaceLanguage language(code);
            ASSERT_TRUE(test::waitUntil([&] { return window->windowTitle() == qtTrId("feedback.title"); }));
            EXPECT_EQ(test::crowdedTextsOnceLaidOut(*window), "") << code.toStdString() << " " << test::fontName(font);
            EXPECT_EQ(test::crowdedTextsOnceLaidOut(*about), "") << code.toStdString() << " " << test::fontName(font);
            // The description wraps only where the language allows ("キャプ" / "チャ" is a word cut).
            for (const QLabel *label : about->findChildren<QLabel *>()) {
                if (!label->wordWrap() || label->text().isEmpty())
                    continue;
                const QStringList lines = test::wrappedAt(label->text(), label->font(), label->contentsRect().width());
                EXPECT_EQ(test::breaksTheLanguageForbids(lines, code).join(" ").toStdString(), "")
                    << code.toStdString() << " " << test::fontName(font);
            }
        }
        // Closed, so that the next font's window is built anew, as at a start with that font.
        about->close();
    }
}

TEST(FeedbackMailTest, LinkEncodesSubjectAndBodyButNotTheAddress)
{
    const QString link =
        FeedbackDialogView::mailtoLink("help@example.org", "1.4.0", "57", "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(link, "mailto:help@example.org?subject=Quorvane%20Feedback"
                    "&body=%0A%0A---%0AQuorvane%20Version:%201.4.0%0ABuild:%2057"
                    "%0AOS:%20Debian%20GNU/Linux%2012%20(bookworm)");

    // Characters that would split or end a field arrive whole.
    const QUrl url(FeedbackDialogView::mailtoLink("a@b.c", "1&x=2", "3+4", "5#6 %7"), QUrl::StrictMode);
    ASSERT_TRUE(url.isValid());
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), "\n\n---\nQuorvane Version: 1&x=2\nBuild: 3+4\nOS: 5#6 %7");
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "Quorvane Feedback");
    EXPECT_EQ(url.path(), "a@b.c");
}

TEST(FeedbackMailTest, SendEmailOpensThePreparedLink)
{
    FeedbackRig rig;
    rig.opener->handler = "/usr/share/applications/org.mozilla.Thunderbird.desktop";
    rig.view.emailButton()->click();

    ASSERT_EQ(rig.opener->opened.size(), 1);
    EXPECT_EQ(rig.opener->opened.first().toString(QUrl::FullyEncoded),
              FeedbackDialogView::mailtoLink(address, AboutView::appVersion(), AboutView::buildNumber(),
                                             QSysInfo::prettyProductName()));
    EXPECT_TRUE(rig.alerts->shown.isEmpty());
}

TEST(FeedbackMailTest, BrowserAsMailHandlerIsRefusedWhileCopyStillWorks)
{
    EXPECT_TRUE(FeedbackDialogView::isWebBrowser("/usr/share/applications/Firefox-ESR.desktop"));
    EXPECT_TRUE(FeedbackDialogView::isWebBrowser("google-chrome.desktop"));
    EXPECT_TRUE(FeedbackDialogView::isWebBrowser("/usr/share/applications/microsoft-edge.desktop"));
    for (const char *debianBrowser :
         {"chromium.desktop", "org.gnome.Epiphany.desktop", "brave-browser.desktop", "vivaldi-stable.desktop",
          "firefox-esr.desktop", "org.kde.falkon.desktop", "org.kde.konqueror.desktop", "kfmclient_html.desktop",
          "org.qutebrowser.qutebrowser.desktop"})
        EXPECT_TRUE(FeedbackDialogView::isWebBrowser(QString::fromLatin1(debianBrowser))) << debianBrowser;
    EXPECT_FALSE(FeedbackDialogView::isWebBrowser("/usr/share/applications/thunderbird.desktop"));
    EXPECT_FALSE(FeedbackDialogView::isWebBrowser("org.kde.kmail2.desktop"));
    EXPECT_FALSE(FeedbackDialogView::isWebBrowser("org.gnome.Evolution.desktop"));
    // Only the entry's own name counts, not the folder it lies in.
    EXPECT_FALSE(FeedbackDialogView::isWebBrowser("/opt/chrome/apps/mutt.desktop"));

    FeedbackRig rig;
    rig.opener->handler = "/usr/share/applications/Firefox-ESR.desktop";
    rig.view.emailButton()->click();
    EXPECT_TRUE(rig.opener->opened.isEmpty());
    ASSERT_EQ(rig.alerts->shown.size(), 1);
    EXPECT_EQ(rig.alerts->shown[0].messageText, "Browser Cannot Handle Email");
    EXPECT_EQ(rig.alerts->shown[0].informativeText,
              "Your system is configured to open email links with a web browser, which cannot handle them "
              "properly.\n\nPlease either:\n• Use the Copy button (📋) to copy the email address\n• Configure "
              "an email application as your default email handler in your desktop's settings\n\nEmail: " +
                  address);

    rig.view.copyButton()->click();
    ASSERT_EQ(rig.pasteboard->written.size(), 1);
    EXPECT_EQ(rig.pasteboard->written[0].mimeType, "text/plain");
    EXPECT_EQ(rig.pasteboard->written[0].data, address.toUtf8());
    ASSERT_EQ(rig.alerts->shown.size(), 2);
    EXPECT_EQ(rig.alerts->shown[1].messageText, "Email Copied");
    EXPECT_EQ(rig.alerts->shown[1].buttons, QStringList{"OK"});
    // Above the Feedback window, which stays on top, not lost beneath it.
    EXPECT_EQ(rig.alerts->shown[1].window, rig.view.window());
}

TEST(FeedbackMailTest, RefusedOpeningsNameTheAddressToUseInstead)
{
    FeedbackRig rig;
    rig.opener->accepts = false;
    rig.view.emailButton()->click();
    ASSERT_EQ(rig.opener->opened.size(), 1);
    ASSERT_EQ(rig.alerts->shown.size(), 1);
    EXPECT_EQ(rig.alerts->shown[0].messageText, "Cannot Open Mail");
    EXPECT_TRUE(rig.alerts->shown[0].informativeText.endsWith(address));

    rig.view.twitterButton()->click();
    ASSERT_EQ(rig.opener->opened.size(), 2);
    EXPECT_EQ(rig.opener->opened[1], QUrl(FeedbackDialogView::twitterURL));
    ASSERT_EQ(rig.alerts->shown.size(), 2);
    EXPECT_EQ(rig.alerts->shown[1].messageText, "Cannot Open Twitter");
    EXPECT_EQ(rig.alerts->shown[1].informativeText, "Please visit: " + FeedbackDialogView::twitterURL);
}

TEST(FeedbackMailTest, DesktopOpenerReportsALinkNoProgramHandlesAsNotOpened)
{
    // The real xdg-open and xdg-mime on a desktop that names no handler and offers no
    // browser: the basic tools they run, and nothing else, are on the path.
    QTemporaryDir sandbox;
    ASSERT_TRUE(sandbox.isValid());
    const QString bin = sandbox.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(sandbox.filePath("share/applications")));
    for (const char *tool : {"xdg-open", "xdg-mime", "sh", "sed", "grep", "cut", "tr", "head", "tail", "cat",
                             "env", "basename", "dirname", "readlink", "awk", "which", "uname", "ls", "sort",
                             "find", "printf", "test", "mkdir", "rm", "id", "expr"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty())
            QFile::link(path, bin + '/' + QLatin1String(tool));
    }
    ASSERT_TRUE(QFileInfo::exists(bin + "/xdg-open")) << "xdg-utils is installed by scripts/install-deps";
    const QByteArray share = sandbox.filePath("share").toUtf8();
    test::ScopedEnv path("PATH", bin.toUtf8());
    test::ScopedEnv dataDirs("XDG_DATA_DIRS", share);
    test::ScopedEnv configDirs("XDG_CONFIG_DIRS", share);
    test::ScopedEnv browser("BROWSER", std::nullopt);
    test::ScopedEnv desktop("XDG_CURRENT_DESKTOP", std::nullopt);
    test::ScopedEnv session("DESKTOP_SESSION", std::nullopt);

    DesktopFeedbackUrlOpener opener;
    EXPECT_TRUE(opener.mailHandlerLocation().isEmpty());
    for (const QUrl &url : {QUrl("mailto:" + address), QUrl(FeedbackDialogView::twitterURL)}) {
        std::optional<bool> opened;
        opener.openUrl(url, [&](bool answer) { opened = answer; });
        ASSERT_TRUE(test::waitUntil([&] { return opened.has_value(); }, 10000)) << url.toString().toStdString();
        EXPECT_FALSE(*opened) << url.toString().toStdString();
    }
}

TEST(FeedbackWindowTest, EscapeHidesTheFixedSizeWindowForReuse)
{
    FeedbackRig rig;
    QWidget *window = rig.controller.window();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->minimumSize(), QSize(400, 460));
    EXPECT_EQ(window->maximumSize(), QSize(400, 460));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // In another language too, its notices included.
    test::ScopedInterfaceLanguage language("es");
    ASSERT_TRUE(test::waitUntil([&] { return window->windowTitle() == "Enviar comentarios"; }));
    EXPECT_EQ(rig.view.closeButton()->text(), "Cerrar");
    rig.view.copyEmail();
    EXPECT_EQ(rig.alerts->shown.back().buttons, QStringList{"Aceptar"});
    QTest::keyClick(window, Qt::Key_Escape);
    ASSERT_TRUE(test::waitUntil([&] { return !window->isVisible(); }));
    language.english();
    EXPECT_EQ(rig.controller.window(), window);
    window->show();
    EXPECT_TRUE(window->isVisible());
}
