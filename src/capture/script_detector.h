#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

namespace tesseract {
class TessBaseAPI;
}

namespace quorvane {

// Tells which writing system a text image is in, with Tesseract's orientation and script
// detection (the "osd" data installed with the engine). Loads that data on first use.
// Not thread-safe: one thread at a time.
class ScriptDetector {
public:
    explicit ScriptDetector(QString dataPath);
    ~ScriptDetector();
    ScriptDetector(const ScriptDetector &) = delete;
    ScriptDetector &operator=(const ScriptDetector &) = delete;

    // The script of `grey` (Grayscale8, dark on light, `resolution` pixels per inch) as
    // TesseractLanguageMap::script names it, or none when the detection has no answer.
    std::optional<QString> detect(const QImage &grey, int resolution);
    // Frees the detection data; the next detection loads it again.
    void release();

private:
    const QString m_dataPath;
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    bool m_unavailable = false;
};

} // namespace quorvane
