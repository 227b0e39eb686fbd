<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name></name>
    <message id="notification.history_set_aside.message">
        <source>The history file could not be read and was kept as %1. Captures were restored from the backup where there was one.</source>
        <extracomment>Warning message when the history file was set aside</extracomment>
        <translation>Geçmiş dosyası okunamadı ve %1 adıyla saklandı. Yedek bulunan yerlerde yakalamalar yedekten geri yüklendi.</translation>
    </message>
    <message id="notification.settings_set_aside.message">
        <source>The settings file could not be read, so the defaults are in use. It was kept as %1.</source>
        <extracomment>Warning message when the settings file was set aside</extracomment>
        <translation>Ayarlar dosyası okunamadığı için varsayılan ayarlar kullanılıyor. Dosya %1 adıyla saklandı.</translation>
    </message>
    <message id="notification.history_in_memory.title">
        <source>History Not Saved</source>
        <extracomment>Warning title when the capture history cannot be written to disk</extracomment>
        <translation>Geçmiş kaydedilmiyor</translation>
    </message>
    <message id="notification.history_in_memory.message">
        <source>Quorvane cannot write to its data folder. Captures will not be kept after you quit.</source>
        <extracomment>Warning message when the capture history lives only in memory</extracomment>
        <translation>Quorvane veri klasörüne yazamıyor. Çıktıktan sonra yakalamalar saklanmayacak.</translation>
    </message>
    <message id="notification.file_set_aside.title">
        <source>File Set Aside</source>
        <extracomment>Warning title when a stored file could not be read and was kept under another name</extracomment>
        <translation>Dosya kenara ayrıldı</translation>
    </message>
    <message id="updater.available.title">
        <source>A new version of Quorvane is available!</source>
        <extracomment>Title of the dialog that announces a new version</extracomment>
        <translation>Yeni bir Quorvane sürümü çıktı!</translation>
    </message>
    <message id="updater.available.message">
        <source>Quorvane %1 is now available - you have %2. Would you like to open the download page?</source>
        <extracomment>Text of the dialog that announces a new version: the new version, then the installed one</extracomment>
        <translation>Quorvane %1 artık kullanılabilir; sizdeki sürüm: %2. İndirme sayfasını açmak ister misiniz?</translation>
    </message>
    <message id="updater.available.download">
        <source>Open Download Page</source>
        <extracomment>Button that opens the download page</extracomment>
        <translation>İndirme sayfasını aç</translation>
    </message>
    <message id="updater.available.later">
        <source>Remind Me Later</source>
        <extracomment>Button that closes the dialog</extracomment>
        <translation>Daha sonra hatırlat</translation>
    </message>
    <message id="updater.up_to_date.title">
        <source>You&apos;re up to date!</source>
        <extracomment>Title of the dialog shown when no newer version exists</extracomment>
        <translation>Güncelsiniz!</translation>
    </message>
    <message id="updater.up_to_date.message">
        <source>Quorvane %1 is currently the newest version available.</source>
        <extracomment>Text shown when no newer version exists: the installed version</extracomment>
        <translation>Quorvane %1 şu anda kullanılabilir en yeni sürümdür.</translation>
    </message>
    <message id="updater.error.title">
        <source>Update Error!</source>
        <extracomment>Title of the dialog shown when a check for updates fails</extracomment>
        <translation>Güncelleme hatası</translation>
    </message>
    <message id="updater.not_configured.title">
        <source>Updates Are Not Checked by This Build</source>
        <extracomment>Title of the dialog shown when the build has no update feed</extracomment>
        <translation>Bu derleme güncellemeleri denetlemiyor</translation>
    </message>
    <message id="updater.not_configured.message">
        <source>This copy of Quorvane was built without an update feed. New versions come with your distribution&apos;s package updates or from where you installed Quorvane.</source>
        <extracomment>Text shown when the build has no update feed</extracomment>
        <translation>Bu Quorvane kopyası bir güncelleme akışı olmadan derlendi. Yeni sürümler, dağıtımınızın paket güncellemeleriyle ya da programı kurduğunuz kaynaktan gelir.</translation>
    </message>
    <message id="onboarding.window.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Onboarding window title</extracomment>
        <translation>Quorvane&apos;a hoş geldiniz</translation>
    </message>
    <message id="first_launch.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Title of the tooltip shown beside the tray icon at first start</extracomment>
        <translation>Quorvane&apos;a hoş geldiniz</translation>
    </message>
    <message id="first_launch.tray_hint">
        <source>Right-click this icon for quick capture</source>
        <extracomment>Line in the first-start tooltip about the tray icon</extracomment>
        <translation>Hızlı yakalama için bu simgeye sağ tıklayın</translation>
    </message>
    <message id="menubar.capture">
        <source>Capture Text</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Metin yakala</translation>
    </message>
    <message id="menubar.scan_code">
        <source>Read QR/Bar Code</source>
        <extracomment>Tray menu item</extracomment>
        <translation>QR/barkod oku</translation>
    </message>
    <message id="menubar.import_from_iphone">
        <source>Import Image…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Görüntü içe aktar…</translation>
    </message>
    <message id="menubar.history">
        <source>Open History</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Geçmişi aç</translation>
    </message>
    <message id="menubar.preferences">
        <source>Preferences…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Tercihler…</translation>
    </message>
    <message id="menubar.feedback">
        <source>Send Feedback…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Geri bildirim gönder…</translation>
    </message>
    <message id="menubar.checkForUpdates">
        <source>Check for Updates…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Güncellemeleri denetle…</translation>
    </message>
    <message id="menubar.about">
        <source>About Quorvane</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Quorvane hakkında</translation>
    </message>
    <message id="menubar.quit">
        <source>Quit Quorvane</source>
        <extracomment>Tray menu item
----------
Quit Quorvane</extracomment>
        <translation>Quorvane&apos;den çık</translation>
    </message>
    <message id="menubar.tooltip">
        <source>Quorvane
Left-click: Menu
Right-click: Quick Capture</source>
        <extracomment>Tooltip of the tray icon</extracomment>
        <translation>Quorvane
Sol tık: Menü
Sağ tık: Hızlı yakalama</translation>
    </message>
    <message id="menubar.panel.capture">
        <source>Capture</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>Yakala</translation>
    </message>
    <message id="menubar.panel.history">
        <source>History</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>Geçmiş</translation>
    </message>
    <message id="menubar.panel.preferences">
        <source>Preferences</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>Tercihler</translation>
    </message>
    <message id="permission.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>Gizlilik ayarlarını aç</translation>
    </message>
    <message id="permission.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>İptal</translation>
    </message>
    <message id="permission.accessibility.title">
        <source>Global Shortcuts Permission Required</source>
        <extracomment>Title of the dialog asking for the global shortcuts permission</extracomment>
        <translation>Küresel Kısayollar İzni Gerekli</translation>
    </message>
    <message id="permission.accessibility.message">
        <source>Quorvane needs permission to use global keyboard shortcuts (%1). This allows you to capture text from anywhere on your screen.

Your privacy is protected - Quorvane only listens for its own shortcuts.</source>
        <extracomment>Global shortcuts permission explanation; %1 is the quick capture shortcut</extracomment>
        <translation>Quorvane, küresel klavye kısayollarını (%1) kullanabilmek için izne ihtiyaç duyuyor. Bu sayede ekranınızın herhangi bir yerinden metin yakalayabilirsiniz.

Gizliliğiniz korunur: Quorvane yalnızca kendi kaydettiği kısayolları izler.</translation>
    </message>
    <message id="permission.screen_recording.title">
        <source>Screen Access Permission Required</source>
        <extracomment>Title of the dialog asking for the screen access permission</extracomment>
        <translation>Ekran Erişimi İzni Gerekli</translation>
    </message>
    <message id="permission.screen_recording.message">
        <source>Quorvane needs access to your screen to capture text from it.

All processing happens on your device - no data is uploaded to the cloud.</source>
        <extracomment>Screen access permission explanation</extracomment>
        <translation>Quorvane, ekranınızdan metin yakalayabilmek için ekran erişimine ihtiyaç duyuyor.

