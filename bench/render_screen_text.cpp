// SPDX-License-Identifier: GPL-3.0-or-later
// Renders screen-like text samples for the recognition benchmarks: PNG images of prose
// (11-16 px fonts, light and dark themes), of interface text as Debian desktops draw it
// (single lines, menus, dialogs and paragraphs at 10-16 px in Cantarell, DejaVu Sans,
// Liberation Sans and Noto Sans, with the desktops' hinting, greyscale or subpixel
// anti-aliasing, light and dark) and of indented program text, each with its true text
// beside it as NAME.gt.txt.
//
// Usage: render_screen_text OUTPUT_DIR [COUNT]   (writes OUTPUT_DIR/text and OUTPUT_DIR/code;
// the interface samples, as many as COUNT, go to OUTPUT_DIR/text as ui-*.png; technical
// text to OUTPUT_DIR/technical, its held-out half to OUTPUT_DIR/held-out, a second
// held-out set to OUTPUT_DIR/held-out-2 and a third to OUTPUT_DIR/held-out-3)
#include "bench_support.h"
#include "fresh_held_out_text.h"
#include "held_out_text.h"
#include "held_out_text_3.h"
#include "technical_text.h"

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
#include <algorithm>
#include <functional>
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

// Interface text: what windows, menus and dialogs of a desktop say.
const QStringList kInterfaceLines{
    "Your changes have been saved.",
    "No results found for this search.",
    "Connected to Home-WiFi, signal strength good",
    "3 items selected (1.2 MB)",
    "Software Updates Available",
    "Battery at 14%, plug in soon",
    "Do not disturb until 09:00",
    "Last synced 5 minutes ago",
    "Printer is offline",
    "Show hidden files",
    "Downloads folder is almost full",
    "Screen lock turns on after 5 minutes",
    "New message from Anna Schmidt",
    "Bluetooth is turned off",
    "Files will be moved to the Trash",
};
const QList<QStringList> kMenus{
    {"New Window", "New Private Window", "Open File...", "Open Recent", "Save", "Save As...", "Print...", "Close", "Quit"},
    {"Undo", "Redo", "Cut", "Copy", "Paste", "Select All", "Find...", "Find and Replace...", "Preferences"},
    {"Zoom In", "Zoom Out", "Reset Zoom", "Full Screen", "Show Sidebar", "Show Toolbar", "Show Status Bar"},
    {"Open With Other Application", "Copy to...", "Move to...", "Rename...", "Compress...", "Move to Trash", "Properties"},
    {"Settings", "Keyboard Shortcuts", "Help", "About Files", "Send Feedback", "Check for Updates"},
};
struct Dialog {
    QString title;
    QString message;
    QStringList buttons;
};
const QList<Dialog> kDialogs{
    {"Save changes to document before closing?",
     "If you don't save, changes from the last 4 minutes will be permanently lost.", {"Close without Saving", "Cancel", "Save"}},
    {"Authentication Required", "Authentication is needed to change the system settings of this computer.",
     {"Cancel", "Authenticate"}},
    {"Replace file \"notes.txt\"?", "Another file with the same name already exists in \"Documents\". Replacing it will overwrite its content.",
     {"Skip", "Cancel", "Replace"}},
    {"Unable to mount Backup Drive", "The disk contains an unrecognized file system. Check that the cable is connected and try again.",
     {"OK"}},
    {"Empty all items from Trash?", "All items in the Trash will be permanently deleted.", {"Cancel", "Empty Trash"}},
    {"Install 12 updates?", "The computer will restart to finish installing. Save your work before you go on.",
     {"Later", "Restart and Install"}},
};
const QStringList kInterfaceFonts{"Cantarell", "DejaVu Sans", "Liberation Sans", "Noto Sans"};
// Hinting as desktops set it: slight (the fontconfig default of GNOME and KDE), full,
// vertical only, none.
const QList<QFont::HintingPreference> kHinting{QFont::PreferDefaultHinting, QFont::PreferFullHinting,
                                               QFont::PreferVerticalHinting, QFont::PreferNoHinting};

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

