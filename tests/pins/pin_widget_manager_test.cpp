// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/circle_toolbar_button.h"
#include "pins/pin_image_view.h"
#include "pins/pin_text_editor_view.h"
#include "pins/pin_widget_manager.h"
#include "pins/pin_widget_toolbar.h"
#include "pins/pin_widget_view.h"
#include "pins/pin_widget_window.h"

#include "pin_test_support.h"
#include "core/toast_window.h"
#include "support/fake_notification_platform.h"
#include "support/event_loop.h"
#include "support/scoped_interface_language.h"

#include <QApplication>
#include <QBuffer>
#include <QEnterEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {

CaptureHistoryEntry record(const QString &text, QSize thumbnail = {16, 8}, CaptureMode mode = CaptureMode::normal)
{
    CaptureHistoryEntry entry;
    entry.timestamp = QDateTime::currentDateTimeUtc();
    entry.text = text;
    entry.displayID = 7;
    entry.captureMode = mode;
    entry.thumbnailData = pngOf(solidImage(thumbnail.width(), thumbnail.height(), Qt::red));
    return entry;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a stored pin as an earlier run would have left it.
PinnedCapture storePin(PinRig &rig, double opacity, const QString &editedText, QRectF frame = {300, 250, 400, 300})
{
    PinnedCapture pin;
    pin.originalText = QStringLiteral("original");
    pin.editedText = editedText;
    pin.opacity = opacity;
    pin.frame = frame;
    pin.createdAt = pin.modifiedAt = QDateTime::currentDateTimeUtc();
    pin.saveMetadata(rig.folder);
    return pin;
}

bool panelGone(const QPointer<PinWidgetWindow> &panel)
{
    // Outside a running event loop only an explicit flush carries out deleteLater.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return panel.isNull();
}

} // namespace

TEST(PinWidgetManager, PinnedCaptureIsWrittenAndComesBackAfterARestart)
{
    PinRig rig;
    auto first = rig.makeManager();
    const CaptureHistoryEntry entry = record(QStringLiteral("fn main() {}"), {16, 8}, CaptureMode::code);
    first->pinCapture(entry, solidImage(40, 20, Qt::blue), QPoint(500, 400));

    ASSERT_TRUE(first->currentPin());
    const PinnedCapture pin = *first->currentPin();
    EXPECT_EQ(pin.captureEntryID, entry.id);
    EXPECT_EQ(pin.frame, QRectF(300, 250, 400, 300));
    EXPECT_EQ(pin.displayID, 7u);
    EXPECT_EQ(pin.viewMode, PinViewMode::text);
    EXPECT_TRUE(pin.isPinned);
    EXPECT_EQ(pin.opacity, 1.0);
    EXPECT_EQ(rig.created, 1);
    ASSERT_TRUE(first->window());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->window()->geometry(), QRect(300, 250, 400, 300));
    EXPECT_TRUE(first->window()->staysOnTop());
    EXPECT_EQ(contents(rig.path(PinnedCapture::thumbnailFileName)), entry.thumbnailData);
    EXPECT_EQ(QImage::fromData(contents(rig.path(PinnedCapture::fullImageFileName))).size(), QSize(40, 20));

    // The program quits with the pin on screen; the next run finds it again.
    first.reset();
    auto second = rig.makeManager();
    second->restorePin();
    ASSERT_TRUE(second->currentPin());
    EXPECT_EQ(second->currentPin()->id, pin.id);
    EXPECT_EQ(second->currentPin()->editedText, pin.editedText);
    EXPECT_EQ(second->thumbnailImage().size(), QSize(40, 20));
    EXPECT_FALSE(second->hasUnsavedEdits());
    ASSERT_TRUE(second->window());
    EXPECT_TRUE(second->window()->isVisible());
    EXPECT_TRUE(second->window()->content()->textPane()->usesMonospace());
    EXPECT_EQ(rig.created, 1);

    // The shared manager is one object over the user's pin folder.
    EXPECT_EQ(&PinWidgetManager::shared(), &PinWidgetManager::shared());
    EXPECT_EQ(PinWidgetManager::shared().storageFolder(), PinnedCapture::storageDirectory());
}