Tüm işlemler cihazınızda yapılır; hiçbir veri buluta yüklenmez.</translation>
    </message>
    <message id="permission.required.title">
        <source>Permissions Required</source>
        <extracomment>Title of the alert shown when the user goes on without the permissions</extracomment>
        <translation>Gerekli izinler</translation>
    </message>
    <message id="permission.required.message">
        <source>Quorvane needs screen access and global shortcuts to work. You can grant these later in your desktop&apos;s privacy settings.</source>
        <extracomment>Alert shown when the user goes on without the permissions</extracomment>
        <translation>Quorvane çalışmak için ekran erişimine ve küresel kısayollara ihtiyaç duyuyor. Bu izinleri daha sonra masaüstünüzün gizlilik ayarlarından verebilirsiniz.</translation>
    </message>
    <message id="general.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>Tamam</translation>
    </message>
    <message id="history.window.title">
        <source>Capture History</source>
        <extracomment>History window title</extracomment>
        <translation>Yakalama geçmişi</translation>
    </message>
    <message id="preferences.window.title">
        <source>Preferences</source>
        <extracomment>Preferences window title</extracomment>
        <translation>Tercihler</translation>
    </message>
    <message id="notification.shortcut_refused.title">
        <source>%1 shortcut not available</source>
        <extracomment>Title when a global shortcut cannot be taken; the action&apos;s name</extracomment>
        <translation>%1 kısayolu kullanılamıyor</translation>
    </message>
    <message id="notification.shortcut_refused.reserved">
        <source>%1 is reserved by the desktop. Choose another shortcut in Preferences.</source>
        <extracomment>Message when a global shortcut is reserved; the shortcut</extracomment>
        <translation>%1 masaüstü tarafından ayrılmış. Tercihler&apos;den başka bir kısayol seçin.</translation>
    </message>
    <message id="notification.shortcut_refused.taken">
        <source>%1 is already used by another program. Choose another shortcut in Preferences.</source>
        <extracomment>Message when another program holds a global shortcut; the shortcut</extracomment>
        <translation>%1 zaten başka bir program tarafından kullanılıyor. Tercihler&apos;den başka bir kısayol seçin.</translation>
    </message>
    <message id="tray_absence.title">
        <source>Quorvane Is Running</source>
        <extracomment>Title of the notice shown when no system tray shows the icon</extracomment>
        <translation>Quorvane çalışıyor</translation>
    </message>
    <message id="tray_absence.message">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. Press %1 to capture text. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon; %1 is the capture shortcut</extracomment>
        <translation>Bu masaüstündeki hiçbir sistem tepsisi Quorvane simgesini göstermiyor. Metin yakalamak için %1 tuşlarına basın. Tercihleri açmak için “quorvane” komutunu yeniden çalıştırın, çıkmak için ise “quorvane quit” komutunu çalıştırın.</translation>
    </message>
    <message id="error.updater.invalid_feed">
        <source>The update feed address is not valid: %1</source>
        <extracomment>Error when the configured update feed address cannot be used</extracomment>
        <translation>Güncelleme akışı adresi geçerli değil: %1</translation>
    </message>
    <message id="error.updater.insecure_address">
        <source>Updates are only fetched over HTTPS: %1</source>
        <extracomment>Error when an update address is not secure</extracomment>
        <translation>Güncellemeler yalnızca HTTPS üzerinden alınır: %1</translation>
    </message>
    <message id="error.updater.download_failed">
        <source>The update information could not be downloaded: %1</source>
        <extracomment>Error when the update feed cannot be fetched</extracomment>
        <translation>Güncelleme bilgileri indirilemedi: %1</translation>
    </message>
    <message id="error.updater.malformed_feed">
        <source>The update information could not be read: %1</source>
        <extracomment>Error when the update feed is not understood</extracomment>
        <translation>Güncelleme bilgileri okunamadı: %1</translation>
    </message>
    <message id="error.updater.unknown">
        <source>%1</source>
        <extracomment>Unknown update error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="updater.reason.too_large">
        <source>the answer is larger than %1 bytes</source>
        <extracomment>Why a check for updates failed: the feed is too large</extracomment>
        <translation>yanıt %1 bayttan büyük</translation>
    </message>
    <message id="updater.reason.host_not_found">
        <source>the update server could not be found</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>güncelleme sunucusu bulunamadı</translation>
    </message>
    <message id="updater.reason.refused">
        <source>the update server refused the connection</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>güncelleme sunucusu bağlantıyı reddetti</translation>
    </message>
    <message id="updater.reason.closed">
        <source>the update server closed the connection early</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>güncelleme sunucusu bağlantıyı erken kapattı</translation>
    </message>
    <message id="updater.reason.silent">
        <source>the update server stopped answering</source>
        <extracomment>Why a check for updates failed: the transfer timed out</extracomment>
        <translation>güncelleme sunucusu yanıt vermeyi kesti</translation>
    </message>
    <message id="updater.reason.tls">
        <source>the update server&apos;s secure connection could not be verified</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>güncelleme sunucusunun güvenli bağlantısı doğrulanamadı</translation>
    </message>
    <message id="updater.reason.offline">
        <source>the network is not available</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>ağ kullanılamıyor</translation>
    </message>
    <message id="updater.reason.status">
        <source>the update server answered with error %1</source>
        <extracomment>Why a check for updates failed: the HTTP status</extracomment>
        <translation>güncelleme sunucusu %1 hatasıyla yanıt verdi</translation>
    </message>
    <message id="updater.reason.unexpected">
        <source>the update server sent an answer that is not a feed</source>
        <extracomment>Why a check for updates failed: an answer that is neither a feed nor an error</extracomment>
        <translation>güncelleme sunucusu akış olmayan bir yanıt gönderdi</translation>
    </message>
    <message id="updater.reason.deadline">
        <source>the update server took too long to answer</source>
        <extracomment>Why a check for updates failed: the whole check ran out of time</extracomment>
        <translation>güncelleme sunucusunun yanıt vermesi çok uzun sürdü</translation>
    </message>
    <message id="updater.reason.redirects" numerus="yes">
        <source>the server redirected the request more than %n times</source>
        <extracomment>Why a check for updates failed: too many redirects</extracomment>
        <translation>
            <numerusform>sunucu isteği %n defadan fazla yönlendirdi</numerusform>
        </translation>
    </message>
    <message id="updater.reason.page_not_opened">
        <source>The download page could not be opened. It is at: %1</source>
        <extracomment>Shown when no program opens the download page: its address</extracomment>
        <translation>İndirme sayfası açılamadı. Sayfanın adresi: %1</translation>
    </message>
    <message id="error.coordinator.workflow_failed">
        <source>Capture workflow failed: %1</source>
        <extracomment>Error when workflow fails</extracomment>
        <translation>Yakalama işlemi başarısız oldu: %1</translation>
    </message>
    <message id="error.coordinator.in_progress">
        <source>A capture operation is already in progress</source>
        <extracomment>Error when capture is already in progress</extracomment>
        <translation>Zaten devam eden bir yakalama işlemi var</translation>
    </message>
    <message id="error.coordinator.invalid_region">
        <source>The selected region is invalid</source>
        <extracomment>Error when region is invalid</extracomment>
        <translation>Seçilen bölge geçersiz</translation>
    </message>
    <message id="error.coordinator.no_last_region">
        <source>No previous capture region available. Please perform a new capture first.</source>
        <extracomment>Error when no last region exists</extracomment>
        <translation>Önceki bir yakalama bölgesi yok. Lütfen önce yeni bir yakalama yapın.</translation>
    </message>
    <message id="error.coordinator.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display config changed</extracomment>
        <translation>Ekran yapılandırması değişti. Lütfen yeni bir bölge seçin.</translation>
    </message>
    <message id="error.clipboard.write_failed">
        <source>Failed to copy to clipboard: %1</source>
        <extracomment>Error when clipboard write fails</extracomment>
        <translation>Panoya kopyalanamadı: %1</translation>
    </message>
    <message id="error.clipboard.unsupported_format">
        <source>Clipboard format %1 is not supported</source>
        <extracomment>Error when format is unsupported</extracomment>
        <translation>%1 pano biçimi desteklenmiyor</translation>
    </message>
    <message id="error.clipboard.conversion_failed">
        <source>Failed to convert text to %1 format</source>
        <extracomment>Error when format conversion fails</extracomment>
        <translation>Metin %1 biçimine dönüştürülemedi</translation>
    </message>
    <message id="error.clipboard.empty">
        <source>Cannot copy empty content to clipboard</source>
        <extracomment>Error when content is empty</extracomment>
        <translation>Boş içerik panoya kopyalanamaz</translation>
    </message>
    <message id="clipboard.format.plain">
        <source>Plain Text</source>
        <extracomment>Plain text format</extracomment>
        <translation>Düz metin</translation>
    </message>
    <message id="clipboard.format.rtf">
        <source>Rich Text</source>
        <extracomment>RTF format</extracomment>
        <translation>Zengin metin</translation>
    </message>
    <message id="clipboard.format.markdown">
        <source>Markdown</source>
        <extracomment>Markdown format</extracomment>
        <translation>Markdown</translation>
    </message>
    <message id="clipboard.format.html">
        <source>HTML</source>
        <extracomment>HTML format</extracomment>
        <translation>HTML</translation>
    </message>
    <message id="code_scan_error.vision_failed">
        <source>Barcode detection failed: %1</source>
        <extracomment>The barcode detector reported an error; %1 is its description</extracomment>
        <translation>Barkod algılama başarısız oldu: %1</translation>
    </message>
    <message id="code_scan_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to scan is empty</extracomment>
        <translation>Yakalanan görüntü geçersiz ya da bozuk</translation>
    </message>
    <message id="code_scan_error.no_code">
        <source>No code was detected in the selected region</source>
        <extracomment>Scanning found no barcode or QR code</extracomment>
        <translation>Seçilen bölgede kod algılanmadı</translation>
    </message>
    <message id="continuity.import.file">
        <source>Choose Image File…</source>
        <extracomment>Import menu item that opens an image file</extracomment>
        <translation>Görüntü dosyası seç…</translation>
    </message>
    <message id="continuity.import.clipboard">
        <source>Paste Image from Clipboard</source>
        <extracomment>Import menu item that takes the clipboard&apos;s image</extracomment>
        <translation>Görüntüyü panodan yapıştır</translation>
    </message>
    <message id="continuity.import.dialog_title">
        <source>Import Image</source>
        <extracomment>Title of the image file chooser</extracomment>
        <translation>Görüntü içe aktar</translation>
    </message>
    <message id="continuity.import.filter">
        <source>Images</source>
        <extracomment>File type filter name for images</extracomment>
        <translation>Görüntüler</translation>
    </message>
    <message id="error.import.unreadable_file_reason">
        <source>“%1” could not be read: %2</source>
        <extracomment>Error when an imported image file cannot be read: its name, then why</extracomment>
        <translation>“%1” okunamadı: %2</translation>
    </message>
    <message id="error.import.unreadable_file">
        <source>“%1” could not be read</source>
        <extracomment>Error when an imported image file cannot be read: its name</extracomment>
        <translation>“%1” okunamadı</translation>
    </message>
    <message id="error.import.unknown">
        <source>%1</source>
        <extracomment>Unknown import error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="ocr_error.failed">
        <source>OCR failed: %1</source>
        <extracomment>Text recognition failed; %1 is the reason</extracomment>
        <translation>OCR başarısız oldu: %1</translation>
    </message>
    <message id="ocr_error.unsupported_language">
        <source>Language &apos;%1&apos; is not supported</source>
        <extracomment>A requested recognition language is not offered</extracomment>
        <translation>“%1” dili desteklenmiyor</translation>
    </message>
    <message id="ocr_error.vision_failed">
        <source>Recognition failed: %1</source>
        <extracomment>The recognition engine reported an error; %1 is its description</extracomment>
        <translation>Tanıma başarısız oldu: %1</translation>
    </message>
    <message id="ocr_error.no_text">
        <source>No text was detected in the selected region</source>
        <extracomment>Recognition found no text</extracomment>
        <translation>Seçilen bölgede metin algılanmadı</translation>
    </message>
    <message id="ocr_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to recognise is empty</extracomment>
        <translation>Yakalanan görüntü geçersiz ya da bozuk</translation>
    </message>
    <message id="error.screen_capture.failed">
        <source>Screen capture failed: %1</source>
        <extracomment>Error when capture operation fails</extracomment>
        <translation>Ekran yakalama başarısız oldu: %1</translation>
    </message>
    <message id="error.screen_capture.permission_denied">
        <source>Screen access is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the screen access permission is denied</extracomment>
        <translation>Ekran erişimi gerekiyor. Lütfen masaüstünüzün gizlilik ayarlarından erişim izni verin.</translation>
    </message>
    <message id="error.screen_capture.invalid_region">
        <source>The selected region is invalid or too small.</source>
        <extracomment>Error when capture region is invalid</extracomment>
        <translation>Seçilen bölge geçersiz ya da çok küçük.</translation>
    </message>
    <message id="error.screen_capture.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display configuration changes</extracomment>
        <translation>Ekran yapılandırması değişti. Lütfen yeni bir bölge seçin.</translation>
    </message>
    <message id="error.screen_capture.dismissed">
        <source>Capture was cancelled.</source>
        <extracomment>Error when user dismisses capture overlay</extracomment>
        <translation>Yakalama iptal edildi.</translation>
    </message>
    <message id="error.screen_capture.no_display">
        <source>No active display found.</source>
        <extracomment>Error when no display is available</extracomment>
        <translation>Etkin ekran bulunamadı.</translation>
    </message>
    <message id="language.system_default">
        <source>System Default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message id="capture_mode.normal">
        <source>Normal</source>
        <extracomment>Normal capture mode</extracomment>
        <translation>Normal</translation>
    </message>
    <message id="capture_mode.repeat">
        <source>Repeat</source>
        <extracomment>Repeat capture mode</extracomment>
        <translation>Yineleme</translation>
    </message>
    <message id="capture_mode.code">
        <source>Code</source>
        <extracomment>Code capture mode</extracomment>
        <translation>Kod</translation>
    </message>
    <message id="capture_mode.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code capture mode</extracomment>
        <translation>Kod tarama</translation>
    </message>
    <message id="error.hotkey.registration_failed">
        <source>Failed to register global shortcut: %1</source>
        <extracomment>Error when hotkey registration fails</extracomment>
        <translation>Küresel kısayol kaydedilemedi: %1</translation>
    </message>
    <message id="error.hotkey.conflict">
        <source>Shortcut %1 conflicts with another registered shortcut</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>%1 kısayolu kayıtlı başka bir kısayolla çakışıyor</translation>
    </message>
    <message id="error.hotkey.system_reserved">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Error when shortcut is system reserved</extracomment>
        <translation>%1 kısayolu sistem tarafından ayrılmış</translation>
    </message>
    <message id="error.hotkey.permission_denied">
        <source>Permission for global shortcuts is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the global shortcuts permission is denied</extracomment>
        <translation>Küresel kısayollar için izin gerekiyor. Lütfen masaüstünüzün gizlilik ayarlarından erişim izni verin.</translation>
    </message>
    <message id="error.hotkey.invalid">
        <source>Invalid shortcut configuration</source>
        <extracomment>Error when shortcut is invalid</extracomment>
        <translation>Geçersiz kısayol yapılandırması</translation>
    </message>
    <message id="notification.capture_success.title">
        <source>Text Captured</source>
        <extracomment>Success notification title</extracomment>
        <translation>Metin yakalandı</translation>
    </message>
    <message id="notification.repeat_capture_success.title">
        <source>Text Re-captured</source>
        <extracomment>Repeat capture success notification title</extracomment>
        <translation>Metin yeniden yakalandı</translation>
    </message>
    <message id="notification.code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Code capture success notification title</extracomment>
        <translation>Kod yakalandı</translation>
    </message>
    <message id="notification.scan_code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Scan Code capture success notification title</extracomment>
        <translation>Kod yakalandı</translation>
    </message>
    <message id="notification.capture_success.message">
        <source>Copied to clipboard</source>
        <extracomment>Success notification message</extracomment>
        <translation>Panoya kopyalandı</translation>
    </message>
    <message id="notification.capture_error.title">
        <source>Capture Failed</source>
        <extracomment>Error notification title</extracomment>
        <translation>Yakalama başarısız oldu</translation>
    </message>
    <message id="notification.voiceover.warning">
        <source>Warning: %1. %2</source>
        <extracomment>VoiceOver announcement for warning</extracomment>
        <translation>Uyarı: %1. %2</translation>
    </message>
    <message id="notification.voiceover.error">
        <source>Error: %1. %2</source>
        <extracomment>VoiceOver announcement for error</extracomment>
        <translation>Hata: %1. %2</translation>
    </message>
    <message id="error.notification.configuration_failed">
        <source>Failed to configure notifications: %1</source>
        <extracomment>Error when notification configuration fails</extracomment>
        <translation>Bildirimler yapılandırılamadı: %1</translation>
    </message>
    <message id="error.notification.permission_denied">
        <source>Notification permission denied</source>
        <extracomment>Error when notification permission is denied</extracomment>
        <translation>Bildirim izni reddedildi</translation>
    </message>
    <message id="error.notification.display_not_found">
        <source>Could not determine display for notification</source>
        <extracomment>Error when display cannot be found</extracomment>
        <translation>Bildirim için ekran belirlenemedi</translation>
    </message>
    <message id="permission.summary.title">
        <source>Permissions Required</source>
        <extracomment>Permission summary title</extracomment>
        <translation>Gerekli izinler</translation>
    </message>
    <message id="permission.summary.message">
        <source>Quorvane requires the following permissions:

%1

Please grant these permissions in your desktop&apos;s privacy settings to use Quorvane.</source>
        <extracomment>Permission summary message</extracomment>
        <translation>Quorvane şu izinleri gerektiriyor:

%1

