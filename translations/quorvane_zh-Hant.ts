<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="notification.history_set_aside.message">
        <source>The history file could not be read and was kept as %1. Captures were restored from the backup where there was one.</source>
        <extracomment>Warning message when the history file was set aside</extracomment>
        <translation>無法讀取歷史記錄檔案，已將其保留為 %1。已從備份（若有）還原擷取記錄。</translation>
    </message>
    <message id="notification.settings_set_aside.message">
        <source>The settings file could not be read, so the defaults are in use. It was kept as %1.</source>
        <extracomment>Warning message when the settings file was set aside</extracomment>
        <translation>無法讀取設定檔，因此目前使用預設值。原檔案已保留為 %1。</translation>
    </message>
    <message id="notification.history_in_memory.title">
        <source>History Not Saved</source>
        <extracomment>Warning title when the capture history cannot be written to disk</extracomment>
        <translation>未儲存歷史記錄</translation>
    </message>
    <message id="notification.history_in_memory.message">
        <source>Quorvane cannot write to its data folder. Captures will not be kept after you quit.</source>
        <extracomment>Warning message when the capture history lives only in memory</extracomment>
        <translation>Quorvane 無法寫入其資料夾。結束程式後將不會保留擷取記錄。</translation>
    </message>
    <message id="notification.file_set_aside.title">
        <source>File Set Aside</source>
        <extracomment>Warning title when a stored file could not be read and was kept under another name</extracomment>
        <translation>檔案已另行保留</translation>
    </message>
    <message id="updater.available.title">
        <source>A new version of Quorvane is available!</source>
        <extracomment>Title of the dialog that announces a new version</extracomment>
        <translation>Quorvane 有新版本可用！</translation>
    </message>
    <message id="updater.available.message">
        <source>Quorvane %1 is now available - you have %2. Would you like to open the download page?</source>
        <extracomment>Text of the dialog that announces a new version: the new version, then the installed one</extracomment>
        <translation>Quorvane %1 現已推出，您目前的版本是 %2。要開啟下載頁面嗎？</translation>
    </message>
    <message id="updater.available.download">
        <source>Open Download Page</source>
        <extracomment>Button that opens the download page</extracomment>
        <translation>開啟下載頁面</translation>
    </message>
    <message id="updater.available.later">
        <source>Remind Me Later</source>
        <extracomment>Button that closes the dialog</extracomment>
        <translation>稍後提醒我</translation>
    </message>
    <message id="updater.up_to_date.title">
        <source>You&apos;re up to date!</source>
        <extracomment>Title of the dialog shown when no newer version exists</extracomment>
        <translation>您使用的是最新版本！</translation>
    </message>
    <message id="updater.up_to_date.message">
        <source>Quorvane %1 is currently the newest version available.</source>
        <extracomment>Text shown when no newer version exists: the installed version</extracomment>
        <translation>Quorvane %1 是目前可用的最新版本。</translation>
    </message>
    <message id="updater.error.title">
        <source>Update Error!</source>
        <extracomment>Title of the dialog shown when a check for updates fails</extracomment>
        <translation>更新錯誤！</translation>
    </message>
    <message id="updater.not_configured.title">
        <source>Updates Are Not Checked by This Build</source>
        <extracomment>Title of the dialog shown when the build has no update feed</extracomment>
        <translation>此版本不會檢查更新</translation>
    </message>
    <message id="updater.not_configured.message">
        <source>This copy of Quorvane was built without an update feed. New versions come with your distribution&apos;s package updates or from where you installed Quorvane.</source>
        <extracomment>Text shown when the build has no update feed</extracomment>
        <translation>這份 Quorvane 在建置時未設定更新來源。新版本會隨您的發行版套件更新提供，或可從您安裝 Quorvane 的來源取得。</translation>
    </message>
    <message id="onboarding.window.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Onboarding window title</extracomment>
        <translation>歡迎使用 Quorvane</translation>
    </message>
    <message id="first_launch.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Title of the tooltip shown beside the tray icon at first start</extracomment>
        <translation>歡迎使用 Quorvane</translation>
    </message>
    <message id="first_launch.tray_hint">
        <source>Right-click this icon for quick capture</source>
        <extracomment>Line in the first-start tooltip about the tray icon</extracomment>
        <translation>在此圖示上按右鍵即可快速擷取</translation>
    </message>
    <message id="menubar.capture">
        <source>Capture Text</source>
        <extracomment>Tray menu item</extracomment>
        <translation>擷取文字</translation>
    </message>
    <message id="menubar.scan_code">
        <source>Read QR/Bar Code</source>
        <extracomment>Tray menu item</extracomment>
        <translation>讀取 QR 碼/條碼</translation>
    </message>
    <message id="menubar.import_from_iphone">
        <source>Import Image…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>匯入影像…</translation>
    </message>
    <message id="menubar.history">
        <source>Open History</source>
        <extracomment>Tray menu item</extracomment>
        <translation>開啟歷史記錄</translation>
    </message>
    <message id="menubar.preferences">
        <source>Preferences…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>偏好設定…</translation>
    </message>
    <message id="menubar.feedback">
        <source>Send Feedback…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>傳送意見回饋…</translation>
    </message>
    <message id="menubar.checkForUpdates">
        <source>Check for Updates…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>檢查更新…</translation>
    </message>
    <message id="menubar.about">
        <source>About Quorvane</source>
        <extracomment>Tray menu item</extracomment>
        <translation>關於 Quorvane</translation>
    </message>
    <message id="menubar.quit">
        <source>Quit Quorvane</source>
        <extracomment>Tray menu item
----------
Quit Quorvane</extracomment>
        <translation>結束 Quorvane</translation>
    </message>
    <message id="menubar.tooltip">
        <source>Quorvane
Left-click: Menu
Right-click: Quick Capture</source>
        <extracomment>Tooltip of the tray icon</extracomment>
        <translation>Quorvane
按左鍵：選單
按右鍵：快速擷取</translation>
    </message>
    <message id="menubar.panel.capture">
        <source>Capture</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>擷取</translation>
    </message>
    <message id="menubar.panel.history">
        <source>History</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>歷史記錄</translation>
    </message>
    <message id="menubar.panel.preferences">
        <source>Preferences</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>偏好設定</translation>
    </message>
    <message id="permission.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>開啟隱私權設定</translation>
    </message>
    <message id="permission.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>取消</translation>
    </message>
    <message id="permission.accessibility.title">
        <source>Global Shortcuts Permission Required</source>
        <extracomment>Title of the dialog asking for the global shortcuts permission</extracomment>
        <translation>需要全域快速鍵權限</translation>
    </message>
    <message id="permission.accessibility.message">
        <source>Quorvane needs permission to use global keyboard shortcuts (%1). This allows you to capture text from anywhere on your screen.

Your privacy is protected - Quorvane only listens for its own shortcuts.</source>
        <extracomment>Global shortcuts permission explanation; %1 is the quick capture shortcut</extracomment>
        <translation>Quorvane 需要權限才能使用全域鍵盤快速鍵（%1）。這可讓您從螢幕上的任何位置擷取文字。

您的隱私受到保護——Quorvane 只會監聽自己註冊的快速鍵。</translation>
    </message>
    <message id="permission.screen_recording.title">
        <source>Screen Access Permission Required</source>
        <extracomment>Title of the dialog asking for the screen access permission</extracomment>
        <translation>需要螢幕存取權限</translation>
    </message>
    <message id="permission.screen_recording.message">
        <source>Quorvane needs access to your screen to capture text from it.

All processing happens on your device - no data is uploaded to the cloud.</source>
        <extracomment>Screen access permission explanation</extracomment>
        <translation>Quorvane 需要螢幕存取權限才能從螢幕擷取文字。