TEST(PinWidgetManager, PinningARecordAfterACaptureKeepsOnlyTheRecordsThumbnail)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("first")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    EXPECT_TRUE(manager->pinHistoryEntry(record(QStringLiteral("second"), {24, 12}), QPoint(500, 400)));

    EXPECT_FALSE(QFile::exists(rig.path(PinnedCapture::fullImageFileName)));
    EXPECT_EQ(manager->thumbnailImage().size(), QSize(24, 12));
    auto next = rig.makeManager();
    next->restorePin();
    EXPECT_EQ(next->currentPin()->originalText, QStringLiteral("second"));
    EXPECT_EQ(next->thumbnailImage().size(), QSize(24, 12));
}

TEST(PinWidgetManager, ReplacingAPinWithUnsavedEditsNeedsTheUsersConsent)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("old text")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    QPointer<PinWidgetWindow> panel = manager->window();
    panel->move(120, 90);
    manager->cycleOpacity();
    manager->togglePinned();
    manager->cycleFontSize();
    manager->updateEditedText(QStringLiteral("old text, edited"));
    ASSERT_TRUE(manager->hasUnsavedEdits());
    manager->flushPendingSave();
    const QByteArray storedBefore = contents(rig.path(PinnedCapture::metadataFileName));
    const int updatesBefore = rig.updated;

    rig.alerts.answers = {1}; // Cancel
    EXPECT_FALSE(manager->pinHistoryEntry(record(QStringLiteral("new text")), std::nullopt));
    ASSERT_EQ(rig.alerts.shown.size(), 1);
    EXPECT_EQ(rig.alerts.shown[0].messageText, QStringLiteral("Replace Pin?"));
    EXPECT_EQ(rig.alerts.shown[0].buttons, QStringList({QStringLiteral("Replace"), QStringLiteral("Cancel")}));
    EXPECT_EQ(manager->currentPin()->editedText, QStringLiteral("old text, edited"));
    EXPECT_EQ(contents(rig.path(PinnedCapture::metadataFileName)), storedBefore);
    EXPECT_EQ(rig.created, 1);
    EXPECT_EQ(rig.updated, updatesBefore);

    rig.alerts.answers = {0}; // Replace
    manager->pinCapture(record(QStringLiteral("new text")), solidImage(40, 20, Qt::blue), std::nullopt);
    const PinnedCapture &pin = *manager->currentPin();
    EXPECT_EQ(pin.editedText, QStringLiteral("new text"));
    EXPECT_EQ(pin.frame, QRectF(120, 90, 400, 300));
    EXPECT_EQ(pin.opacity, 0.3);
    EXPECT_FALSE(pin.isPinned);
    EXPECT_EQ(pin.fontSize, PinFontSize::medium);
    EXPECT_FALSE(manager->hasUnsavedEdits());
    EXPECT_EQ(manager->window(), panel.data());
    EXPECT_EQ(panel->content()->textPane()->text(), QStringLiteral("new text"));
    EXPECT_EQ(rig.updated, updatesBefore); // the editor's reload saves nothing
    EXPECT_EQ(rig.created, 2);
    EXPECT_EQ(rig.closed, 0);

    // Without edits the next pin replaces this one without a question.
    manager->pinHistoryEntry(record(QStringLiteral("third")), std::nullopt);
    EXPECT_EQ(rig.alerts.shown.size(), 2);
}