Quorvane uygulamasını kullanmak için lütfen bu izinleri masaüstünüzün gizlilik ayarlarından verin.</translation>
    </message>
    <message id="permission.summary.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>Gizlilik ayarlarını aç</translation>
    </message>
    <message id="permission.summary.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>Tamam</translation>
    </message>
    <message id="permission.screen_recording">
        <source>Screen Access</source>
        <extracomment>Name of the permission to read the screen (the desktop&apos;s screenshot access)</extracomment>
        <translation>Ekran Erişimi</translation>
    </message>
    <message id="permission.accessibility">
        <source>Global Shortcuts</source>
        <extracomment>Name of the permission to use keyboard shortcuts that work in every program</extracomment>
        <translation>Küresel Kısayollar</translation>
    </message>
    <message id="error.settings_store.persistence">
        <source>Failed to save settings: %1</source>
        <extracomment>Error when settings persistence fails</extracomment>
        <translation>Ayarlar kaydedilemedi: %1</translation>
    </message>
    <message id="error.settings_store.validation">
        <source>Settings validation failed: %1</source>
        <extracomment>Error when settings validation fails</extracomment>
        <translation>Ayarlar doğrulanamadı: %1</translation>
    </message>
    <message id="error.settings_store.migration">
        <source>Settings migration failed: %1</source>
        <extracomment>Error when settings migration fails</extracomment>
        <translation>Ayarlar taşınamadı: %1</translation>
    </message>
    <message id="error.settings_store.launch_item">
        <source>Failed to configure launch at login: %1</source>
        <extracomment>Error when launch item configuration fails</extracomment>
        <translation>Oturum açıldığında başlatma yapılandırılamadı: %1</translation>
    </message>
    <message id="error.settings_store.shortcut_conflict">
        <source>Shortcut %1 is already in use or conflicts with system shortcuts</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>%1 kısayolu zaten kullanımda ya da sistem kısayollarıyla çakışıyor</translation>
    </message>
    <message id="error.settings_store.invalid_value">
        <source>Invalid setting value: %1</source>
        <extracomment>Error when setting value is invalid</extracomment>
        <translation>Geçersiz ayar değeri: %1</translation>
    </message>
    <message id="shortcut.quick_zarrow">
        <source>Quick Capture</source>
        <extracomment>Name of the shortcut that starts a text capture</extracomment>
        <translation>Hızlı Yakalama</translation>
    </message>
    <message id="shortcut.repeat_zarrow">
        <source>Repeat Capture</source>
        <extracomment>Name of the shortcut that captures the last region again</extracomment>
        <translation>Yakalamayı Yinele</translation>
    </message>
    <message id="shortcut.code_mode">
        <source>Code Mode</source>
        <extracomment>Code Mode shortcut</extracomment>
        <translation>Kod kipi</translation>
    </message>
    <message id="shortcut.open_history">
        <source>Open History</source>
        <extracomment>Open History shortcut</extracomment>
        <translation>Geçmişi aç</translation>
    </message>
    <message id="shortcut.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code shortcut</extracomment>
        <translation>Kod tara</translation>
    </message>
    <message id="notification.accessibility.repeat_mode">
        <source>Repeat mode</source>
        <extracomment>Accessibility label for repeat mode badge</extracomment>
        <translation>Yineleme kipi</translation>
    </message>
    <message id="notification.accessibility.code_mode">
        <source>Code mode</source>
        <extracomment>Accessibility label for code mode badge</extracomment>
        <translation>Kod kipi</translation>
    </message>
    <message id="notification.accessibility.scan_code_mode">
        <source>Code scan</source>
        <extracomment>Accessibility label for scan code mode</extracomment>
        <translation>Kod tarama</translation>
    </message>
    <message id="notification.accessibility.hint">
        <source>Double-click to open in history</source>
        <extracomment>Screen reader hint of the notice shown after a capture</extracomment>
        <translation>Geçmişte açmak için çift tıklayın</translation>
    </message>
    <message id="history.filter.all">
        <source>All</source>
        <extracomment>All time filter</extracomment>
        <translation>Tümü</translation>
    </message>
    <message id="history.filter.today">
        <source>Today</source>
        <extracomment>Today filter</extracomment>
        <translation>Bugün</translation>
    </message>
    <message id="history.filter.week">
        <source>This Week</source>
        <extracomment>This week filter</extracomment>
        <translation>Bu hafta</translation>
    </message>
    <message id="history.filter.month">
        <source>This Month</source>
        <extracomment>This month filter</extracomment>
        <translation>Bu ay</translation>
    </message>
    <message id="history.filter.custom">
        <source>Custom Range</source>
        <extracomment>Custom range filter</extracomment>
        <translation>Özel aralık</translation>
    </message>
    <message id="export.error.pdf_creation">
        <source>Failed to create PDF document</source>
        <extracomment>PDF creation error</extracomment>
        <translation>PDF belgesi oluşturulamadı</translation>
    </message>
    <message id="export.error.write">
        <source>Failed to write file</source>
        <extracomment>File write error</extracomment>
        <translation>Dosya yazılamadı</translation>
    </message>
    <message id="export.format.txt">
        <source>Plain Text (.txt)</source>
        <extracomment>TXT export format</extracomment>
        <translation>Düz metin (.txt)</translation>
    </message>
    <message id="export.format.markdown">
        <source>Markdown (.md)</source>
        <extracomment>Markdown export format</extracomment>
        <translation>Markdown (.md)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF Document (.pdf)</source>
        <extracomment>PDF export format</extracomment>
        <translation>PDF belgesi (.pdf)</translation>
    </message>
    <message id="export.panel.title">
        <source>Export Capture</source>
        <extracomment>Export save panel title</extracomment>
        <translation>Yakalamayı dışa aktar</translation>
    </message>
    <message id="export.panel.message">
        <source>Choose where to save the exported file</source>
        <extracomment>Export save panel message</extracomment>
        <translation>Dışa aktarılan dosyanın kaydedileceği yeri seçin</translation>
    </message>
    <message id="history.filter.custom_title">
        <source>Custom Date Range</source>
        <extracomment>Custom date range title</extracomment>
        <translation>Özel tarih aralığı</translation>
    </message>
    <message id="history.filter.from">
        <source>From:</source>
        <extracomment>From date label</extracomment>
        <translation>Başlangıç:</translation>
    </message>
    <message id="history.filter.to">
        <source>To:</source>
        <extracomment>To date label</extracomment>
        <translation>Bitiş:</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>İptal</translation>
    </message>
    <message id="history.filter.apply">
        <source>Apply</source>
        <extracomment>Apply filter button</extracomment>
        <translation>Uygula</translation>
    </message>
    <message id="history.detail.dimensions">
        <source>%1 × %2 pixels</source>
        <extracomment>Capture dimensions</extracomment>
        <translation>%1 × %2 piksel</translation>
    </message>
    <message id="history.detail.no_selection">
        <source>Select a capture to view details</source>
        <extracomment>No selection message</extracomment>
        <translation>Ayrıntıları görmek için bir yakalama seçin</translation>
    </message>
    <message id="history.detail.text_label">
        <source>Captured Text</source>
        <extracomment>Captured text label</extracomment>
        <translation>Yakalanan metin</translation>
    </message>
    <message id="history.detail.copy">
        <source>Copy</source>
        <extracomment>Copy button</extracomment>
        <translation>Kopyala</translation>
    </message>
    <message id="history.detail.pin">
        <source>Pin</source>
        <extracomment>Pin to Desktop button</extracomment>
        <translation>Sabitle</translation>
    </message>
    <message id="history.detail.pin.tooltip">
        <source>Pin to desktop as floating widget</source>
        <extracomment>Pin button tooltip</extracomment>
        <translation>Masaüstüne kayan pencere olarak sabitle</translation>
    </message>
    <message id="history.detail.copy_markdown">
        <source>Copy as Markdown</source>
        <extracomment>Copy as markdown button</extracomment>
        <translation>Markdown olarak kopyala</translation>
    </message>
    <message id="history.detail.export">
        <source>Export as…</source>
        <extracomment>Export button</extracomment>
        <translation>Dışa aktar…</translation>
    </message>
    <message id="history.detail.export.tooltip">
        <source>Export this capture to a file</source>
        <extracomment>Export button tooltip</extracomment>
        <translation>Bu yakalamayı bir dosyaya aktar</translation>
    </message>
    <message id="history.detail.delete">
        <source>Delete</source>
        <extracomment>Delete button</extracomment>
        <translation>Sil</translation>
    </message>
    <message id="history.detail.source_app">
        <source>From: %1</source>
        <extracomment>Source app label</extracomment>
        <translation>Kaynak: %1</translation>
    </message>
    <message id="history.detail.character_count" numerus="yes">
        <source>%n character(s)</source>
        <extracomment>Character count</extracomment>
        <translation>
            <numerusform>%n karakter</numerusform>
        </translation>
    </message>
    <message id="history.empty.title">
        <source>No captures yet</source>
        <extracomment>Empty state title</extracomment>
        <translation>Henüz yakalama yok</translation>
    </message>
    <message id="history.empty.subtitle">
        <source>Press %1 to capture text from your screen</source>
        <extracomment>Empty state subtitle; the quick capture shortcut</extracomment>
        <translation>Ekranınızdan metin yakalamak için %1 tuşlarına basın</translation>
    </message>
    <message id="history.empty.tip_repeat">
        <source>Use %1 to repeat last capture</source>
        <extracomment>Repeat capture tip; the repeat shortcut</extracomment>
        <translation>Son yakalamayı yinelemek için %1 kısayolunu kullanın</translation>
    </message>
    <message id="history.empty.tip_code">
        <source>Use %1 for code mode</source>
        <extracomment>Code mode tip; the code mode shortcut</extracomment>
        <translation>Kod kipi için %1 kısayolunu kullanın</translation>
    </message>
    <message id="history.filtered_empty.title">
        <source>No matching captures</source>
        <extracomment>Filtered empty state title</extracomment>
        <translation>Eşleşen yakalama yok</translation>
    </message>
    <message id="history.filtered_empty.clear">
        <source>Clear Filters</source>
        <extracomment>Clear filters button</extracomment>
        <translation>Filtreleri temizle</translation>
    </message>
    <message id="history.filtered_empty.search">
        <source>No captures found matching &quot;%1&quot;</source>
        <extracomment>No search results message</extracomment>
        <translation>“%1” ile eşleşen yakalama bulunamadı</translation>
    </message>
    <message id="history.filtered_empty.date">
        <source>No captures found for &quot;%1&quot;</source>
        <extracomment>No date filter results message</extracomment>
        <translation>“%1” için yakalama bulunamadı</translation>
    </message>
    <message id="history.list.title">
        <source>Captures</source>
        <extracomment>List title</extracomment>
        <translation>Yakalamalar</translation>
    </message>
    <message id="history.search.placeholder">
        <source>Search captures…</source>
        <extracomment>Search placeholder</extracomment>
        <translation>Yakalamalarda ara…</translation>
    </message>
    <message id="history.search.clear_all">
        <source>Clear All</source>
        <extracomment>Clear all button</extracomment>
        <translation>Tümünü temizle</translation>
    </message>
    <message id="history.filter.custom_range">
        <source>%1 to %2</source>
        <extracomment>Custom date range display</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message id="error.history_store.storage_access">
        <source>Failed to access history storage: %1</source>
        <extracomment>Error when storage access fails</extracomment>
        <translation>Geçmiş deposuna erişilemedi: %1</translation>
    </message>
    <message id="error.history_store.corrupted">
        <source>History file is corrupted: %1</source>
        <extracomment>Error when history file is corrupted</extracomment>
        <translation>Geçmiş dosyası bozuk: %1</translation>
    </message>
    <message id="error.history_store.not_found">
        <source>History entry not found: %1</source>
        <extracomment>Error when entry is not found</extracomment>
        <translation>Geçmiş kaydı bulunamadı: %1</translation>
    </message>
    <message id="error.history_store.thumbnail">
        <source>Failed to generate thumbnail: %1</source>
        <extracomment>Error when thumbnail generation fails</extracomment>
        <translation>Küçük resim oluşturulamadı: %1</translation>
    </message>
    <message id="error.history_store.invalid_max">
        <source>Invalid max entries value: %1. Must be between 1 and 1000.</source>
        <extracomment>Error when max entries value is invalid</extracomment>
        <translation>Geçersiz en fazla kayıt değeri: %1. Değer 1 ile 1000 arasında olmalıdır.</translation>
    </message>
    <message id="error.history_store.disk_full">
        <source>Not enough disk space to save history entry.</source>
        <extracomment>Error when disk is full</extracomment>
        <translation>Geçmiş kaydını kaydetmek için yeterli disk alanı yok.</translation>
    </message>
    <message id="history.loading">
        <source>Loading captures…</source>
        <extracomment>Loading message</extracomment>
        <translation>Yakalamalar yükleniyor…</translation>
    </message>
    <message id="history.delete.title">
        <source>Delete Capture?</source>
        <extracomment>Delete confirmation title</extracomment>
        <translation>Yakalama silinsin mi?</translation>
    </message>
    <message id="history.delete.message">
        <source>This action cannot be undone.</source>
        <extracomment>Delete confirmation message</extracomment>
        <translation>Bu işlem geri alınamaz.</translation>
    </message>
    <message id="history.delete.confirm">
        <source>Delete</source>
        <extracomment>Delete confirmation button</extracomment>
        <translation>Sil</translation>
    </message>
    <message id="history.clear_all.title">
        <source>Clear All History?</source>
        <extracomment>Clear all confirmation title</extracomment>
        <translation>Tüm geçmiş temizlensin mi?</translation>
    </message>
    <message id="history.clear_all.message">
        <source>This will permanently delete all captures. This action cannot be undone.</source>
        <extracomment>Clear all confirmation message</extracomment>
        <translation>Tüm yakalamalar kalıcı olarak silinecek. Bu işlem geri alınamaz.</translation>
    </message>
    <message id="history.clear_all.confirm">
        <source>Clear All</source>
        <extracomment>Clear all confirmation button</extracomment>
        <translation>Tümünü temizle</translation>
    </message>
    <message id="history.error.title">
        <source>Error</source>
        <extracomment>Error alert title</extracomment>
        <translation>Hata</translation>
    </message>
    <message id="history.stats.filtered" numerus="yes">
        <source>%1 of %n capture(s)</source>
        <extracomment>Filtered captures count: %1 shown of %n in all</extracomment>
        <translation>
            <numerusform>%1 / %n yakalama</numerusform>
        </translation>
    </message>
    <message id="history.stats.total" numerus="yes">
        <source>%n capture(s)</source>
        <extracomment>Total captures count</extracomment>
        <translation>
            <numerusform>%n yakalama</numerusform>
        </translation>
    </message>
    <message id="pin_widget.image.accessibility">
        <source>Captured screenshot</source>
        <extracomment>Accessibility label for pinned image</extracomment>
        <translation>Yakalanan ekran görüntüsü</translation>
    </message>
    <message id="pin_widget.image.no_image">
        <source>No image available</source>
        <extracomment>Placeholder when no image</extracomment>
        <translation>Kullanılabilir görüntü yok</translation>
    </message>
    <message id="pin_widget.text.accessibility">
        <source>Captured text editor</source>
        <extracomment>Accessibility label for text editor</extracomment>
        <translation>Yakalanan metin düzenleyicisi</translation>
    </message>
    <message id="pin_widget.replace_confirmation.title">
        <source>Replace Pin?</source>
        <extracomment>Title for replace pin confirmation</extracomment>
        <translation>Sabitlenmiş pencere değiştirilsin mi?</translation>
    </message>
    <message id="pin_widget.replace_confirmation.message">
        <source>The current pin has unsaved edits. Replace it with the new capture?</source>
        <extracomment>Message for replace pin confirmation</extracomment>
        <translation>Geçerli sabitlenmiş pencerede kaydedilmemiş düzenlemeler var. Yeni yakalamayla değiştirilsin mi?</translation>
    </message>
    <message id="pin_widget.replace_confirmation.replace">
        <source>Replace</source>
        <extracomment>Replace button</extracomment>
        <translation>Değiştir</translation>
    </message>
    <message id="pin_widget.replace_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>İptal</translation>
    </message>
    <message id="pin_widget.close_confirmation.title">
        <source>Unsaved Edits</source>
        <extracomment>Title for close pin confirmation</extracomment>
        <translation>Kaydedilmemiş düzenlemeler</translation>
    </message>
    <message id="pin_widget.close_confirmation.message">
        <source>The pin has unsaved text edits. What would you like to do?</source>
        <extracomment>Message for close pin confirmation</extracomment>
        <translation>Sabitlenmiş penceredeki metinde kaydedilmemiş düzenlemeler var. Ne yapmak istersiniz?</translation>
    </message>
    <message id="pin_widget.close_confirmation.save_clipboard">
        <source>Save to Clipboard</source>
        <extracomment>Save to clipboard button</extracomment>
        <translation>Panoya kaydet</translation>
    </message>
    <message id="pin_widget.close_confirmation.discard">
        <source>Discard</source>
        <extracomment>Discard button</extracomment>
        <translation>Değişiklikleri at</translation>
    </message>
    <message id="pin_widget.close_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>İptal</translation>
    </message>
    <message id="pin_widget.clipboard_failed.title">
        <source>Text Not Copied</source>
        <extracomment>Title when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>Metin kopyalanmadı</translation>
    </message>
    <message id="pin_widget.clipboard_failed.message">
        <source>The clipboard did not take the pin&apos;s text, so the pin stays open with your edits. Try again, or copy the text from the pin.</source>
        <extracomment>Message when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>Pano, sabitlenmiş penceredeki metni almadı; bu yüzden pencere düzenlemelerinizle birlikte açık kalıyor. Yeniden deneyin ya da metni sabitlenmiş pencereden kopyalayın.</translation>
    </message>
    <message id="pin_widget.clipboard_failed.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>Tamam</translation>
    </message>
    <message id="pin_widget.toolbar.opacity_hint">
        <source>Cycle opacity (30%/60%/100%)</source>
        <translation>Opaklığı değiştir (yüzde 30/60/100)</translation>
    </message>
    <message id="pin_widget.toolbar.close">
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_text">
        <source>Switch to Text</source>
        <translation>Metne geç</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_image">
        <source>Switch to Image</source>
        <translation>Görüntüye geç</translation>
    </message>
    <message id="pin_widget.toolbar.unpin">
        <source>Unpin (allow window to go behind)</source>
        <translation>Sabitlemeyi kaldır (pencere arkada kalabilir)</translation>
    </message>
    <message id="pin_widget.toolbar.pin">
        <source>Pin (keep on top)</source>
        <translation>Sabitle (her zaman üstte tut)</translation>
    </message>
    <message id="relative_time.seconds" numerus="yes">
        <source>%n sec.</source>
        <extracomment>Seconds, short</extracomment>
        <translation>
            <numerusform>%n sn</numerusform>
        </translation>
    </message>
    <message id="relative_time.minutes" numerus="yes">
        <source>%n min.</source>
        <extracomment>Minutes, short</extracomment>
        <translation>
            <numerusform>%n dk</numerusform>
        </translation>
    </message>
    <message id="relative_time.hours" numerus="yes">
        <source>%n hr.</source>
        <extracomment>Hours, short</extracomment>
        <translation>
            <numerusform>%n sa</numerusform>
        </translation>
    </message>
    <message id="relative_time.days" numerus="yes">
        <source>%n days</source>
        <extracomment>Days</extracomment>
        <translation>
            <numerusform>%n gün</numerusform>
        </translation>
    </message>
    <message id="relative_time.weeks" numerus="yes">
        <source>%n wk.</source>
        <extracomment>Weeks, short</extracomment>
        <translation>
            <numerusform>%n hafta</numerusform>
        </translation>
    </message>
    <message id="relative_time.months" numerus="yes">
        <source>%n mo.</source>
        <extracomment>Months, short</extracomment>
        <translation>
            <numerusform>%n ay</numerusform>
        </translation>
    </message>
    <message id="relative_time.years" numerus="yes">
        <source>%n yr.</source>
        <extracomment>Years, short</extracomment>
        <translation>
            <numerusform>%n yıl</numerusform>
        </translation>
    </message>
    <message id="relative_time.past">
        <source>%1 ago</source>
        <extracomment>Time before now</extracomment>
        <translation>%1 önce</translation>
    </message>
    <message id="relative_time.future">
        <source>in %1</source>
        <extracomment>Time after now</extracomment>
        <translation>%1 sonra</translation>
    </message>
    <message id="about.app_name">
        <source>Quorvane</source>
        <extracomment>The program name in the About window (usually kept as is)</extracomment>
        <translation>Quorvane</translation>
    </message>
    <message id="about.subtitle">
        <source>Screen Text Capture</source>
        <extracomment>Subtitle under the program name in the About window</extracomment>
        <translation>Ekrandan metin yakalama</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <extracomment>Version line in the About window: %1 version number</extracomment>
        <translation>Sürüm %1</translation>
    </message>
    <message id="about.description">
        <source>Capture text from anywhere on your screen using OCR.</source>
        <extracomment>One-sentence description in the About window</extracomment>
        <translation>OCR ile ekranınızın herhangi bir yerinden metin yakalayın.</translation>
    </message>
    <message id="about.legal_notice">
        <source>© 2025 Corvantis. Licence: GPL-3.0-or-later</source>
        <extracomment>Copyright and licence line in the About window; GPL-3.0-or-later is the licence&apos;s identifier and stays as is</extracomment>
        <translation>© 2025 Corvantis. Lisans: GPL-3.0-or-later</translation>
    </message>
    <message id="about.privacy_policy">
        <source>Privacy Policy</source>
        <extracomment>Link in the About window</extracomment>
        <translation>Gizlilik politikası</translation>
    </message>
    <message id="about.terms_of_service">
        <source>Terms of Service</source>
        <extracomment>Link in the About window</extracomment>
        <translation>Hizmet koşulları</translation>
    </message>
    <message id="about.window.title">
        <source>About Quorvane</source>
        <extracomment>Title of the About window</extracomment>
        <translation>Quorvane hakkında</translation>
    </message>
    <message id="preferences.shortcuts.copy_command">
        <source>Copy</source>
        <extracomment>Button that copies a shortcut command</extracomment>
        <translation>Kopyala</translation>
    </message>
    <message id="preferences.shortcuts.desktop_unavailable">
        <source>Your desktop does not let programs take global shortcuts. In its keyboard settings, add a custom shortcut for each command you want:</source>
        <extracomment>Shortcuts pane note when the desktop offers no global shortcuts</extracomment>
        <translation>Masaüstünüz, programların küresel kısayol almasına izin vermiyor. Masaüstünüzün klavye ayarlarında, istediğiniz her komut için özel bir kısayol ekleyin:</translation>
    </message>
    <message id="preferences.shortcuts.desktop_owned">
        <source>Your desktop keeps these shortcuts: it may ask you to confirm them, and you can change them in its keyboard settings. It reports:</source>
        <extracomment>Shortcuts pane note when the desktop holds the global shortcuts</extracomment>
        <translation>Bu kısayolları masaüstünüz yönetiyor: onaylamanızı isteyebilir ve bunları masaüstünüzün klavye ayarlarından değiştirebilirsiniz. Masaüstünüzün bildirdiği:</translation>
    </message>
    <message id="preferences.shortcuts.not_bound">
        <source>Not bound yet</source>
        <extracomment>A global shortcut the desktop has not bound</extracomment>
        <translation>Henüz atanmadı</translation>
    </message>
    <message id="feedback.title">
        <source>Send Feedback</source>
        <extracomment>Heading of the Feedback window</extracomment>
        <translation>Geri bildirim gönder</translation>
    </message>
    <message id="feedback.subtitle">
        <source>We&apos;d love to hear from you!</source>
        <extracomment>Subtitle of the Feedback window</extracomment>
        <translation>Sizden haber almak isteriz!</translation>
    </message>
    <message id="feedback.email">
        <source>Email</source>
        <extracomment>Section label for the support e-mail address</extracomment>
        <translation>E-posta</translation>
    </message>
    <message id="feedback.email.open_tooltip">
        <source>Click to open email client</source>
        <extracomment>Tooltip of the e-mail address button</extracomment>
        <translation>E-posta istemcisini açmak için tıklayın</translation>
    </message>
    <message id="feedback.email.copy_tooltip">
        <source>Copy email address</source>
        <extracomment>Tooltip of the copy button beside the e-mail address</extracomment>
        <translation>E-posta adresini kopyala</translation>
    </message>
    <message id="feedback.twitter">
        <source>X / Twitter</source>
        <extracomment>Section label for the social profile (brand name, usually kept)</extracomment>
        <translation>X / Twitter</translation>
    </message>
    <message id="feedback.twitter.open_tooltip">
        <source>Click to open Twitter profile</source>
        <extracomment>Tooltip of the social profile button</extracomment>
        <translation>Twitter profilini açmak için tıklayın</translation>
    </message>
    <message id="feedback.close">
        <source>Close</source>
        <extracomment>Button that closes the Feedback window</extracomment>
        <translation>Kapat</translation>
    </message>
    <message id="feedback.alert.browser.title">
        <source>Browser Cannot Handle Email</source>
        <extracomment>Alert title when e-mail links open in a web browser</extracomment>
        <translation>Tarayıcı e-posta bağlantılarını işleyemiyor</translation>
    </message>
    <message id="feedback.alert.browser.message">
        <source>Your system is configured to open email links with a web browser, which cannot handle them properly.