// Window colours of the desktops' themes: Adwaita, Breeze, light and dark.
const QList<Theme> kInterfaceThemes{
    {QColor("#fafafa"), QColor("#2e3436"), "light"},
    {QColor("#ffffff"), QColor("#000000"), "light"},
    {QColor("#eff0f1"), QColor("#232627"), "light"},
    {QColor("#242424"), QColor("#ffffff"), "dark"},
    {QColor("#303030"), QColor("#eeeeec"), "dark"},
    {QColor("#31363b"), QColor("#eff0f1"), "dark"},
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

QColor mixed(const QColor &a, const QColor &b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share), float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

// The image as subpixel (RGB) anti-aliasing draws it, as KDE and older GNOME set it up:
// `draw` paints at three times the width (Qt anti-aliases only in grey on an image), and
// each pixel's red, green and blue take the subpixels of their thirds, through the light
// filter FreeType applies by default.
QImage withSubpixels(int width, int height, const std::function<void(QPainter &)> &draw)
{
    QImage wide(3 * width, height, QImage::Format_RGB32);
    QPainter painter(&wide);
    painter.scale(3, 1);
    draw(painter);
    painter.end();
    static const int filter[5] = {8, 77, 86, 77, 8};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(wide.constScanLine(y));
        QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int channels[3] = {0, 0, 0};
            for (int c = 0; c < 3; ++c) {
                for (int k = 0; k < 5; ++k) {
                    const int sub = std::clamp(3 * x + c + k - 2, 0, 3 * width - 1);
                    const int value = c == 0 ? qRed(in[sub]) : c == 1 ? qGreen(in[sub]) : qBlue(in[sub]);
                    channels[c] += filter[k] * value;
                }
            }
            out[x] = qRgb(std::min(255, channels[0] / 256), std::min(255, channels[1] / 256), std::min(255, channels[2] / 256));
        }
    }
    return image;
}

// One interface sample of the given kind: a single line, a menu, a dialog or a paragraph.
// Returns the image and its text.
std::pair<QImage, QString> renderInterface(int kind, int variant, const QFont &font, const Theme &theme, bool subpixel)
{
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    const QColor frame = mixed(theme.background, theme.text, 0.25);
    QStringList lines;
    QImage image;
    // Draws on a canvas of the size, in grey or with subpixels.
    const auto canvas = [&](int width, int height, const std::function<void(QPainter &)> &draw) {
        const auto drawOnBackground = [&](QPainter &painter) {
            painter.fillRect(QRect(0, 0, width, height), theme.background);
            draw(painter);
        };
        if (subpixel) {
            image = withSubpixels(width, height, drawOnBackground);
            return;
        }
        image = QImage(width, height, QImage::Format_RGB32);
        QPainter painter(&image);
        drawOnBackground(painter);
    };
    if (kind == 0) {  // a single line: a status text or a notification
        const QString text = kInterfaceLines[variant % kInterfaceLines.size()];
        canvas(metrics.horizontalAdvance(text) + 2 * line, 2 * line, [&](QPainter &painter) {
            painter.setFont(font);
            painter.setPen(theme.text);
            painter.drawText(line, line / 2 + metrics.ascent(), text);
        });
        lines.append(text);
    } else if (kind == 1) {  // a menu: rows with a separator
        const QStringList &items = kMenus[variant % kMenus.size()];
        const int row = qRound(line * 1.9);
        int width = 0;
        for (const QString &item : items)
            width = std::max(width, metrics.horizontalAdvance(item));
        const QRect menu(0, 0, width + 4 * line, row * int(items.size()) + line);
        canvas(menu.width(), menu.height(), [&](QPainter &painter) {
            painter.setFont(font);
            painter.setPen(frame);
            painter.drawRect(menu.adjusted(0, 0, -1, -1));
            for (int i = 0; i < items.size(); ++i) {
                const int top = line / 2 + i * row;
                if (i == 3) {
                    painter.setPen(frame);
                    painter.drawLine(line / 2, top, menu.width() - line / 2, top);
                }
                painter.setPen(theme.text);
                painter.drawText(2 * line, top + (row - line) / 2 + metrics.ascent(), items[i]);
            }
        });
        lines = items;
    } else if (kind == 2) {  // a dialog: a bold title, a message, buttons in a row
        const Dialog &dialog = kDialogs[variant % kDialogs.size()];
        QFont bold = font;
        bold.setBold(true);
        const int width = std::max(QFontMetrics(bold).horizontalAdvance(dialog.title), 26 * line) + 4 * line;
        const QStringList message = wrap({dialog.message}, metrics, width - 4 * line);
        const int buttonHeight = 2 * line;
        const int height = 3 * line + qRound(1.4 * line) * int(message.size() + 1) + buttonHeight + 2 * line;
        canvas(width, height, [&](QPainter &painter) {
            painter.setPen(theme.text);
            painter.setFont(bold);
            int y = 2 * line;
            painter.drawText(2 * line, y + metrics.ascent(), dialog.title);
            painter.setFont(font);
            y += qRound(1.4 * line) + line / 2;
            for (const QString &text : message) {
                painter.drawText(2 * line, y + metrics.ascent(), text);
                y += qRound(1.4 * line);
            }
            y += line;
            int x = width - 2 * line;
            for (qsizetype i = dialog.buttons.size() - 1; i >= 0; --i) {
                const int buttonWidth = metrics.horizontalAdvance(dialog.buttons[i]) + 2 * line;
                x -= buttonWidth;
                const QRect button(x, y, buttonWidth, buttonHeight);
                painter.setPen(frame);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
                painter.setPen(theme.text);
                painter.drawText(button, Qt::AlignCenter, dialog.buttons[i]);
                x -= line / 2;
            }
        });
        lines = QStringList{dialog.title} + message + QStringList{dialog.buttons.join(' ')};
    } else {  // a paragraph: help text or a description
        QStringList sentences;
        for (int s = 0; s < 3; ++s)
            sentences.append(kSentences[(variant * 7 + s * 11) % kSentences.size()]);
        lines = wrap(sentences, metrics, 30 * line);
        while (lines.size() > 4)
            lines.removeLast();
        const int lineHeight = qRound(line * 1.3);
        canvas(32 * line, 2 * line + lineHeight * int(lines.size()), [&](QPainter &painter) {
            painter.setFont(font);
            painter.setPen(theme.text);
            for (int i = 0; i < lines.size(); ++i)
                painter.drawText(line, line + i * lineHeight + metrics.ascent(), lines[i]);
        });
    }
    return {image, lines.join('\n')};
}