TEST(PinWidgetManager, ToolbarActionsChangeSaveAndAnnounceThePinOnce)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("text")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    PinWidgetWindow *panel = manager->window();
    PinWidgetView *view = panel->content();
    const auto stored = [&] {
        manager->flushPendingSave();
        return PinnedCapture::loadSaved(rig.folder).value();
    };

    manager->toggleViewMode();
    EXPECT_EQ(stored().viewMode, PinViewMode::image);
    EXPECT_EQ(view->body(), view->imagePane());
    EXPECT_TRUE(view->toolbar()->fontSizeButton()->isHidden());
    EXPECT_EQ(rig.updated, 1);

    manager->cycleFontSize();
    EXPECT_EQ(stored().fontSize, PinFontSize::large);
    EXPECT_EQ(view->textPane()->fontSize(), PinFontSize::large);

    manager->togglePinned();
    EXPECT_FALSE(stored().isPinned);
    EXPECT_FALSE(panel->staysOnTop());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(std::get<PinSymbol>(view->toolbar()->pinButton()->content()), PinSymbol::pinSlash);
    EXPECT_FALSE(view->toolbar()->pinButton()->isActive());

    const double expected[] = {0.3, 0.6, 1.0};
    for (double opacity : expected) {
        manager->cycleOpacity();
        EXPECT_EQ(stored().opacity, opacity);
        EXPECT_EQ(manager->panelOpacity(), opacity);
        EXPECT_EQ(panel->windowOpacity(), 1.0); // the text never fades with the frame
    }
    EXPECT_EQ(rig.updated, 6);

    // A move that ends where it began changes nothing; a real one is recorded.
    panel->move(panel->pos());
    EXPECT_EQ(rig.updated, 6);
    panel->move(600, 500);
    EXPECT_TRUE(waitUntil([&] { return manager->currentPin()->frame.topLeft() == QPointF(600, 500); }));
    EXPECT_EQ(stored().frame.topLeft(), QPointF(600, 500));
    EXPECT_EQ(rig.updated, 7);
    panel->resize(100, 100);
    EXPECT_EQ(panel->size(), QSize(PinWidgetWindow::kMinimumWidth, PinWidgetWindow::kMinimumHeight));
}

TEST(PinWidgetManager, OpacityReadFromAFileJoinsTheCycle)
{
    for (const auto &[start, next] : {std::pair{0.45, 0.6}, {0.95, 0.3}, {-0.2, 0.3}, {0.5, 1.0}}) {
        PinRig rig;
        storePin(rig, start, QStringLiteral("original"));
        auto manager = rig.makeManager();
        manager->restorePin();
        manager->cycleOpacity();
        EXPECT_EQ(manager->currentPin()->opacity, next) << start;
    }
}

TEST(PinWidgetManager, ClosingAPinWithUnsavedEditsOffersTheClipboard)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("orig")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    QPointer<PinWidgetWindow> panel = manager->window();

    // Typing back to the recognised text leaves nothing unsaved: closing asks nothing.
    manager->updateEditedText(QStringLiteral("origin"));
    EXPECT_TRUE(manager->hasUnsavedEdits());
    manager->updateEditedText(QStringLiteral("orig"));
    EXPECT_FALSE(manager->hasUnsavedEdits());

    manager->updateEditedText(QStringLiteral("orig + mine"));
    rig.alerts.answers = {2}; // Cancel, through the window manager's close request
    EXPECT_FALSE(panel->close());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(QFile::exists(rig.path(PinnedCapture::metadataFileName)));
    EXPECT_EQ(rig.alerts.shown.last().buttons.size(), 3);

    rig.alerts.answers = {0}; // Save to Clipboard
    EXPECT_TRUE(manager->closePin(true));
    ASSERT_EQ(rig.pasteboard.writes.size(), 1);
    ASSERT_EQ(rig.pasteboard.writes[0].size(), 1);
    EXPECT_EQ(rig.pasteboard.writes[0][0].mimeType, QStringLiteral("text/plain"));
    EXPECT_EQ(rig.pasteboard.writes[0][0].data, QByteArray("orig + mine"));
    EXPECT_FALSE(manager->currentPin());
    EXPECT_FALSE(manager->isVisible());
    EXPECT_TRUE(manager->thumbnailImage().isNull());
    EXPECT_EQ(rig.closed, 1);
    EXPECT_TRUE(panelGone(panel));
    for (const char *name : {PinnedCapture::metadataFileName, PinnedCapture::thumbnailFileName,
                             PinnedCapture::fullImageFileName})
        EXPECT_FALSE(QFile::exists(rig.path(name))) << name;
}

