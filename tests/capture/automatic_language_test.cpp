#include "capture/automatic_language.h"
#include "capture/recognition_image.h"
#include "support/test_fonts.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace quorvane;

namespace {

QImage renderLine(const QString &text)
{
    const QFont font = test::dejaVuFont("DejaVuSans.ttf", 14);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 24, metrics.height() + 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor("#1d1d1f"));
    painter.drawText(12, 12 + metrics.ascent(), text);
    return image;
}

} // namespace

TEST(AutomaticLanguage, NeighboursOfAnotherScriptDoNotReadWhatTheBestReadsSurely)
{
    // Russian and Ukrainian rank near each other on a piece of a Russian line; Russian
    // reads the line surely, so Ukrainian need not read it whole as well.
    const QString russian = QStringLiteral("Ваши изменения сохранены в общей папке.");
    const RecognitionImage prepared(renderLine(russian));
    std::map<QStringList, std::unique_ptr<TesseractEngine>> engines;
    std::map<QStringList, int> uses;
    const AutomaticLanguage::EngineFor engineFor = [&](const QStringList &names) -> TesseractEngine & {
        ++uses[names];
        auto &engine = engines[names];
        if (!engine)
            engine = std::make_unique<TesseractEngine>("/usr/share/tesseract-ocr/5/tessdata", names, true);
        return *engine;
    };
    const AutomaticLanguage automatic({"eng"}, {"eng", "rus", "ukr"});
    const AutomaticLanguage::Reading reading =
        automatic.read(prepared.pixels(), prepared.resolution(), TesseractEngine::Layout::automatic,
                       AutomaticLanguage::Choice::language, engineFor);
    ASSERT_EQ(reading.lines.size(), 1);
    EXPECT_EQ(reading.lines.first().text.toStdString(), russian.toStdString());
    EXPECT_EQ(reading.readers, QList<QStringList>{{"rus"}});
    // Once each for the ranking; Russian once more for the whole reading.
    EXPECT_EQ(uses[QStringList{"ukr"}], 1);
    EXPECT_EQ(uses[QStringList{"rus"}], 2);
}