所有處理都在您的裝置上進行——不會將任何資料上傳至雲端。</translation>
    </message>
    <message id="permission.required.title">
        <source>Permissions Required</source>
        <extracomment>Title of the alert shown when the user goes on without the permissions</extracomment>
        <translation>需要權限</translation>
    </message>
    <message id="permission.required.message">
        <source>Quorvane needs screen access and global shortcuts to work. You can grant these later in your desktop&apos;s privacy settings.</source>
        <extracomment>Alert shown when the user goes on without the permissions</extracomment>
        <translation>Quorvane 需要螢幕存取和全域快速鍵權限才能運作。您可以稍後在桌面環境的隱私權設定中授予這些權限。</translation>
    </message>
    <message id="general.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>確定</translation>
    </message>
    <message id="history.window.title">
        <source>Capture History</source>
        <extracomment>History window title</extracomment>
        <translation>擷取歷史記錄</translation>
    </message>
    <message id="preferences.window.title">
        <source>Preferences</source>
        <extracomment>Preferences window title</extracomment>
        <translation>偏好設定</translation>
    </message>
    <message id="notification.shortcut_refused.title">
        <source>%1 shortcut not available</source>
        <extracomment>Title when a global shortcut cannot be taken; the action&apos;s name</extracomment>
        <translation>無法使用「%1」快速鍵</translation>
    </message>
    <message id="notification.shortcut_refused.reserved">
        <source>%1 is reserved by the desktop. Choose another shortcut in Preferences.</source>
        <extracomment>Message when a global shortcut is reserved; the shortcut</extracomment>
        <translation>%1 已被桌面環境保留。請在偏好設定中選擇其他快速鍵。</translation>
    </message>
    <message id="notification.shortcut_refused.taken">
        <source>%1 is already used by another program. Choose another shortcut in Preferences.</source>
        <extracomment>Message when another program holds a global shortcut; the shortcut</extracomment>
        <translation>%1 已被其他程式使用。請在偏好設定中選擇其他快速鍵。</translation>
    </message>
    <message id="tray_absence.title">
        <source>Quorvane Is Running</source>
        <extracomment>Title of the notice shown when no system tray shows the icon</extracomment>
        <translation>Quorvane 正在執行</translation>
    </message>
    <message id="tray_absence.message">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. Press %1 to capture text. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon; %1 is the capture shortcut</extracomment>
        <translation>此桌面上沒有可顯示 Quorvane 圖示的系統匣。按下 %1 即可擷取文字。再次執行「quorvane」可開啟偏好設定，執行「quorvane quit」可結束程式。</translation>
    </message>
    <message id="error.updater.invalid_feed">
        <source>The update feed address is not valid: %1</source>
        <extracomment>Error when the configured update feed address cannot be used</extracomment>
        <translation>更新來源位址無效：%1</translation>
    </message>
    <message id="error.updater.insecure_address">
        <source>Updates are only fetched over HTTPS: %1</source>
        <extracomment>Error when an update address is not secure</extracomment>
        <translation>只會透過 HTTPS 取得更新：%1</translation>
    </message>
    <message id="error.updater.download_failed">
        <source>The update information could not be downloaded: %1</source>
        <extracomment>Error when the update feed cannot be fetched</extracomment>
        <translation>無法下載更新資訊：%1</translation>
    </message>
    <message id="error.updater.malformed_feed">
        <source>The update information could not be read: %1</source>
        <extracomment>Error when the update feed is not understood</extracomment>
        <translation>無法讀取更新資訊：%1</translation>
    </message>
    <message id="error.updater.unknown">
        <source>%1</source>
        <extracomment>Unknown update error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="updater.reason.too_large">
        <source>the answer is larger than %1 bytes</source>
        <extracomment>Why a check for updates failed: the feed is too large</extracomment>
        <translation>回應大小超過 %1 位元組</translation>
    </message>
    <message id="updater.reason.host_not_found">
        <source>the update server could not be found</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>找不到更新伺服器</translation>
    </message>
    <message id="updater.reason.refused">
        <source>the update server refused the connection</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>更新伺服器拒絕連線</translation>
    </message>
    <message id="updater.reason.closed">
        <source>the update server closed the connection early</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>更新伺服器過早關閉連線</translation>
    </message>
    <message id="updater.reason.silent">
        <source>the update server stopped answering</source>
        <extracomment>Why a check for updates failed: the transfer timed out</extracomment>
        <translation>更新伺服器停止回應</translation>
    </message>
    <message id="updater.reason.tls">
        <source>the update server&apos;s secure connection could not be verified</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>無法驗證更新伺服器的安全連線</translation>
    </message>
    <message id="updater.reason.offline">
        <source>the network is not available</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>網路無法使用</translation>
    </message>
    <message id="updater.reason.status">
        <source>the update server answered with error %1</source>
        <extracomment>Why a check for updates failed: the HTTP status</extracomment>
        <translation>更新伺服器回應錯誤 %1</translation>
    </message>
    <message id="updater.reason.unexpected">
        <source>the update server sent an answer that is not a feed</source>
        <extracomment>Why a check for updates failed: an answer that is neither a feed nor an error</extracomment>
        <translation>更新伺服器傳回的內容不是更新來源</translation>
    </message>
    <message id="updater.reason.deadline">
        <source>the update server took too long to answer</source>
        <extracomment>Why a check for updates failed: the whole check ran out of time</extracomment>
        <translation>更新伺服器回應時間過長</translation>
    </message>
    <message id="updater.reason.redirects" numerus="yes">
        <source>the server redirected the request more than %n times</source>
        <extracomment>Why a check for updates failed: too many redirects</extracomment>
        <translation>
            <numerusform>伺服器重新導向要求超過 %n 次</numerusform>
        </translation>
    </message>
    <message id="updater.reason.page_not_opened">
        <source>The download page could not be opened. It is at: %1</source>
        <extracomment>Shown when no program opens the download page: its address</extracomment>
        <translation>無法開啟下載頁面。網址為：%1</translation>
    </message>
    <message id="error.coordinator.workflow_failed">
        <source>Capture workflow failed: %1</source>
        <extracomment>Error when workflow fails</extracomment>
        <translation>擷取流程失敗：%1</translation>
    </message>
    <message id="error.coordinator.in_progress">
        <source>A capture operation is already in progress</source>
        <extracomment>Error when capture is already in progress</extracomment>
        <translation>已有擷取作業正在進行</translation>
    </message>
    <message id="error.coordinator.invalid_region">
        <source>The selected region is invalid</source>
        <extracomment>Error when region is invalid</extracomment>
        <translation>選取的區域無效</translation>
    </message>
    <message id="error.coordinator.no_last_region">
        <source>No previous capture region available. Please perform a new capture first.</source>
        <extracomment>Error when no last region exists</extracomment>
        <translation>沒有上次的擷取區域。請先進行一次新的擷取。</translation>
    </message>
    <message id="error.coordinator.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display config changed</extracomment>
        <translation>顯示器配置已變更。請重新選取區域。</translation>
    </message>
    <message id="error.clipboard.write_failed">
        <source>Failed to copy to clipboard: %1</source>
        <extracomment>Error when clipboard write fails</extracomment>
        <translation>無法複製到剪貼簿：%1</translation>
    </message>
    <message id="error.clipboard.unsupported_format">
        <source>Clipboard format %1 is not supported</source>
        <extracomment>Error when format is unsupported</extracomment>
        <translation>不支援剪貼簿格式 %1</translation>
    </message>
    <message id="error.clipboard.conversion_failed">
        <source>Failed to convert text to %1 format</source>
        <extracomment>Error when format conversion fails</extracomment>
        <translation>無法將文字轉換為 %1 格式</translation>
    </message>
    <message id="error.clipboard.empty">
        <source>Cannot copy empty content to clipboard</source>
        <extracomment>Error when content is empty</extracomment>
        <translation>無法將空白內容複製到剪貼簿</translation>
    </message>
    <message id="clipboard.format.plain">
        <source>Plain Text</source>
        <extracomment>Plain text format</extracomment>
        <translation>純文字</translation>
    </message>
    <message id="clipboard.format.rtf">
        <source>Rich Text</source>
        <extracomment>RTF format</extracomment>
        <translation>RTF 格式文字</translation>
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
        <translation>條碼偵測失敗：%1</translation>
    </message>
    <message id="code_scan_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to scan is empty</extracomment>
        <translation>擷取的影像無效或已損毀</translation>
    </message>
    <message id="code_scan_error.no_code">
        <source>No code was detected in the selected region</source>
        <extracomment>Scanning found no barcode or QR code</extracomment>
        <translation>在選取的區域中未偵測到條碼或 QR 碼</translation>
    </message>
    <message id="continuity.import.file">
        <source>Choose Image File…</source>
        <extracomment>Import menu item that opens an image file</extracomment>
        <translation>選擇影像檔…</translation>
    </message>
    <message id="continuity.import.clipboard">
        <source>Paste Image from Clipboard</source>
        <extracomment>Import menu item that takes the clipboard&apos;s image</extracomment>
        <translation>從剪貼簿貼上影像</translation>
    </message>
    <message id="continuity.import.dialog_title">
        <source>Import Image</source>
        <extracomment>Title of the image file chooser</extracomment>
        <translation>匯入影像</translation>
    </message>
    <message id="continuity.import.filter">
        <source>Images</source>
        <extracomment>File type filter name for images</extracomment>
        <translation>影像</translation>
    </message>
    <message id="error.import.unreadable_file_reason">
        <source>“%1” could not be read: %2</source>
        <extracomment>Error when an imported image file cannot be read: its name, then why</extracomment>
        <translation>無法讀取「%1」：%2</translation>
    </message>
    <message id="error.import.unreadable_file">
        <source>“%1” could not be read</source>
        <extracomment>Error when an imported image file cannot be read: its name</extracomment>
        <translation>無法讀取「%1」</translation>
    </message>
    <message id="error.import.unknown">
        <source>%1</source>
        <extracomment>Unknown import error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="ocr_error.failed">
        <source>OCR failed: %1</source>
        <extracomment>Text recognition failed; %1 is the reason</extracomment>
        <translation>OCR 失敗：%1</translation>
    </message>
    <message id="ocr_error.unsupported_language">
        <source>Language &apos;%1&apos; is not supported</source>
        <extracomment>A requested recognition language is not offered</extracomment>
        <translation>不支援語言「%1」</translation>
    </message>
    <message id="ocr_error.vision_failed">
        <source>Recognition failed: %1</source>
        <extracomment>The recognition engine reported an error; %1 is its description</extracomment>
        <translation>辨識失敗：%1</translation>
    </message>
    <message id="ocr_error.no_text">
        <source>No text was detected in the selected region</source>
        <extracomment>Recognition found no text</extracomment>
        <translation>在選取的區域中未偵測到文字</translation>
    </message>
    <message id="ocr_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to recognise is empty</extracomment>
        <translation>擷取的影像無效或已損毀</translation>
    </message>
    <message id="error.screen_capture.failed">
        <source>Screen capture failed: %1</source>
        <extracomment>Error when capture operation fails</extracomment>
        <translation>螢幕擷取失敗：%1</translation>
    </message>
    <message id="error.screen_capture.permission_denied">
        <source>Screen access is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the screen access permission is denied</extracomment>
        <translation>需要螢幕存取權限。請在桌面環境的隱私權設定中授予存取權。</translation>
    </message>
    <message id="error.screen_capture.invalid_region">
        <source>The selected region is invalid or too small.</source>
        <extracomment>Error when capture region is invalid</extracomment>
        <translation>選取的區域無效或太小。</translation>
    </message>
    <message id="error.screen_capture.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display configuration changes</extracomment>
        <translation>顯示器配置已變更。請重新選取區域。</translation>
    </message>
    <message id="error.screen_capture.dismissed">
        <source>Capture was cancelled.</source>
        <extracomment>Error when user dismisses capture overlay</extracomment>
        <translation>已取消擷取。</translation>
    </message>
    <message id="error.screen_capture.no_display">
        <source>No active display found.</source>
        <extracomment>Error when no display is available</extracomment>
        <translation>找不到使用中的顯示器。</translation>
    </message>
    <message id="language.system_default">
        <source>System Default</source>
        <translation>系統預設值</translation>
    </message>
    <message id="capture_mode.normal">
        <source>Normal</source>
        <extracomment>Normal capture mode</extracomment>
        <translation>一般</translation>
    </message>
    <message id="capture_mode.repeat">
        <source>Repeat</source>
        <extracomment>Repeat capture mode</extracomment>
        <translation>重複</translation>
    </message>
    <message id="capture_mode.code">
        <source>Code</source>
        <extracomment>Code capture mode</extracomment>
        <translation>程式碼</translation>
    </message>
    <message id="capture_mode.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code capture mode</extracomment>
        <translation>掃描條碼</translation>
    </message>
    <message id="error.hotkey.registration_failed">
        <source>Failed to register global shortcut: %1</source>
        <extracomment>Error when hotkey registration fails</extracomment>
        <translation>無法註冊全域快速鍵：%1</translation>
    </message>
    <message id="error.hotkey.conflict">
        <source>Shortcut %1 conflicts with another registered shortcut</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>快速鍵 %1 與另一個已註冊的快速鍵衝突</translation>
    </message>
    <message id="error.hotkey.system_reserved">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Error when shortcut is system reserved</extracomment>
        <translation>快速鍵 %1 已被系統保留</translation>
    </message>
    <message id="error.hotkey.permission_denied">
        <source>Permission for global shortcuts is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the global shortcuts permission is denied</extracomment>
        <translation>需要全域快速鍵權限。請在桌面環境的隱私權設定中授予存取權。</translation>
    </message>
    <message id="error.hotkey.invalid">
        <source>Invalid shortcut configuration</source>
        <extracomment>Error when shortcut is invalid</extracomment>
        <translation>快速鍵設定無效</translation>
    </message>
    <message id="notification.capture_success.title">
        <source>Text Captured</source>
        <extracomment>Success notification title</extracomment>
        <translation>已擷取文字</translation>
    </message>
    <message id="notification.repeat_capture_success.title">
        <source>Text Re-captured</source>
        <extracomment>Repeat capture success notification title</extracomment>
        <translation>已重新擷取文字</translation>
    </message>
    <message id="notification.code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Code capture success notification title</extracomment>
        <translation>已擷取程式碼</translation>
    </message>
    <message id="notification.scan_code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Scan Code capture success notification title</extracomment>
        <translation>已掃描條碼</translation>
    </message>
    <message id="notification.capture_success.message">
        <source>Copied to clipboard</source>
        <extracomment>Success notification message</extracomment>
        <translation>已複製到剪貼簿</translation>
    </message>
    <message id="notification.capture_error.title">
        <source>Capture Failed</source>
        <extracomment>Error notification title</extracomment>
        <translation>擷取失敗</translation>
    </message>
    <message id="notification.voiceover.warning">
        <source>Warning: %1. %2</source>
        <extracomment>VoiceOver announcement for warning</extracomment>
        <translation>警告：%1。%2</translation>
    </message>
    <message id="notification.voiceover.error">
        <source>Error: %1. %2</source>
        <extracomment>VoiceOver announcement for error</extracomment>
        <translation>錯誤：%1。%2</translation>
    </message>
    <message id="error.notification.configuration_failed">
        <source>Failed to configure notifications: %1</source>
        <extracomment>Error when notification configuration fails</extracomment>
        <translation>無法設定通知：%1</translation>
    </message>
    <message id="error.notification.permission_denied">
        <source>Notification permission denied</source>
        <extracomment>Error when notification permission is denied</extracomment>
        <translation>通知權限遭拒</translation>
    </message>
    <message id="error.notification.display_not_found">
        <source>Could not determine display for notification</source>
        <extracomment>Error when display cannot be found</extracomment>
        <translation>無法判斷要顯示通知的螢幕</translation>
    </message>
    <message id="permission.summary.title">
        <source>Permissions Required</source>
        <extracomment>Permission summary title</extracomment>
        <translation>需要權限</translation>
    </message>
    <message id="permission.summary.message">
        <source>Quorvane requires the following permissions:

%1

Please grant these permissions in your desktop&apos;s privacy settings to use Quorvane.</source>
        <extracomment>Permission summary message</extracomment>
        <translation>Quorvane 需要下列權限：

%1