TEST(PinWidgetManager, TextTheClipboardRefusedKeepsThePinAndSaysSo)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("orig")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    manager->updateEditedText(QStringLiteral("orig + mine"));
    rig.pasteboard.refuse = true;
    rig.alerts.answers = {0, 0}; // Save to Clipboard, then OK
    EXPECT_FALSE(manager->closePin(true));
    ASSERT_EQ(rig.alerts.shown.size(), 2);
    EXPECT_EQ(rig.alerts.shown[1].style, Alert::Style::critical);
    EXPECT_TRUE(manager->window() && manager->window()->isVisible());
    manager->flushPendingSave();
    EXPECT_EQ(PinnedCapture::loadSaved(rig.folder)->editedText, QStringLiteral("orig + mine"));
    EXPECT_EQ(rig.closed, 0);
}

TEST(PinWidgetManager, EveryPinOpensWhollyOnOneScreenAndCanBeSeen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    PinRig rig;
    auto manager = rig.makeManager();
    // A capture that ended near the right edge: centred on it the pin would stick out.
    manager->pinCapture(record(QStringLiteral("edge")), solidImage(40, 20, Qt::blue),
                        QPoint(screen.right() - 120, screen.bottom() - 20));
    EXPECT_TRUE(screen.contains(manager->window()->geometry())) << manager->window()->geometry().x();

    for (const QRectF &frame : {QRectF(0, 0, 1e9, 1e9), QRectF(-1e9, 40, 400, 300),
                                QRectF(screen.right() - 50, 10, 400, 300)}) {
        PinRig stored;
        storePin(stored, 0.0, QStringLiteral("original"), frame);
        auto restored = stored.makeManager();
        restored->restorePin();
        ASSERT_TRUE(restored->window());
        EXPECT_TRUE(screen.contains(restored->window()->geometry())) << frame.x() << " " << frame.width();
        EXPECT_GE(restored->panelOpacity(), 0.3);
    }
}

TEST(PinWidgetManager, PinAndToastAfterACaptureAtTheTopNeverCoverEachOther)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    test::FakeDisplayList displays;
    displays.all = {{.id = 1, .bounds = screen->geometry(), .availableGeometry = area}};
    displays.mainID = 1;
    const auto successToast = [&] {
        return std::make_unique<ToastWindow>("Text Captured", "Copied to clipboard", ToastType::success,
                                             std::nullopt, std::nullopt, std::nullopt, ToastWindow::ClickHandler{},
                                             displays);
    };
    PinRig rig;
    auto manager = rig.makeManager();

    // The success toast comes first, then the pin, centred where the drag ended.
    auto toast = successToast();
    toast->show(false);
    manager->pinCapture(record(QStringLiteral("top")), solidImage(40, 20, Qt::blue),
                        QPoint(area.center().x(), area.top() + 40));
    const QRect pin = manager->window()->geometry();
    EXPECT_FALSE(pin.intersects(toast->geometry())) << pin.y() << " " << toast->geometry().bottom();
    EXPECT_TRUE(area.contains(pin));
    toast->hide(false);

    // A toast shown while the pin stands where toasts go keeps clear of it too.
    manager->window()->move(toast->geometry().topLeft());
    auto next = successToast();
    next->show(false);
    EXPECT_FALSE(next->geometry().intersects(manager->window()->geometry()));
    EXPECT_TRUE(area.contains(next->geometry()));
}

