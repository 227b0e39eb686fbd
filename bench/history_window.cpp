// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the history window at its largest, 1000 records with 256-pixel thumbnails,
// against its targets:
//   - opening the window (built, loaded, first frame painted) under 100 ms;
//   - each filter or search change (Today -> All, typing one to five letters, clearing
//     the search) under 30 ms, painted;
//   - deleting the selected record: the window's part, after the store has saved;
//   - the open window under 40 MB of resident memory above the closed one, and no
//     growth over 100 open/close cycles after the first.
// Times are wall-clock medians: on a machine busy with other work they rise, so run it a
// few times. Run it on a display (xvfb-run works). Usage: history_window
#include "core/capture_history_entry.h"
#include "core/json_util.h"
#include "history/history_store.h"
#include "history/history_view.h"
#include "history/history_view_model.h"
#include "platform/file_dialog_save_panel.h"
#include "platform/message_box_alert_presenter.h"
#include "platform/system_pasteboard.h"
#include "support/inactive_pin_widget_manager.h"

#include <QApplication>
#include <QAbstractScrollArea>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include <unistd.h>

using namespace quorvane;

namespace {

constexpr int recordCount = 1000;
constexpr int todayCount = 12;
constexpr int rounds = 7;
constexpr int cycles = 100;

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void waitFor(const std::function<bool()> &done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < 30'000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

// Posted work done, then the whole window painted now, as the next frame would be.
void settle(QWidget &window)
{
    QCoreApplication::processEvents();
    window.repaint();
}

// A picture that compresses like a captured paragraph: dark word-shaped bars on white.
QImage fakeCapture(std::mt19937 &random)
{
    std::uniform_int_distribution<int> wordWidth(12, 90);
    QImage image(900, 260, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int line = 0; line < 8; ++line) {
        for (int x = 10; x < 860;) {
            const int width = wordWidth(random);
            painter.fillRect(QRectF(x, 12 + line * 30, width, 14), QColor(30, 30, 30, 220));
            x += width + 9;
        }
    }
    return image;
}

// Words of two to four syllables, so that a few typed letters narrow the list gradually.
QStringList vocabulary(std::mt19937 &random)
{
    static const QStringList syllables{"ker", "nel", "in", "vo", "ice", "ta", "lo", "mer", "de", "ploy",
                                       "ra", "su", "mé", "gri", "ße", "fun", "ction", "qua", "ter", "al"};
    std::uniform_int_distribution<int> pick(0, int(syllables.size()) - 1), length(2, 4);
    QStringList words;
    for (int i = 0; i < 400; ++i) {
        QString word;
        for (int n = length(random); n > 0; --n)
            word += syllables[pick(random)];
        words << word;
    }
    return words;
}

CaptureHistoryEntry makeRecord(int age, const QStringList &words, std::mt19937 &random)
{
    std::uniform_int_distribution<int> pick(0, int(words.size()) - 1), count(8, 40), mode(0, 9);
    CaptureHistoryEntry entry;
    entry.timestamp = QDateTime::currentDateTimeUtc().addSecs(-age);
    for (int i = count(random); i > 0; --i)
        entry.text += words[pick(random)] + (i % 9 == 0 ? "\n" : " ");
    entry.sourceRect = QRectF(100, 200, 900, 260);
    const int m = mode(random);
    entry.captureMode = m == 0 ? CaptureMode::code : m == 1 ? CaptureMode::repeat : CaptureMode::normal;
    entry.thumbnailData = HistoryStore::generateThumbnail(fakeCapture(random), 256);
    return entry;
}

// Types `text` into the focused search field key by key, as the user would.
void type(QLineEdit &field, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&field, &press);
    }
}

// Resolves each deletion on the main thread, so the window's part is timed on its own.
class TimedDeleteStore : public HistoryStore {
public:
    using HistoryStore::HistoryStore;
    QFuture<void> deleteEntry(QUuid id) override
    {
        return HistoryStore::deleteEntry(id).then(qApp, [this](QFuture<void> done) {
            saved.start();
            done.waitForFinished();
        });
    }
    QElapsedTimer saved;
};

struct Services {
    SystemPasteboard pasteboard{QGuiApplication::clipboard()};
    FileDialogSavePanel savePanel;
    MessageBoxAlertPresenter alerts;
    InactivePinWidgetManager pins;
};

std::unique_ptr<HistoryView> openWindow(HistoryStore &store, Services &services)
{
    auto view = std::make_unique<HistoryView>(
        std::make_unique<HistoryViewModel>(store, services.pasteboard, services.savePanel),
        services.pins, services.alerts);
    view->resize(900, 600);
    view->show();
    waitFor([&] { return !view->viewModel().isLoading() && view->content() == HistoryView::Content::list; });
    settle(*view);
    return view;
}