請在桌面環境的隱私權設定中授予這些權限，才能使用 Quorvane。</translation>
    </message>
    <message id="permission.summary.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>開啟隱私權設定</translation>
    </message>
    <message id="permission.summary.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>確定</translation>
    </message>
    <message id="permission.screen_recording">
        <source>Screen Access</source>
        <extracomment>Name of the permission to read the screen (the desktop&apos;s screenshot access)</extracomment>
        <translation>螢幕存取</translation>
    </message>
    <message id="permission.accessibility">
        <source>Global Shortcuts</source>
        <extracomment>Name of the permission to use keyboard shortcuts that work in every program</extracomment>
        <translation>全域快速鍵</translation>
    </message>
    <message id="error.settings_store.persistence">
        <source>Failed to save settings: %1</source>
        <extracomment>Error when settings persistence fails</extracomment>
        <translation>無法儲存設定：%1</translation>
    </message>
    <message id="error.settings_store.validation">
        <source>Settings validation failed: %1</source>
        <extracomment>Error when settings validation fails</extracomment>
        <translation>設定驗證失敗：%1</translation>
    </message>
    <message id="error.settings_store.migration">
        <source>Settings migration failed: %1</source>
        <extracomment>Error when settings migration fails</extracomment>
        <translation>設定移轉失敗：%1</translation>
    </message>
    <message id="error.settings_store.launch_item">
        <source>Failed to configure launch at login: %1</source>
        <extracomment>Error when launch item configuration fails</extracomment>
        <translation>無法設定登入時啟動：%1</translation>
    </message>
    <message id="error.settings_store.shortcut_conflict">
        <source>Shortcut %1 is already in use or conflicts with system shortcuts</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>快速鍵 %1 已被使用，或與系統快速鍵衝突</translation>
    </message>
    <message id="error.settings_store.invalid_value">
        <source>Invalid setting value: %1</source>
        <extracomment>Error when setting value is invalid</extracomment>
        <translation>設定值無效：%1</translation>
    </message>
    <message id="shortcut.quick_zarrow">
        <source>Quick Capture</source>
        <extracomment>Name of the shortcut that starts a text capture</extracomment>
        <translation>快速擷取</translation>
    </message>
    <message id="shortcut.repeat_zarrow">
        <source>Repeat Capture</source>
        <extracomment>Name of the shortcut that captures the last region again</extracomment>
        <translation>重複擷取</translation>
    </message>
    <message id="shortcut.code_mode">
        <source>Code Mode</source>
        <extracomment>Code Mode shortcut</extracomment>
        <translation>程式碼模式</translation>
    </message>
    <message id="shortcut.open_history">
        <source>Open History</source>
        <extracomment>Open History shortcut</extracomment>
        <translation>開啟歷史記錄</translation>
    </message>
    <message id="shortcut.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code shortcut</extracomment>
        <translation>掃描條碼</translation>
    </message>
    <message id="notification.accessibility.repeat_mode">
        <source>Repeat mode</source>
        <extracomment>Accessibility label for repeat mode badge</extracomment>
        <translation>重複模式</translation>
    </message>
    <message id="notification.accessibility.code_mode">
        <source>Code mode</source>
        <extracomment>Accessibility label for code mode badge</extracomment>
        <translation>程式碼模式</translation>
    </message>
    <message id="notification.accessibility.scan_code_mode">
        <source>Code scan</source>
        <extracomment>Accessibility label for scan code mode</extracomment>
        <translation>條碼掃描</translation>
    </message>
    <message id="notification.accessibility.hint">
        <source>Double-click to open in history</source>
        <extracomment>Screen reader hint of the notice shown after a capture</extracomment>
        <translation>按兩下即可在歷史記錄中開啟</translation>
    </message>
    <message id="history.filter.all">
        <source>All</source>
        <extracomment>All time filter</extracomment>
        <translation>全部</translation>
    </message>
    <message id="history.filter.today">
        <source>Today</source>
        <extracomment>Today filter</extracomment>
        <translation>今天</translation>
    </message>
    <message id="history.filter.week">
        <source>This Week</source>
        <extracomment>This week filter</extracomment>
        <translation>本週</translation>
    </message>
    <message id="history.filter.month">
        <source>This Month</source>
        <extracomment>This month filter</extracomment>
        <translation>本月</translation>
    </message>
    <message id="history.filter.custom">
        <source>Custom Range</source>
        <extracomment>Custom range filter</extracomment>
        <translation>自訂範圍</translation>
    </message>
    <message id="export.error.pdf_creation">
        <source>Failed to create PDF document</source>
        <extracomment>PDF creation error</extracomment>
        <translation>無法建立 PDF 文件</translation>
    </message>
    <message id="export.error.write">
        <source>Failed to write file</source>
        <extracomment>File write error</extracomment>
        <translation>無法寫入檔案</translation>
    </message>
    <message id="export.format.txt">
        <source>Plain Text (.txt)</source>
        <extracomment>TXT export format</extracomment>
        <translation>純文字 (.txt)</translation>
    </message>
    <message id="export.format.markdown">
        <source>Markdown (.md)</source>
        <extracomment>Markdown export format</extracomment>
        <translation>Markdown (.md)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF Document (.pdf)</source>
        <extracomment>PDF export format</extracomment>
        <translation>PDF 文件 (.pdf)</translation>
    </message>
    <message id="export.panel.title">
        <source>Export Capture</source>
        <extracomment>Export save panel title</extracomment>
        <translation>匯出擷取記錄</translation>
    </message>
    <message id="export.panel.message">
        <source>Choose where to save the exported file</source>
        <extracomment>Export save panel message</extracomment>
        <translation>選擇匯出檔案的儲存位置</translation>
    </message>
    <message id="history.filter.custom_title">
        <source>Custom Date Range</source>
        <extracomment>Custom date range title</extracomment>
        <translation>自訂日期範圍</translation>
    </message>
    <message id="history.filter.from">
        <source>From:</source>
        <extracomment>From date label</extracomment>
        <translation>從：</translation>
    </message>
    <message id="history.filter.to">
        <source>To:</source>
        <extracomment>To date label</extracomment>
        <translation>至：</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>取消</translation>
    </message>
    <message id="history.filter.apply">
        <source>Apply</source>
        <extracomment>Apply filter button</extracomment>
        <translation>套用</translation>
    </message>
    <message id="history.detail.dimensions">
        <source>%1 × %2 pixels</source>
        <extracomment>Capture dimensions</extracomment>
        <translation>%1 × %2 像素</translation>
    </message>
    <message id="history.detail.no_selection">
        <source>Select a capture to view details</source>
        <extracomment>No selection message</extracomment>
        <translation>選取一筆擷取記錄以檢視詳細資訊</translation>
    </message>
    <message id="history.detail.text_label">
        <source>Captured Text</source>
        <extracomment>Captured text label</extracomment>
        <translation>擷取的文字</translation>
    </message>
    <message id="history.detail.copy">
        <source>Copy</source>
        <extracomment>Copy button</extracomment>
        <translation>複製</translation>
    </message>
    <message id="history.detail.pin">
        <source>Pin</source>
        <extracomment>Pin to Desktop button</extracomment>
        <translation>釘選</translation>
    </message>
    <message id="history.detail.pin.tooltip">
        <source>Pin to desktop as floating widget</source>
        <extracomment>Pin button tooltip</extracomment>
        <translation>以浮動視窗釘選在桌面上</translation>
    </message>
    <message id="history.detail.copy_markdown">
        <source>Copy as Markdown</source>
        <extracomment>Copy as markdown button</extracomment>
        <translation>複製為 Markdown</translation>
    </message>
    <message id="history.detail.export">
        <source>Export as…</source>
        <extracomment>Export button</extracomment>
        <translation>匯出為…</translation>
    </message>
    <message id="history.detail.export.tooltip">
        <source>Export this capture to a file</source>
        <extracomment>Export button tooltip</extracomment>
        <translation>將此擷取記錄匯出為檔案</translation>
    </message>
    <message id="history.detail.delete">
        <source>Delete</source>
        <extracomment>Delete button</extracomment>
        <translation>刪除</translation>
    </message>
    <message id="history.detail.source_app">
        <source>From: %1</source>
        <extracomment>Source app label</extracomment>
        <translation>來源：%1</translation>
    </message>
    <message id="history.detail.character_count" numerus="yes">
        <source>%n character(s)</source>
        <extracomment>Character count</extracomment>
        <translation>
            <numerusform>%n 個字元</numerusform>
        </translation>
    </message>
    <message id="history.empty.title">
        <source>No captures yet</source>
        <extracomment>Empty state title</extracomment>
        <translation>尚無擷取記錄</translation>
    </message>
    <message id="history.empty.subtitle">
        <source>Press %1 to capture text from your screen</source>
        <extracomment>Empty state subtitle; the quick capture shortcut</extracomment>
        <translation>按下 %1 即可從螢幕擷取文字</translation>
    </message>
    <message id="history.empty.tip_repeat">
        <source>Use %1 to repeat last capture</source>
        <extracomment>Repeat capture tip; the repeat shortcut</extracomment>
        <translation>使用 %1 重複上次擷取</translation>
    </message>
    <message id="history.empty.tip_code">
        <source>Use %1 for code mode</source>
        <extracomment>Code mode tip; the code mode shortcut</extracomment>
        <translation>使用 %1 進入程式碼模式</translation>
    </message>
    <message id="history.filtered_empty.title">
        <source>No matching captures</source>
        <extracomment>Filtered empty state title</extracomment>
        <translation>沒有符合的擷取記錄</translation>
    </message>
    <message id="history.filtered_empty.clear">
        <source>Clear Filters</source>
        <extracomment>Clear filters button</extracomment>
        <translation>清除篩選條件</translation>
    </message>
    <message id="history.filtered_empty.search">
        <source>No captures found matching &quot;%1&quot;</source>
        <extracomment>No search results message</extracomment>
        <translation>找不到符合「%1」的擷取記錄</translation>
    </message>
    <message id="history.filtered_empty.date">
        <source>No captures found for &quot;%1&quot;</source>
        <extracomment>No date filter results message</extracomment>
        <translation>找不到「%1」的擷取記錄</translation>
    </message>
    <message id="history.list.title">
        <source>Captures</source>
        <extracomment>List title</extracomment>
        <translation>擷取記錄</translation>
    </message>
    <message id="history.search.placeholder">
        <source>Search captures…</source>
        <extracomment>Search placeholder</extracomment>
        <translation>搜尋擷取記錄…</translation>
    </message>
    <message id="history.search.clear_all">
        <source>Clear All</source>
        <extracomment>Clear all button</extracomment>
        <translation>全部清除</translation>
    </message>
    <message id="history.filter.custom_range">
        <source>%1 to %2</source>
        <extracomment>Custom date range display</extracomment>
        <translation>%1 至 %2</translation>
    </message>
    <message id="error.history_store.storage_access">
        <source>Failed to access history storage: %1</source>
        <extracomment>Error when storage access fails</extracomment>
        <translation>無法存取歷史記錄儲存空間：%1</translation>
    </message>
    <message id="error.history_store.corrupted">
        <source>History file is corrupted: %1</source>
        <extracomment>Error when history file is corrupted</extracomment>
        <translation>歷史記錄檔案已損毀：%1</translation>
    </message>
    <message id="error.history_store.not_found">
        <source>History entry not found: %1</source>
        <extracomment>Error when entry is not found</extracomment>
        <translation>找不到歷史記錄項目：%1</translation>
    </message>
    <message id="error.history_store.thumbnail">
        <source>Failed to generate thumbnail: %1</source>
        <extracomment>Error when thumbnail generation fails</extracomment>
        <translation>無法產生縮圖：%1</translation>
    </message>
    <message id="error.history_store.invalid_max">
        <source>Invalid max entries value: %1. Must be between 1 and 1000.</source>
        <extracomment>Error when max entries value is invalid</extracomment>
        <translation>最大項目數無效：%1。必須介於 1 到 1000 之間。</translation>
    </message>
    <message id="error.history_store.disk_full">
        <source>Not enough disk space to save history entry.</source>
        <extracomment>Error when disk is full</extracomment>
        <translation>磁碟空間不足，無法儲存歷史記錄項目。</translation>
    </message>
    <message id="history.loading">
        <source>Loading captures…</source>
        <extracomment>Loading message</extracomment>
        <translation>正在載入擷取記錄…</translation>
    </message>
    <message id="history.delete.title">
        <source>Delete Capture?</source>
        <extracomment>Delete confirmation title</extracomment>
        <translation>要刪除擷取記錄嗎？</translation>
    </message>
    <message id="history.delete.message">
        <source>This action cannot be undone.</source>
        <extracomment>Delete confirmation message</extracomment>
        <translation>此動作無法復原。</translation>
    </message>
    <message id="history.delete.confirm">
        <source>Delete</source>
        <extracomment>Delete confirmation button</extracomment>
        <translation>刪除</translation>
    </message>
    <message id="history.clear_all.title">
        <source>Clear All History?</source>
        <extracomment>Clear all confirmation title</extracomment>
        <translation>要清除所有歷史記錄嗎？</translation>
    </message>
    <message id="history.clear_all.message">
        <source>This will permanently delete all captures. This action cannot be undone.</source>
        <extracomment>Clear all confirmation message</extracomment>
        <translation>這將永久刪除所有擷取記錄。此動作無法復原。</translation>
    </message>
    <message id="history.clear_all.confirm">
        <source>Clear All</source>
        <extracomment>Clear all confirmation button</extracomment>
        <translation>全部清除</translation>
    </message>
    <message id="history.error.title">
        <source>Error</source>
        <extracomment>Error alert title</extracomment>
        <translation>錯誤</translation>
    </message>
    <message id="history.stats.filtered" numerus="yes">
        <source>%1 of %n capture(s)</source>
        <extracomment>Filtered captures count: %1 shown of %n in all</extracomment>
        <translation>
            <numerusform>%n 筆擷取記錄中的 %1 筆</numerusform>
        </translation>
    </message>
    <message id="history.stats.total" numerus="yes">
        <source>%n capture(s)</source>
        <extracomment>Total captures count</extracomment>
        <translation>
            <numerusform>%n 筆擷取記錄</numerusform>
        </translation>
    </message>
    <message id="pin_widget.image.accessibility">
        <source>Captured screenshot</source>
        <extracomment>Accessibility label for pinned image</extracomment>
        <translation>擷取的螢幕截圖</translation>
    </message>
    <message id="pin_widget.image.no_image">
        <source>No image available</source>
        <extracomment>Placeholder when no image</extracomment>
        <translation>沒有可用的影像</translation>
    </message>
    <message id="pin_widget.text.accessibility">
        <source>Captured text editor</source>
        <extracomment>Accessibility label for text editor</extracomment>
        <translation>擷取文字編輯器</translation>
    </message>
    <message id="pin_widget.replace_confirmation.title">
        <source>Replace Pin?</source>
        <extracomment>Title for replace pin confirmation</extracomment>
        <translation>要取代釘選視窗嗎？</translation>
    </message>
    <message id="pin_widget.replace_confirmation.message">
        <source>The current pin has unsaved edits. Replace it with the new capture?</source>
        <extracomment>Message for replace pin confirmation</extracomment>
        <translation>目前的釘選視窗有尚未儲存的編輯。要以新的擷取內容取代它嗎？</translation>
    </message>
    <message id="pin_widget.replace_confirmation.replace">
        <source>Replace</source>
        <extracomment>Replace button</extracomment>
        <translation>取代</translation>
    </message>
    <message id="pin_widget.replace_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>取消</translation>
    </message>
    <message id="pin_widget.close_confirmation.title">
        <source>Unsaved Edits</source>
        <extracomment>Title for close pin confirmation</extracomment>
        <translation>尚未儲存的編輯</translation>
    </message>
    <message id="pin_widget.close_confirmation.message">
        <source>The pin has unsaved text edits. What would you like to do?</source>
        <extracomment>Message for close pin confirmation</extracomment>
        <translation>釘選視窗中有尚未儲存的文字編輯。您要如何處理？</translation>
    </message>
    <message id="pin_widget.close_confirmation.save_clipboard">
        <source>Save to Clipboard</source>
        <extracomment>Save to clipboard button</extracomment>
        <translation>儲存至剪貼簿</translation>
    </message>
    <message id="pin_widget.close_confirmation.discard">
        <source>Discard</source>
        <extracomment>Discard button</extracomment>
        <translation>捨棄</translation>
    </message>
    <message id="pin_widget.close_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>取消</translation>
    </message>
    <message id="pin_widget.clipboard_failed.title">
        <source>Text Not Copied</source>
        <extracomment>Title when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>未複製文字</translation>
    </message>
    <message id="pin_widget.clipboard_failed.message">
        <source>The clipboard did not take the pin&apos;s text, so the pin stays open with your edits. Try again, or copy the text from the pin.</source>
        <extracomment>Message when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>剪貼簿未能接收釘選視窗中的文字，因此釘選視窗會保持開啟並保留您的編輯。請再試一次，或直接從釘選視窗複製文字。</translation>
    </message>
    <message id="pin_widget.clipboard_failed.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>確定</translation>
    </message>
    <message id="pin_widget.toolbar.opacity_hint">
        <source>Cycle opacity (30%/60%/100%)</source>
        <translation>切換不透明度（30%/60%/100%）</translation>
    </message>
    <message id="pin_widget.toolbar.close">
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_text">
        <source>Switch to Text</source>
        <translation>切換為文字</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_image">
        <source>Switch to Image</source>
        <translation>切換為影像</translation>
    </message>
    <message id="pin_widget.toolbar.unpin">
        <source>Unpin (allow window to go behind)</source>
        <translation>取消釘選（允許視窗移至後方）</translation>
    </message>
    <message id="pin_widget.toolbar.pin">
        <source>Pin (keep on top)</source>
        <translation>釘選（保持在最上層）</translation>
    </message>
    <message id="relative_time.seconds" numerus="yes">
        <source>%n sec.</source>
        <extracomment>Seconds, short</extracomment>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message id="relative_time.minutes" numerus="yes">
        <source>%n min.</source>
        <extracomment>Minutes, short</extracomment>
        <translation>
            <numerusform>%n 分鐘</numerusform>
        </translation>
    </message>
    <message id="relative_time.hours" numerus="yes">
        <source>%n hr.</source>
        <extracomment>Hours, short</extracomment>
        <translation>
            <numerusform>%n 小時</numerusform>
        </translation>
    </message>
    <message id="relative_time.days" numerus="yes">
        <source>%n days</source>
        <extracomment>Days</extracomment>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message id="relative_time.weeks" numerus="yes">
        <source>%n wk.</source>
        <extracomment>Weeks, short</extracomment>
        <translation>
            <numerusform>%n 週</numerusform>
        </translation>
    </message>
    <message id="relative_time.months" numerus="yes">
        <source>%n mo.</source>
        <extracomment>Months, short</extracomment>
        <translation>
            <numerusform>%n 個月</numerusform>
        </translation>
    </message>
    <message id="relative_time.years" numerus="yes">
        <source>%n yr.</source>
        <extracomment>Years, short</extracomment>
        <translation>
            <numerusform>%n 年</numerusform>
        </translation>
    </message>
    <message id="relative_time.past">
        <source>%1 ago</source>
        <extracomment>Time before now</extracomment>
        <translation>%1前</translation>
    </message>
    <message id="relative_time.future">
        <source>in %1</source>
        <extracomment>Time after now</extracomment>
        <translation>%1後</translation>
    </message>
    <message id="about.app_name">
        <source>Quorvane</source>
        <extracomment>The program name in the About window (usually kept as is)</extracomment>
        <translation>Quorvane</translation>
    </message>
    <message id="about.subtitle">
        <source>Screen Text Capture</source>
        <extracomment>Subtitle under the program name in the About window</extracomment>
        <translation>螢幕文字擷取</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <extracomment>Version line in the About window: %1 version number</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message id="about.description">
        <source>Capture text from anywhere on your screen using OCR.</source>
        <extracomment>One-sentence description in the About window</extracomment>
        <translation>使用 OCR 從螢幕上的任何位置擷取文字。</translation>
    </message>
    <message id="about.legal_notice">
        <source>© 2025 Corvantis. Licence: GPL-3.0-or-later</source>
        <extracomment>Copyright and licence line in the About window; GPL-3.0-or-later is the licence&apos;s identifier and stays as is</extracomment>
        <translation>© 2025 Corvantis。授權條款：GPL-3.0-or-later</translation>
    </message>
    <message id="about.privacy_policy">
        <source>Privacy Policy</source>
        <extracomment>Link in the About window</extracomment>
        <translation>隱私權政策</translation>
    </message>
    <message id="about.terms_of_service">
        <source>Terms of Service</source>
        <extracomment>Link in the About window</extracomment>
        <translation>服務條款</translation>
    </message>
    <message id="about.window.title">
        <source>About Quorvane</source>
        <extracomment>Title of the About window</extracomment>
        <translation>關於 Quorvane</translation>
    </message>
    <message id="preferences.shortcuts.copy_command">
        <source>Copy</source>
        <extracomment>Button that copies a shortcut command</extracomment>
        <translation>複製</translation>
    </message>
    <message id="preferences.shortcuts.desktop_unavailable">
        <source>Your desktop does not let programs take global shortcuts. In its keyboard settings, add a custom shortcut for each command you want:</source>
        <extracomment>Shortcuts pane note when the desktop offers no global shortcuts</extracomment>
        <translation>您的桌面環境不允許程式使用全域快速鍵。請在其鍵盤設定中，為您需要的每個指令新增自訂快速鍵：</translation>
    </message>
    <message id="preferences.shortcuts.desktop_owned">
        <source>Your desktop keeps these shortcuts: it may ask you to confirm them, and you can change them in its keyboard settings. It reports:</source>
        <extracomment>Shortcuts pane note when the desktop holds the global shortcuts</extracomment>
        <translation>這些快速鍵由您的桌面環境管理：它可能會要求您確認，您也可以在其鍵盤設定中變更。它回報的內容如下：</translation>
    </message>
    <message id="preferences.shortcuts.not_bound">
        <source>Not bound yet</source>
        <extracomment>A global shortcut the desktop has not bound</extracomment>
        <translation>尚未繫結</translation>
    </message>
    <message id="feedback.title">
        <source>Send Feedback</source>
        <extracomment>Heading of the Feedback window</extracomment>
        <translation>傳送意見回饋</translation>
    </message>
    <message id="feedback.subtitle">
        <source>We&apos;d love to hear from you!</source>
        <extracomment>Subtitle of the Feedback window</extracomment>
        <translation>我們很期待聽到您的意見！</translation>
    </message>
    <message id="feedback.email">
        <source>Email</source>
        <extracomment>Section label for the support e-mail address</extracomment>
        <translation>電子郵件</translation>
    </message>
    <message id="feedback.email.open_tooltip">
        <source>Click to open email client</source>
        <extracomment>Tooltip of the e-mail address button</extracomment>
        <translation>按一下以開啟電子郵件用戶端</translation>
    </message>
    <message id="feedback.email.copy_tooltip">
        <source>Copy email address</source>
        <extracomment>Tooltip of the copy button beside the e-mail address</extracomment>
        <translation>複製電子郵件地址</translation>
    </message>
    <message id="feedback.twitter">
        <source>X / Twitter</source>
        <extracomment>Section label for the social profile (brand name, usually kept)</extracomment>
        <translation>X / Twitter</translation>
    </message>
    <message id="feedback.twitter.open_tooltip">
        <source>Click to open Twitter profile</source>
        <extracomment>Tooltip of the social profile button</extracomment>
        <translation>按一下以開啟 Twitter 個人檔案</translation>
    </message>
    <message id="feedback.close">
        <source>Close</source>
        <extracomment>Button that closes the Feedback window</extracomment>
        <translation>關閉</translation>
    </message>
    <message id="feedback.alert.browser.title">
        <source>Browser Cannot Handle Email</source>
        <extracomment>Alert title when e-mail links open in a web browser</extracomment>
        <translation>瀏覽器無法處理電子郵件</translation>
    </message>
    <message id="feedback.alert.browser.message">
        <source>Your system is configured to open email links with a web browser, which cannot handle them properly.