Please either:
• Use the Copy button (📋) to copy the email address
• Configure an email application as your default email handler in your desktop&apos;s settings

Email: %1</source>
        <extracomment>Alert when e-mail links open in a web browser; %1 is the support address</extracomment>
        <translation>Sisteminiz e-posta bağlantılarını, bunları düzgün işleyemeyen bir web tarayıcısıyla açacak şekilde yapılandırılmış.

Lütfen şunlardan birini yapın:
• E-posta adresini kopyalamak için Kopyala düğmesini (📋) kullanın
• Masaüstünüzün ayarlarında bir e-posta uygulamasını varsayılan e-posta işleyicisi olarak ayarlayın

E-posta: %1</translation>
    </message>
    <message id="feedback.alert.error">
        <source>Error</source>
        <extracomment>Title of an error alert in the Feedback window</extracomment>
        <translation>Hata</translation>
    </message>
    <message id="feedback.alert.mail_link_failed">
        <source>Failed to create email URL</source>
        <extracomment>The e-mail link could not be made</extracomment>
        <translation>E-posta bağlantısı oluşturulamadı</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.title">
        <source>Cannot Open Mail</source>
        <extracomment>Alert title when no e-mail program opened</extracomment>
        <translation>E-posta açılamıyor</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.message">
        <source>Please ensure you have a default email app configured in your desktop&apos;s settings.

