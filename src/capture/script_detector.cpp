#include "capture/script_detector.h"

#include "capture/tesseract_language_map.h"
#include "core/diagnostics.h"

#include <QFileInfo>

#include <tesseract/baseapi.h>

namespace quorvane {

ScriptDetector::ScriptDetector(QString dataPath)
    : m_dataPath(std::move(dataPath))
{
}

ScriptDetector::~ScriptDetector()
{
    release();
}

void ScriptDetector::release()
{
    if (m_api)
        m_api->End();
    m_api.reset();
}

std::optional<QString> ScriptDetector::detect(const QImage &grey, int resolution)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    if (m_unavailable)
        return std::nullopt;
    if (!m_api) {
        auto api = std::make_unique<tesseract::TessBaseAPI>();
        const QByteArray path = m_dataPath.toUtf8();
        // The detection data only exists for the legacy engine.
        if (!QFileInfo::exists(m_dataPath + QStringLiteral("/osd.traineddata"))
            || api->Init(path.constData(), "osd", tesseract::OEM_TESSERACT_ONLY) != 0) {
            diag(lcRecognition(), QStringLiteral("⚠️ [ScriptDetector] no script detection data in %1").arg(m_dataPath));
            m_unavailable = true;
            return std::nullopt;
        }
        // A capture often holds a line or two; the default asks for 50 characters.
        api->SetVariable("min_characters_to_try", "5");
        api->SetPageSegMode(tesseract::PSM_OSD_ONLY);
        m_api = std::move(api);
    }
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, static_cast<int>(grey.bytesPerLine()));
    m_api->SetSourceResolution(resolution);
    int orientation = 0;
    float orientationConfidence = 0;
    const char *script = nullptr;
    float scriptConfidence = 0;
    const bool found =
        m_api->DetectOrientationScript(&orientation, &orientationConfidence, &script, &scriptConfidence);
    m_api->Clear();
    if (!found || !script)
        return std::nullopt;
    const QString name = TesseractLanguageMap::scriptOfDetection(QString::fromUtf8(script));
    diag(lcRecognition(), QStringLiteral("   [ScriptDetector] %1 (confidence %2)").arg(name).arg(scriptConfidence));
    return name;
}

} // namespace quorvane