Please either:
• Use the Copy button (📋) to copy the email address
• Configure an email application as your default email handler in your desktop&apos;s settings

Email: %1</source>
        <extracomment>Alert when e-mail links open in a web browser; %1 is the support address</extracomment>
        <translation>您的系統設定為使用網頁瀏覽器開啟電子郵件連結，但瀏覽器無法正確處理這類連結。

請選擇以下任一方式：
• 使用「複製」按鈕（📋）複製電子郵件地址
• 在桌面環境的設定中，將某個電子郵件應用程式設為預設的電子郵件處理程式

電子郵件：%1</translation>
    </message>
    <message id="feedback.alert.error">
        <source>Error</source>
        <extracomment>Title of an error alert in the Feedback window</extracomment>
        <translation>錯誤</translation>
    </message>
    <message id="feedback.alert.mail_link_failed">
        <source>Failed to create email URL</source>
        <extracomment>The e-mail link could not be made</extracomment>
        <translation>無法建立電子郵件連結</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.title">
        <source>Cannot Open Mail</source>
        <extracomment>Alert title when no e-mail program opened</extracomment>
        <translation>無法開啟郵件</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.message">
        <source>Please ensure you have a default email app configured in your desktop&apos;s settings.

You can use the Copy button (📋) to copy: %1</source>
        <extracomment>Alert when no e-mail program opened; %1 is the support address</extracomment>
        <translation>請確認已在桌面環境的設定中設定預設的電子郵件應用程式。