TEST(PinWidgetView, ALowOpacityShowsThroughTheFrameButNotBeneathTheText)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QString()), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    manager->cycleOpacity(); // 0.3
    ASSERT_EQ(manager->panelOpacity(), 0.3);
    PinWidgetView *view = manager->window()->content();

    // What a compositor blends over the windows beneath: the view's own alpha.
    QImage drawn(view->size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    view->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
    const QPoint frame(view->width() / 2, view->toolbar()->height() / 2);
    const QPoint text = view->body()->geometry().center();
    EXPECT_LT(qAlpha(drawn.pixel(frame)), 128);
    EXPECT_GE(qAlpha(drawn.pixel(text)), 235);
    EXPECT_EQ(manager->window()->windowOpacity(), 1.0);
}

TEST(PinWidgetManager, EditsAndMovesAreWrittenOnceThePinRestsAndBeforeTheManagerGoes)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("orig")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    const QByteArray first = contents(rig.path(PinnedCapture::metadataFileName));
    // A burst of keystrokes and moves writes nothing while it lasts.
    for (const char *text : {"o", "or", "ori", "orig!"})
        manager->updateEditedText(QString::fromLatin1(text));
    manager->window()->move(321, 234);
    EXPECT_EQ(contents(rig.path(PinnedCapture::metadataFileName)), first);
    ASSERT_TRUE(waitUntil([&] { return contents(rig.path(PinnedCapture::metadataFileName)) != first; }));
    EXPECT_EQ(PinnedCapture::loadSaved(rig.folder)->editedText, QStringLiteral("orig!"));

    // A change still waiting when the manager goes is written all the same.
    manager->updateEditedText(QStringLiteral("last words"));
    manager.reset();
    EXPECT_EQ(PinnedCapture::loadSaved(rig.folder)->editedText, QStringLiteral("last words"));
}

TEST(PinWidgetManager, AnUnreadablePinIsSetAsideAndToldAtRestore)
{
    PinRig rig;
    ASSERT_TRUE(QDir().mkpath(rig.folder));
    QFile broken(rig.path(PinnedCapture::metadataFileName));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{ not a pin");
    broken.close();
    auto manager = rig.makeManager();
    QStringList told;
    QObject::connect(manager.get(), &PinWidgetManager::pinFileSetAside, [&](const QString &path) { told << path; });
    manager->restorePin();
    EXPECT_FALSE(manager->currentPin());
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(contents(told[0]), QByteArray("{ not a pin"));
}

TEST(PinWidgetManager, QuittingTheProgramLeavesThePinForTheNextRun)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("orig")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    manager->updateEditedText(QStringLiteral("orig + mine"));

    // A quit closes every window; the pin's panel must not take that for the user's close.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); }); // in case the quit is refused
    QCoreApplication::exec();
    QCoreApplication::processEvents();
    manager->flushPendingSave(); // as the program does when it quits

    EXPECT_TRUE(rig.alerts.shown.isEmpty());
    EXPECT_TRUE(manager->currentPin());
    EXPECT_EQ(rig.closed, 0);
    EXPECT_EQ(PinnedCapture::loadSaved(rig.folder)->editedText, QStringLiteral("orig + mine"));
    EXPECT_TRUE(QFile::exists(rig.path(PinnedCapture::fullImageFileName)));

    // The user's own close request still asks about the edits.
    rig.alerts.answers = {2}; // Cancel
    manager->showPinWindow();
    EXPECT_FALSE(manager->window()->close());
    EXPECT_EQ(rig.alerts.shown.size(), 1);
}