You can use the Copy button (📋) to copy: %1</source>
        <extracomment>Alert when no e-mail program opened; %1 is the support address</extracomment>
        <translation>Lütfen masaüstünüzün ayarlarında varsayılan bir e-posta uygulamasının yapılandırıldığından emin olun.

Şunu kopyalamak için Kopyala düğmesini (📋) kullanabilirsiniz: %1</translation>
    </message>
    <message id="feedback.alert.copied.title">
        <source>Email Copied</source>
        <extracomment>Alert title after the support address was copied</extracomment>
        <translation>E-posta adresi kopyalandı</translation>
    </message>
    <message id="feedback.alert.copied.message">
        <source>Email address copied to clipboard:

%1</source>
        <extracomment>Alert after the support address was copied; %1 is the address</extracomment>
        <translation>E-posta adresi panoya kopyalandı:

%1</translation>
    </message>
    <message id="feedback.alert.twitter_link_failed">
        <source>Failed to open Twitter URL</source>
        <extracomment>The social profile link could not be made</extracomment>
        <translation>Twitter bağlantısı açılamadı</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.title">
        <source>Cannot Open Twitter</source>
        <extracomment>Alert title when the social profile did not open</extracomment>
        <translation>Twitter açılamıyor</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.message">
        <source>Please visit: %1</source>
        <extracomment>Alert when the social profile did not open; %1 is its address</extracomment>
        <translation>Lütfen şu adresi ziyaret edin: %1</translation>
    </message>
    <message id="preferences.general.launch_at_login">
        <source>Launch at login</source>
        <extracomment>Launch at login toggle</extracomment>
        <translation>Oturum açıldığında başlat</translation>
    </message>
    <message id="preferences.general.launch_at_login.description">
        <source>Automatically start Quorvane when you log in</source>
        <extracomment>Launch at login description</extracomment>
        <translation>Oturum açtığınızda Quorvane otomatik olarak başlatılır</translation>
    </message>
    <message id="preferences.general.show_dock_icon">
        <source>Show pins in the taskbar</source>
        <extracomment>Switch that lists pinned captures in the taskbar</extracomment>
        <translation>Sabitlenmiş pencereleri görev çubuğunda göster</translation>
    </message>
    <message id="preferences.general.show_dock_icon.description">
        <source>List pinned captures in the taskbar and window switcher. Windows you open are always listed</source>
        <extracomment>Description of the switch that lists pinned captures in the taskbar</extracomment>
        <translation>Sabitlenmiş yakalamaları görev çubuğunda ve pencere değiştiricide listeler. Açtığınız pencereler her zaman listelenir</translation>
    </message>
    <message id="preferences.general.play_sound">
        <source>Play sound on capture</source>
        <extracomment>Play sound toggle</extracomment>
        <translation>Yakalamada ses çal</translation>
    </message>
    <message id="preferences.general.play_sound.description">
        <source>Play a confirmation sound when text is successfully captured</source>
        <extracomment>Play sound description</extracomment>
        <translation>Metin başarıyla yakalandığında bir onay sesi çalar</translation>
    </message>
    <message id="preferences.general.use_system_notifications">
        <source>Use system notifications</source>
        <extracomment>Use system notifications toggle</extracomment>
        <translation>Sistem bildirimlerini kullan</translation>
    </message>
    <message id="preferences.general.use_system_notifications.description">
        <source>Announce each result with a desktop notification as well as the toast overlay</source>
        <extracomment>Use system notifications description</extracomment>
        <translation>Her sonucu, ekrandaki bildirim balonunun yanı sıra bir masaüstü bildirimiyle de duyurur</translation>
    </message>
    <message id="preferences.general.show_pin_widget">
        <source>Show pin widget after capture</source>
        <extracomment>Show pin widget toggle</extracomment>
        <translation>Yakalamadan sonra sabitlenmiş pencereyi göster</translation>
    </message>
    <message id="preferences.general.show_pin_widget.description">
        <source>Automatically display a floating widget with the captured content after each OCR capture</source>
        <extracomment>Show pin widget description</extracomment>
        <translation>Her OCR yakalamasından sonra yakalanan içeriği gösteren kayan bir pencereyi otomatik olarak görüntüler</translation>
    </message>
    <message id="preferences.general.app_language">
        <source>App Language</source>
        <extracomment>App language picker label</extracomment>
        <translation>Uygulama dili</translation>
    </message>
    <message id="preferences.general.app_language.description">
        <source>Select the display language for Quorvane interface</source>
        <extracomment>App language description</extracomment>
        <translation>Quorvane arayüzünün görüntüleme dilini seçin</translation>
    </message>
    <message id="preferences.history.header">
        <source>Configure capture history storage and management</source>
        <extracomment>History header</extracomment>
        <translation>Yakalama geçmişinin depolanmasını ve yönetimini yapılandırın</translation>
    </message>
    <message id="preferences.history.max_entries">
        <source>Maximum history entries</source>
        <extracomment>Max history entries label</extracomment>
        <translation>En fazla geçmiş kaydı</translation>
    </message>
    <message id="preferences.history.auto_eviction">
        <source>Oldest entries are automatically removed when this limit is reached</source>
        <extracomment>Auto eviction description</extracomment>
        <translation>Bu sınıra ulaşıldığında en eski kayıtlar otomatik olarak kaldırılır</translation>
    </message>
    <message id="preferences.history.current_stats">
        <source>Current History</source>
        <extracomment>Current stats label</extracomment>
        <translation>Geçerli geçmiş</translation>
    </message>
    <message id="preferences.history.clear_history">
        <source>Clear History</source>
        <extracomment>Clear history section label</extracomment>
        <translation>Geçmişi temizle</translation>
    </message>
    <message id="preferences.history.clear_history.description">
        <source>Permanently delete all capture history entries. This action cannot be undone</source>
        <extracomment>Clear history description</extracomment>
        <translation>Tüm yakalama geçmişi kayıtlarını kalıcı olarak siler. Bu işlem geri alınamaz</translation>
    </message>
    <message id="preferences.history.clear_all_button">
        <source>Clear All History…</source>
        <extracomment>Clear all history button</extracomment>
        <translation>Tüm geçmişi temizle…</translation>
    </message>
    <message id="preferences.history.trim_confirmation.title">
        <source>Delete Older Captures?</source>
        <extracomment>Title when a lower maximum would delete captures</extracomment>
        <translation>Eski yakalamalar silinsin mi?</translation>
    </message>
    <message id="preferences.history.trim_confirmation.message" numerus="yes">
        <source>Keeping at most %n captures permanently deletes the %1 oldest. This action cannot be undone.</source>
        <extracomment>Message when a lower maximum would delete captures: %n the new maximum, %1 how many go</extracomment>
        <translation>
            <numerusform>En fazla %n yakalama tutulursa en eski %1 yakalama kalıcı olarak silinir. Bu işlem geri alınamaz.</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.button" numerus="yes">
        <source>Delete %n Captures</source>
        <extracomment>Button that lowers the maximum and deletes captures</extracomment>
        <translation>
            <numerusform>%n yakalamayı sil</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>İptal</translation>
    </message>
    <message id="preferences.history.clear_confirmation.title">
        <source>Clear All History?</source>
        <extracomment>Clear confirmation title</extracomment>
        <translation>Tüm geçmiş temizlensin mi?</translation>
    </message>
    <message id="preferences.history.clear_confirmation.message">
        <source>This will permanently delete all capture history entries. This action cannot be undone.</source>
        <extracomment>Clear confirmation message</extracomment>
        <translation>Tüm yakalama geçmişi kayıtları kalıcı olarak silinecek. Bu işlem geri alınamaz.</translation>
    </message>
    <message id="preferences.history.clear_confirmation.button" numerus="yes">
        <source>Delete %n Entries</source>
        <extracomment>Delete entries button</extracomment>
        <translation>
            <numerusform>%n kaydı sil</numerusform>
        </translation>
    </message>
    <message id="preferences.history.clear_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>İptal</translation>
    </message>
    <message id="preferences.history.estimated_storage">
        <source>Estimated storage: %1</source>
        <extracomment>Estimated storage label</extracomment>
        <translation>Tahmini depolama: %1</translation>
    </message>
    <message id="preferences.history.entry_count" numerus="yes">
        <source>%n entries stored</source>
        <extracomment>Entry count label</extracomment>
        <translation>
            <numerusform>%n kayıt saklanıyor</numerusform>
        </translation>
    </message>
    <message id="preferences.history.space_usage">
        <source>Using %1% of maximum capacity</source>
        <extracomment>Space usage label</extracomment>
        <translation>Azami kapasitenin yüzde %1 kadarı kullanılıyor</translation>
    </message>
    <message id="preferences.languages.priority_badge">
        <source>#%1</source>
        <extracomment>Badge with the priority number of a recognition language</extracomment>
        <translation>#%1</translation>
    </message>
    <message id="preferences.languages.header">
        <source>Configure which languages Quorvane should recognize in captured text</source>
        <extracomment>Languages header</extracomment>
        <translation>Yakalanan metinde Quorvane tarafından tanınacak dilleri yapılandırın</translation>
    </message>
    <message id="preferences.languages.auto_detect">
        <source>Auto-detect language (recommended)</source>
        <extracomment>Auto-detect language toggle</extracomment>
        <translation>Dili otomatik algıla (önerilir)</translation>
    </message>
    <message id="preferences.languages.auto_detect.description">
        <source>Automatically detect the language based on system locale and text content. For best results, enable this option</source>
        <extracomment>Auto-detect description</extracomment>
        <translation>Dili, sistemin yerel ayarına ve metnin içeriğine göre otomatik olarak algılar. En iyi sonuçlar için bu seçeneği etkinleştirin</translation>
    </message>
    <message id="preferences.languages.preferred_languages">
        <source>Preferred Languages (drag to reorder priority)</source>
        <extracomment>Preferred languages label</extracomment>
        <translation>Tercih edilen diller (önceliği değiştirmek için sürükleyin)</translation>
    </message>
    <message id="preferences.languages.select_all">
        <source>Select All</source>
        <extracomment>Select all button</extracomment>
        <translation>Tümünü seç</translation>
    </message>
    <message id="preferences.languages.deselect_all">
        <source>Deselect All</source>
        <extracomment>Deselect all button</extracomment>
        <translation>Tüm seçimi kaldır</translation>
    </message>
    <message id="preferences.languages.selection_count" numerus="yes">
        <source>%n language(s) selected</source>
        <extracomment>Language selection count</extracomment>
        <translation>
            <numerusform>%n dil seçildi</numerusform>
        </translation>
    </message>
    <message id="preferences.languages.none_chosen.automatic">
        <source>Choose at least one language; until then languages are chosen automatically</source>
        <extracomment>Notice while no language is ticked and detection stays on</extracomment>
        <translation>En az bir dil seçin; o zamana kadar diller otomatik olarak seçilir</translation>
    </message>
    <message id="preferences.languages.none_chosen.stored">
        <source>Choose at least one language; until then recognition keeps using %1</source>
        <extracomment>Notice while no language is ticked and the stored languages stay in use</extracomment>
        <translation>En az bir dil seçin; o zamana kadar tanıma şu dilleri kullanmaya devam eder: %1</translation>
    </message>
    <message id="onboarding.skip">
        <source>Skip</source>
        <extracomment>Skip onboarding button</extracomment>
        <translation>Atla</translation>
    </message>
    <message id="onboarding.next">
        <source>Next</source>
        <extracomment>Next page button</extracomment>
        <translation>İleri</translation>
    </message>
    <message id="onboarding.permissions.granted">
        <source>Granted</source>
        <extracomment>Status shown beside a permission that is granted</extracomment>
        <translation>Verildi</translation>
    </message>
    <message id="onboarding.permissions.grant">
        <source>Grant</source>
        <extracomment>Button that asks for a permission</extracomment>
        <translation>İzin ver</translation>
    </message>
    <message id="onboarding.permissions.title">
        <source>Permissions Required</source>
        <extracomment>Permissions page title</extracomment>
        <translation>Gerekli izinler</translation>
    </message>
    <message id="onboarding.permissions.subtitle">
        <source>Quorvane needs your permission to work</source>
        <extracomment>Permissions page subtitle</extracomment>
        <translation>Quorvane çalışmak için izninize ihtiyaç duyuyor</translation>
    </message>
    <message id="onboarding.permissions.explanation">
        <source>To capture text from your screen, Quorvane needs access to it. This allows the app to see what&apos;s on your screen when you activate it. All processing happens locally on your device.</source>
        <extracomment>Permissions explanation</extracomment>
        <translation>Quorvane, ekranınızdan metin yakalayabilmek için ekran erişimine ihtiyaç duyar. Bu izin sayesinde uygulama, onu etkinleştirdiğinizde ekranınızda ne olduğunu görebilir. Tüm işlemler yerel olarak cihazınızda yapılır.</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.title">
        <source>Screen Access</source>
        <extracomment>Title of the screen access permission</extracomment>
        <translation>Ekran Erişimi</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.description">
        <source>Allows Quorvane to capture text from selected screen regions</source>
        <extracomment>Screen Recording permission description</extracomment>
        <translation>Seçilen ekran bölgelerinden Quorvane ile metin yakalamaya izin verir</translation>
    </message>
    <message id="onboarding.permissions.accessibility.title">
        <source>Global Shortcuts (Optional)</source>
        <extracomment>Title of the global shortcuts permission</extracomment>
        <translation>Küresel Kısayollar (isteğe bağlı)</translation>
    </message>
    <message id="onboarding.permissions.accessibility.description">
        <source>Enables global keyboard shortcuts for quick capture</source>
        <extracomment>Accessibility permission description</extracomment>
        <translation>Hızlı yakalama için küresel klavye kısayollarını etkinleştirir</translation>
    </message>
    <message id="onboarding.permissions.instructions">
        <source>Click the Grant button next to each permission to open your desktop&apos;s privacy settings. This page will automatically detect when you grant permissions.</source>
        <extracomment>Permission instructions</extracomment>
        <translation>Masaüstünüzün gizlilik ayarlarını açmak için her iznin yanındaki “İzin ver” düğmesine tıklayın. İzinleri verdiğinizde bu sayfa bunu otomatik olarak algılar.</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <extracomment>General preferences tab</extracomment>
        <translation>Genel</translation>
    </message>
    <message id="preferences.tab.shortcuts">
        <source>Shortcuts</source>
        <extracomment>Shortcuts preferences tab</extracomment>
        <translation>Kısayollar</translation>
    </message>
    <message id="preferences.tab.text_formatting">
        <source>Text &amp; Formatting</source>
        <extracomment>Text formatting preferences tab</extracomment>
        <translation>Metin ve biçimlendirme</translation>
    </message>
    <message id="preferences.tab.languages">
        <source>Languages</source>
        <extracomment>Languages preferences tab</extracomment>
        <translation>Diller</translation>
    </message>
    <message id="preferences.tab.history">
        <source>History</source>
        <extracomment>History preferences tab</extracomment>
        <translation>Geçmiş</translation>
    </message>
    <message id="preferences.shortcuts.recording">
        <source>Press keys… (ESC to cancel)</source>
        <extracomment>Recording shortcut message</extracomment>
        <translation>Tuşlara basın… (iptal için Esc)</translation>
    </message>
    <message id="preferences.shortcuts.error.system_reserved">
        <source>This shortcut is reserved by the system</source>
        <extracomment>System reserved shortcut error</extracomment>
        <translation>Bu kısayol sistem tarafından ayrılmış</translation>
    </message>
    <message id="preferences.shortcuts.error.conflict">
        <source>This shortcut conflicts with another action</source>
        <extracomment>Shortcut conflict error</extracomment>
        <translation>Bu kısayol başka bir eylemle çakışıyor</translation>
    </message>
    <message id="preferences.shortcuts.error.taken">
        <source>This shortcut is already used by another program</source>
        <extracomment>Shortcut held by another program error</extracomment>
        <translation>Bu kısayol zaten başka bir program tarafından kullanılıyor</translation>
    </message>
    <message id="preferences.shortcuts.error.invalid">
        <source>Current shortcut is invalid</source>
        <extracomment>Invalid shortcut error</extracomment>
        <translation>Geçerli kısayol geçersiz</translation>
    </message>
    <message id="preferences.shortcuts.header">
        <source>Configure global keyboard shortcuts for Quorvane actions</source>
        <extracomment>Shortcuts header</extracomment>
        <translation>Quorvane eylemleri için küresel klavye kısayollarını yapılandırın</translation>
    </message>
    <message id="preferences.shortcuts.quick_zarrow.description">
        <source>Activate screen capture overlay and select region</source>
        <extracomment>Quick capture shortcut description</extracomment>
        <translation>Ekran yakalama katmanını açarak bir bölge seçmenizi sağlar</translation>
    </message>
    <message id="preferences.shortcuts.repeat_zarrow.description">
        <source>Capture the same region as last time without showing overlay</source>
        <extracomment>Repeat capture shortcut description</extracomment>
        <translation>Katmanı göstermeden son seferdeki bölgenin aynısını yakalar</translation>
    </message>
    <message id="preferences.shortcuts.code_mode.description">
        <source>Capture text in code mode (preserves formatting)</source>
        <extracomment>Code mode shortcut description</extracomment>
        <translation>Metni kod kipinde yakalar (biçimlendirmeyi korur)</translation>
    </message>
    <message id="preferences.shortcuts.scan_code.description">
        <source>Scan QR codes and barcodes from the screen</source>
        <extracomment>Scan Code shortcut description</extracomment>
        <translation>Ekrandaki QR kodlarını ve barkodları tarar</translation>
    </message>
    <message id="preferences.shortcuts.open_history.description">
        <source>Open capture history window</source>
        <extracomment>History shortcut description</extracomment>
        <translation>Yakalama geçmişi penceresini açar</translation>
    </message>
    <message id="preferences.shortcuts.reset">
        <source>Reset to Defaults</source>
        <extracomment>Reset shortcuts button</extracomment>
        <translation>Varsayılanlara sıfırla</translation>
    </message>
    <message id="preferences.text_formatting.header">
        <source>Configure how captured text is processed before copying to clipboard</source>
        <extracomment>Text formatting header</extracomment>
        <translation>Yakalanan metnin panoya kopyalanmadan önce nasıl işleneceğini yapılandırın</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks">
        <source>Preserve original line breaks</source>
        <extracomment>Preserve line breaks toggle</extracomment>
        <translation>Özgün satır sonlarını koru</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks.description">
        <source>Keep line breaks as they appear in the original text. When disabled, paragraphs are merged into continuous lines</source>
        <extracomment>Preserve line breaks description</extracomment>
        <translation>Satır sonlarını özgün metinde göründükleri gibi korur. Devre dışı bırakıldığında paragraflar kesintisiz satırlar halinde birleştirilir</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes">
        <source>Avoid smart quotes (convert to ASCII)</source>
        <extracomment>Avoid smart quotes toggle</extracomment>
        <translation>Akıllı tırnaklardan kaçın (ASCII&apos;ye dönüştür)</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes.description">
        <source>Convert typographic quotes (“”) to plain ASCII quotes (&quot;&quot;). Also converts em-dashes (—) and ellipses (…) to ASCII equivalents</source>
        <extracomment>Avoid smart quotes description</extracomment>
        <translation>Tipografik tırnakları (“”) düz ASCII tırnaklara (&quot;&quot;) dönüştürür. Uzun tireleri (—) ve üç noktaları (…) da ASCII karşılıklarına dönüştürür</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces">
        <source>Collapse multiple spaces into one</source>
        <extracomment>Collapse spaces toggle</extracomment>
        <translation>Birden çok boşluğu teke indir</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces.description">
        <source>Replace consecutive spaces with a single space. Helps clean up OCR results</source>
        <extracomment>Collapse spaces description</extracomment>
        <translation>Art arda gelen boşlukları tek bir boşlukla değiştirir. OCR sonuçlarını temizlemeye yardımcı olur</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.title">
        <source>Code Mode Exception</source>
        <extracomment>Code mode note title</extracomment>
        <translation>Kod kipi istisnası</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.description">
        <source>These settings do not apply to Code Mode captures. Code Mode preserves all original formatting, including spaces, line breaks, and special characters</source>
        <extracomment>Code mode note description</extracomment>
        <translation>Bu ayarlar kod kipindeki yakalamalara uygulanmaz. Kod kipi boşluklar, satır sonları ve özel karakterler dahil tüm özgün biçimlendirmeyi korur</translation>
    </message>
    <message id="onboarding.welcome.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Welcome page title</extracomment>
        <translation>Quorvane&apos;a hoş geldiniz</translation>
    </message>
    <message id="onboarding.welcome.subtitle">
        <source>Capture text from anywhere on your screen</source>
        <extracomment>Welcome page subtitle</extracomment>
        <translation>Ekranınızın herhangi bir yerinden metin yakalayın</translation>
    </message>
    <message id="onboarding.welcome.description">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Just press the keyboard shortcut, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description</extracomment>
        <translation>Quorvane; görüntülerden, videolardan, PDF&apos;lerden ve ekranınızdaki her türlü içerikten metin çıkarmayı kolaylaştırır. Klavye kısayoluna basın, seçmek için sürükleyin; metin anında panoya kopyalanır.</translation>
    </message>
    <message id="onboarding.welcome.feature1.title">
        <source>Quick Capture</source>
        <extracomment>Feature 1 title</extracomment>
        <translation>Hızlı yakalama</translation>
    </message>
    <message id="onboarding.welcome.feature2.title">
        <source>Multi-Language Support</source>
        <extracomment>Feature 2 title</extracomment>
        <translation>Çok dilli destek</translation>
    </message>
    <message id="onboarding.welcome.feature2.description">
        <source>Recognizes text in 20+ languages</source>
        <extracomment>Feature 2 description</extracomment>
        <translation>20&apos;den fazla dilde metin tanır</translation>
    </message>
    <message id="onboarding.welcome.feature3.title">
        <source>Privacy First</source>
        <extracomment>Feature 3 title</extracomment>
        <translation>Önce gizlilik</translation>
    </message>
    <message id="onboarding.welcome.feature3.description">
        <source>All processing happens on your device</source>
        <extracomment>Feature 3 description</extracomment>
        <translation>Tüm işlemler cihazınızda yapılır</translation>
    </message>
    <message id="onboarding.welcome.feature1.description">
        <source>Press %1 to capture text instantly</source>
        <extracomment>Feature 1 description; the quick capture shortcut</extracomment>
        <translation>Anında metin yakalamak için %1 tuşlarına basın</translation>
    </message>
    <message id="error.import.unreadable_clipboard">
        <source>The image on the clipboard could not be read</source>
        <extracomment>Error when the clipboard offers no image that can be decoded</extracomment>
        <translation>Panodaki görüntü okunamadı</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn any region of the screen into text, scan barcodes and keep a capture history</source>
        <extracomment>Comment of the desktop entry (a menu&apos;s tooltip): what the program does, one sentence</extracomment>
        <translation>Ekranın herhangi bir bölgesini metne dönüştürür, barkod okur ve yakalama geçmişi tutar</translation>
    </message>
    <message id="desktop.keywords">
        <source>OCR;text;screenshot;capture;barcode;QR;clipboard;</source>
        <extracomment>Search words of the desktop entry: words users type to find the program, each followed by a semicolon</extracomment>
        <translation>OCR;metin;ekran görüntüsü;yakalama;barkod;QR;pano;</translation>
    </message>
    <message id="desktop.action.repeat">
        <source>Repeat Last Capture</source>
        <extracomment>Launcher action of the desktop entry (shown in the dock or menu): capture the region captured last again</extracomment>
        <translation>Son yakalamayı yinele</translation>
    </message>
    <message id="desktop.action.code">
        <source>Capture Code</source>
        <extracomment>Launcher action of the desktop entry: capture text keeping the indentation of code</extracomment>
        <translation>Kod yakala</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn any region of the screen into text</source>
        <extracomment>One-line summary in software centres</extracomment>
        <translation>Ekranın herhangi bir bölgesini metne dönüştürür</translation>
    </message>
    <message id="metainfo.description">
        <source>Quorvane lives in the system tray. Press its shortcut, drag over a region of the screen, and the text inside it is recognised on this computer and copied to the clipboard.</source>
        <extracomment>Description paragraph in software centres</extracomment>
        <translation>Quorvane sistem tepsisinde durur. Kısayoluna basın, ekranın bir bölgesinin üzerinde sürükleyin; içindeki metin bu bilgisayarda tanınır ve panoya kopyalanır.</translation>
    </message>
    <message id="metainfo.feature.repeat">
        <source>Repeat a capture of the last region with one shortcut</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>Son bölgeyi tek kısayolla yeniden yakalayın</translation>
    </message>
    <message id="metainfo.feature.code">
        <source>Keep the indentation of code in code mode</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>Kod kipinde kodun girintisini koruyun</translation>
    </message>
    <message id="metainfo.feature.codes">
        <source>Read QR codes and barcodes</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>QR kodlarını ve barkodları okuyun</translation>
    </message>
    <message id="metainfo.feature.history">
        <source>Find earlier captures in a searchable history</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>Önceki yakalamaları aranabilir bir geçmişte bulun</translation>
    </message>
    <message id="metainfo.feature.command">
        <source>Start captures from the desktop&apos;s own shortcut settings or a script with the quorvane capture command</source>
        <extracomment>Feature list item in software centres; &quot;quorvane capture&quot; is a command and stays as is</extracomment>
        <translation>Yakalamaları masaüstünün kısayol ayarlarından veya bir betikten quorvane capture komutuyla başlatın</translation>
    </message>
    <message id="about.version_with_commit">
        <source>Version %1 (%2)</source>
        <extracomment>Version line in the About window of a program built from a development copy: %1 version number, %2 the short identifier of the source revision (such as a1b2c3d)</extracomment>
        <translation>Sürüm %1 (%2)</translation>
    </message>
    <message id="error.screen_capture.portal_missing">
        <source>This desktop offers no screenshot service to read the screen with. Install %1, then log out and in again.</source>
        <extracomment>Error when the desktop offers no screenshot service (Wayland); %1 lists Debian package names</extracomment>
        <translation>Bu masaüstü, ekranı okumak için bir ekran görüntüsü hizmeti sunmuyor. %1 paketini kurun, ardından oturumu kapatıp yeniden açın.</translation>
    </message>
    <message id="tray_absence.message_without_shortcuts">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. To capture text, bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon and the desktop offers programs no global shortcuts</extracomment>
        <translation>Bu masaüstündeki hiçbir sistem tepsisi Quorvane simgesini göstermiyor. Metin yakalamak için masaüstünüzün klavye ayarlarında “quorvane capture” komutunu bir tuşa atayın. Tercihleri açmak için “quorvane” komutunu yeniden çalıştırın veya çıkmak için “quorvane quit” komutunu kullanın.</translation>
    </message>
    <message id="onboarding.welcome.feature1.description_without_shortcuts">
        <source>Bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings to capture text instantly</source>
        <extracomment>Feature 1 description where the desktop offers programs no global shortcuts</extracomment>
        <translation>Metni anında yakalamak için masaüstünüzün klavye ayarlarında “quorvane capture” komutunu bir tuşa atayın</translation>
    </message>
    <message id="notification.settings_salvaged.message">
        <source>The settings file was damaged and was kept as %1. The settings it still held are in use.</source>
        <extracomment>Warning message when the settings file was damaged but some settings could still be read from it</extracomment>
        <translation>Ayarlar dosyası bozuktu ve %1 olarak saklandı. İçinde kalan ayarlar kullanılıyor.</translation>
    </message>
    <message id="notification.settings_reset.message">
        <source>These settings could not be read and are back to their defaults: %1. Every other setting was kept.</source>
        <extracomment>Warning message naming the settings whose stored values could not be read; %1 lists their names</extracomment>
        <translation>Şu ayarlar okunamadı ve varsayılan değerlerine döndü: %1. Diğer tüm ayarlar korundu.</translation>
    </message>
    <message id="notification.settings_reset.title">
        <source>Settings Reset</source>
        <extracomment>Warning title when some stored settings could not be read</extracomment>
        <translation>Ayarlar Sıfırlandı</translation>
    </message>
    <message id="error.import.reason.not_a_file">
        <source>it is not a regular file</source>
        <extracomment>Why an image file could not be imported: the path names a folder, device or pipe</extracomment>
        <translation>normal bir dosya değil</translation>
    </message>
    <message id="error.import.reason.too_large">
        <source>it is larger than %1 MB</source>
        <extracomment>Why an image file could not be imported; %1 is the largest size in megabytes</extracomment>
        <translation>%1 MB’tan büyük</translation>
    </message>
    <message id="error.import.reason.format">
        <source>its format cannot be imported</source>
        <extracomment>Why an image file could not be imported: not PNG, JPEG, WebP, TIFF, BMP or GIF</extracomment>
        <translation>biçimi içe aktarılamaz</translation>
    </message>
    <message id="ocr_error.timed_out">
        <source>Reading the image took too long, so it was stopped. Try selecting a smaller region around the text.</source>
        <extracomment>Recognition gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>Görüntüyü okumak çok uzun sürdüğü için durduruldu. Metnin çevresinde daha küçük bir alan seçmeyi deneyin.</translation>
    </message>
    <message id="ocr_error.cancelled">
        <source>Text recognition was cancelled</source>
        <extracomment>The user stopped a running recognition</extracomment>
        <translation>Metin tanıma iptal edildi</translation>
    </message>
    <message id="notification.pin_set_aside.message">
        <source>The pinned capture could not be read and was kept as %1.</source>
        <extracomment>Warning message when the stored pinned capture could not be read; %1 is where it was kept</extracomment>
        <translation>Sabitlenmiş yakalama okunamadı ve %1 olarak saklandı.</translation>
    </message>
    <message id="first_launch.press_to_capture">
        <source>Press %1 to capture text</source>
        <extracomment>Sentence of the first-start tooltip; %1 is the capture shortcut, drawn as a key cap between the words before and after it (either may be empty)</extracomment>
        <translation>Metin yakalamak için %1 tuşlarına basın</translation>
    </message>
    <message id="ocr_error.language_data_missing">
        <source>OCR failed: the Tesseract language data %1 is not installed (install %2)</source>
        <extracomment>Recognition cannot start; %1 names the missing Tesseract language data (such as &quot;tha&quot;), %2 the Debian packages that hold it (such as &quot;tesseract-ocr-tha&quot;)</extracomment>
        <translation>OCR başarısız: Tesseract %1 dil verileri yüklü değil (%2 paketini yükleyin)</translation>
    </message>
    <message id="preferences.history.size.bytes" numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size in bytes</extracomment>
        <translation>
            <numerusform>%n bayt</numerusform>
        </translation>
    </message>
    <message id="preferences.history.size.kilobytes">
        <source>%1 KB</source>
        <extracomment>A size in kilobytes (1000 bytes); %1 is the number</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message id="preferences.history.size.megabytes">
        <source>%1 MB</source>
        <extracomment>A size in megabytes; %1 is the number</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message id="preferences.history.size.gigabytes">
        <source>%1 GB</source>
        <extracomment>A size in gigabytes; %1 is the number</extracomment>
        <translation>%1 GB</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.small">
        <source>Font size: Small</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>Yazı tipi boyutu: Küçük</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.medium">
        <source>Font size: Medium</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>Yazı tipi boyutu: Orta</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.large">
        <source>Font size: Large</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>Yazı tipi boyutu: Büyük</translation>
    </message>
    <message id="error.clipboard.reason.text_not_written">
        <source>Failed to put the text on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the text</extracomment>
        <translation>Metin panoya konamadı</translation>
    </message>
    <message id="error.clipboard.reason.nothing_to_write">
        <source>No items to put on the clipboard</source>
        <extracomment>Why copying failed: there was nothing to copy</extracomment>
        <translation>Panoya konacak öğe yok</translation>
    </message>
    <message id="error.clipboard.reason.items_not_written">
        <source>Failed to put any items on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the items</extracomment>
        <translation>Panoya hiçbir öğe konamadı</translation>
    </message>
    <message id="error.screen_capture.reason.no_display">
        <source>Could not find matching display</source>
        <extracomment>Why a screen capture failed: the monitor of the selection is gone</extracomment>
        <translation>Eşleşen ekran bulunamadı</translation>
    </message>
    <message id="error.screen_capture.reason.empty_image">
        <source>Captured image has zero dimensions</source>
        <extracomment>Why a screen capture failed: the picture taken is empty</extracomment>
        <translation>Yakalanan görüntünün boyutu yok</translation>
    </message>
    <message id="error.settings_store.reason.reserved_shortcut">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Why a shortcut cannot be stored; %1 is the key combination</extracomment>
        <translation>%1 kısayolu sistem tarafından ayrılmış</translation>
    </message>
    <message id="error.settings_store.reason.history_size">
        <source>Max history entries must be between 1 and 1000, got %1</source>
        <extracomment>Why a history size cannot be stored; %1 is the number asked for</extracomment>
        <translation>Geçmişteki en fazla kayıt sayısı 1 ile 1000 arasında olmalı, alınan: %1</translation>
    </message>
    <message id="error.history.reason.not_a_folder">
        <source>%1 exists and is not a folder</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1 var ancak bir klasör değil</translation>
    </message>
    <message id="error.history.reason.cannot_create_folder">
        <source>Cannot create folder %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message id="error.history.reason.no_data_folder">
        <source>Cannot access the data folder</source>
        <extracomment>Why the history cannot be kept: no data folder is known</extracomment>
        <translation>Veri klasörüne erişilemiyor</translation>
    </message>
    <message id="onboarding.permissions.unavailable">
        <source>Not offered by this desktop</source>
        <extracomment>Status shown beside a permission the desktop does not offer at all</extracomment>
        <translation>Bu masaüstü tarafından sunulmuyor</translation>
    </message>
    <message id="notification.recognition_running.title">
        <source>Reading Text…</source>
        <extracomment>Title of the notice shown while text recognition takes more than a moment</extracomment>
        <translation>Metin okunuyor…</translation>
    </message>
    <message id="notification.recognition_running.escape">
        <source>Click here or press Escape to cancel.</source>
        <extracomment>Message while text recognition runs, when Escape cancels it from any window</extracomment>
        <translation>İptal etmek için buraya tıklayın veya Esc tuşuna basın.</translation>
    </message>
    <message id="notification.recognition_running.click">
        <source>Click here or use the same shortcut again to cancel.</source>
        <extracomment>Message while text recognition runs where the desktop lets no program take the Escape key</extracomment>
        <translation>İptal etmek için buraya tıklayın veya aynı kısayolu yeniden kullanın.</translation>
    </message>
    <message id="code_scan_error.timed_out">
        <source>Looking for a code took too long, so it was stopped. Try selecting a smaller region around the code.</source>
        <extracomment>Scanning gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>Kod arama çok uzun sürdüğü için durduruldu. Kodun çevresinde daha küçük bir alan seçmeyi deneyin.</translation>
    </message>
    <message id="code_scan_error.cancelled">
        <source>Code scanning was cancelled</source>
        <extracomment>The user stopped a running code scan</extracomment>
        <translation>Kod tarama iptal edildi</translation>
    </message>
    <message id="command_line.commands_heading">
        <source>Commands (sent to the running Quorvane, which is started first when none runs):</source>
        <extracomment>The command line&apos;s help: the heading above the list of commands</extracomment>
        <translation>Komutlar (çalışan Quorvane&apos;e gönderilir; çalışmıyorsa önce başlatılır):</translation>
    </message>
    <message id="command_line.without_command">
        <source>Without a command, Quorvane starts; when it already runs, its preferences open.</source>
        <extracomment>The command line&apos;s help: the line below the list of commands</extracomment>
        <translation>Komut verilmezse Quorvane başlar; zaten çalışıyorsa tercihleri açılır.</translation>
    </message>
    <message id="command_line.description">
        <source>Turns any region of the screen into text.</source>
        <extracomment>The command line&apos;s help: what the program does, in one sentence</extracomment>
        <translation>Ekranın herhangi bir bölgesini metne dönüştürür.</translation>
    </message>
    <message id="command_line.command_argument">
        <source>One of the commands above.</source>
        <oldsource>One of the commands below.</oldsource>
        <extracomment>The command line&apos;s help: what the optional argument &quot;command&quot; is; the list of commands stands above it</extracomment>
        <translation>Yukarıdaki komutlardan biri.</translation>
    </message>
    <message id="command_line.one_command">
        <source>Give one command at a time.</source>
        <extracomment>The command line was given more than one command</extracomment>
        <translation>Bir seferde tek komut verin.</translation>
    </message>
    <message id="command_line.unknown_command">
        <source>Unknown command &quot;%1&quot;; the commands are %2.</source>
        <extracomment>The command line was given a word that is no command; %1 is that word, %2 lists the commands</extracomment>
        <translation>Bilinmeyen komut &quot;%1&quot;; komutlar şunlardır: %2.</translation>
    </message>
    <message id="command_line.see_help">
        <source>See &quot;%1&quot;.</source>
        <extracomment>The line below a refused command line; %1 is the command that shows the help</extracomment>
        <translation>Bkz. &quot;%1&quot;.</translation>
    </message>
    <message id="command_line.command.capture">
        <source>Select a region of the screen and copy its text</source>
        <extracomment>The command line&apos;s help: what the command &quot;capture&quot; does</extracomment>
        <translation>Ekranın bir bölgesini seç ve metnini kopyala</translation>
    </message>
    <message id="command_line.command.repeat">
        <source>Capture the last region again</source>
        <extracomment>The command line&apos;s help: what the command &quot;repeat&quot; does</extracomment>
        <translation>Son bölgeyi yeniden yakala</translation>
    </message>
    <message id="command_line.command.code">
        <source>Capture text keeping its indentation (code mode)</source>
        <extracomment>The command line&apos;s help: what the command &quot;code&quot; does</extracomment>
        <translation>Metni girintisini koruyarak yakala (kod kipi)</translation>
    </message>
    <message id="command_line.command.scan">
        <source>Select a region and read the QR code or barcode in it</source>
        <extracomment>The command line&apos;s help: what the command &quot;scan&quot; does</extracomment>
        <translation>Bir bölge seç ve içindeki QR kodunu ya da barkodu oku</translation>
    </message>
    <message id="command_line.command.history">
        <source>Open the capture history</source>
        <extracomment>The command line&apos;s help: what the command &quot;history&quot; does</extracomment>
        <translation>Yakalama geçmişini aç</translation>
    </message>
    <message id="command_line.command.preferences">
        <source>Open the preferences</source>
        <extracomment>The command line&apos;s help: what the command &quot;preferences&quot; does</extracomment>
        <translation>Tercihleri aç</translation>
    </message>
    <message id="command_line.command.quit">
        <source>Quit the running program</source>
        <extracomment>The command line&apos;s help: what the command &quot;quit&quot; does</extracomment>
        <translation>Çalışan programdan çık</translation>
    </message>
    <message id="error.coordinator.global_shortcuts_required">
        <source>Global shortcuts need your permission first</source>
        <extracomment>Error when the desktop has not allowed Quorvane&apos;s global shortcuts</extracomment>
        <translation>Önce küresel kısayollara izin verilmesi gerekiyor</translation>
    </message>
    <message id="error.coordinator.screen_access_required">
        <source>Screen access is required to capture text</source>
        <extracomment>Error when the desktop has not allowed Quorvane to read the screen</extracomment>
        <translation>Metin yakalamak için ekran erişimi gerekiyor</translation>
    </message>
    <message id="command_line.command_refused">
        <source>Quorvane is running but did not take the command &quot;%1&quot;: %2</source>
        <extracomment>The running copy refused a command given on the command line; %1 is the command, %2 why</extracomment>
        <translation>Quorvane çalışıyor ancak &quot;%1&quot; komutunu kabul etmedi: %2</translation>
    </message>
    <message id="command_line.not_running">
        <source>Quorvane is not running.</source>
        <extracomment>The command line asked a copy to quit, and none runs</extracomment>
        <translation>Quorvane çalışmıyor.</translation>
    </message>
    <message id="command_line.already_running_process">
        <source>Quorvane is already running (process %1); without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus; %1 is the number of the process that runs</extracomment>
        <translation>Quorvane zaten çalışıyor (süreç %1); oturum veri yolu olmadan ona komut gönderilemez.</translation>
    </message>
    <message id="command_line.already_running">
        <source>Quorvane is already running; without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus</extracomment>
        <translation>Quorvane zaten çalışıyor; oturum veri yolu olmadan ona komut gönderilemez.</translation>
    </message>
    <message id="menubar.tooltip_tray_menu">
        <source>Quorvane