您可以使用「複製」按鈕（📋）複製：%1</translation>
    </message>
    <message id="feedback.alert.copied.title">
        <source>Email Copied</source>
        <extracomment>Alert title after the support address was copied</extracomment>
        <translation>已複製電子郵件地址</translation>
    </message>
    <message id="feedback.alert.copied.message">
        <source>Email address copied to clipboard:

%1</source>
        <extracomment>Alert after the support address was copied; %1 is the address</extracomment>
        <translation>已將電子郵件地址複製到剪貼簿：

%1</translation>
    </message>
    <message id="feedback.alert.twitter_link_failed">
        <source>Failed to open Twitter URL</source>
        <extracomment>The social profile link could not be made</extracomment>
        <translation>無法開啟 Twitter 連結</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.title">
        <source>Cannot Open Twitter</source>
        <extracomment>Alert title when the social profile did not open</extracomment>
        <translation>無法開啟 Twitter</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.message">
        <source>Please visit: %1</source>
        <extracomment>Alert when the social profile did not open; %1 is its address</extracomment>
        <translation>請造訪：%1</translation>
    </message>
    <message id="preferences.general.launch_at_login">
        <source>Launch at login</source>
        <extracomment>Launch at login toggle</extracomment>
        <translation>登入時啟動</translation>
    </message>
    <message id="preferences.general.launch_at_login.description">
        <source>Automatically start Quorvane when you log in</source>
        <extracomment>Launch at login description</extracomment>
        <translation>登入時自動啟動 Quorvane</translation>
    </message>
    <message id="preferences.general.show_dock_icon">
        <source>Show pins in the taskbar</source>
        <extracomment>Switch that lists pinned captures in the taskbar</extracomment>
        <translation>在工作列中顯示釘選視窗</translation>
    </message>
    <message id="preferences.general.show_dock_icon.description">
        <source>List pinned captures in the taskbar and window switcher. Windows you open are always listed</source>
        <extracomment>Description of the switch that lists pinned captures in the taskbar</extracomment>
        <translation>在工作列和視窗切換器中列出釘選視窗。您開啟的視窗一律會列出</translation>
    </message>
    <message id="preferences.general.play_sound">
        <source>Play sound on capture</source>
        <extracomment>Play sound toggle</extracomment>
        <translation>擷取時播放音效</translation>
    </message>
    <message id="preferences.general.play_sound.description">
        <source>Play a confirmation sound when text is successfully captured</source>
        <extracomment>Play sound description</extracomment>
        <translation>成功擷取文字時播放確認音效</translation>
    </message>
    <message id="preferences.general.use_system_notifications">
        <source>Use system notifications</source>
        <extracomment>Use system notifications toggle</extracomment>
        <translation>使用系統通知</translation>
    </message>
    <message id="preferences.general.use_system_notifications.description">
        <source>Announce each result with a desktop notification as well as the toast overlay</source>
        <extracomment>Use system notifications description</extracomment>
        <translation>除了浮動提示外，也以桌面通知告知每次的結果</translation>
    </message>
    <message id="preferences.general.show_pin_widget">
        <source>Show pin widget after capture</source>
        <extracomment>Show pin widget toggle</extracomment>
        <translation>擷取後顯示釘選視窗</translation>
    </message>
    <message id="preferences.general.show_pin_widget.description">
        <source>Automatically display a floating widget with the captured content after each OCR capture</source>
        <extracomment>Show pin widget description</extracomment>
        <translation>每次 OCR 擷取後，自動顯示含有擷取內容的浮動視窗</translation>
    </message>
    <message id="preferences.general.app_language">
        <source>App Language</source>
        <extracomment>App language picker label</extracomment>
        <translation>應用程式語言</translation>
    </message>
    <message id="preferences.general.app_language.description">
        <source>Select the display language for Quorvane interface</source>
        <extracomment>App language description</extracomment>
        <translation>選擇 Quorvane 介面的顯示語言</translation>
    </message>
    <message id="preferences.history.header">
        <source>Configure capture history storage and management</source>
        <extracomment>History header</extracomment>
        <translation>設定擷取歷史記錄的儲存與管理</translation>
    </message>
    <message id="preferences.history.max_entries">
        <source>Maximum history entries</source>
        <extracomment>Max history entries label</extracomment>
        <translation>歷史記錄項目上限</translation>
    </message>
    <message id="preferences.history.auto_eviction">
        <source>Oldest entries are automatically removed when this limit is reached</source>
        <extracomment>Auto eviction description</extracomment>
        <translation>達到此上限時，會自動移除最舊的項目</translation>
    </message>
    <message id="preferences.history.current_stats">
        <source>Current History</source>
        <extracomment>Current stats label</extracomment>
        <translation>目前的歷史記錄</translation>
    </message>
    <message id="preferences.history.clear_history">
        <source>Clear History</source>
        <extracomment>Clear history section label</extracomment>
        <translation>清除歷史記錄</translation>
    </message>
    <message id="preferences.history.clear_history.description">
        <source>Permanently delete all capture history entries. This action cannot be undone</source>
        <extracomment>Clear history description</extracomment>
        <translation>永久刪除所有擷取歷史記錄項目。此動作無法復原</translation>
    </message>
    <message id="preferences.history.clear_all_button">
        <source>Clear All History…</source>
        <extracomment>Clear all history button</extracomment>
        <translation>清除所有歷史記錄…</translation>
    </message>
    <message id="preferences.history.trim_confirmation.title">
        <source>Delete Older Captures?</source>
        <extracomment>Title when a lower maximum would delete captures</extracomment>
        <translation>要刪除較舊的擷取記錄嗎？</translation>
    </message>
    <message id="preferences.history.trim_confirmation.message" numerus="yes">
        <source>Keeping at most %n captures permanently deletes the %1 oldest. This action cannot be undone.</source>
        <extracomment>Message when a lower maximum would delete captures: %n the new maximum, %1 how many go</extracomment>
        <translation>
            <numerusform>最多保留 %n 筆擷取記錄，將永久刪除最舊的 %1 筆。此動作無法復原。</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.button" numerus="yes">
        <source>Delete %n Captures</source>
        <extracomment>Button that lowers the maximum and deletes captures</extracomment>
        <translation>
            <numerusform>刪除 %n 筆擷取記錄</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>取消</translation>
    </message>
    <message id="preferences.history.clear_confirmation.title">
        <source>Clear All History?</source>
        <extracomment>Clear confirmation title</extracomment>
        <translation>要清除所有歷史記錄嗎？</translation>
    </message>
    <message id="preferences.history.clear_confirmation.message">
        <source>This will permanently delete all capture history entries. This action cannot be undone.</source>
        <extracomment>Clear confirmation message</extracomment>
        <translation>這將永久刪除所有擷取歷史記錄項目。此動作無法復原。</translation>
    </message>
    <message id="preferences.history.clear_confirmation.button" numerus="yes">
        <source>Delete %n Entries</source>
        <extracomment>Delete entries button</extracomment>
        <translation>
            <numerusform>刪除 %n 個項目</numerusform>
        </translation>
    </message>
    <message id="preferences.history.clear_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>取消</translation>
    </message>
    <message id="preferences.history.estimated_storage">
        <source>Estimated storage: %1</source>
        <extracomment>Estimated storage label</extracomment>
        <translation>預估儲存空間：%1</translation>
    </message>
    <message id="preferences.history.entry_count" numerus="yes">
        <source>%n entries stored</source>
        <extracomment>Entry count label</extracomment>
        <translation>
            <numerusform>已儲存 %n 個項目</numerusform>
        </translation>
    </message>
    <message id="preferences.history.space_usage">
        <source>Using %1% of maximum capacity</source>
        <extracomment>Space usage label</extracomment>
        <translation>已使用最大容量的 %1%</translation>
    </message>
    <message id="preferences.languages.priority_badge">
        <source>#%1</source>
        <extracomment>Badge with the priority number of a recognition language</extracomment>
        <translation>#%1</translation>
    </message>
    <message id="preferences.languages.header">
        <source>Configure which languages Quorvane should recognize in captured text</source>
        <extracomment>Languages header</extracomment>
        <translation>設定 Quorvane 應在擷取的文字中辨識哪些語言</translation>
    </message>
    <message id="preferences.languages.auto_detect">
        <source>Auto-detect language (recommended)</source>
        <extracomment>Auto-detect language toggle</extracomment>
        <translation>自動偵測語言（建議）</translation>
    </message>
    <message id="preferences.languages.auto_detect.description">
        <source>Automatically detect the language based on system locale and text content. For best results, enable this option</source>
        <extracomment>Auto-detect description</extracomment>
        <translation>根據系統地區設定和文字內容自動偵測語言。若要獲得最佳結果，請啟用此選項</translation>
    </message>
    <message id="preferences.languages.preferred_languages">
        <source>Preferred Languages (drag to reorder priority)</source>
        <extracomment>Preferred languages label</extracomment>
        <translation>偏好語言（拖曳以調整優先順序）</translation>
    </message>
    <message id="preferences.languages.select_all">
        <source>Select All</source>
        <extracomment>Select all button</extracomment>
        <translation>全選</translation>
    </message>
    <message id="preferences.languages.deselect_all">
        <source>Deselect All</source>
        <extracomment>Deselect all button</extracomment>
        <translation>全部取消選取</translation>
    </message>
    <message id="preferences.languages.selection_count" numerus="yes">
        <source>%n language(s) selected</source>
        <extracomment>Language selection count</extracomment>
        <translation>
            <numerusform>已選取 %n 種語言</numerusform>
        </translation>
    </message>
    <message id="preferences.languages.none_chosen.automatic">
        <source>Choose at least one language; until then languages are chosen automatically</source>
        <extracomment>Notice while no language is ticked and detection stays on</extracomment>
        <translation>請至少選擇一種語言；在此之前會自動選擇語言</translation>
    </message>
    <message id="preferences.languages.none_chosen.stored">
        <source>Choose at least one language; until then recognition keeps using %1</source>
        <extracomment>Notice while no language is ticked and the stored languages stay in use</extracomment>
        <translation>請至少選擇一種語言；在此之前辨識會繼續使用 %1</translation>
    </message>
    <message id="onboarding.skip">
        <source>Skip</source>
        <extracomment>Skip onboarding button</extracomment>
        <translation>略過</translation>
    </message>
    <message id="onboarding.next">
        <source>Next</source>
        <extracomment>Next page button</extracomment>
        <translation>下一步</translation>
    </message>
    <message id="onboarding.permissions.granted">
        <source>Granted</source>
        <extracomment>Status shown beside a permission that is granted</extracomment>
        <translation>已授權</translation>
    </message>
    <message id="onboarding.permissions.grant">
        <source>Grant</source>
        <extracomment>Button that asks for a permission</extracomment>
        <translation>授權</translation>
    </message>
    <message id="onboarding.permissions.title">
        <source>Permissions Required</source>
        <extracomment>Permissions page title</extracomment>
        <translation>需要權限</translation>
    </message>
    <message id="onboarding.permissions.subtitle">
        <source>Quorvane needs your permission to work</source>
        <extracomment>Permissions page subtitle</extracomment>
        <translation>Quorvane 需要您的授權才能運作</translation>
    </message>
    <message id="onboarding.permissions.explanation">
        <source>To capture text from your screen, Quorvane needs access to it. This allows the app to see what&apos;s on your screen when you activate it. All processing happens locally on your device.</source>
        <extracomment>Permissions explanation</extracomment>
        <translation>若要從螢幕擷取文字，Quorvane 需要螢幕存取權限。這可讓應用程式在您啟用它時看到螢幕上的內容。所有處理都在您的裝置本機進行。</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.title">
        <source>Screen Access</source>
        <extracomment>Title of the screen access permission</extracomment>
        <translation>螢幕存取</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.description">
        <source>Allows Quorvane to capture text from selected screen regions</source>
        <extracomment>Screen Recording permission description</extracomment>
        <translation>允許 Quorvane 從選取的螢幕區域擷取文字</translation>
    </message>
    <message id="onboarding.permissions.accessibility.title">
        <source>Global Shortcuts (Optional)</source>
        <extracomment>Title of the global shortcuts permission</extracomment>
        <translation>全域快速鍵（選用）</translation>
    </message>
    <message id="onboarding.permissions.accessibility.description">
        <source>Enables global keyboard shortcuts for quick capture</source>
        <extracomment>Accessibility permission description</extracomment>
        <translation>啟用全域鍵盤快速鍵以快速擷取</translation>
    </message>
    <message id="onboarding.permissions.instructions">
        <source>Click the Grant button next to each permission to open your desktop&apos;s privacy settings. This page will automatically detect when you grant permissions.</source>
        <extracomment>Permission instructions</extracomment>
        <translation>按一下各項權限旁的「授權」按鈕，即可開啟桌面環境的隱私權設定。您授予權限後，此頁面會自動偵測。</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <extracomment>General preferences tab</extracomment>
        <translation>一般</translation>
    </message>
    <message id="preferences.tab.shortcuts">
        <source>Shortcuts</source>
        <extracomment>Shortcuts preferences tab</extracomment>
        <translation>快速鍵</translation>
    </message>
    <message id="preferences.tab.text_formatting">
        <source>Text &amp; Formatting</source>
        <extracomment>Text formatting preferences tab</extracomment>
        <translation>文字與格式</translation>
    </message>
    <message id="preferences.tab.languages">
        <source>Languages</source>
        <extracomment>Languages preferences tab</extracomment>
        <translation>語言</translation>
    </message>
    <message id="preferences.tab.history">
        <source>History</source>
        <extracomment>History preferences tab</extracomment>
        <translation>歷史記錄</translation>
    </message>
    <message id="preferences.shortcuts.recording">
        <source>Press keys… (ESC to cancel)</source>
        <extracomment>Recording shortcut message</extracomment>
        <translation>請按下按鍵…（按 Esc 取消）</translation>
    </message>
    <message id="preferences.shortcuts.error.system_reserved">
        <source>This shortcut is reserved by the system</source>
        <extracomment>System reserved shortcut error</extracomment>
        <translation>此快速鍵已被系統保留</translation>
    </message>
    <message id="preferences.shortcuts.error.conflict">
        <source>This shortcut conflicts with another action</source>
        <extracomment>Shortcut conflict error</extracomment>
        <translation>此快速鍵與其他動作衝突</translation>
    </message>
    <message id="preferences.shortcuts.error.taken">
        <source>This shortcut is already used by another program</source>
        <extracomment>Shortcut held by another program error</extracomment>
        <translation>此快速鍵已被其他程式使用</translation>
    </message>
    <message id="preferences.shortcuts.error.invalid">
        <source>Current shortcut is invalid</source>
        <extracomment>Invalid shortcut error</extracomment>
        <translation>目前的快速鍵無效</translation>
    </message>
    <message id="preferences.shortcuts.header">
        <source>Configure global keyboard shortcuts for Quorvane actions</source>
        <extracomment>Shortcuts header</extracomment>
        <translation>設定 Quorvane 動作的全域鍵盤快速鍵</translation>
    </message>
    <message id="preferences.shortcuts.quick_zarrow.description">
        <source>Activate screen capture overlay and select region</source>
        <extracomment>Quick capture shortcut description</extracomment>
        <translation>開啟螢幕擷取覆蓋層並選取區域</translation>
    </message>
    <message id="preferences.shortcuts.repeat_zarrow.description">
        <source>Capture the same region as last time without showing overlay</source>
        <extracomment>Repeat capture shortcut description</extracomment>
        <translation>不顯示覆蓋層，直接擷取與上次相同的區域</translation>
    </message>
    <message id="preferences.shortcuts.code_mode.description">
        <source>Capture text in code mode (preserves formatting)</source>
        <extracomment>Code mode shortcut description</extracomment>
        <translation>以程式碼模式擷取文字（保留格式）</translation>
    </message>
    <message id="preferences.shortcuts.scan_code.description">
        <source>Scan QR codes and barcodes from the screen</source>
        <extracomment>Scan Code shortcut description</extracomment>
        <translation>掃描螢幕上的 QR 碼和條碼</translation>
    </message>
    <message id="preferences.shortcuts.open_history.description">
        <source>Open capture history window</source>
        <extracomment>History shortcut description</extracomment>
        <translation>開啟擷取歷史記錄視窗</translation>
    </message>
    <message id="preferences.shortcuts.reset">
        <source>Reset to Defaults</source>
        <extracomment>Reset shortcuts button</extracomment>
        <translation>重設為預設值</translation>
    </message>
    <message id="preferences.text_formatting.header">
        <source>Configure how captured text is processed before copying to clipboard</source>
        <extracomment>Text formatting header</extracomment>
        <translation>設定擷取的文字在複製到剪貼簿前的處理方式</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks">
        <source>Preserve original line breaks</source>
        <extracomment>Preserve line breaks toggle</extracomment>
        <translation>保留原始換行</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks.description">
        <source>Keep line breaks as they appear in the original text. When disabled, paragraphs are merged into continuous lines</source>
        <extracomment>Preserve line breaks description</extracomment>
        <translation>保留原始文字中的換行。停用時，段落會合併為連續的行</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes">
        <source>Avoid smart quotes (convert to ASCII)</source>
        <extracomment>Avoid smart quotes toggle</extracomment>
        <translation>不使用智慧型引號（轉換為 ASCII）</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes.description">
        <source>Convert typographic quotes (“”) to plain ASCII quotes (&quot;&quot;). Also converts em-dashes (—) and ellipses (…) to ASCII equivalents</source>
        <extracomment>Avoid smart quotes description</extracomment>
        <translation>將印刷引號（“”）轉換為一般 ASCII 引號（&quot;&quot;）。也會將破折號（—）和刪節號（…）轉換為對應的 ASCII 字元</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces">
        <source>Collapse multiple spaces into one</source>
        <extracomment>Collapse spaces toggle</extracomment>
        <translation>將多個空格合併為一個</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces.description">
        <source>Replace consecutive spaces with a single space. Helps clean up OCR results</source>
        <extracomment>Collapse spaces description</extracomment>
        <translation>將連續的空格取代為單一空格。有助於清理 OCR 結果</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.title">
        <source>Code Mode Exception</source>
        <extracomment>Code mode note title</extracomment>
        <translation>程式碼模式例外</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.description">
        <source>These settings do not apply to Code Mode captures. Code Mode preserves all original formatting, including spaces, line breaks, and special characters</source>
        <extracomment>Code mode note description</extracomment>
        <translation>這些設定不適用於程式碼模式的擷取。程式碼模式會保留所有原始格式，包括空格、換行和特殊字元</translation>
    </message>
    <message id="onboarding.welcome.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Welcome page title</extracomment>
        <translation>歡迎使用 Quorvane</translation>
    </message>
    <message id="onboarding.welcome.subtitle">
        <source>Capture text from anywhere on your screen</source>
        <extracomment>Welcome page subtitle</extracomment>
        <translation>從螢幕上的任何位置擷取文字</translation>
    </message>
    <message id="onboarding.welcome.description">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Just press the keyboard shortcut, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description</extracomment>
        <translation>Quorvane 讓您輕鬆從圖片、影片、PDF 以及螢幕上的任何內容中擷取文字。只要按下鍵盤快速鍵並拖曳選取，文字就會立即複製到剪貼簿。</translation>
    </message>
    <message id="onboarding.welcome.feature1.title">
        <source>Quick Capture</source>
        <extracomment>Feature 1 title</extracomment>
        <translation>快速擷取</translation>
    </message>
    <message id="onboarding.welcome.feature2.title">
        <source>Multi-Language Support</source>
        <extracomment>Feature 2 title</extracomment>
        <translation>多語言支援</translation>
    </message>
    <message id="onboarding.welcome.feature2.description">
        <source>Recognizes text in 20+ languages</source>
        <extracomment>Feature 2 description</extracomment>
        <translation>可辨識 20 多種語言的文字</translation>
    </message>
    <message id="onboarding.welcome.feature3.title">
        <source>Privacy First</source>
        <extracomment>Feature 3 title</extracomment>
        <translation>隱私優先</translation>
    </message>
    <message id="onboarding.welcome.feature3.description">
        <source>All processing happens on your device</source>
        <extracomment>Feature 3 description</extracomment>
        <translation>所有處理都在您的裝置上進行</translation>
    </message>
    <message id="onboarding.welcome.feature1.description">
        <source>Press %1 to capture text instantly</source>
        <extracomment>Feature 1 description; the quick capture shortcut</extracomment>
        <translation>按下 %1 即可立即擷取文字</translation>
    </message>
    <message id="error.import.unreadable_clipboard">
        <source>The image on the clipboard could not be read</source>
        <extracomment>Error when the clipboard offers no image that can be decoded</extracomment>
        <translation>無法讀取剪貼簿中的影像</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn any region of the screen into text, scan barcodes and keep a capture history</source>
        <extracomment>Comment of the desktop entry (a menu&apos;s tooltip): what the program does, one sentence</extracomment>
        <translation>將螢幕上的任意區域轉換為文字、掃描條碼，並保存擷取歷史記錄</translation>
    </message>
    <message id="desktop.keywords">
        <source>OCR;text;screenshot;capture;barcode;QR;clipboard;</source>
        <extracomment>Search words of the desktop entry: words users type to find the program, each followed by a semicolon</extracomment>
        <translation>OCR;文字;截圖;擷取;條碼;QR 碼;剪貼簿;</translation>
    </message>
    <message id="desktop.action.repeat">
        <source>Repeat Last Capture</source>
        <extracomment>Launcher action of the desktop entry (shown in the dock or menu): capture the region captured last again</extracomment>
        <translation>重複上次擷取</translation>
    </message>
    <message id="desktop.action.code">
        <source>Capture Code</source>
        <extracomment>Launcher action of the desktop entry: capture text keeping the indentation of code</extracomment>
        <translation>擷取程式碼</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn any region of the screen into text</source>
        <extracomment>One-line summary in software centres</extracomment>
        <translation>將螢幕上的任意區域轉換為文字</translation>
    </message>
    <message id="metainfo.description">
        <source>Quorvane lives in the system tray. Press its shortcut, drag over a region of the screen, and the text inside it is recognised on this computer and copied to the clipboard.</source>
        <extracomment>Description paragraph in software centres</extracomment>
        <translation>Quorvane 常駐於系統匣中。按下快速鍵，在螢幕上拖曳選取一個區域，其中的文字就會在這台電腦上辨識並複製到剪貼簿。</translation>
    </message>
    <message id="metainfo.feature.repeat">
        <source>Repeat a capture of the last region with one shortcut</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>一個快速鍵即可重複擷取上次的區域</translation>
    </message>
    <message id="metainfo.feature.code">
        <source>Keep the indentation of code in code mode</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>程式碼模式下保留程式碼縮排</translation>
    </message>
    <message id="metainfo.feature.codes">
        <source>Read QR codes and barcodes</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>讀取 QR 碼和條碼</translation>
    </message>
    <message id="metainfo.feature.history">
        <source>Find earlier captures in a searchable history</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>在可搜尋的歷史記錄中查找先前的擷取</translation>
    </message>
    <message id="metainfo.feature.command">
        <source>Start captures from the desktop&apos;s own shortcut settings or a script with the quorvane capture command</source>
        <extracomment>Feature list item in software centres; &quot;quorvane capture&quot; is a command and stays as is</extracomment>
        <translation>透過桌面的快速鍵設定或指令稿中的 quorvane capture 指令開始擷取</translation>
    </message>
    <message id="about.version_with_commit">
        <source>Version %1 (%2)</source>
        <extracomment>Version line in the About window of a program built from a development copy: %1 version number, %2 the short identifier of the source revision (such as a1b2c3d)</extracomment>
        <translation>版本 %1（%2）</translation>
    </message>
    <message id="error.screen_capture.portal_missing">
        <source>This desktop offers no screenshot service to read the screen with. Install %1, then log out and in again.</source>
        <extracomment>Error when the desktop offers no screenshot service (Wayland); %1 lists Debian package names</extracomment>
        <translation>此桌面沒有可用來讀取螢幕的截圖服務。請安裝 %1，然後登出再重新登入。</translation>
    </message>
    <message id="tray_absence.message_without_shortcuts">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. To capture text, bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon and the desktop offers programs no global shortcuts</extracomment>
        <translation>此桌面上沒有系統匣顯示 Quorvane 的圖示。若要擷取文字，請在桌面的鍵盤設定中將指令「quorvane capture」綁定到一個按鍵。再次執行「quorvane」可開啟偏好設定，執行「quorvane quit」可結束。</translation>
    </message>
    <message id="onboarding.welcome.feature1.description_without_shortcuts">
        <source>Bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings to capture text instantly</source>
        <extracomment>Feature 1 description where the desktop offers programs no global shortcuts</extracomment>
        <translation>在桌面的鍵盤設定中將指令「quorvane capture」綁定到一個按鍵，即可立即擷取文字</translation>
    </message>
    <message id="notification.settings_salvaged.message">
        <source>The settings file was damaged and was kept as %1. The settings it still held are in use.</source>
        <extracomment>Warning message when the settings file was damaged but some settings could still be read from it</extracomment>
        <translation>設定檔已損毀，已保存為 %1。其中仍可讀取的設定正在使用。</translation>
    </message>
    <message id="notification.settings_reset.message">
        <source>These settings could not be read and are back to their defaults: %1. Every other setting was kept.</source>
        <extracomment>Warning message naming the settings whose stored values could not be read; %1 lists their names</extracomment>
        <translation>無法讀取以下設定，已還原為預設值：%1。其他所有設定皆已保留。</translation>
    </message>
    <message id="notification.settings_reset.title">
        <source>Settings Reset</source>
        <extracomment>Warning title when some stored settings could not be read</extracomment>
        <translation>設定已重設</translation>
    </message>
    <message id="error.import.reason.not_a_file">
        <source>it is not a regular file</source>
        <extracomment>Why an image file could not be imported: the path names a folder, device or pipe</extracomment>
        <translation>它不是一般檔案</translation>
    </message>
    <message id="error.import.reason.too_large">
        <source>it is larger than %1 MB</source>
        <extracomment>Why an image file could not be imported; %1 is the largest size in megabytes</extracomment>
        <translation>檔案大於 %1 MB</translation>
    </message>
    <message id="error.import.reason.format">
        <source>its format cannot be imported</source>
        <extracomment>Why an image file could not be imported: not PNG, JPEG, WebP, TIFF, BMP or GIF</extracomment>
        <translation>無法匯入此格式</translation>
    </message>
    <message id="ocr_error.timed_out">
        <source>Reading the image took too long, so it was stopped. Try selecting a smaller region around the text.</source>
        <extracomment>Recognition gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>讀取影像耗時過長，已停止。請嘗試在文字周圍選取較小的區域。</translation>
    </message>
    <message id="ocr_error.cancelled">
        <source>Text recognition was cancelled</source>
        <extracomment>The user stopped a running recognition</extracomment>
        <translation>已取消文字辨識</translation>
    </message>
    <message id="notification.pin_set_aside.message">
        <source>The pinned capture could not be read and was kept as %1.</source>
        <extracomment>Warning message when the stored pinned capture could not be read; %1 is where it was kept</extracomment>
        <translation>無法讀取釘選的擷取內容，已保存為 %1。</translation>
    </message>
    <message id="first_launch.press_to_capture">
        <source>Press %1 to capture text</source>
        <extracomment>Sentence of the first-start tooltip; %1 is the capture shortcut, drawn as a key cap between the words before and after it (either may be empty)</extracomment>
        <translation>按下 %1 即可擷取文字</translation>
    </message>
    <message id="ocr_error.language_data_missing">
        <source>OCR failed: the Tesseract language data %1 is not installed (install %2)</source>
        <extracomment>Recognition cannot start; %1 names the missing Tesseract language data (such as &quot;tha&quot;), %2 the Debian packages that hold it (such as &quot;tesseract-ocr-tha&quot;)</extracomment>
        <translation>OCR 失敗：未安裝 Tesseract 語言資料 %1（請安裝 %2）</translation>
    </message>
    <message id="preferences.history.size.bytes" numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size in bytes</extracomment>
        <translation>
            <numerusform>%n 位元組</numerusform>
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
        <translation>字型大小：小</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.medium">
        <source>Font size: Medium</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>字型大小：中</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.large">
        <source>Font size: Large</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>字型大小：大</translation>
    </message>
    <message id="error.clipboard.reason.text_not_written">
        <source>Failed to put the text on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the text</extracomment>
        <translation>無法將文字放入剪貼簿</translation>
    </message>
    <message id="error.clipboard.reason.nothing_to_write">
        <source>No items to put on the clipboard</source>
        <extracomment>Why copying failed: there was nothing to copy</extracomment>
        <translation>沒有可放入剪貼簿的項目</translation>
    </message>
    <message id="error.clipboard.reason.items_not_written">
        <source>Failed to put any items on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the items</extracomment>
        <translation>無法將任何項目放入剪貼簿</translation>
    </message>
    <message id="error.screen_capture.reason.no_display">
        <source>Could not find matching display</source>
        <extracomment>Why a screen capture failed: the monitor of the selection is gone</extracomment>
        <translation>找不到對應的顯示器</translation>
    </message>
    <message id="error.screen_capture.reason.empty_image">
        <source>Captured image has zero dimensions</source>
        <extracomment>Why a screen capture failed: the picture taken is empty</extracomment>
        <translation>擷取的影像尺寸為零</translation>
    </message>
    <message id="error.settings_store.reason.reserved_shortcut">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Why a shortcut cannot be stored; %1 is the key combination</extracomment>
        <translation>快速鍵 %1 已由系統保留</translation>
    </message>
    <message id="error.settings_store.reason.history_size">
        <source>Max history entries must be between 1 and 1000, got %1</source>
        <extracomment>Why a history size cannot be stored; %1 is the number asked for</extracomment>
        <translation>歷史記錄最大筆數必須介於 1 到 1000 之間，收到 %1</translation>
    </message>
    <message id="error.history.reason.not_a_folder">
        <source>%1 exists and is not a folder</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1 已存在且不是檔案夾</translation>
    </message>
    <message id="error.history.reason.cannot_create_folder">
        <source>Cannot create folder %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>無法建立檔案夾 %1</translation>
    </message>
    <message id="error.history.reason.no_data_folder">
        <source>Cannot access the data folder</source>
        <extracomment>Why the history cannot be kept: no data folder is known</extracomment>
        <translation>無法存取資料檔案夾</translation>
    </message>
    <message id="onboarding.permissions.unavailable">
        <source>Not offered by this desktop</source>
        <extracomment>Status shown beside a permission the desktop does not offer at all</extracomment>
        <translation>此桌面環境不提供</translation>
    </message>
    <message id="notification.recognition_running.title">
        <source>Reading Text…</source>
        <extracomment>Title of the notice shown while text recognition takes more than a moment</extracomment>
        <translation>正在讀取文字…</translation>
    </message>
    <message id="notification.recognition_running.escape">
        <source>Click here or press Escape to cancel.</source>
        <extracomment>Message while text recognition runs, when Escape cancels it from any window</extracomment>
        <translation>按一下這裡或按 Esc 鍵取消。</translation>
    </message>
    <message id="notification.recognition_running.click">
        <source>Click here or use the same shortcut again to cancel.</source>
        <extracomment>Message while text recognition runs where the desktop lets no program take the Escape key</extracomment>
        <translation>按一下這裡或再次使用同一快速鍵取消。</translation>
    </message>
    <message id="code_scan_error.timed_out">
        <source>Looking for a code took too long, so it was stopped. Try selecting a smaller region around the code.</source>
        <extracomment>Scanning gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>尋找條碼或 QR 碼耗時過長，已停止。請嘗試在碼的周圍選取較小的區域。</translation>
    </message>
    <message id="code_scan_error.cancelled">
        <source>Code scanning was cancelled</source>
        <extracomment>The user stopped a running code scan</extracomment>
        <translation>已取消掃描條碼或 QR 碼</translation>
    </message>
    <message id="command_line.commands_heading">
        <source>Commands (sent to the running Quorvane, which is started first when none runs):</source>
        <extracomment>The command line&apos;s help: the heading above the list of commands</extracomment>
        <translation>指令（傳送給正在執行的 Quorvane；若它未在執行，會先啟動）：</translation>
    </message>
    <message id="command_line.without_command">
        <source>Without a command, Quorvane starts; when it already runs, its preferences open.</source>
        <extracomment>The command line&apos;s help: the line below the list of commands</extracomment>
        <translation>不帶指令時會啟動 Quorvane；若它已在執行，則開啟其偏好設定。</translation>
    </message>
    <message id="command_line.description">
        <source>Turns any region of the screen into text.</source>
        <extracomment>The command line&apos;s help: what the program does, in one sentence</extracomment>
        <translation>將螢幕上的任何區域轉換為文字。</translation>
    </message>
    <message id="command_line.command_argument">
        <source>One of the commands above.</source>
        <oldsource>One of the commands below.</oldsource>
        <extracomment>The command line&apos;s help: what the optional argument &quot;command&quot; is; the list of commands stands above it</extracomment>
        <translation>上列指令之一。</translation>
    </message>
    <message id="command_line.one_command">
        <source>Give one command at a time.</source>
        <extracomment>The command line was given more than one command</extracomment>
        <translation>一次只能指定一個指令。</translation>
    </message>
    <message id="command_line.unknown_command">
        <source>Unknown command &quot;%1&quot;; the commands are %2.</source>
        <extracomment>The command line was given a word that is no command; %1 is that word, %2 lists the commands</extracomment>
        <translation>未知的指令「%1」；可用的指令為 %2。</translation>
    </message>
    <message id="command_line.see_help">
        <source>See &quot;%1&quot;.</source>
        <extracomment>The line below a refused command line; %1 is the command that shows the help</extracomment>
        <translation>請參閱「%1」。</translation>
    </message>
    <message id="command_line.command.capture">
        <source>Select a region of the screen and copy its text</source>
        <extracomment>The command line&apos;s help: what the command &quot;capture&quot; does</extracomment>
        <translation>選取螢幕區域並拷貝其中的文字</translation>
    </message>
    <message id="command_line.command.repeat">
        <source>Capture the last region again</source>
        <extracomment>The command line&apos;s help: what the command &quot;repeat&quot; does</extracomment>
        <translation>再次擷取上一個區域</translation>
    </message>
    <message id="command_line.command.code">
        <source>Capture text keeping its indentation (code mode)</source>
        <extracomment>The command line&apos;s help: what the command &quot;code&quot; does</extracomment>
        <translation>擷取文字並保留縮排（程式碼模式）</translation>
    </message>
    <message id="command_line.command.scan">
        <source>Select a region and read the QR code or barcode in it</source>
        <extracomment>The command line&apos;s help: what the command &quot;scan&quot; does</extracomment>
        <translation>選取區域並讀取其中的 QR 碼或條碼</translation>
    </message>
    <message id="command_line.command.history">
        <source>Open the capture history</source>
        <extracomment>The command line&apos;s help: what the command &quot;history&quot; does</extracomment>
        <translation>開啟擷取歷史記錄</translation>
    </message>
    <message id="command_line.command.preferences">
        <source>Open the preferences</source>
        <extracomment>The command line&apos;s help: what the command &quot;preferences&quot; does</extracomment>
        <translation>開啟偏好設定</translation>
    </message>
    <message id="command_line.command.quit">
        <source>Quit the running program</source>
        <extracomment>The command line&apos;s help: what the command &quot;quit&quot; does</extracomment>
        <translation>結束正在執行的程式</translation>
    </message>
    <message id="error.coordinator.global_shortcuts_required">
        <source>Global shortcuts need your permission first</source>
        <extracomment>Error when the desktop has not allowed Quorvane&apos;s global shortcuts</extracomment>
        <translation>需要先允許全域快速鍵</translation>
    </message>
    <message id="error.coordinator.screen_access_required">
        <source>Screen access is required to capture text</source>
        <extracomment>Error when the desktop has not allowed Quorvane to read the screen</extracomment>
        <translation>需要螢幕存取權限才能擷取文字</translation>
    </message>
    <message id="command_line.command_refused">
        <source>Quorvane is running but did not take the command &quot;%1&quot;: %2</source>
        <extracomment>The running copy refused a command given on the command line; %1 is the command, %2 why</extracomment>
        <translation>Quorvane 正在執行，但沒有接受指令「%1」：%2</translation>
    </message>
    <message id="command_line.not_running">
        <source>Quorvane is not running.</source>
        <extracomment>The command line asked a copy to quit, and none runs</extracomment>
        <translation>Quorvane 未在執行。</translation>
    </message>
    <message id="command_line.already_running_process">
        <source>Quorvane is already running (process %1); without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus; %1 is the number of the process that runs</extracomment>
        <translation>Quorvane 已在執行（程序 %1）；沒有工作階段匯流排，無法向它傳送指令。</translation>
    </message>
    <message id="command_line.already_running">
        <source>Quorvane is already running; without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus</extracomment>
        <translation>Quorvane 已在執行；沒有工作階段匯流排，無法向它傳送指令。</translation>
    </message>
    <message id="menubar.tooltip_tray_menu">
        <source>Quorvane
