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

// Engines loaded on first use, counting how often each is asked for.
struct Engines : AutomaticLanguage::Engines {
    std::map<QStringList, std::unique_ptr<TesseractEngine>> loaded;
    std::map<QStringList, int> uses;

    TesseractEngine &engine(const QStringList &names) override
    {
        ++uses[names];
        auto &engine = loaded[names];
        if (!engine)
            engine = std::make_unique<TesseractEngine>("/usr/share/tesseract-ocr/5/tessdata", names, true);
        return *engine;
    }
    void load(const QList<QStringList> &) override {}
};

AutomaticLanguage::Reading readAutomatically(const QString &text, const QStringList &installed, Engines &engines)
{
    const RecognitionImage prepared(renderLine(text));
    const AutomaticLanguage automatic({"eng"}, installed);
    return automatic.read(prepared.pixels(), prepared.resolution(), TesseractEngine::Layout::automatic,
                          AutomaticLanguage::Choice::language, engines);
}

} // namespace

TEST(AutomaticLanguage, NeighboursOfAnotherScriptDoNotReadWhatTheBestReadsSurely)
{
    // Russian and Ukrainian rank near each other on a piece of a Russian line; Russian
    // reads the line surely, so Ukrainian need not read it whole as well.
    const QString russian = QStringLiteral("Ваши изменения сохранены в общей папке.");
    Engines engines;
    const AutomaticLanguage::Reading reading = readAutomatically(russian, {"eng", "rus", "ukr"}, engines);
    ASSERT_EQ(reading.lines.size(), 1);
    EXPECT_EQ(reading.lines.first().text.toStdString(), russian.toStdString());
    EXPECT_EQ(reading.readers, QList<QStringList>{{"rus"}});
    // Once each for the ranking; Russian once more for the whole reading.
    EXPECT_EQ(engines.uses[QStringList{"ukr"}], 1);
    EXPECT_EQ(engines.uses[QStringList{"rus"}], 2);
}

TEST(AutomaticLanguage, TextInTheLocalesScriptLoadsNoEngineOfAnotherScript)
{
    // Loading the engines of other scripts for every capture of English text would cost
    // more than the reading.
    const QString english = QStringLiteral("Your changes have been saved to the shared folder.");
    Engines engines;
    const AutomaticLanguage::Reading reading = readAutomatically(english, {"eng", "deu", "rus", "ara"}, engines);
    ASSERT_EQ(reading.lines.size(), 1);
    EXPECT_EQ(reading.lines.first().text.toStdString(), english.toStdString());
    EXPECT_EQ(engines.loaded.count({"rus"}), 0u);
    EXPECT_EQ(engines.loaded.count({"ara"}), 0u);
}