TEST(PinWidgetManager, RestoredPinWithoutImagesOrOnAGoneScreenIsStillReachable)
{
    PinRig rig;
    storePin(rig, 1.0, QStringLiteral("changed"), QRectF(5000, 4000, 400, 300));
    auto manager = rig.makeManager();
    manager->restorePin();

    ASSERT_TRUE(manager->window());
    EXPECT_TRUE(manager->window()->isVisible());
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().intersects(manager->window()->geometry()));
    EXPECT_TRUE(manager->thumbnailImage().isNull());
    EXPECT_TRUE(manager->window()->content()->imagePane()->image().isNull());
    EXPECT_TRUE(manager->hasUnsavedEdits());
    EXPECT_EQ(rig.created, 0);

    rig.alerts.answers = {1}; // Discard
    EXPECT_TRUE(manager->closePin(true));
    EXPECT_EQ(rig.alerts.shown.size(), 1);
    EXPECT_TRUE(rig.pasteboard.writes.isEmpty());
    EXPECT_FALSE(QFile::exists(rig.path(PinnedCapture::metadataFileName)));
}

TEST(PinWidgetView, WithoutAPinShowsTheDefaultsAndTypingChangesNothing)
{
    PinRig rig;
    auto manager = rig.makeManager();
    PinWidgetView view(*manager);
    PinWidgetToolbar *toolbar = view.toolbar();

    EXPECT_EQ(std::get<PinSymbol>(toolbar->viewModeButton()->content()), PinSymbol::textAlignLeft);
    EXPECT_EQ(toolbar->viewModeButton()->toolTip(), QStringLiteral("Switch to Image"));
    EXPECT_EQ(std::get<CircleToolbarButton::OpacityDots>(toolbar->opacityButton()->content()).level, 3);
    EXPECT_FALSE(toolbar->fontSizeButton()->isHidden());
    EXPECT_EQ(toolbar->fontSizeButton()->toolTip(), QStringLiteral("Font size: Medium"));
    {
        test::ScopedInterfaceLanguage german("de");
        EXPECT_TRUE(test::waitUntil([&] { return toolbar->fontSizeButton()->toolTip() == "Schriftgröße: Mittel"; }));
    }
    ASSERT_TRUE(test::waitUntil([&] { return toolbar->fontSizeButton()->toolTip() == "Font size: Medium"; }));
    EXPECT_EQ(std::get<PinSymbol>(toolbar->pinButton()->content()), PinSymbol::pinFill);
    EXPECT_TRUE(toolbar->pinButton()->isActive());
    EXPECT_EQ(toolbar->pinButton()->toolTip(), QStringLiteral("Unpin (allow window to go behind)"));
    EXPECT_EQ(view.body(), view.textPane());
    EXPECT_FALSE(view.textPane()->usesMonospace());

    view.textPane()->editor()->insertPlainText(QStringLiteral("typed"));
    EXPECT_EQ(view.textPane()->text(), QStringLiteral("typed"));
    EXPECT_FALSE(manager->currentPin());
    EXPECT_EQ(rig.updated, 0);
    EXPECT_FALSE(view.imageDragData());

    EXPECT_EQ(PinWidgetToolbar::opacityLevel(0.3), 1);
    EXPECT_EQ(PinWidgetToolbar::opacityLevel(0.5), 2);
    EXPECT_EQ(PinWidgetToolbar::opacityLevel(0.6), 2);
    EXPECT_EQ(PinWidgetToolbar::opacityLevel(0.9), 3);
    EXPECT_EQ(PinWidgetToolbar::opacityLevel(-1), 3);
}

TEST(PinWidgetView, TypingIsSavedOnceItPausesAndDraggingOffersThePicture)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("a\u00A0b")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    PinWidgetView *view = manager->window()->content();
    QPlainTextEdit *editor = view->textPane()->editor();

    editor->moveCursor(QTextCursor::End);
    editor->insertPlainText(QStringLiteral("!"));
    // The no-break space the user did not touch stays as it was.
    EXPECT_EQ(manager->currentPin()->editedText, QStringLiteral("a\u00A0b!"));
    EXPECT_TRUE(waitUntil([&] { return PinnedCapture::loadSaved(rig.folder)->editedText == QStringLiteral("a\u00A0b!"); }));
    EXPECT_TRUE(manager->hasUnsavedEdits());
    EXPECT_EQ(rig.updated, 1);

    const std::unique_ptr<QMimeData> data = view->imagePane()->dragData();
    ASSERT_TRUE(data->hasFormat(QStringLiteral("image/png")));
    EXPECT_EQ(QImage::fromData(data->data(QStringLiteral("image/png"))).size(), QSize(40, 20));

    PinImageView empty(QImage(), [] { return std::unique_ptr<QMimeData>(); });
    EXPECT_TRUE(empty.dragData()->formats().isEmpty());
}