Left-click: Quick Capture
Right-click: Menu</source>
        <extracomment>Tooltip of the tray icon where the desktop&apos;s tray opens the menu on a right click</extracomment>
        <translation>Quorvane
按左鍵：快速擷取
按右鍵：選單</translation>
    </message>
    <message id="command_line.no_display">
        <source>Quorvane needs a graphical desktop session: no DISPLAY is set.</source>
        <extracomment>Started where there is no screen, e.g. over ssh</extracomment>
        <translation>Quorvane 需要圖形桌面工作階段：未設定 DISPLAY。</translation>
    </message>
    <message id="command_line.unsafe_folder">
        <source>Quorvane cannot start: %1, so another user could keep it from running. Make the folder yours alone (chmod 700) or set XDG_RUNTIME_DIR to a folder that is.</source>
        <extracomment>The program will not start; %1 says what is wrong with the folder of its lock file</extracomment>
        <translation>Quorvane 無法啟動：%1，因此其他使用者可能阻止它執行。請將該資料夾設為僅自己可用（chmod 700），或將 XDG_RUNTIME_DIR 設為這樣的資料夾。</translation>
    </message>
    <message id="single_instance.folder_missing">
        <source>%1 is not a folder</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1 不是資料夾</translation>
    </message>
    <message id="single_instance.folder_foreign">
        <source>%1 belongs to another user</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1 屬於其他使用者</translation>
    </message>
    <message id="single_instance.folder_shared">
        <source>other users may write to %1</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>其他使用者可以寫入 %1</translation>
    </message>
    <message id="command_line.capture_failed">
        <source>Capture failed: %1</source>
        <extracomment>What the command line prints when the capture it asked for failed; %1 is why</extracomment>
        <translation>擷取失敗：%1</translation>
    </message>
    <message id="preferences.general.show_pin_widget.unavailable">
        <source>On this desktop a new window takes the keyboard from the one you are typing in, so no pin comes up after a capture</source>
        <extracomment>Under the switch for pins after a capture, on a desktop (Wayland) where every new window takes the keyboard</extracomment>
        <translation>在此桌面上，新視窗會從你正在輸入的視窗取走鍵盤，因此擷取後不會顯示釘選視窗</translation>
    </message>
    <message id="notification.portal_waiting.title">
        <source>Waiting for the screen portal…</source>
        <extracomment>Shown while a capture waits for the desktop&apos;s screenshot service (the screen portal, Wayland) to answer</extracomment>
        <translation>正在等待截圖服務…</translation>
    </message>
    <message id="notification.portal_waiting.message">
        <source>The desktop&apos;s screenshot service has not answered yet.</source>
        <extracomment>Under &quot;Waiting for the screen portal…&quot;</extracomment>
        <translation>桌面的截圖服務尚未回應。</translation>
    </message>
    <message id="error.screen_capture.portal_not_answering">
        <source>The screen portal did not answer in time. It may still be starting: try again in a moment.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (the screen portal, Wayland) is there but gave no answer in time</extracomment>
        <translation>截圖服務未能及時回應。它可能仍在啟動：請稍後再試。</translation>
    </message>
    <message id="error.screen_capture.picture_refused">
        <source>The desktop refused to give Quorvane a picture of the screen. Capture again and allow it if the desktop asks.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (Wayland) refused to give a picture of the screen; such desktops may have no privacy settings at all</extracomment>
        <translation>桌面拒絕提供螢幕畫面給 Quorvane。請重新擷取，並在桌面詢問時允許。</translation>
    </message>
    <message id="preferences.shortcuts.header_unavailable">
        <source>The keyboard shortcuts Quorvane would use, which this desktop does not let programs take</source>
        <extracomment>Shortcuts header where the desktop lets no program take global shortcuts (the key fields below are greyed out)</extracomment>
        <translation>Quorvane 原本會使用的鍵盤快速鍵，但此桌面不允許程式佔用</translation>
    </message>
    <message id="onboarding.welcome.description_without_shortcuts">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Start a capture, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description where the desktop offers programs no global shortcuts (so there is no shortcut to press yet)</extracomment>
        <translation>Quorvane 讓您輕鬆從圖片、影片、PDF 以及螢幕上的任何內容中擷取文字。開始擷取並拖曳選取，文字就會立即複製到剪貼簿。</translation>
    </message>
    <message id="command.capture_cancelled">
        <source>The running capture was cancelled.</source>
        <extracomment>What a command asking for a capture did while the same kind of capture was being read: it cancelled that capture</extracomment>
        <translation>已取消正在進行的擷取。</translation>
    </message>
    <message id="command_line.start_failed">
        <source>Quorvane could not be started: %1</source>
        <extracomment>A command was given while Quorvane did not run, and it could not be started; %1 says why</extracomment>
        <translation>無法啟動 Quorvane：%1</translation>
    </message>
    <message id="command_line.start_no_answer">
        <source>Quorvane was started but did not come up to take the command.</source>
        <extracomment>A command was given while Quorvane did not run; the copy started for it ended or did not answer</extracomment>
        <translation>Quorvane 已啟動，但未能準備好接收該指令。</translation>
    </message>
    <message id="settings_file.folder_of_another_user">
        <source>The folder %1 belongs to the user %2, so Quorvane cannot keep its settings there private.</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the name of the user who owns it</extracomment>
        <translation>資料夾 %1 屬於使用者 %2，因此 Quorvane 無法在其中將設定保持私密。</translation>
    </message>
    <message id="settings_file.cannot_restrict_folder">
        <source>Cannot make the folder %1 private: %2</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the system&apos;s reason</extracomment>
        <translation>無法將資料夾 %1 設為私密：%2</translation>
    </message>
    <message id="notification.history_records_set_aside.message">
        <source>Some history records could not be read and were kept as %1. Every other capture is in the history.</source>
        <extracomment>Warning message when some history records could not be read; %1 is the file they were kept in</extracomment>
        <translation>部分歷史記錄無法讀取，已保存為 %1。其他所有擷取都在歷史記錄中。</translation>
    </message>
    <message id="pin_widget.text.part_shown">
        <source>Only the first %1 of %2 characters are shown, and the text cannot be edited here. Copy takes the whole text.</source>
        <extracomment>Note under a pin&apos;s text that is too long to show whole; %1 and %2 are numbers of characters</extracomment>
        <translation>僅顯示 %2 個字元中的前 %1 個，且無法在此編輯文字。複製會複製全部文字。</translation>
    </message>
    <message id="pin_widget.quit_unwritten.title">
        <source>The Pin Is Not Saved</source>
        <extracomment>Title when the program is asked to quit while the pin could not be saved</extracomment>
        <translation>釘選視窗尚未儲存</translation>
    </message>
    <message id="pin_widget.quit_unwritten.message">
        <source>The pin&apos;s latest changes could not be written (%1), so they will be lost when Quorvane quits. Copy the text from the pin, or free some disk space and quit again.</source>
        <extracomment>Message when the program is asked to quit while the pin could not be saved; %1 is why</extracomment>
        <translation>釘選視窗的最新變更無法寫入（%1），因此結束 Quorvane 時會遺失。請從釘選視窗複製文字，或釋出一些磁碟空間後再次結束。</translation>
    </message>
    <message id="pin_widget.quit_unwritten.quit">
        <source>Quit Anyway</source>
        <extracomment>Button that quits although the pin&apos;s changes will be lost</extracomment>
        <translation>仍要結束</translation>
    </message>
    <message id="pin_widget.unwritten.note">
        <source>Not saved: %1. The pin keeps your changes and tries again.</source>
        <extracomment>Note on a pin whose changes could not be written; %1 is why</extracomment>
        <translation>未儲存：%1。釘選視窗會保留您的變更並重試。</translation>
    </message>
    <message id="updater.reason.no_download_page">
        <source>the update names no download page</source>
        <extracomment>Why an update is refused: the feed names no page to get it from</extracomment>
        <translation>更新未指明下載頁面</translation>
    </message>
    <message id="error.no_result">
        <source>The operation ended without a result</source>
        <extracomment>Shown when an operation finished but handed back neither a result nor an error</extracomment>
        <translation>操作已結束，但沒有結果</translation>
    </message>
    <message id="error.unknown">
        <source>Unknown error</source>
        <extracomment>Shown when an operation failed in a way the program cannot describe</extracomment>
        <translation>未知的錯誤</translation>
    </message>
    <message id="error.screen_capture.reason.unreadable">
        <source>Could not read the screen</source>
        <extracomment>Why a screen capture failed: no monitor&apos;s picture could be taken</extracomment>
        <translation>無法讀取螢幕</translation>
    </message>
    <message id="ocr_error.reason.unreadable_image">
        <source>Tesseract could not read the %1 x %2 pixel image</source>
        <extracomment>Why recognition failed: the engine refused the picture; %1 x %2 is its size</extracomment>
        <translation>Tesseract 無法讀取這張 %1 × %2 像素的影像</translation>
    </message>
    <message id="error.history.reason.cannot_write">
        <source>Cannot write %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>無法寫入 %1</translation>
    </message>
    <message id="error.history.reason.cannot_set_aside">
        <source>Cannot read or move %1</source>
        <extracomment>Why the history cannot be kept: its file can neither be read nor set aside; %1 is its path</extracomment>
        <translation>無法讀取或移動 %1</translation>
    </message>
    <message id="error.file.cannot_save">
        <source>Cannot save %1: %2</source>
        <extracomment>Why a file of the program could not be saved; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>無法儲存 %1：%2</translation>
    </message>
    <message id="error.file.short_write">
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved: the disk took only part of it; %1 and %2 count bytes</extracomment>
        <translation>僅寫入了 %2 位元組中的 %1 位元組</translation>
    </message>
    <message id="error.file.cannot_remove">
        <source>Cannot remove %1: %2</source>
        <extracomment>Why a file of the program could not be removed; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>無法移除 %1：%2</translation>
    </message>
    <message id="notification.window.title">
        <source>Quorvane Notice</source>
        <extracomment>Title of the small window that tells how a capture ended, where the desktop shows no notifications; window lists show it</extracomment>
        <translation>Quorvane 通知</translation>
    </message>
    <message id="pin_widget.window.title">
        <source>Pinned Capture</source>
        <extracomment>Title of the floating window that shows a pinned capture; window lists show it</extracomment>
        <translation>釘選的擷取</translation>
    </message>
    <message id="menubar.window.title">
        <source>Quorvane Menu</source>
        <extracomment>Title of the tray icon&apos;s menu where the desktop shows it as a window of its own; window lists show it</extracomment>
        <translation>Quorvane 選單</translation>
    </message>
</context>
</TS>