// Writes `count` interface samples to `folder`.
void writeInterfaceSamples(const QString &folder, int count)
{
    for (int i = 0; i < count; ++i) {
        const bool subpixel = (i + i / 4) % 2 == 1;
        const int kind = i % 4;
        const Theme &theme = kInterfaceThemes[(i / 4) % kInterfaceThemes.size()];
        QFont font(kInterfaceFonts[(i + i / 4) % kInterfaceFonts.size()]);
        font.setPixelSize(10 + (3 * i + i / 4) % 7);
        font.setHintingPreference(kHinting[(i / 3) % kHinting.size()]);
        const auto [image, text] = renderInterface(kind, i / 4, font, theme, subpixel);
        static const char *const kinds[] = {"line", "menu", "dialog", "paragraph"};
        const QString name = QStringLiteral("ui-%1-%2-%3-%4px-%5")
                                 .arg(i, 2, 10, QLatin1Char('0'))
                                 .arg(kinds[kind], theme.name)
                                 .arg(font.pixelSize())
                                 .arg(subpixel ? "rgb" : "grey");
        image.save(folder + "/" + name + ".png");
        bench::writeText(folder + "/" + name + ".gt.txt", text);
    }
}

// How one half of the technical samples is drawn: each sample twice, light and dark.
struct TechnicalLook {
    QStringList fonts;      // a window's fonts
    QStringList monospace;  // terminals' and editors' fonts
    QList<int> sizes;       // pixel sizes
    bool subpixel;          // every other window sample with subpixel anti-aliasing
};