void closeWindow(std::unique_ptr<HistoryView> view)
{
    view->close();
    view.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool report(const char *what, double ms, double target)
{
    const bool ok = ms < target;
    std::printf("%s %-28s %8.2f ms (target under %.0f)\n", ok ? "✅" : "❌", what, ms, target);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::printf("❌ cannot make a scratch folder\n");
        return 1;
    }
    const QString folder = scratch.path() + "/Quorvane";

    std::mt19937 random(7);
    const QStringList words = vocabulary(random);
    std::printf("🔷 building %d records with 256-pixel thumbnails...\n", recordCount);
    {
        json::Json array = json::Json::array();
        for (int n = 0; n < recordCount; ++n) {
            const int age = n < todayCount ? 60 * n : 86400 * 2 + 3600 * n;
            array.push_back(makeRecord(age, words, random).toJson());
        }
        QDir().mkpath(folder);
        QFile file(folder + "/history.json");
        const QByteArray bytes = json::dump(array);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::printf("❌ cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }

    Services services;
    TimedDeleteStore store(folder, recordCount);
    waitFor([future = store.ensureLoaded()] { return future.isFinished(); });
    // The typed letters: the start of the first record's first word.
    const QString query = words.front().left(5);

    bool ok = true;
    std::vector<double> openMs, allMs, clearMs, deleteMs;
    std::vector<std::vector<double>> typedMs(query.size());
    closeWindow(openWindow(store, services)); // fonts, icons and styles loaded once
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<HistoryView> view = openWindow(store, services);
        openMs.push_back(timer.nsecsElapsed() / 1e6);
        HistoryViewModel &model = view->viewModel();

        model.setDateFilter(DateFilter::today);
        settle(*view);
        timer.restart();
        model.setDateFilter(DateFilter::all);
        settle(*view);
        allMs.push_back(timer.nsecsElapsed() / 1e6);

        auto *field = view->findChild<QLineEdit *>(QStringLiteral("searchField"));
        field->setFocus();
        for (int n = 0; n < query.size(); ++n) {
            timer.restart();
            type(*field, query.mid(n, 1));
            settle(*view);
            typedMs[n].push_back(timer.nsecsElapsed() / 1e6);
        }
        if (round == 0) {
            std::printf("   \"%s\" lists %lld of %lld\n", qPrintable(query),
                        static_cast<long long>(model.entries().size()),
                        static_cast<long long>(model.allEntries().size()));
        }
        timer.restart();
        view->findChild<QToolButton *>(QStringLiteral("clearSearchButton"))->click();
        settle(*view);
        clearMs.push_back(timer.nsecsElapsed() / 1e6);

        // Deleting the selected record, a fifth of the way down the list.
        model.setSelectedEntry(model.entries().at(model.entries().size() / 5));
        settle(*view);
        model.setEntryToDelete(model.selectedEntry());
        const qsizetype before = model.allEntries().size();
        model.confirmDelete();
        waitFor([&] { return model.allEntries().size() < before && !model.isLoading(); });
        settle(*view);
        deleteMs.push_back(store.saved.nsecsElapsed() / 1e6);

        closeWindow(std::move(view));
    }

    std::printf("(medians of %d rounds; %lld records)\n", rounds, static_cast<long long>(recordCount));
    ok &= report("open the window", median(openMs), 100);
    ok &= report("Today -> All", median(allMs), 30);
    for (int n = 0; n < query.size(); ++n)
        ok &= report(qPrintable(QStringLiteral("type letter %1 (\"%2\")").arg(n + 1).arg(query.left(n + 1))),
                     median(typedMs[n]), 30);
    ok &= report("clear the search", median(clearMs), 30);
    ok &= report("delete selected (after save)", median(deleteMs), 30);

    // Memory: the open window against the closed one, then many cycles.
    const double closed = residentMb();
    std::unique_ptr<HistoryView> view = openWindow(store, services);
    // Scrolled through once, so every row has been painted.
    QScrollBar *bar = view->findChild<QAbstractScrollArea *>(QStringLiteral("captureList"))->verticalScrollBar();
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
        bar->setValue(value);
        settle(*view);
    }
    const double open = residentMb();
    closeWindow(std::move(view));
    const double afterFirst = residentMb();
    for (int cycle = 0; cycle < cycles; ++cycle)
        closeWindow(openWindow(store, services));
    const double afterCycles = residentMb();

    const bool memoryOk = open - closed < 40;
    const bool cyclesOk = afterCycles - afterFirst < 2;
    std::printf("%s open window above closed:   %8.1f MB (target under 40; closed %.1f MB)\n",
                memoryOk ? "✅" : "❌", open - closed, closed);
    std::printf("%s growth over %d open/close:  %8.1f MB (%.1f -> %.1f; target none, under 2)\n",
                cyclesOk ? "✅" : "❌", cycles, afterCycles - afterFirst, afterFirst, afterCycles);
    return ok && memoryOk && cyclesOk ? 0 : 1;
}