Left-click: Quick Capture
Right-click: Menu</source>
        <extracomment>Tooltip of the tray icon where the desktop&apos;s tray opens the menu on a right click</extracomment>
        <translation>Quorvane
Sol tık: Hızlı yakalama
Sağ tık: Menü</translation>
    </message>
    <message id="command_line.no_display">
        <source>Quorvane needs a graphical desktop session: no DISPLAY is set.</source>
        <extracomment>Started where there is no screen, e.g. over ssh</extracomment>
        <translation>Quorvane grafik bir masaüstü oturumu gerektirir: DISPLAY ayarlanmamış.</translation>
    </message>
    <message id="command_line.unsafe_folder">
        <source>Quorvane cannot start: %1, so another user could keep it from running. Make the folder yours alone (chmod 700) or set XDG_RUNTIME_DIR to a folder that is.</source>
        <extracomment>The program will not start; %1 says what is wrong with the folder of its lock file</extracomment>
        <translation>Quorvane başlatılamıyor: %1, bu yüzden başka bir kullanıcı çalışmasını engelleyebilir. Klasörü yalnızca size ait yapın (chmod 700) ya da XDG_RUNTIME_DIR değişkenini böyle bir klasöre ayarlayın.</translation>
    </message>
    <message id="single_instance.folder_missing">
        <source>%1 is not a folder</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1 bir klasör değil</translation>
    </message>
    <message id="single_instance.folder_foreign">
        <source>%1 belongs to another user</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1 başka bir kullanıcıya ait</translation>
    </message>
    <message id="single_instance.folder_shared">
        <source>other users may write to %1</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>diğer kullanıcılar %1 klasörüne yazabilir</translation>
    </message>
    <message id="command_line.capture_failed">
        <source>Capture failed: %1</source>
        <extracomment>What the command line prints when the capture it asked for failed; %1 is why</extracomment>
        <translation>Yakalama başarısız oldu: %1</translation>
    </message>
    <message id="preferences.general.show_pin_widget.unavailable">
        <source>On this desktop a new window takes the keyboard from the one you are typing in, so no pin comes up after a capture</source>
        <extracomment>Under the switch for pins after a capture, on a desktop (Wayland) where every new window takes the keyboard</extracomment>
        <translation>Bu masaüstünde her yeni pencere, yazdığınız pencereden klavyeyi alır; bu yüzden yakalamadan sonra sabitlenmiş pencere gösterilmez</translation>
    </message>
    <message id="notification.portal_waiting.title">
        <source>Waiting for the screen portal…</source>
        <extracomment>Shown while a capture waits for the desktop&apos;s screenshot service (the screen portal, Wayland) to answer</extracomment>
        <translation>Ekran görüntüsü hizmeti bekleniyor…</translation>
    </message>
    <message id="notification.portal_waiting.message">
        <source>The desktop&apos;s screenshot service has not answered yet.</source>
        <extracomment>Under &quot;Waiting for the screen portal…&quot;</extracomment>
        <translation>Masaüstünün ekran görüntüsü hizmeti henüz yanıt vermedi.</translation>
    </message>
    <message id="error.screen_capture.portal_not_answering">
        <source>The screen portal did not answer in time. It may still be starting: try again in a moment.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (the screen portal, Wayland) is there but gave no answer in time</extracomment>
        <translation>Ekran görüntüsü hizmeti zamanında yanıt vermedi. Hâlâ başlıyor olabilir: biraz sonra yeniden deneyin.</translation>
    </message>
    <message id="error.screen_capture.picture_refused">
        <source>The desktop refused to give Quorvane a picture of the screen. Capture again and allow it if the desktop asks.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (Wayland) refused to give a picture of the screen; such desktops may have no privacy settings at all</extracomment>
        <translation>Masaüstü, Quorvane’a ekranın görüntüsünü vermeyi reddetti. Yeniden yakalayın ve masaüstü sorarsa izin verin.</translation>
    </message>
    <message id="preferences.shortcuts.header_unavailable">
        <source>The keyboard shortcuts Quorvane would use, which this desktop does not let programs take</source>
        <extracomment>Shortcuts header where the desktop lets no program take global shortcuts (the key fields below are greyed out)</extracomment>
        <translation>Quorvane’ın kullanacağı, ancak bu masaüstünün programlara almasına izin vermediği klavye kısayolları</translation>
    </message>
    <message id="onboarding.welcome.description_without_shortcuts">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Start a capture, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description where the desktop offers programs no global shortcuts (so there is no shortcut to press yet)</extracomment>
        <translation>Quorvane; görüntülerden, videolardan, PDF’lerden ve ekranınızdaki her türlü içerikten metin çıkarmayı kolaylaştırır. Bir yakalama başlatın, seçmek için sürükleyin; metin anında panoya kopyalanır.</translation>
    </message>
    <message id="command.capture_cancelled">
        <source>The running capture was cancelled.</source>
        <extracomment>What a command asking for a capture did while the same kind of capture was being read: it cancelled that capture</extracomment>
        <translation>Devam eden yakalama işlemi iptal edildi.</translation>
    </message>
    <message id="command_line.start_failed">
        <source>Quorvane could not be started: %1</source>
        <extracomment>A command was given while Quorvane did not run, and it could not be started; %1 says why</extracomment>
        <translation>Quorvane başlatılamadı: %1</translation>
    </message>
    <message id="command_line.start_no_answer">
        <source>Quorvane was started but did not come up to take the command.</source>
        <extracomment>A command was given while Quorvane did not run; the copy started for it ended or did not answer</extracomment>
        <translation>Quorvane başlatıldı ancak komutu almaya hazır hâle gelmedi.</translation>
    </message>
    <message id="settings_file.folder_of_another_user">
        <source>The folder %1 belongs to the user %2, so Quorvane cannot keep its settings there private.</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the name of the user who owns it</extracomment>
        <translation>%1 klasörü %2 kullanıcısına ait, bu yüzden Quorvane ayarlarını orada gizli tutamaz.</translation>
    </message>
    <message id="settings_file.cannot_restrict_folder">
        <source>Cannot make the folder %1 private: %2</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the system&apos;s reason</extracomment>
        <translation>%1 klasörü gizli yapılamıyor: %2</translation>
    </message>
    <message id="notification.history_records_set_aside.message">
        <source>Some history records could not be read and were kept as %1. Every other capture is in the history.</source>
        <extracomment>Warning message when some history records could not be read; %1 is the file they were kept in</extracomment>
        <translation>Bazı geçmiş kayıtları okunamadı ve %1 olarak saklandı. Diğer tüm yakalamalar geçmişte.</translation>
    </message>
    <message id="pin_widget.text.part_shown">
        <source>Only the first %1 of %2 characters are shown, and the text cannot be edited here. Copy takes the whole text.</source>
        <extracomment>Note under a pin&apos;s text that is too long to show whole; %1 and %2 are numbers of characters</extracomment>
        <translation>%2 karakterin yalnızca ilk %1 karakteri gösteriliyor ve metin burada düzenlenemiyor. Kopyala metnin tamamını alır.</translation>
    </message>
    <message id="pin_widget.quit_unwritten.title">
        <source>The Pin Is Not Saved</source>
        <extracomment>Title when the program is asked to quit while the pin could not be saved</extracomment>
        <translation>Sabitlenmiş Pencere Kaydedilmedi</translation>
    </message>
    <message id="pin_widget.quit_unwritten.message">
        <source>The pin&apos;s latest changes could not be written (%1), so they will be lost when Quorvane quits. Copy the text from the pin, or free some disk space and quit again.</source>
        <extracomment>Message when the program is asked to quit while the pin could not be saved; %1 is why</extracomment>
        <translation>Sabitlenmiş pencerenin son değişiklikleri yazılamadı (%1); Quorvane kapanınca kaybolacaklar. Metni sabitlenmiş pencereden kopyalayın ya da diskte yer açıp yeniden çıkın.</translation>
    </message>
    <message id="pin_widget.quit_unwritten.quit">
        <source>Quit Anyway</source>
        <extracomment>Button that quits although the pin&apos;s changes will be lost</extracomment>
        <translation>Yine de Çık</translation>
    </message>
    <message id="pin_widget.unwritten.note">
        <source>Not saved: %1. The pin keeps your changes and tries again.</source>
        <extracomment>Note on a pin whose changes could not be written; %1 is why</extracomment>
        <translation>Kaydedilmedi: %1. Sabitlenmiş pencere değişikliklerinizi tutar ve yeniden dener.</translation>
    </message>
    <message id="updater.reason.no_download_page">
        <source>the update names no download page</source>
        <extracomment>Why an update is refused: the feed names no page to get it from</extracomment>
        <translation>güncelleme bir indirme sayfası belirtmiyor</translation>
    </message>
    <message id="error.no_result">
        <source>The operation ended without a result</source>
        <extracomment>Shown when an operation finished but handed back neither a result nor an error</extracomment>
        <translation>İşlem bir sonuç vermeden sona erdi</translation>
    </message>
    <message id="error.unknown">
        <source>Unknown error</source>
        <extracomment>Shown when an operation failed in a way the program cannot describe</extracomment>
        <translation>Bilinmeyen hata</translation>
    </message>
    <message id="error.screen_capture.reason.unreadable">
        <source>Could not read the screen</source>
        <extracomment>Why a screen capture failed: no monitor&apos;s picture could be taken</extracomment>
        <translation>Ekran okunamadı</translation>
    </message>
    <message id="ocr_error.reason.unreadable_image">
        <source>Tesseract could not read the %1 x %2 pixel image</source>
        <extracomment>Why recognition failed: the engine refused the picture; %1 x %2 is its size</extracomment>
        <translation>Tesseract %1 × %2 piksellik görüntüyü okuyamadı</translation>
    </message>
    <message id="error.history.reason.cannot_write">
        <source>Cannot write %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1 konumuna yazılamıyor</translation>
    </message>
    <message id="error.history.reason.cannot_set_aside">
        <source>Cannot read or move %1</source>
        <extracomment>Why the history cannot be kept: its file can neither be read nor set aside; %1 is its path</extracomment>
        <translation>%1 okunamıyor veya taşınamıyor</translation>
    </message>
    <message id="error.file.cannot_save">
        <source>Cannot save %1: %2</source>
        <extracomment>Why a file of the program could not be saved; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>%1 kaydedilemiyor: %2</translation>
    </message>
    <message id="error.file.short_write">
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved: the disk took only part of it; %1 and %2 count bytes</extracomment>
        <translation>%2 baytın yalnızca %1 baytı yazıldı</translation>
    </message>
    <message id="error.file.cannot_remove">
        <source>Cannot remove %1: %2</source>
        <extracomment>Why a file of the program could not be removed; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>%1 kaldırılamıyor: %2</translation>
    </message>
    <message id="notification.window.title">
        <source>Quorvane Notice</source>
        <extracomment>Title of the small window that tells how a capture ended, where the desktop shows no notifications; window lists show it</extracomment>
        <translation>Quorvane bildirimi</translation>
    </message>
    <message id="pin_widget.window.title">
        <source>Pinned Capture</source>
        <extracomment>Title of the floating window that shows a pinned capture; window lists show it</extracomment>
        <translation>Sabitlenmiş yakalama</translation>
    </message>
    <message id="menubar.window.title">
        <source>Quorvane Menu</source>
        <extracomment>Title of the tray icon&apos;s menu where the desktop shows it as a window of its own; window lists show it</extracomment>
        <translation>Quorvane menüsü</translation>
    </message>
</context>
</TS>