void writeTechnicalSamples(const QString &folder, const QString &prefix, const QList<bench::TechnicalSample> &samples,
                           const TechnicalLook &look)
{
    QDir().mkpath(folder);
    for (qsizetype i = 0; i < 2 * samples.size(); ++i) {
        const bench::TechnicalSample &sample = samples[i / 2];
        const bool dark = i % 2 == 1;
        QList<Theme> themes;
        for (const Theme &theme : sample.monospace ? kThemes : kInterfaceThemes) {
            if (theme.name == QLatin1String(dark ? "dark" : "light"))
                themes.append(theme);
        }
        const Theme &theme = themes[(i / 2) % themes.size()];
        const QStringList &fonts = sample.monospace ? look.monospace : look.fonts;
        QFont font(fonts[(i / 2 + i) % fonts.size()]);
        font.setPixelSize(look.sizes[(i + i / 3) % look.sizes.size()]);
        const QFontMetrics metrics(font);
        int width = 0;
        for (const QString &line : sample.lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        const int margin = metrics.height();
        const bool subpixel = look.subpixel && !sample.monospace && i % 4 >= 2;
        QImage image;
        if (subpixel) {
            const int lineHeight = qRound(metrics.height() * 1.3);
            const int height = 2 * margin + lineHeight * int(sample.lines.size());
            image = withSubpixels(width + 2 * margin, height, [&](QPainter &painter) {
                painter.fillRect(QRect(0, 0, width + 2 * margin, height), theme.background);
                painter.setFont(font);
                painter.setPen(theme.text);
                for (int l = 0; l < sample.lines.size(); ++l)
                    painter.drawText(margin, margin + l * lineHeight + metrics.ascent(), sample.lines[l]);
            });
        } else {
            image = render(sample.lines, font, theme, width + 2 * margin, margin);
        }
        const QString name = QStringLiteral("%1-%2-%3-%4-%5px")
                                 .arg(prefix)
                                 .arg(i, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(sample.kind), theme.name)
                                 .arg(font.pixelSize());
        image.save(folder + "/" + name + ".png");
        bench::writeText(folder + "/" + name + ".gt.txt", sample.lines.join('\n'));
    }
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
    writeInterfaceSamples(out + "/text", count);
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
    // Technical text in two halves: the one rules may be tuned on, and the one held out,
    // in other fonts and sizes.
    writeTechnicalSamples(out + "/technical", "tech", bench::tunedTechnicalSamples(),
                          {{"DejaVu Sans", "Liberation Sans"}, {"DejaVu Sans Mono"}, {12, 13, 14}, false});
    writeTechnicalSamples(out + "/technical", "tech-b", bench::tunedTechnicalSamples(),
                          {{"Liberation Serif", "DejaVu Sans"}, {"DejaVu Sans Mono"}, {10, 17}, true});
    writeTechnicalSamples(out + "/technical", "tech-c", bench::tunedTechnicalSamples(),
                          {{"Noto Sans", "Cantarell"}, {"Noto Mono", "DejaVu Sans Mono"}, {11, 13, 16}, true});
    writeTechnicalSamples(out + "/technical", "tech-d", bench::tunedTechnicalSamples(),
                          {{"Cantarell", "Liberation Sans"}, {"Liberation Mono"}, {12, 15, 18}, false});
    writeTechnicalSamples(out + "/held-out", "tech", bench::heldOutTechnicalSamples(),
                          {{"Cantarell", "Noto Sans"}, {"Liberation Mono", "DejaVu Sans Mono"}, {11, 15, 16}, true});
    writeTechnicalSamples(out + "/held-out-2", "tech", bench::freshHeldOutTechnicalSamples(),
                          {{"DejaVu Sans", "Cantarell"}, {"Noto Mono", "Liberation Mono"}, {12, 14, 18}, true});
    writeTechnicalSamples(out + "/held-out-3", "tech", bench::thirdHeldOutTechnicalSamples(),
                          {{"Noto Serif", "DejaVu Serif"}, {"Noto Sans Mono"}, {9, 19, 20}, true});
    std::printf("wrote %d text, %d interface, %d code, %d technical and %d + %d + %d held-out technical samples to %s\n",
                count, count, int(kPrograms.size() * 4), int(8 * bench::tunedTechnicalSamples().size()),
                int(2 * bench::heldOutTechnicalSamples().size()), int(2 * bench::freshHeldOutTechnicalSamples().size()),
                int(2 * bench::thirdHeldOutTechnicalSamples().size()), qPrintable(out));
    return 0;
}
