// SPDX-License-Identifier: GPL-3.0-or-later
// Renders screen-like text in each of the recognition languages, light and dark, for the
// automatic-language benchmark: OUTPUT_DIR/ID-N-THEME.png with its true text beside it as
// .gt.txt and its language id as .lang. Languages without an installed font are skipped.
//
// Usage: render_language_text OUTPUT_DIR [SAMPLES_PER_THEME]
#include "bench_support.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <cstdio>

namespace {

struct Language {
    const char *id;
    QStringList families;  // the first installed one that has every character is used
    QStringList sentences;
};

const QStringList kLatin{"DejaVu Sans", "Liberation Sans", "Noto Sans", "Liberation Serif"};
const QStringList kCyrillic{"DejaVu Sans", "Liberation Sans", "Noto Sans"};

const QList<Language> kLanguages{
    {"en-US", kLatin, {"Your changes have been saved to the shared folder.", "Click Continue to install the latest update.", "Unable to connect, check your network settings."}},
    {"es-ES", kLatin, {"Los cambios se guardaron en la carpeta compartida.", "¿Desea instalar la actualización ahora mismo?", "No se puede conectar; revise la configuración de red."}},
    {"fr-FR", kLatin, {"Vos modifications ont été enregistrées dans le dossier partagé.", "Cliquez sur Continuer pour installer la mise à jour.", "Impossible de se connecter : vérifiez les paramètres réseau."}},
    {"de-DE", kLatin, {"Größenänderung für Fußgänger ist jetzt möglich.", "Ihre Änderungen wurden im freigegebenen Ordner gespeichert.", "Keine Verbindung möglich; überprüfen Sie die Netzwerkeinstellungen."}},
    {"it-IT", kLatin, {"Le modifiche sono state salvate nella cartella condivisa.", "Fai clic su Continua per installare l'aggiornamento.", "Impossibile connettersi: controlla le impostazioni di rete."}},
    {"pt-PT", kLatin, {"As suas alterações foram guardadas na pasta partilhada.", "Clique em Continuar para instalar a atualização.", "Não foi possível ligar; verifique as definições de rede."}},
    {"nl-NL", kLatin, {"Uw wijzigingen zijn opgeslagen in de gedeelde map.", "Klik op Doorgaan om de nieuwste update te installeren.", "Kan geen verbinding maken; controleer uw netwerkinstellingen."}},
    {"da-DK", kLatin, {"Dine ændringer er gemt i den delte mappe.", "Klik på Fortsæt for at installere opdateringen.", "Kan ikke oprette forbindelse; kontrollér netværksindstillingerne."}},
    {"no-NO", kLatin, {"Endringene dine er lagret i den delte mappen.", "Klikk på Fortsett for å installere oppdateringen.", "Kan ikke koble til; sjekk nettverksinnstillingene dine."}},
    {"sv-SE", kLatin, {"Dina ändringar har sparats i den delade mappen.", "Klicka på Fortsätt för att installera uppdateringen.", "Det går inte att ansluta; kontrollera nätverksinställningarna."}},
    {"pl-PL", kLatin, {"Twoje zmiany zostały zapisane w udostępnionym folderze.", "Kliknij Dalej, aby zainstalować najnowszą aktualizację.", "Nie można połączyć się; sprawdź ustawienia sieci."}},
    {"cs-CZ", kLatin, {"Vaše změny byly uloženy do sdílené složky.", "Klepnutím na Pokračovat nainstalujete aktualizaci.", "Nelze se připojit; zkontrolujte nastavení sítě."}},
    {"ro-RO", kLatin, {"Modificările au fost salvate în dosarul partajat.", "Faceți clic pe Continuare pentru a instala actualizarea.", "Nu se poate conecta; verificați setările de rețea."}},
    {"zh-Hans", {"Noto Sans CJK SC"}, {"您的更改已保存到共享文件夹。", "点击继续以安装最新的更新。", "无法连接，请检查您的网络设置。"}},
    {"zh-Hant", {"Noto Sans CJK TC"}, {"您的變更已儲存到共用資料夾。", "按一下繼續以安裝最新的更新。", "無法連線，請檢查您的網路設定。"}},
    {"ja-JP", {"Noto Sans CJK JP"}, {"変更は共有フォルダに保存されました。", "続行をクリックして最新のアップデートをインストールします。", "接続できません。ネットワーク設定を確認してください。"}},
    {"ko-KR", {"Noto Sans CJK KR"}, {"변경 사항이 공유 폴더에 저장되었습니다.", "계속을 클릭하여 최신 업데이트를 설치하십시오.", "연결할 수 없습니다. 네트워크 설정을 확인하십시오."}},
    {"th-TH", {"Noto Sans Thai", "Noto Sans Thai UI"}, {"การเปลี่ยนแปลงของคุณถูกบันทึกไว้ในโฟลเดอร์ที่แชร์แล้ว", "คลิกดำเนินการต่อเพื่อติดตั้งการอัปเดตล่าสุด", "ไม่สามารถเชื่อมต่อได้ โปรดตรวจสอบการตั้งค่าเครือข่าย"}},
    {"vi-VN", kLatin, {"Các thay đổi của bạn đã được lưu vào thư mục dùng chung.", "Nhấp vào Tiếp tục để cài đặt bản cập nhật mới nhất.", "Không thể kết nối; hãy kiểm tra cài đặt mạng của bạn."}},
    {"ru-RU", kCyrillic, {"Привет, как дела?", "Ваши изменения сохранены в общей папке.", "Не удалось подключиться; проверьте настройки сети."}},
    {"uk-UA", kCyrillic, {"Ваші зміни збережено в спільній теці.", "Натисніть «Продовжити», щоб встановити оновлення.", "Не вдалося під'єднатися; перевірте налаштування мережі."}},
    {"ar-SA", {"Noto Sans Arabic", "DejaVu Sans"}, {"تم حفظ التغييرات في المجلد المشترك.", "انقر على متابعة لتثبيت آخر تحديث.", "تعذر الاتصال، تحقق من إعدادات الشبكة."}},
    {"tr-TR", kLatin, {"Değişiklikleriniz paylaşılan klasöre kaydedildi.", "En son güncellemeyi yüklemek için Devam'a tıklayın.", "Bağlantı kurulamıyor; ağ ayarlarınızı kontrol edin."}},
    {"id-ID", kLatin, {"Perubahan Anda telah disimpan ke folder bersama.", "Klik Lanjutkan untuk memasang pembaruan terbaru.", "Tidak dapat terhubung; periksa pengaturan jaringan Anda."}},
    {"ms-MY", kLatin, {"Perubahan anda telah disimpan ke dalam folder kongsi.", "Klik Teruskan untuk memasang kemas kini terkini.", "Tidak dapat menyambung; semak tetapan rangkaian anda."}},
};

struct Theme {
    QColor background;
    QColor text;
    const char *name;
};
const QList<Theme> kThemes{{QColor("#ffffff"), QColor("#1d1d1f"), "light"}, {QColor("#1e1e1e"), QColor("#d4d4d4"), "dark"}};

// The first family that is installed and draws every character of `text`.
QString familyFor(const Language &language, const QString &text)
{
    for (const QString &family : language.families) {
        if (!QFontDatabase::hasFamily(family))
            continue;
        const QRawFont raw = QRawFont::fromFont(QFont(family));
        bool complete = true;
        for (const QChar c : text) {
            if (!c.isSpace() && !c.isPunct() && !raw.supportsCharacter(c))
                complete = false;
        }
        if (complete)
            return family;
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenPlatformUnlessSet();
    QGuiApplication app(argc, argv);
    const std::optional<QString> folder = bench::outputFolder(argc, argv, "render_language_text OUTPUT_DIR [SAMPLES_PER_THEME]");
    if (!folder)
        return 2;
    const QString out = *folder;
    const int perTheme = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2;
    int written = 0;
    for (const Language &language : kLanguages) {
        const QString all = language.sentences.join(' ');
        const QString family = familyFor(language, all);
        if (family.isEmpty()) {
            std::fprintf(stderr, "%s: no installed font, skipped\n", language.id);
            continue;
        }
        for (int n = 0; n < perTheme; ++n) {
            for (const Theme &theme : kThemes) {
                QFont font(family);
                font.setPixelSize(12 + (n * 2 + (theme.name[0] == 'd')) % 5);
                const QFontMetrics metrics(font);
                // Two of the three sentences, a different pair for each sample.
                const QStringList lines{language.sentences[n % 3], language.sentences[(n + 1) % 3]};
                int width = 0;
                for (const QString &line : lines)
                    width = std::max(width, metrics.horizontalAdvance(line));
                const int lineHeight = qRound(metrics.height() * 1.3);
                QImage image(width + 24, 24 + lineHeight * int(lines.size()), QImage::Format_RGB32);
                image.fill(theme.background);
                QPainter painter(&image);
                painter.setFont(font);
                painter.setPen(theme.text);
                for (int i = 0; i < lines.size(); ++i) {
                    const QRect row(12, 12 + i * lineHeight, width, lineHeight);
                    painter.drawText(row, Qt::AlignVCenter | (QLatin1String(language.id) == QLatin1String("ar-SA") ? Qt::AlignRight : Qt::AlignLeft), lines[i]);
                }
                painter.end();
                const QString name = QStringLiteral("%1-%2-%3").arg(QLatin1String(language.id)).arg(n).arg(QLatin1String(theme.name));
                image.save(out + '/' + name + ".png");
                bench::writeText(out + '/' + name + ".gt.txt", lines.join('\n'));
                bench::writeText(out + '/' + name + ".lang", QLatin1String(language.id));
                ++written;
            }
        }
    }
    std::printf("wrote %d samples to %s\n", written, qPrintable(out));
    return 0;
}
