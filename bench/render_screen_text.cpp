// Renders screen-like text samples for the recognition benchmarks: PNG images of UI and
// prose text at 1x (11-16 px fonts, light and dark themes) and of indented program text,
// each with its true text beside it as NAME.gt.txt.
//
// Usage: render_screen_text OUTPUT_DIR [COUNT]   (writes OUTPUT_DIR/text and OUTPUT_DIR/code)
#include "bench_support.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <random>

namespace {

const QStringList kSentences{
    "The quick brown fox jumps over the lazy dog.",
    "Your changes have been saved to Documents/Report-2024.pdf",
    "Click Continue to install the update (version 3.14.2).",
    "Invoice #10482 is due on 15 March, total $1,249.99.",
    "Send feedback to support@example.com or call +1 555 0134.",
    "Warning: the disk \"Backup\" is almost full (92% used).",
    "Meeting moved to Thursday at 10:30 in room B-204.",
    "Search results for: recognition accuracy on small fonts",
    "Enable notifications to hear when a download finishes.",
    "The server returned an unexpected response: 503 Service Unavailable",
    "Open Preferences > Keyboard > Shortcuts to change the keys.",
    "Last modified 2 hours ago by Maria Lopez",
    "Remaining battery time: 3 h 42 min",
    "Please enter a password with at least 12 characters.",
    "Downloaded 248 of 1,024 files; estimated time left 04:15.",
    "All rights reserved. Terms of use apply to this service.",
    "Temperature today: high 21, low 9, chance of rain 40%.",
    "Press Ctrl+Shift+T to reopen the last closed tab.",
    "This folder is shared with 4 people; 2 can edit.",
    "Subscription renews on 2025-01-31 unless cancelled.",
    "Unable to connect. Check your network settings and try again.",
    "Commit a3f9c12 fixes the crash when the list is empty.",
    "Quarterly revenue grew 7.5 percent compared with last year.",
    "Drag files here, or choose Browse to select them.",
    "Her flight lands at 18:05; gate C12, baggage belt 7.",
    "Sort by: Name, Date Modified, Size, Kind",
    "The museum opens daily from 9 am to 6 pm except Mondays.",
    "Version history keeps every copy for thirty days.",
    "Type a message and press Enter to send it.",
    "Filters applied: status is open, assignee is me, label bug",
};

const QStringList kProportionalFonts{"DejaVu Sans", "Liberation Sans", "Liberation Serif", "DejaVu Serif"};
const QStringList kMonospaceFonts{"DejaVu Sans Mono", "Liberation Mono"};

const QList<QStringList> kPrograms{
    {"def parse(lines):", "    result = []", "    for line in lines:", "        if not line:",
     "            continue", "        result.append(line.split(','))", "    return result"},
    {"int main(int argc, char **argv)", "{", "    if (argc < 2) {", "        usage();",
     "        return 1;", "    }", "    return run(argv[1]);", "}"},
    {"for (auto &item : items) {", "    total += item.price * item.count;", "    if (total > limit)",
     "        break;", "}"},
    {"class Cache:", "    def __init__(self, size=64):", "        self.size = size",
     "        self.items = {}", "", "    def get(self, key):", "        return self.items.get(key)"},
    {"fn main() {", "    let args: Vec<String> = env::args().collect();", "    match args.len() {",
     "        1 => help(),", "        _ => run(&args[1]),", "    }", "}"},
    // Operators with and without spaces, and comments aligned in a column.
    {"a, b = 0, 1", "while a < 100:", "    if a % 2 == 0:", "        print(a)", "    a, b = b, a + b",
     "n=len(xs)-1   # last index", "total = 0      # running sum"},
    {"const int width  = 640;   // pixels", "const int height = 480;   // pixels", "x += dx*2; y -= dy/2;",
     "if (x<0 || x>=width) dx = -dx;", "return {x, y};"},
    // What else terminals show: commit logs with hashes, stack traces, JSON.
    {"commit a1b2c3d4e5f60718293a4b5c6d7e8f9012345678", "Author: Maria Lopez <maria@example.com>",
     "Date:   Mon Dec 7 14:02:11 2026 +0100", "", "    Fix overflow in merge_sorted when i == n",
     "0c1d2e3 Merge branch 'fix/timeout'", "9f8e7d6 clearTimeout(timer); before retry"},
    {"Traceback (most recent call last):", "  File \"app/main.py\", line 42, in <module>",
     "    main(sys.argv[1:])", "  File \"app/cache.py\", line 17, in get", "    return self.items[key]",
     "KeyError: 'user_id'"},
    {"{", "  \"id\": \"5f3a9c0e\",", "  \"count\": 12,", "  \"tags\": [\"fast\", \"small\"],",
     "  \"ratio\": 0.75,", "  \"next\": null", "};"},
    {"void merge_sorted(std::vector<int> &overflow) {", "    for (size_t i = 1; i < n; i += 2)",
     "        overflow.push_back(items[i]);", "    clearTimeout(timer);", "    if (a &&   b) z = 0x1f;", "};"},
};

struct Theme {
    QColor background;
    QColor text;
    const char *name;
};

const QList<Theme> kThemes{
    {QColor("#ffffff"), QColor("#1d1d1f"), "light"},
    {QColor("#f3f3f3"), QColor("#444444"), "light"},
    {QColor("#1e1e1e"), QColor("#d4d4d4"), "dark"},
    {QColor("#2b2d30"), QColor("#f0f0f0"), "dark"},
    {QColor("#ffffff"), QColor("#6e6e73"), "light"},
    {QColor("#252526"), QColor("#9d9d9d"), "dark"},
};

// Wraps sentences into lines no wider than `width` pixels.
QStringList wrap(const QStringList &sentences, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString current;
    for (const QString &sentence : sentences) {
        for (const QString &word : sentence.split(' ')) {
            const QString candidate = current.isEmpty() ? word : current + ' ' + word;
            if (metrics.horizontalAdvance(candidate) > width && !current.isEmpty()) {
                lines.append(current);
                current = word;
            } else {
                current = candidate;
            }
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

QImage render(const QStringList &lines, const QFont &font, const Theme &theme, int width, int margin)
{
    const QFontMetrics metrics(font);
    const int lineHeight = qRound(metrics.height() * 1.3);
    const int height = 2 * margin + lineHeight * int(lines.size());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(theme.background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(theme.text);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(margin, margin + i * lineHeight + metrics.ascent(), lines[i]);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenPlatformUnlessSet();
    QGuiApplication app(argc, argv);
    const std::optional<QString> folder = bench::outputFolder(argc, argv, "render_screen_text OUTPUT_DIR [COUNT]");
    if (!folder)
        return 2;
    const QString out = *folder;
    const int count = argc > 2 ? std::atoi(argv[2]) : 40;
    QDir().mkpath(out + "/text");
    QDir().mkpath(out + "/code");
    std::mt19937 random(20240611);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };

    for (int i = 0; i < count; ++i) {
        const Theme &theme = kThemes[i % kThemes.size()];
        QFont font(kProportionalFonts[pick(kProportionalFonts.size())]);
        font.setPixelSize(11 + pick(6));
        const int width = 400 + 40 * pick(6);
        QStringList sentences;
        for (int s = 0; s < 3; ++s)
            sentences.append(kSentences[pick(kSentences.size())]);
        QStringList lines = wrap(sentences, QFontMetrics(font), width - 24);
        while (lines.size() > 5)
            lines.removeLast();
        const QString name = QStringLiteral("text-%1-%2-%3px").arg(i, 2, 10, QLatin1Char('0')).arg(theme.name).arg(font.pixelSize());
        render(lines, font, theme, width, 12).save(out + "/text/" + name + ".png");
        bench::writeText(out + "/text/" + name + ".gt.txt", lines.join('\n'));
    }
    for (int i = 0; i < kPrograms.size() * 4; ++i) {
        const Theme &theme = kThemes[(i + 1) % kThemes.size()];
        QFont font(kMonospaceFonts[i % kMonospaceFonts.size()]);
        font.setPixelSize(11 + i % 6);
        const QStringList &lines = kPrograms[i % kPrograms.size()];
        int width = 0;
        for (const QString &line : lines)
            width = std::max(width, QFontMetrics(font).horizontalAdvance(line));
        const QString name = QStringLiteral("code-%1-%2").arg(i, 2, 10, QLatin1Char('0')).arg(theme.name);
        render(lines, font, theme, width + 32, 16).save(out + "/code/" + name + ".png");
        bench::writeText(out + "/code/" + name + ".gt.txt", lines.join('\n'));
    }
    std::printf("wrote %d text and %d code samples to %s\n", count, int(kPrograms.size() * 4),
                qPrintable(out));
    return 0;
}