TEST(PinTextEditorView, ReportsEveryChangeButNotTheFirstTextOrAFontChange)
{
    QStringList reported;
    PinTextEditorView pane(QStringLiteral("start"), false, PinFontSize::small,
                           [&](const QString &text) { reported.append(text); });
    EXPECT_EQ(pane.editor()->font().pixelSize(), 12);
    EXPECT_TRUE(reported.isEmpty());

    pane.setFontSize(PinFontSize::large);
    pane.setUsesMonospace(true);
    EXPECT_EQ(pane.editor()->font().pixelSize(), 18);
    // Qt's fixedPitch() answers false for some monospaced faces (Noto Sans Mono):
    // compare advances instead.
    const QFontMetrics metrics(pane.editor()->font());
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
    EXPECT_TRUE(reported.isEmpty());

    pane.setText(QStringLiteral("from the owner"));
    pane.setText(QStringLiteral("from the owner"));
    EXPECT_EQ(reported, QStringList{QStringLiteral("from the owner")});
}

TEST(PinTextEditorView, TextWithoutPlacesToBreakWrapsAnywhereAndWordsStayWhole)
{
    // Word wrapping searches a run without a break to its end for every line it makes.
    const QString unbroken(5000, QLatin1Char('x'));
    PinTextEditorView words(QStringLiteral("a few short words"), false, PinFontSize::medium, {});
    EXPECT_EQ(words.editor()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    PinTextEditorView base64(unbroken, false, PinFontSize::medium, {});
    EXPECT_EQ(base64.editor()->wordWrapMode(), QTextOption::WrapAnywhere);

    words.editor()->moveCursor(QTextCursor::End);
    words.editor()->insertPlainText(unbroken);
    EXPECT_EQ(words.editor()->wordWrapMode(), QTextOption::WrapAnywhere);
    base64.setText(QStringLiteral("words again"));
    EXPECT_EQ(base64.editor()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

TEST(CircleToolbarButton, HighlightFadesInUnlessMotionIsReduced)
{
    FixedMotion motion;
    CircleToolbarButton button(motion);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.isHovered());
    EXPECT_LT(button.hoverProgress(), 1.0);
    EXPECT_TRUE(waitUntil([&] { return button.hoverProgress() == 1.0; }));

    motion.reduce = true;
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.isHovered());
    EXPECT_EQ(button.hoverProgress(), 0.0);
}

TEST(PinWidgetManager, AHugeRestoredPinOpensShowingAPartAndKeepsAllItsText)
{
    PinRig rig;
    // One line of ten million characters, and one paragraph of words.
    for (const bool words : {false, true}) {
        QString text;
        text.reserve(10'000'000);
        while (text.size() < 10'000'000)
            text += words ? QStringLiteral("word ") : QStringLiteral("base64AB");
        text.truncate(10'000'000);
        storePin(rig, 1.0, text);
        auto manager = rig.makeManager();
        manager->restorePin();
        ASSERT_TRUE(manager->currentPin());
        PinTextEditorView *pane = manager->window()->content()->textPane();
        // Only a part is laid out; the note says so, and nothing of it can be typed over.
        EXPECT_TRUE(pane->showsPart());
        EXPECT_LE(pane->editor()->document()->characterCount(), PinTextEditorView::kLongestShownText + 1);
        EXPECT_TRUE(pane->editor()->isReadOnly());
        EXPECT_FALSE(pane->partNote()->isHidden());
        EXPECT_EQ(pane->text().size(), text.size());
        EXPECT_EQ(manager->currentPin()->editedText, text);

        // Saving it back never cuts it.
        manager->window()->move(333, 222);
        manager->flushPendingSave();
        manager.reset();
        EXPECT_EQ(PinnedCapture::loadSaved(rig.folder)->editedText, text);
    }

    // A text that fits is shown whole and can be edited.
    PinTextEditorView small(QStringLiteral("short"), false, PinFontSize::medium, {});
    EXPECT_FALSE(small.showsPart());
    EXPECT_TRUE(small.partNote()->isHidden());
    EXPECT_FALSE(small.editor()->isReadOnly());
}

TEST(PinWidgetManager, AChangeTheDiskDoesNotTakeIsShownKeptRetriedAndAskedAboutAtQuit)
{
    PinRig rig;
    auto manager = rig.makeManager();
    manager->pinCapture(record(QStringLiteral("orig")), solidImage(40, 20, Qt::blue), QPoint(500, 400));
    PinWidgetView *view = manager->window()->content();
    EXPECT_FALSE(manager->isUnwritten());
    EXPECT_TRUE(view->unwrittenNote()->isHidden());

    // A file takes the folder's place: no write can succeed, as on a full disk.
    const QString kept = rig.folder + QStringLiteral(".kept");
    const auto block = [&] {
        ASSERT_TRUE(QDir().rename(rig.folder, kept));
        QFile file(rig.folder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    const auto unblock = [&] {
        ASSERT_TRUE(QFile::remove(rig.folder));
        ASSERT_TRUE(QDir().rename(kept, rig.folder));
    };
    block();
    manager->updateEditedText(QStringLiteral("orig + mine"));
    ASSERT_TRUE(waitUntil([&] { return manager->isUnwritten(); }));
    EXPECT_FALSE(view->unwrittenNote()->isHidden());
    EXPECT_TRUE(view->unwrittenNote()->text().contains(manager->unwrittenReason()));
    EXPECT_EQ(manager->currentPin()->editedText, QStringLiteral("orig + mine"));

    // Quitting says so; the user may stay.
    rig.alerts.answers = {1}; // Cancel
    EXPECT_FALSE(manager->mayQuit());
    ASSERT_EQ(rig.alerts.shown.size(), 1);
    EXPECT_TRUE(manager->isUnwritten());

    // Once the disk takes it again, the retry writes it and the note goes.
    unblock();
    ASSERT_TRUE(waitUntil([&] { return !manager->isUnwritten(); }, 4 * PinWidgetManager::kRetryDelayMs));
    EXPECT_TRUE(view->unwrittenNote()->isHidden());
    EXPECT_EQ(PinnedCapture::loadSaved(rig.folder)->editedText, QStringLiteral("orig + mine"));
    EXPECT_TRUE(manager->mayQuit());
    EXPECT_EQ(rig.alerts.shown.size(), 1);

    // A new pin the disk did not take keeps its images for the write that succeeds.
    block();
    rig.alerts.answers = {1}; // keep nothing: the edited pin is replaced
    manager->closePin(false);
    manager->pinCapture(record(QStringLiteral("second")), solidImage(40, 20, Qt::green), QPoint(500, 400));
    EXPECT_TRUE(manager->isUnwritten());
    unblock();
    EXPECT_TRUE(manager->mayQuit()); // tries once more before it asks
    EXPECT_FALSE(manager->isUnwritten());
    EXPECT_EQ(PinnedCapture::loadSaved(rig.folder)->editedText, QStringLiteral("second"));
    EXPECT_FALSE(PinnedCapture::loadFullImage(rig.folder).isNull());
    EXPECT_EQ(rig.alerts.shown.size(), 1);
}
