<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name></name>
    <message id="notification.history_set_aside.message">
        <source>The history file could not be read and was kept as %1. Captures were restored from the backup where there was one.</source>
        <extracomment>Warning message when the history file was set aside</extracomment>
        <translation>기록 파일을 읽을 수 없어 %1(으)로 보관했습니다. 백업이 있는 경우 백업에서 캡처를 복원했습니다.</translation>
    </message>
    <message id="notification.settings_set_aside.message">
        <source>The settings file could not be read, so the defaults are in use. It was kept as %1.</source>
        <extracomment>Warning message when the settings file was set aside</extracomment>
        <translation>설정 파일을 읽을 수 없어 기본 설정을 사용하고 있습니다. 원래 파일은 %1(으)로 보관했습니다.</translation>
    </message>
    <message id="notification.history_in_memory.title">
        <source>History Not Saved</source>
        <extracomment>Warning title when the capture history cannot be written to disk</extracomment>
        <translation>기록이 저장되지 않음</translation>
    </message>
    <message id="notification.history_in_memory.message">
        <source>Quorvane cannot write to its data folder. Captures will not be kept after you quit.</source>
        <extracomment>Warning message when the capture history lives only in memory</extracomment>
        <translation>Quorvane이 데이터 폴더에 쓸 수 없습니다. 종료하면 캡처가 보존되지 않습니다.</translation>
    </message>
    <message id="notification.file_set_aside.title">
        <source>File Set Aside</source>
        <extracomment>Warning title when a stored file could not be read and was kept under another name</extracomment>
        <translation>파일을 따로 보관함</translation>
    </message>
    <message id="updater.available.title">
        <source>A new version of Quorvane is available!</source>
        <extracomment>Title of the dialog that announces a new version</extracomment>
        <translation>Quorvane의 새 버전을 사용할 수 있습니다!</translation>
    </message>
    <message id="updater.available.message">
        <source>Quorvane %1 is now available - you have %2. Would you like to open the download page?</source>
        <extracomment>Text of the dialog that announces a new version: the new version, then the installed one</extracomment>
        <translation>Quorvane %1을(를) 사용할 수 있습니다. 현재 버전은 %2입니다. 다운로드 페이지를 열까요?</translation>
    </message>
    <message id="updater.available.download">
        <source>Open Download Page</source>
        <extracomment>Button that opens the download page</extracomment>
        <translation>다운로드 페이지 열기</translation>
    </message>
    <message id="updater.available.later">
        <source>Remind Me Later</source>
        <extracomment>Button that closes the dialog</extracomment>
        <translation>나중에 알림</translation>
    </message>
    <message id="updater.up_to_date.title">
        <source>You&apos;re up to date!</source>
        <extracomment>Title of the dialog shown when no newer version exists</extracomment>
        <translation>최신 버전입니다!</translation>
    </message>
    <message id="updater.up_to_date.message">
        <source>Quorvane %1 is currently the newest version available.</source>
        <extracomment>Text shown when no newer version exists: the installed version</extracomment>
        <translation>Quorvane %1이(가) 현재 사용 가능한 최신 버전입니다.</translation>
    </message>
    <message id="updater.error.title">
        <source>Update Error!</source>
        <extracomment>Title of the dialog shown when a check for updates fails</extracomment>
        <translation>업데이트 오류!</translation>
    </message>
    <message id="updater.not_configured.title">
        <source>Updates Are Not Checked by This Build</source>
        <extracomment>Title of the dialog shown when the build has no update feed</extracomment>
        <translation>이 빌드는 업데이트를 확인하지 않습니다</translation>
    </message>
    <message id="updater.not_configured.message">
        <source>This copy of Quorvane was built without an update feed. New versions come with your distribution&apos;s package updates or from where you installed Quorvane.</source>
        <extracomment>Text shown when the build has no update feed</extracomment>
        <translation>이 Quorvane은 업데이트 피드 없이 빌드되었습니다. 새 버전은 배포판의 패키지 업데이트나 Quorvane을 설치한 곳을 통해 제공됩니다.</translation>
    </message>
    <message id="onboarding.window.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Onboarding window title</extracomment>
        <translation>Quorvane에 오신 것을 환영합니다</translation>
    </message>
    <message id="first_launch.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Title of the tooltip shown beside the tray icon at first start</extracomment>
        <translation>Quorvane에 오신 것을 환영합니다</translation>
    </message>
    <message id="first_launch.tray_hint">
        <source>Right-click this icon for quick capture</source>
        <extracomment>Line in the first-start tooltip about the tray icon</extracomment>
        <translation>이 아이콘을 마우스 오른쪽 버튼으로 클릭하면 빠르게 캡처할 수 있습니다</translation>
    </message>
    <message id="menubar.capture">
        <source>Capture Text</source>
        <extracomment>Tray menu item</extracomment>
        <translation>텍스트 캡처</translation>
    </message>
    <message id="menubar.scan_code">
        <source>Read QR/Bar Code</source>
        <extracomment>Tray menu item</extracomment>
        <translation>QR/바코드 읽기</translation>
    </message>
    <message id="menubar.import_from_iphone">
        <source>Import Image…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>이미지 가져오기…</translation>
    </message>
    <message id="menubar.history">
        <source>Open History</source>
        <extracomment>Tray menu item</extracomment>
        <translation>기록 열기</translation>
    </message>
    <message id="menubar.preferences">
        <source>Preferences…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>기본 설정…</translation>
    </message>
    <message id="menubar.feedback">
        <source>Send Feedback…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>피드백 보내기…</translation>
    </message>
    <message id="menubar.checkForUpdates">
        <source>Check for Updates…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>업데이트 확인…</translation>
    </message>
    <message id="menubar.about">
        <source>About Quorvane</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Quorvane 정보</translation>
    </message>
    <message id="menubar.quit">
        <source>Quit Quorvane</source>
        <extracomment>Tray menu item
----------
Quit Quorvane</extracomment>
        <translation>Quorvane 종료</translation>
    </message>
    <message id="menubar.tooltip">
        <source>Quorvane
Left-click: Menu
Right-click: Quick Capture</source>
        <extracomment>Tooltip of the tray icon</extracomment>
        <translation>Quorvane
왼쪽 클릭: 메뉴
오른쪽 클릭: 빠른 캡처</translation>
    </message>
    <message id="menubar.panel.capture">
        <source>Capture</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>캡처</translation>
    </message>
    <message id="menubar.panel.history">
        <source>History</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>기록</translation>
    </message>
    <message id="menubar.panel.preferences">
        <source>Preferences</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>기본 설정</translation>
    </message>
    <message id="permission.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>개인 정보 설정 열기</translation>
    </message>
    <message id="permission.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>취소</translation>
    </message>
    <message id="permission.accessibility.title">
        <source>Global Shortcuts Permission Required</source>
        <extracomment>Title of the dialog asking for the global shortcuts permission</extracomment>
        <translation>전역 단축키 권한 필요</translation>
    </message>
    <message id="permission.accessibility.message">
        <source>Quorvane needs permission to use global keyboard shortcuts (%1). This allows you to capture text from anywhere on your screen.

Your privacy is protected - Quorvane only listens for its own shortcuts.</source>
        <extracomment>Global shortcuts permission explanation; %1 is the quick capture shortcut</extracomment>
        <translation>Quorvane이 전역 키보드 단축키(%1)를 사용하려면 권한이 필요합니다. 이 권한이 있으면 화면 어디에서나 텍스트를 캡처할 수 있습니다.

개인 정보는 보호됩니다. Quorvane은 자신이 등록한 단축키만 감지합니다.</translation>
    </message>
    <message id="permission.screen_recording.title">
        <source>Screen Access Permission Required</source>
        <extracomment>Title of the dialog asking for the screen access permission</extracomment>
        <translation>화면 접근 권한 필요</translation>
    </message>
    <message id="permission.screen_recording.message">
        <source>Quorvane needs access to your screen to capture text from it.

All processing happens on your device - no data is uploaded to the cloud.</source>
        <extracomment>Screen access permission explanation</extracomment>
        <translation>Quorvane이 화면에서 텍스트를 캡처하려면 화면 접근 권한이 필요합니다.

모든 처리는 기기에서 이루어지며, 어떤 데이터도 클라우드에 업로드되지 않습니다.</translation>
    </message>
    <message id="permission.required.title">
        <source>Permissions Required</source>
        <extracomment>Title of the alert shown when the user goes on without the permissions</extracomment>
        <translation>권한 필요</translation>
    </message>
    <message id="permission.required.message">
        <source>Quorvane needs screen access and global shortcuts to work. You can grant these later in your desktop&apos;s privacy settings.</source>
        <extracomment>Alert shown when the user goes on without the permissions</extracomment>
        <translation>Quorvane이 작동하려면 화면 접근 및 전역 단축키 권한이 필요합니다. 나중에 데스크톱의 개인 정보 설정에서 허용할 수 있습니다.</translation>
    </message>
    <message id="general.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>확인</translation>
    </message>
    <message id="history.window.title">
        <source>Capture History</source>
        <extracomment>History window title</extracomment>
        <translation>캡처 기록</translation>
    </message>
    <message id="preferences.window.title">
        <source>Preferences</source>
        <extracomment>Preferences window title</extracomment>
        <translation>기본 설정</translation>
    </message>
    <message id="notification.shortcut_refused.title">
        <source>%1 shortcut not available</source>
        <extracomment>Title when a global shortcut cannot be taken; the action&apos;s name</extracomment>
        <translation>“%1” 단축키를 사용할 수 없음</translation>
    </message>
    <message id="notification.shortcut_refused.reserved">
        <source>%1 is reserved by the desktop. Choose another shortcut in Preferences.</source>
        <extracomment>Message when a global shortcut is reserved; the shortcut</extracomment>
        <translation>%1 키는 데스크톱에서 예약되어 있습니다. 기본 설정에서 다른 단축키를 선택하세요.</translation>
    </message>
    <message id="notification.shortcut_refused.taken">
        <source>%1 is already used by another program. Choose another shortcut in Preferences.</source>
        <extracomment>Message when another program holds a global shortcut; the shortcut</extracomment>
        <translation>%1 키는 다른 프로그램에서 이미 사용 중입니다. 기본 설정에서 다른 단축키를 선택하세요.</translation>
    </message>
    <message id="tray_absence.title">
        <source>Quorvane Is Running</source>
        <extracomment>Title of the notice shown when no system tray shows the icon</extracomment>
        <translation>Quorvane 실행 중</translation>
    </message>
    <message id="tray_absence.message">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. Press %1 to capture text. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon; %1 is the capture shortcut</extracomment>
        <translation>이 데스크톱에는 Quorvane 아이콘을 표시하는 시스템 트레이가 없습니다. %1 키를 눌러 텍스트를 캡처하세요. 기본 설정을 열려면 “quorvane” 명령을 다시 실행하고, 종료하려면 “quorvane quit” 명령을 실행하세요.</translation>
    </message>
    <message id="error.updater.invalid_feed">
        <source>The update feed address is not valid: %1</source>
        <extracomment>Error when the configured update feed address cannot be used</extracomment>
        <translation>업데이트 피드 주소가 올바르지 않습니다: %1</translation>
    </message>
    <message id="error.updater.insecure_address">
        <source>Updates are only fetched over HTTPS: %1</source>
        <extracomment>Error when an update address is not secure</extracomment>
        <translation>업데이트는 HTTPS로만 가져옵니다: %1</translation>
    </message>
    <message id="error.updater.download_failed">
        <source>The update information could not be downloaded: %1</source>
        <extracomment>Error when the update feed cannot be fetched</extracomment>
        <translation>업데이트 정보를 다운로드하지 못했습니다: %1</translation>
    </message>
    <message id="error.updater.malformed_feed">
        <source>The update information could not be read: %1</source>
        <extracomment>Error when the update feed is not understood</extracomment>
        <translation>업데이트 정보를 읽지 못했습니다: %1</translation>
    </message>
    <message id="error.updater.unknown">
        <source>%1</source>
        <extracomment>Unknown update error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="updater.reason.too_large">
        <source>the answer is larger than %1 bytes</source>
        <extracomment>Why a check for updates failed: the feed is too large</extracomment>
        <translation>응답이 %1바이트보다 큽니다</translation>
    </message>
    <message id="updater.reason.host_not_found">
        <source>the update server could not be found</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>업데이트 서버를 찾을 수 없습니다</translation>
    </message>
    <message id="updater.reason.refused">
        <source>the update server refused the connection</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>업데이트 서버가 연결을 거부했습니다</translation>
    </message>
    <message id="updater.reason.closed">
        <source>the update server closed the connection early</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>업데이트 서버가 연결을 일찍 끊었습니다</translation>
    </message>
    <message id="updater.reason.silent">
        <source>the update server stopped answering</source>
        <extracomment>Why a check for updates failed: the transfer timed out</extracomment>
        <translation>업데이트 서버가 응답을 멈췄습니다</translation>
    </message>
    <message id="updater.reason.tls">
        <source>the update server&apos;s secure connection could not be verified</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>업데이트 서버의 보안 연결을 확인할 수 없습니다</translation>
    </message>
    <message id="updater.reason.offline">
        <source>the network is not available</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>네트워크를 사용할 수 없습니다</translation>
    </message>
    <message id="updater.reason.status">
        <source>the update server answered with error %1</source>
        <extracomment>Why a check for updates failed: the HTTP status</extracomment>
        <translation>업데이트 서버가 오류 %1(으)로 응답했습니다</translation>
    </message>
    <message id="updater.reason.unexpected">
        <source>the update server sent an answer that is not a feed</source>
        <extracomment>Why a check for updates failed: an answer that is neither a feed nor an error</extracomment>
        <translation>업데이트 서버가 피드가 아닌 응답을 보냈습니다</translation>
    </message>
    <message id="updater.reason.deadline">
        <source>the update server took too long to answer</source>
        <extracomment>Why a check for updates failed: the whole check ran out of time</extracomment>
        <translation>업데이트 서버의 응답이 너무 오래 걸렸습니다</translation>
    </message>
    <message id="updater.reason.redirects" numerus="yes">
        <source>the server redirected the request more than %n times</source>
        <extracomment>Why a check for updates failed: too many redirects</extracomment>
        <translation>
            <numerusform>서버가 요청을 %n회보다 많이 리디렉션했습니다</numerusform>
        </translation>
    </message>
    <message id="updater.reason.page_not_opened">
        <source>The download page could not be opened. It is at: %1</source>
        <extracomment>Shown when no program opens the download page: its address</extracomment>
        <translation>다운로드 페이지를 열 수 없습니다. 주소: %1</translation>
    </message>
    <message id="error.coordinator.workflow_failed">
        <source>Capture workflow failed: %1</source>
        <extracomment>Error when workflow fails</extracomment>
        <translation>캡처 과정에 실패했습니다: %1</translation>
    </message>
    <message id="error.coordinator.in_progress">
        <source>A capture operation is already in progress</source>
        <extracomment>Error when capture is already in progress</extracomment>
        <translation>이미 캡처 작업이 진행 중입니다</translation>
    </message>
    <message id="error.coordinator.invalid_region">
        <source>The selected region is invalid</source>
        <extracomment>Error when region is invalid</extracomment>
        <translation>선택한 영역이 올바르지 않습니다</translation>
    </message>
    <message id="error.coordinator.no_last_region">
        <source>No previous capture region available. Please perform a new capture first.</source>
        <extracomment>Error when no last region exists</extracomment>
        <translation>이전 캡처 영역이 없습니다. 먼저 새로 캡처하세요.</translation>
    </message>
    <message id="error.coordinator.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display config changed</extracomment>
        <translation>디스플레이 구성이 변경되었습니다. 영역을 다시 선택하세요.</translation>
    </message>
    <message id="error.clipboard.write_failed">
        <source>Failed to copy to clipboard: %1</source>
        <extracomment>Error when clipboard write fails</extracomment>
        <translation>클립보드에 복사하지 못했습니다: %1</translation>
    </message>
    <message id="error.clipboard.unsupported_format">
        <source>Clipboard format %1 is not supported</source>
        <extracomment>Error when format is unsupported</extracomment>
        <translation>클립보드 형식 %1은(는) 지원되지 않습니다</translation>
    </message>
    <message id="error.clipboard.conversion_failed">
        <source>Failed to convert text to %1 format</source>
        <extracomment>Error when format conversion fails</extracomment>
        <translation>텍스트를 %1 형식으로 변환하지 못했습니다</translation>
    </message>
    <message id="error.clipboard.empty">
        <source>Cannot copy empty content to clipboard</source>
        <extracomment>Error when content is empty</extracomment>
        <translation>빈 내용은 클립보드에 복사할 수 없습니다</translation>
    </message>
    <message id="clipboard.format.plain">
        <source>Plain Text</source>
        <extracomment>Plain text format</extracomment>
        <translation>일반 텍스트</translation>
    </message>
    <message id="clipboard.format.rtf">
        <source>Rich Text</source>
        <extracomment>RTF format</extracomment>
        <translation>서식 있는 텍스트</translation>
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
        <translation>바코드 감지 실패: %1</translation>
    </message>
    <message id="code_scan_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to scan is empty</extracomment>
        <translation>캡처한 이미지가 올바르지 않거나 손상되었습니다</translation>
    </message>
    <message id="code_scan_error.no_code">
        <source>No code was detected in the selected region</source>
        <extracomment>Scanning found no barcode or QR code</extracomment>
        <translation>선택한 영역에서 바코드나 QR 코드를 찾지 못했습니다</translation>
    </message>
    <message id="continuity.import.file">
        <source>Choose Image File…</source>
        <extracomment>Import menu item that opens an image file</extracomment>
        <translation>이미지 파일 선택…</translation>
    </message>
    <message id="continuity.import.clipboard">
        <source>Paste Image from Clipboard</source>
        <extracomment>Import menu item that takes the clipboard&apos;s image</extracomment>
        <translation>클립보드에서 이미지 붙여넣기</translation>
    </message>
    <message id="continuity.import.dialog_title">
        <source>Import Image</source>
        <extracomment>Title of the image file chooser</extracomment>
        <translation>이미지 가져오기</translation>
    </message>
    <message id="continuity.import.filter">
        <source>Images</source>
        <extracomment>File type filter name for images</extracomment>
        <translation>이미지</translation>
    </message>
    <message id="error.import.unreadable_file_reason">
        <source>“%1” could not be read: %2</source>
        <extracomment>Error when an imported image file cannot be read: its name, then why</extracomment>
        <translation>“%1” 파일을 읽을 수 없습니다: %2</translation>
    </message>
    <message id="error.import.unreadable_file">
        <source>“%1” could not be read</source>
        <extracomment>Error when an imported image file cannot be read: its name</extracomment>
        <translation>“%1” 파일을 읽을 수 없습니다</translation>
    </message>
    <message id="error.import.unknown">
        <source>%1</source>
        <extracomment>Unknown import error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="ocr_error.failed">
        <source>OCR failed: %1</source>
        <extracomment>Text recognition failed; %1 is the reason</extracomment>
        <translation>OCR 실패: %1</translation>
    </message>
    <message id="ocr_error.unsupported_language">
        <source>Language &apos;%1&apos; is not supported</source>
        <extracomment>A requested recognition language is not offered</extracomment>
        <translation>‘%1’ 언어는 지원되지 않습니다</translation>
    </message>
    <message id="ocr_error.vision_failed">
        <source>Recognition failed: %1</source>
        <extracomment>The recognition engine reported an error; %1 is its description</extracomment>
        <translation>인식 실패: %1</translation>
    </message>
    <message id="ocr_error.no_text">
        <source>No text was detected in the selected region</source>
        <extracomment>Recognition found no text</extracomment>
        <translation>선택한 영역에서 텍스트를 찾지 못했습니다</translation>
    </message>
    <message id="ocr_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to recognise is empty</extracomment>
        <translation>캡처한 이미지가 올바르지 않거나 손상되었습니다</translation>
    </message>
    <message id="error.screen_capture.failed">
        <source>Screen capture failed: %1</source>
        <extracomment>Error when capture operation fails</extracomment>
        <translation>화면 캡처에 실패했습니다: %1</translation>
    </message>
    <message id="error.screen_capture.permission_denied">
        <source>Screen access is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the screen access permission is denied</extracomment>
        <translation>화면 접근 권한이 필요합니다. 데스크톱의 개인 정보 설정에서 접근을 허용하세요.</translation>
    </message>
    <message id="error.screen_capture.invalid_region">
        <source>The selected region is invalid or too small.</source>
        <extracomment>Error when capture region is invalid</extracomment>
        <translation>선택한 영역이 올바르지 않거나 너무 작습니다.</translation>
    </message>
    <message id="error.screen_capture.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display configuration changes</extracomment>
        <translation>디스플레이 구성이 변경되었습니다. 영역을 다시 선택하세요.</translation>
    </message>
    <message id="error.screen_capture.dismissed">
        <source>Capture was cancelled.</source>
        <extracomment>Error when user dismisses capture overlay</extracomment>
        <translation>캡처가 취소되었습니다.</translation>
    </message>
    <message id="error.screen_capture.no_display">
        <source>No active display found.</source>
        <extracomment>Error when no display is available</extracomment>
        <translation>활성 디스플레이를 찾을 수 없습니다.</translation>
    </message>
    <message id="language.system_default">
        <source>System Default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message id="capture_mode.normal">
        <source>Normal</source>
        <extracomment>Normal capture mode</extracomment>
        <translation>일반</translation>
    </message>
    <message id="capture_mode.repeat">
        <source>Repeat</source>
        <extracomment>Repeat capture mode</extracomment>
        <translation>반복</translation>
    </message>
    <message id="capture_mode.code">
        <source>Code</source>
        <extracomment>Code capture mode</extracomment>
        <translation>코드</translation>
    </message>
    <message id="capture_mode.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code capture mode</extracomment>
        <translation>코드 스캔</translation>
    </message>
    <message id="error.hotkey.registration_failed">
        <source>Failed to register global shortcut: %1</source>
        <extracomment>Error when hotkey registration fails</extracomment>
        <translation>전역 단축키를 등록하지 못했습니다: %1</translation>
    </message>
    <message id="error.hotkey.conflict">
        <source>Shortcut %1 conflicts with another registered shortcut</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>단축키 %1이(가) 등록된 다른 단축키와 충돌합니다</translation>
    </message>
    <message id="error.hotkey.system_reserved">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Error when shortcut is system reserved</extracomment>
        <translation>단축키 %1은(는) 시스템에서 예약되어 있습니다</translation>
    </message>
    <message id="error.hotkey.permission_denied">
        <source>Permission for global shortcuts is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the global shortcuts permission is denied</extracomment>
        <translation>전역 단축키를 사용하려면 권한이 필요합니다. 데스크톱의 개인 정보 설정에서 접근을 허용하세요.</translation>
    </message>
    <message id="error.hotkey.invalid">
        <source>Invalid shortcut configuration</source>
        <extracomment>Error when shortcut is invalid</extracomment>
        <translation>단축키 구성이 올바르지 않습니다</translation>
    </message>
    <message id="notification.capture_success.title">
        <source>Text Captured</source>
        <extracomment>Success notification title</extracomment>
        <translation>텍스트 캡처됨</translation>
    </message>
    <message id="notification.repeat_capture_success.title">
        <source>Text Re-captured</source>
        <extracomment>Repeat capture success notification title</extracomment>
        <translation>텍스트 다시 캡처됨</translation>
    </message>
    <message id="notification.code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Code capture success notification title</extracomment>
        <translation>코드 캡처됨</translation>
    </message>
    <message id="notification.scan_code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Scan Code capture success notification title</extracomment>
        <translation>코드 스캔됨</translation>
    </message>
    <message id="notification.capture_success.message">
        <source>Copied to clipboard</source>
        <extracomment>Success notification message</extracomment>
        <translation>클립보드에 복사됨</translation>
    </message>
    <message id="notification.capture_error.title">
        <source>Capture Failed</source>
        <extracomment>Error notification title</extracomment>
        <translation>캡처 실패</translation>
    </message>
    <message id="notification.voiceover.warning">
        <source>Warning: %1. %2</source>
        <extracomment>VoiceOver announcement for warning</extracomment>
        <translation>경고: %1. %2</translation>
    </message>
    <message id="notification.voiceover.error">
        <source>Error: %1. %2</source>
        <extracomment>VoiceOver announcement for error</extracomment>
        <translation>오류: %1. %2</translation>
    </message>
    <message id="error.notification.configuration_failed">
        <source>Failed to configure notifications: %1</source>
        <extracomment>Error when notification configuration fails</extracomment>
        <translation>알림을 설정하지 못했습니다: %1</translation>
    </message>
    <message id="error.notification.permission_denied">
        <source>Notification permission denied</source>
        <extracomment>Error when notification permission is denied</extracomment>
        <translation>알림 권한이 거부되었습니다</translation>
    </message>
    <message id="error.notification.display_not_found">
        <source>Could not determine display for notification</source>
        <extracomment>Error when display cannot be found</extracomment>
        <translation>알림을 표시할 디스플레이를 확인할 수 없습니다</translation>
    </message>
    <message id="permission.summary.title">
        <source>Permissions Required</source>
        <extracomment>Permission summary title</extracomment>
        <translation>권한 필요</translation>
    </message>
    <message id="permission.summary.message">
        <source>Quorvane requires the following permissions:

%1

Please grant these permissions in your desktop&apos;s privacy settings to use Quorvane.</source>
        <extracomment>Permission summary message</extracomment>
        <translation>Quorvane에는 다음 권한이 필요합니다.

%1

Quorvane을 사용하려면 데스크톱의 개인 정보 설정에서 이 권한을 허용하세요.</translation>
    </message>
    <message id="permission.summary.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>개인 정보 설정 열기</translation>
    </message>
    <message id="permission.summary.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>확인</translation>
    </message>
    <message id="permission.screen_recording">
        <source>Screen Access</source>
        <extracomment>Name of the permission to read the screen (the desktop&apos;s screenshot access)</extracomment>
        <translation>화면 접근</translation>
    </message>
    <message id="permission.accessibility">
        <source>Global Shortcuts</source>
        <extracomment>Name of the permission to use keyboard shortcuts that work in every program</extracomment>
        <translation>전역 단축키</translation>
    </message>
    <message id="error.settings_store.persistence">
        <source>Failed to save settings: %1</source>
        <extracomment>Error when settings persistence fails</extracomment>
        <translation>설정을 저장하지 못했습니다: %1</translation>
    </message>
    <message id="error.settings_store.validation">
        <source>Settings validation failed: %1</source>
        <extracomment>Error when settings validation fails</extracomment>
        <translation>설정 검증에 실패했습니다: %1</translation>
    </message>
    <message id="error.settings_store.migration">
        <source>Settings migration failed: %1</source>
        <extracomment>Error when settings migration fails</extracomment>
        <translation>설정 마이그레이션에 실패했습니다: %1</translation>
    </message>
    <message id="error.settings_store.launch_item">
        <source>Failed to configure launch at login: %1</source>
        <extracomment>Error when launch item configuration fails</extracomment>
        <translation>로그인할 때 실행을 설정하지 못했습니다: %1</translation>
    </message>
    <message id="error.settings_store.shortcut_conflict">
        <source>Shortcut %1 is already in use or conflicts with system shortcuts</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>단축키 %1은(는) 이미 사용 중이거나 시스템 단축키와 충돌합니다</translation>
    </message>
    <message id="error.settings_store.invalid_value">
        <source>Invalid setting value: %1</source>
        <extracomment>Error when setting value is invalid</extracomment>
        <translation>설정 값이 올바르지 않습니다: %1</translation>
    </message>
    <message id="shortcut.quick_zarrow">
        <source>Quick Capture</source>
        <extracomment>Name of the shortcut that starts a text capture</extracomment>
        <translation>빠른 캡처</translation>
    </message>
    <message id="shortcut.repeat_zarrow">
        <source>Repeat Capture</source>
        <extracomment>Name of the shortcut that captures the last region again</extracomment>
        <translation>캡처 반복</translation>
    </message>
    <message id="shortcut.code_mode">
        <source>Code Mode</source>
        <extracomment>Code Mode shortcut</extracomment>
        <translation>코드 모드</translation>
    </message>
    <message id="shortcut.open_history">
        <source>Open History</source>
        <extracomment>Open History shortcut</extracomment>
        <translation>기록 열기</translation>
    </message>
    <message id="shortcut.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code shortcut</extracomment>
        <translation>코드 스캔</translation>
    </message>
    <message id="notification.accessibility.repeat_mode">
        <source>Repeat mode</source>
        <extracomment>Accessibility label for repeat mode badge</extracomment>
        <translation>반복 모드</translation>
    </message>
    <message id="notification.accessibility.code_mode">
        <source>Code mode</source>
        <extracomment>Accessibility label for code mode badge</extracomment>
        <translation>코드 모드</translation>
    </message>
    <message id="notification.accessibility.scan_code_mode">
        <source>Code scan</source>
        <extracomment>Accessibility label for scan code mode</extracomment>
        <translation>코드 스캔</translation>
    </message>
    <message id="notification.accessibility.hint">
        <source>Double-click to open in history</source>
        <extracomment>Screen reader hint of the notice shown after a capture</extracomment>
        <translation>두 번 클릭하면 기록에서 엽니다</translation>
    </message>
    <message id="history.filter.all">
        <source>All</source>
        <extracomment>All time filter</extracomment>
        <translation>전체</translation>
    </message>
    <message id="history.filter.today">
        <source>Today</source>
        <extracomment>Today filter</extracomment>
        <translation>오늘</translation>
    </message>
    <message id="history.filter.week">
        <source>This Week</source>
        <extracomment>This week filter</extracomment>
        <translation>이번 주</translation>
    </message>
    <message id="history.filter.month">
        <source>This Month</source>
        <extracomment>This month filter</extracomment>
        <translation>이번 달</translation>
    </message>
    <message id="history.filter.custom">
        <source>Custom Range</source>
        <extracomment>Custom range filter</extracomment>
        <translation>사용자 지정 기간</translation>
    </message>
    <message id="export.error.pdf_creation">
        <source>Failed to create PDF document</source>
        <extracomment>PDF creation error</extracomment>
        <translation>PDF 문서를 만들지 못했습니다</translation>
    </message>
    <message id="export.error.write">
        <source>Failed to write file</source>
        <extracomment>File write error</extracomment>
        <translation>파일을 쓰지 못했습니다</translation>
    </message>
    <message id="export.format.txt">
        <source>Plain Text (.txt)</source>
        <extracomment>TXT export format</extracomment>
        <translation>일반 텍스트 (.txt)</translation>
    </message>
    <message id="export.format.markdown">
        <source>Markdown (.md)</source>
        <extracomment>Markdown export format</extracomment>
        <translation>Markdown (.md)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF Document (.pdf)</source>
        <extracomment>PDF export format</extracomment>
        <translation>PDF 문서 (.pdf)</translation>
    </message>
    <message id="export.panel.title">
        <source>Export Capture</source>
        <extracomment>Export save panel title</extracomment>
        <translation>캡처 내보내기</translation>
    </message>
    <message id="export.panel.message">
        <source>Choose where to save the exported file</source>
        <extracomment>Export save panel message</extracomment>
        <translation>내보낸 파일을 저장할 위치를 선택하세요</translation>
    </message>
    <message id="history.filter.custom_title">
        <source>Custom Date Range</source>
        <extracomment>Custom date range title</extracomment>
        <translation>사용자 지정 기간</translation>
    </message>
    <message id="history.filter.from">
        <source>From:</source>
        <extracomment>From date label</extracomment>
        <translation>시작:</translation>
    </message>
    <message id="history.filter.to">
        <source>To:</source>
        <extracomment>To date label</extracomment>
        <translation>종료:</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>취소</translation>
    </message>
    <message id="history.filter.apply">
        <source>Apply</source>
        <extracomment>Apply filter button</extracomment>
        <translation>적용</translation>
    </message>
    <message id="history.detail.dimensions">
        <source>%1 × %2 pixels</source>
        <extracomment>Capture dimensions</extracomment>
        <translation>%1 × %2 픽셀</translation>
    </message>
    <message id="history.detail.no_selection">
        <source>Select a capture to view details</source>
        <extracomment>No selection message</extracomment>
        <translation>세부 정보를 보려면 캡처를 선택하세요</translation>
    </message>
    <message id="history.detail.text_label">
        <source>Captured Text</source>
        <extracomment>Captured text label</extracomment>
        <translation>캡처한 텍스트</translation>
    </message>
    <message id="history.detail.copy">
        <source>Copy</source>
        <extracomment>Copy button</extracomment>
        <translation>복사</translation>
    </message>
    <message id="history.detail.pin">
        <source>Pin</source>
        <extracomment>Pin to Desktop button</extracomment>
        <translation>고정</translation>
    </message>
    <message id="history.detail.pin.tooltip">
        <source>Pin to desktop as floating widget</source>
        <extracomment>Pin button tooltip</extracomment>
        <translation>바탕 화면에 떠 있는 창으로 고정</translation>
    </message>
    <message id="history.detail.copy_markdown">
        <source>Copy as Markdown</source>
        <extracomment>Copy as markdown button</extracomment>
        <translation>Markdown으로 복사</translation>
    </message>
    <message id="history.detail.export">
        <source>Export as…</source>
        <extracomment>Export button</extracomment>
        <translation>내보내기…</translation>
    </message>
    <message id="history.detail.export.tooltip">
        <source>Export this capture to a file</source>
        <extracomment>Export button tooltip</extracomment>
        <translation>이 캡처를 파일로 내보내기</translation>
    </message>
    <message id="history.detail.delete">
        <source>Delete</source>
        <extracomment>Delete button</extracomment>
        <translation>삭제</translation>
    </message>
    <message id="history.detail.source_app">
        <source>From: %1</source>
        <extracomment>Source app label</extracomment>
        <translation>출처: %1</translation>
    </message>
    <message id="history.detail.character_count" numerus="yes">
        <source>%n character(s)</source>
        <extracomment>Character count</extracomment>
        <translation>
            <numerusform>%n자</numerusform>
        </translation>
    </message>
    <message id="history.empty.title">
        <source>No captures yet</source>
        <extracomment>Empty state title</extracomment>
        <translation>아직 캡처가 없습니다</translation>
    </message>
    <message id="history.empty.subtitle">
        <source>Press %1 to capture text from your screen</source>
        <extracomment>Empty state subtitle; the quick capture shortcut</extracomment>
        <translation>%1 키를 눌러 화면에서 텍스트를 캡처하세요</translation>
    </message>
    <message id="history.empty.tip_repeat">
        <source>Use %1 to repeat last capture</source>
        <extracomment>Repeat capture tip; the repeat shortcut</extracomment>
        <translation>%1 키로 마지막 캡처를 반복할 수 있습니다</translation>
    </message>
    <message id="history.empty.tip_code">
        <source>Use %1 for code mode</source>
        <extracomment>Code mode tip; the code mode shortcut</extracomment>
        <translation>%1 키로 코드 모드를 사용할 수 있습니다</translation>
    </message>
    <message id="history.filtered_empty.title">
        <source>No matching captures</source>
        <extracomment>Filtered empty state title</extracomment>
        <translation>일치하는 캡처가 없습니다</translation>
    </message>
    <message id="history.filtered_empty.clear">
        <source>Clear Filters</source>
        <extracomment>Clear filters button</extracomment>
        <translation>필터 지우기</translation>
    </message>
    <message id="history.filtered_empty.search">
        <source>No captures found matching &quot;%1&quot;</source>
        <extracomment>No search results message</extracomment>
        <translation>“%1”와(과) 일치하는 캡처가 없습니다</translation>
    </message>
    <message id="history.filtered_empty.date">
        <source>No captures found for &quot;%1&quot;</source>
        <extracomment>No date filter results message</extracomment>
        <translation>“%1”에 해당하는 캡처가 없습니다</translation>
    </message>
    <message id="history.list.title">
        <source>Captures</source>
        <extracomment>List title</extracomment>
        <translation>캡처</translation>
    </message>
    <message id="history.search.placeholder">
        <source>Search captures…</source>
        <extracomment>Search placeholder</extracomment>
        <translation>캡처 검색…</translation>
    </message>
    <message id="history.search.clear_all">
        <source>Clear All</source>
        <extracomment>Clear all button</extracomment>
        <translation>모두 지우기</translation>
    </message>
    <message id="history.filter.custom_range">
        <source>%1 to %2</source>
        <extracomment>Custom date range display</extracomment>
        <translation>%1 ~ %2</translation>
    </message>
    <message id="error.history_store.storage_access">
        <source>Failed to access history storage: %1</source>
        <extracomment>Error when storage access fails</extracomment>
        <translation>기록 저장소에 접근하지 못했습니다: %1</translation>
    </message>
    <message id="error.history_store.corrupted">
        <source>History file is corrupted: %1</source>
        <extracomment>Error when history file is corrupted</extracomment>
        <translation>기록 파일이 손상되었습니다: %1</translation>
    </message>
    <message id="error.history_store.not_found">
        <source>History entry not found: %1</source>
        <extracomment>Error when entry is not found</extracomment>
        <translation>기록 항목을 찾을 수 없습니다: %1</translation>
    </message>
    <message id="error.history_store.thumbnail">
        <source>Failed to generate thumbnail: %1</source>
        <extracomment>Error when thumbnail generation fails</extracomment>
        <translation>미리 보기 이미지를 만들지 못했습니다: %1</translation>
    </message>
    <message id="error.history_store.invalid_max">
        <source>Invalid max entries value: %1. Must be between 1 and 1000.</source>
        <extracomment>Error when max entries value is invalid</extracomment>
        <translation>최대 항목 수 값이 잘못되었습니다: %1. 1에서 1000 사이여야 합니다.</translation>
    </message>
    <message id="error.history_store.disk_full">
        <source>Not enough disk space to save history entry.</source>
        <extracomment>Error when disk is full</extracomment>
        <translation>디스크 공간이 부족하여 기록 항목을 저장할 수 없습니다.</translation>
    </message>
    <message id="history.loading">
        <source>Loading captures…</source>
        <extracomment>Loading message</extracomment>
        <translation>캡처를 불러오는 중…</translation>
    </message>
    <message id="history.delete.title">
        <source>Delete Capture?</source>
        <extracomment>Delete confirmation title</extracomment>
        <translation>캡처를 삭제할까요?</translation>
    </message>
    <message id="history.delete.message">
        <source>This action cannot be undone.</source>
        <extracomment>Delete confirmation message</extracomment>
        <translation>이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message id="history.delete.confirm">
        <source>Delete</source>
        <extracomment>Delete confirmation button</extracomment>
        <translation>삭제</translation>
    </message>
    <message id="history.clear_all.title">
        <source>Clear All History?</source>
        <extracomment>Clear all confirmation title</extracomment>
        <translation>모든 기록을 지울까요?</translation>
    </message>
    <message id="history.clear_all.message">
        <source>This will permanently delete all captures. This action cannot be undone.</source>
        <extracomment>Clear all confirmation message</extracomment>
        <translation>모든 캡처가 영구적으로 삭제됩니다. 이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message id="history.clear_all.confirm">
        <source>Clear All</source>
        <extracomment>Clear all confirmation button</extracomment>
        <translation>모두 지우기</translation>
    </message>
    <message id="history.error.title">
        <source>Error</source>
        <extracomment>Error alert title</extracomment>
        <translation>오류</translation>
    </message>
    <message id="history.stats.filtered" numerus="yes">
        <source>%1 of %n capture(s)</source>
        <extracomment>Filtered captures count: %1 shown of %n in all</extracomment>
        <translation>
            <numerusform>캡처 %n개 중 %1개</numerusform>
        </translation>
    </message>
    <message id="history.stats.total" numerus="yes">
        <source>%n capture(s)</source>
        <extracomment>Total captures count</extracomment>
        <translation>
            <numerusform>캡처 %n개</numerusform>
        </translation>
    </message>
    <message id="pin_widget.image.accessibility">
        <source>Captured screenshot</source>
        <extracomment>Accessibility label for pinned image</extracomment>
        <translation>캡처한 스크린샷</translation>
    </message>
    <message id="pin_widget.image.no_image">
        <source>No image available</source>
        <extracomment>Placeholder when no image</extracomment>
        <translation>사용할 수 있는 이미지가 없습니다</translation>
    </message>
    <message id="pin_widget.text.accessibility">
        <source>Captured text editor</source>
        <extracomment>Accessibility label for text editor</extracomment>
        <translation>캡처한 텍스트 편집기</translation>
    </message>
    <message id="pin_widget.replace_confirmation.title">
        <source>Replace Pin?</source>
        <extracomment>Title for replace pin confirmation</extracomment>
        <translation>고정 창을 바꿀까요?</translation>
    </message>
    <message id="pin_widget.replace_confirmation.message">
        <source>The current pin has unsaved edits. Replace it with the new capture?</source>
        <extracomment>Message for replace pin confirmation</extracomment>
        <translation>현재 고정 창에 저장하지 않은 편집 내용이 있습니다. 새 캡처로 바꿀까요?</translation>
    </message>
    <message id="pin_widget.replace_confirmation.replace">
        <source>Replace</source>
        <extracomment>Replace button</extracomment>
        <translation>바꾸기</translation>
    </message>
    <message id="pin_widget.replace_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>취소</translation>
    </message>
    <message id="pin_widget.close_confirmation.title">
        <source>Unsaved Edits</source>
        <extracomment>Title for close pin confirmation</extracomment>
        <translation>저장하지 않은 편집 내용</translation>
    </message>
    <message id="pin_widget.close_confirmation.message">
        <source>The pin has unsaved text edits. What would you like to do?</source>
        <extracomment>Message for close pin confirmation</extracomment>
        <translation>고정 창에 저장하지 않은 텍스트 편집 내용이 있습니다. 어떻게 할까요?</translation>
    </message>
    <message id="pin_widget.close_confirmation.save_clipboard">
        <source>Save to Clipboard</source>
        <extracomment>Save to clipboard button</extracomment>
        <translation>클립보드에 저장</translation>
    </message>
    <message id="pin_widget.close_confirmation.discard">
        <source>Discard</source>
        <extracomment>Discard button</extracomment>
        <translation>버리기</translation>
    </message>
    <message id="pin_widget.close_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>취소</translation>
    </message>
    <message id="pin_widget.clipboard_failed.title">
        <source>Text Not Copied</source>
        <extracomment>Title when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>텍스트가 복사되지 않음</translation>
    </message>
    <message id="pin_widget.clipboard_failed.message">
        <source>The clipboard did not take the pin&apos;s text, so the pin stays open with your edits. Try again, or copy the text from the pin.</source>
        <extracomment>Message when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>클립보드에 고정 창의 텍스트를 넣지 못해 편집 내용이 있는 고정 창을 열어 둡니다. 다시 시도하거나 고정 창에서 직접 텍스트를 복사하세요.</translation>
    </message>
    <message id="pin_widget.clipboard_failed.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>확인</translation>
    </message>
    <message id="pin_widget.toolbar.opacity_hint">
        <source>Cycle opacity (30%/60%/100%)</source>
        <translation>불투명도 전환 (30%/60%/100%)</translation>
    </message>
    <message id="pin_widget.toolbar.close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_text">
        <source>Switch to Text</source>
        <translation>텍스트로 전환</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_image">
        <source>Switch to Image</source>
        <translation>이미지로 전환</translation>
    </message>
    <message id="pin_widget.toolbar.unpin">
        <source>Unpin (allow window to go behind)</source>
        <translation>고정 해제 (다른 창 뒤로 갈 수 있음)</translation>
    </message>
    <message id="pin_widget.toolbar.pin">
        <source>Pin (keep on top)</source>
        <translation>고정 (항상 위에 표시)</translation>
    </message>
    <message id="relative_time.seconds" numerus="yes">
        <source>%n sec.</source>
        <extracomment>Seconds, short</extracomment>
        <translation>
            <numerusform>%n초</numerusform>
        </translation>
    </message>
    <message id="relative_time.minutes" numerus="yes">
        <source>%n min.</source>
        <extracomment>Minutes, short</extracomment>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message id="relative_time.hours" numerus="yes">
        <source>%n hr.</source>
        <extracomment>Hours, short</extracomment>
        <translation>
            <numerusform>%n시간</numerusform>
        </translation>
    </message>
    <message id="relative_time.days" numerus="yes">
        <source>%n days</source>
        <extracomment>Days</extracomment>
        <translation>
            <numerusform>%n일</numerusform>
        </translation>
    </message>
    <message id="relative_time.weeks" numerus="yes">
        <source>%n wk.</source>
        <extracomment>Weeks, short</extracomment>
        <translation>
            <numerusform>%n주</numerusform>
        </translation>
    </message>
    <message id="relative_time.months" numerus="yes">
        <source>%n mo.</source>
        <extracomment>Months, short</extracomment>
        <translation>
            <numerusform>%n개월</numerusform>
        </translation>
    </message>
    <message id="relative_time.years" numerus="yes">
        <source>%n yr.</source>
        <extracomment>Years, short</extracomment>
        <translation>
            <numerusform>%n년</numerusform>
        </translation>
    </message>
    <message id="relative_time.past">
        <source>%1 ago</source>
        <extracomment>Time before now</extracomment>
        <translation>%1 전</translation>
    </message>
    <message id="relative_time.future">
        <source>in %1</source>
        <extracomment>Time after now</extracomment>
        <translation>%1 후</translation>
    </message>
    <message id="about.app_name">
        <source>Quorvane</source>
        <extracomment>The program name in the About window (usually kept as is)</extracomment>
        <translation>Quorvane</translation>
    </message>
    <message id="about.subtitle">
        <source>Screen Text Capture</source>
        <extracomment>Subtitle under the program name in the About window</extracomment>
        <translation>화면 텍스트 캡처</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <extracomment>Version line in the About window: %1 version number</extracomment>
        <translation>버전 %1</translation>
    </message>
    <message id="about.description">
        <source>Capture text from anywhere on your screen using OCR.</source>
        <extracomment>One-sentence description in the About window</extracomment>
        <translation>OCR로 화면 어디에서나 텍스트를 캡처합니다.</translation>
    </message>
    <message id="about.legal_notice">
        <source>© 2025 Corvantis. Licence: GPL-3.0-or-later</source>
        <extracomment>Copyright and licence line in the About window; GPL-3.0-or-later is the licence&apos;s identifier and stays as is</extracomment>
        <translation>© 2025 Corvantis. 라이선스: GPL-3.0-or-later</translation>
    </message>
    <message id="about.privacy_policy">
        <source>Privacy Policy</source>
        <extracomment>Link in the About window</extracomment>
        <translation>개인정보 처리방침</translation>
    </message>
    <message id="about.terms_of_service">
        <source>Terms of Service</source>
        <extracomment>Link in the About window</extracomment>
        <translation>서비스 약관</translation>
    </message>
    <message id="about.window.title">
        <source>About Quorvane</source>
        <extracomment>Title of the About window</extracomment>
        <translation>Quorvane 정보</translation>
    </message>
    <message id="preferences.shortcuts.copy_command">
        <source>Copy</source>
        <extracomment>Button that copies a shortcut command</extracomment>
        <translation>복사</translation>
    </message>
    <message id="preferences.shortcuts.desktop_unavailable">
        <source>Your desktop does not let programs take global shortcuts. In its keyboard settings, add a custom shortcut for each command you want:</source>
        <extracomment>Shortcuts pane note when the desktop offers no global shortcuts</extracomment>
        <translation>사용 중인 데스크톱에서는 프로그램이 전역 단축키를 등록할 수 없습니다. 데스크톱의 키보드 설정에서 원하는 명령마다 사용자 지정 단축키를 추가하세요:</translation>
    </message>
    <message id="preferences.shortcuts.desktop_owned">
        <source>Your desktop keeps these shortcuts: it may ask you to confirm them, and you can change them in its keyboard settings. It reports:</source>
        <extracomment>Shortcuts pane note when the desktop holds the global shortcuts</extracomment>
        <translation>이 단축키는 데스크톱에서 관리합니다. 확인을 요청할 수 있으며, 데스크톱의 키보드 설정에서 변경할 수 있습니다. 데스크톱에서 보고한 내용:</translation>
    </message>
    <message id="preferences.shortcuts.not_bound">
        <source>Not bound yet</source>
        <extracomment>A global shortcut the desktop has not bound</extracomment>
        <translation>아직 지정되지 않음</translation>
    </message>
    <message id="feedback.title">
        <source>Send Feedback</source>
        <extracomment>Heading of the Feedback window</extracomment>
        <translation>피드백 보내기</translation>
    </message>
    <message id="feedback.subtitle">
        <source>We&apos;d love to hear from you!</source>
        <extracomment>Subtitle of the Feedback window</extracomment>
        <translation>여러분의 의견을 기다립니다!</translation>
    </message>
    <message id="feedback.email">
        <source>Email</source>
        <extracomment>Section label for the support e-mail address</extracomment>
        <translation>이메일</translation>
    </message>
    <message id="feedback.email.open_tooltip">
        <source>Click to open email client</source>
        <extracomment>Tooltip of the e-mail address button</extracomment>
        <translation>클릭하여 이메일 클라이언트 열기</translation>
    </message>
    <message id="feedback.email.copy_tooltip">
        <source>Copy email address</source>
        <extracomment>Tooltip of the copy button beside the e-mail address</extracomment>
        <translation>이메일 주소 복사</translation>
    </message>
    <message id="feedback.twitter">
        <source>X / Twitter</source>
        <extracomment>Section label for the social profile (brand name, usually kept)</extracomment>
        <translation>X / Twitter</translation>
    </message>
    <message id="feedback.twitter.open_tooltip">
        <source>Click to open Twitter profile</source>
        <extracomment>Tooltip of the social profile button</extracomment>
        <translation>클릭하여 Twitter 프로필 열기</translation>
    </message>
    <message id="feedback.close">
        <source>Close</source>
        <extracomment>Button that closes the Feedback window</extracomment>
        <translation>닫기</translation>
    </message>
    <message id="feedback.alert.browser.title">
        <source>Browser Cannot Handle Email</source>
        <extracomment>Alert title when e-mail links open in a web browser</extracomment>
        <translation>브라우저에서 이메일을 처리할 수 없음</translation>
    </message>
    <message id="feedback.alert.browser.message">
        <source>Your system is configured to open email links with a web browser, which cannot handle them properly.

Please either:
• Use the Copy button (📋) to copy the email address
• Configure an email application as your default email handler in your desktop&apos;s settings

Email: %1</source>
        <extracomment>Alert when e-mail links open in a web browser; %1 is the support address</extracomment>
        <translation>시스템이 이메일 링크를 웹 브라우저로 열도록 설정되어 있으나, 브라우저에서는 이메일 링크를 제대로 처리할 수 없습니다.

다음 중 하나를 선택하세요.
• 복사 버튼(📋)을 사용하여 이메일 주소 복사
• 데스크톱 설정에서 이메일 앱을 기본 이메일 처리기로 지정

이메일: %1</translation>
    </message>
    <message id="feedback.alert.error">
        <source>Error</source>
        <extracomment>Title of an error alert in the Feedback window</extracomment>
        <translation>오류</translation>
    </message>
    <message id="feedback.alert.mail_link_failed">
        <source>Failed to create email URL</source>
        <extracomment>The e-mail link could not be made</extracomment>
        <translation>이메일 URL을 만들지 못했습니다</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.title">
        <source>Cannot Open Mail</source>
        <extracomment>Alert title when no e-mail program opened</extracomment>
        <translation>메일을 열 수 없음</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.message">
        <source>Please ensure you have a default email app configured in your desktop&apos;s settings.

You can use the Copy button (📋) to copy: %1</source>
        <extracomment>Alert when no e-mail program opened; %1 is the support address</extracomment>
        <translation>데스크톱 설정에 기본 이메일 앱이 지정되어 있는지 확인하세요.

복사 버튼(📋)을 사용하여 복사할 수 있습니다: %1</translation>
    </message>
    <message id="feedback.alert.copied.title">
        <source>Email Copied</source>
        <extracomment>Alert title after the support address was copied</extracomment>
        <translation>이메일 주소 복사됨</translation>
    </message>
    <message id="feedback.alert.copied.message">
        <source>Email address copied to clipboard:

%1</source>
        <extracomment>Alert after the support address was copied; %1 is the address</extracomment>
        <translation>이메일 주소가 클립보드에 복사되었습니다.

%1</translation>
    </message>
    <message id="feedback.alert.twitter_link_failed">
        <source>Failed to open Twitter URL</source>
        <extracomment>The social profile link could not be made</extracomment>
        <translation>Twitter URL을 열지 못했습니다</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.title">
        <source>Cannot Open Twitter</source>
        <extracomment>Alert title when the social profile did not open</extracomment>
        <translation>Twitter를 열 수 없음</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.message">
        <source>Please visit: %1</source>
        <extracomment>Alert when the social profile did not open; %1 is its address</extracomment>
        <translation>다음 주소를 방문하세요: %1</translation>
    </message>
    <message id="preferences.general.launch_at_login">
        <source>Launch at login</source>
        <extracomment>Launch at login toggle</extracomment>
        <translation>로그인할 때 실행</translation>
    </message>
    <message id="preferences.general.launch_at_login.description">
        <source>Automatically start Quorvane when you log in</source>
        <extracomment>Launch at login description</extracomment>
        <translation>로그인할 때 Quorvane을 자동으로 시작합니다</translation>
    </message>
    <message id="preferences.general.show_dock_icon">
        <source>Show pins in the taskbar</source>
        <extracomment>Switch that lists pinned captures in the taskbar</extracomment>
        <translation>작업 표시줄에 고정 창 표시</translation>
    </message>
    <message id="preferences.general.show_dock_icon.description">
        <source>List pinned captures in the taskbar and window switcher. Windows you open are always listed</source>
        <extracomment>Description of the switch that lists pinned captures in the taskbar</extracomment>
        <translation>고정한 캡처를 작업 표시줄과 창 전환기에 표시합니다. 직접 연 창은 항상 표시됩니다</translation>
    </message>
    <message id="preferences.general.play_sound">
        <source>Play sound on capture</source>
        <extracomment>Play sound toggle</extracomment>
        <translation>캡처할 때 소리 재생</translation>
    </message>
    <message id="preferences.general.play_sound.description">
        <source>Play a confirmation sound when text is successfully captured</source>
        <extracomment>Play sound description</extracomment>
        <translation>텍스트를 성공적으로 캡처하면 확인음을 재생합니다</translation>
    </message>
    <message id="preferences.general.use_system_notifications">
        <source>Use system notifications</source>
        <extracomment>Use system notifications toggle</extracomment>
        <translation>시스템 알림 사용</translation>
    </message>
    <message id="preferences.general.use_system_notifications.description">
        <source>Announce each result with a desktop notification as well as the toast overlay</source>
        <extracomment>Use system notifications description</extracomment>
        <translation>화면 알림 팝업과 함께 데스크톱 알림으로도 각 결과를 알려 줍니다</translation>
    </message>
    <message id="preferences.general.show_pin_widget">
        <source>Show pin widget after capture</source>
        <extracomment>Show pin widget toggle</extracomment>
        <translation>캡처 후 고정 창 표시</translation>
    </message>
    <message id="preferences.general.show_pin_widget.description">
        <source>Automatically display a floating widget with the captured content after each OCR capture</source>
        <extracomment>Show pin widget description</extracomment>
        <translation>OCR 캡처 후마다 캡처한 내용이 담긴 떠 있는 창을 자동으로 표시합니다</translation>
    </message>
    <message id="preferences.general.app_language">
        <source>App Language</source>
        <extracomment>App language picker label</extracomment>
        <translation>앱 언어</translation>
    </message>
    <message id="preferences.general.app_language.description">
        <source>Select the display language for Quorvane interface</source>
        <extracomment>App language description</extracomment>
        <translation>Quorvane 인터페이스에 표시할 언어를 선택합니다</translation>
    </message>
    <message id="preferences.history.header">
        <source>Configure capture history storage and management</source>
        <extracomment>History header</extracomment>
        <translation>캡처 기록의 저장 및 관리를 설정합니다</translation>
    </message>
    <message id="preferences.history.max_entries">
        <source>Maximum history entries</source>
        <extracomment>Max history entries label</extracomment>
        <translation>최대 기록 항목 수</translation>
    </message>
    <message id="preferences.history.auto_eviction">
        <source>Oldest entries are automatically removed when this limit is reached</source>
        <extracomment>Auto eviction description</extracomment>
        <translation>이 한도에 도달하면 가장 오래된 항목부터 자동으로 삭제됩니다</translation>
    </message>
    <message id="preferences.history.current_stats">
        <source>Current History</source>
        <extracomment>Current stats label</extracomment>
        <translation>현재 기록</translation>
    </message>
    <message id="preferences.history.clear_history">
        <source>Clear History</source>
        <extracomment>Clear history section label</extracomment>
        <translation>기록 지우기</translation>
    </message>
    <message id="preferences.history.clear_history.description">
        <source>Permanently delete all capture history entries. This action cannot be undone</source>
        <extracomment>Clear history description</extracomment>
        <translation>모든 캡처 기록 항목을 영구적으로 삭제합니다. 이 작업은 되돌릴 수 없습니다</translation>
    </message>
    <message id="preferences.history.clear_all_button">
        <source>Clear All History…</source>
        <extracomment>Clear all history button</extracomment>
        <translation>모든 기록 지우기…</translation>
    </message>
    <message id="preferences.history.trim_confirmation.title">
        <source>Delete Older Captures?</source>
        <extracomment>Title when a lower maximum would delete captures</extracomment>
        <translation>오래된 캡처를 삭제할까요?</translation>
    </message>
    <message id="preferences.history.trim_confirmation.message" numerus="yes">
        <source>Keeping at most %n captures permanently deletes the %1 oldest. This action cannot be undone.</source>
        <extracomment>Message when a lower maximum would delete captures: %n the new maximum, %1 how many go</extracomment>
        <translation>
            <numerusform>캡처를 최대 %n개까지만 보관하면 가장 오래된 캡처 %1개가 영구적으로 삭제됩니다. 이 작업은 되돌릴 수 없습니다.</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.button" numerus="yes">
        <source>Delete %n Captures</source>
        <extracomment>Button that lowers the maximum and deletes captures</extracomment>
        <translation>
            <numerusform>캡처 %n개 삭제</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>취소</translation>
    </message>
    <message id="preferences.history.clear_confirmation.title">
        <source>Clear All History?</source>
        <extracomment>Clear confirmation title</extracomment>
        <translation>모든 기록을 지울까요?</translation>
    </message>
    <message id="preferences.history.clear_confirmation.message">
        <source>This will permanently delete all capture history entries. This action cannot be undone.</source>
        <extracomment>Clear confirmation message</extracomment>
        <translation>모든 캡처 기록 항목이 영구적으로 삭제됩니다. 이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message id="preferences.history.clear_confirmation.button" numerus="yes">
        <source>Delete %n Entries</source>
        <extracomment>Delete entries button</extracomment>
        <translation>
            <numerusform>항목 %n개 삭제</numerusform>
        </translation>
    </message>
    <message id="preferences.history.clear_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>취소</translation>
    </message>
    <message id="preferences.history.estimated_storage">
        <source>Estimated storage: %1</source>
        <extracomment>Estimated storage label</extracomment>
        <translation>예상 저장 용량: %1</translation>
    </message>
    <message id="preferences.history.entry_count" numerus="yes">
        <source>%n entries stored</source>
        <extracomment>Entry count label</extracomment>
        <translation>
            <numerusform>항목 %n개 저장됨</numerusform>
        </translation>
    </message>
    <message id="preferences.history.space_usage">
        <source>Using %1% of maximum capacity</source>
        <extracomment>Space usage label</extracomment>
        <translation>최대 용량의 %1% 사용 중</translation>
    </message>
    <message id="preferences.languages.priority_badge">
        <source>#%1</source>
        <extracomment>Badge with the priority number of a recognition language</extracomment>
        <translation>#%1</translation>
    </message>
    <message id="preferences.languages.header">
        <source>Configure which languages Quorvane should recognize in captured text</source>
        <extracomment>Languages header</extracomment>
        <translation>캡처한 텍스트에서 Quorvane이 인식할 언어를 설정합니다</translation>
    </message>
    <message id="preferences.languages.auto_detect">
        <source>Auto-detect language (recommended)</source>
        <extracomment>Auto-detect language toggle</extracomment>
        <translation>언어 자동 감지 (권장)</translation>
    </message>
    <message id="preferences.languages.auto_detect.description">
        <source>Automatically detect the language based on system locale and text content. For best results, enable this option</source>
        <extracomment>Auto-detect description</extracomment>
        <translation>시스템 로캘과 텍스트 내용을 바탕으로 언어를 자동으로 감지합니다. 최상의 결과를 얻으려면 이 옵션을 켜세요</translation>
    </message>
    <message id="preferences.languages.preferred_languages">
        <source>Preferred Languages (drag to reorder priority)</source>
        <extracomment>Preferred languages label</extracomment>
        <translation>선호 언어 (드래그하여 우선순위 변경)</translation>
    </message>
    <message id="preferences.languages.select_all">
        <source>Select All</source>
        <extracomment>Select all button</extracomment>
        <translation>모두 선택</translation>
    </message>
    <message id="preferences.languages.deselect_all">
        <source>Deselect All</source>
        <extracomment>Deselect all button</extracomment>
        <translation>모두 선택 해제</translation>
    </message>
    <message id="preferences.languages.selection_count" numerus="yes">
        <source>%n language(s) selected</source>
        <extracomment>Language selection count</extracomment>
        <translation>
            <numerusform>%n개 언어 선택됨</numerusform>
        </translation>
    </message>
    <message id="preferences.languages.none_chosen.automatic">
        <source>Choose at least one language; until then languages are chosen automatically</source>
        <extracomment>Notice while no language is ticked and detection stays on</extracomment>
        <translation>언어를 하나 이상 선택하세요. 선택하기 전까지는 언어가 자동으로 선택됩니다</translation>
    </message>
    <message id="preferences.languages.none_chosen.stored">
        <source>Choose at least one language; until then recognition keeps using %1</source>
        <extracomment>Notice while no language is ticked and the stored languages stay in use</extracomment>
        <translation>언어를 하나 이상 선택하세요. 선택하기 전까지는 계속 %1(으)로 인식합니다</translation>
    </message>
    <message id="onboarding.skip">
        <source>Skip</source>
        <extracomment>Skip onboarding button</extracomment>
        <translation>건너뛰기</translation>
    </message>
    <message id="onboarding.next">
        <source>Next</source>
        <extracomment>Next page button</extracomment>
        <translation>다음</translation>
    </message>
    <message id="onboarding.permissions.granted">
        <source>Granted</source>
        <extracomment>Status shown beside a permission that is granted</extracomment>
        <translation>허용됨</translation>
    </message>
    <message id="onboarding.permissions.grant">
        <source>Grant</source>
        <extracomment>Button that asks for a permission</extracomment>
        <translation>허용</translation>
    </message>
    <message id="onboarding.permissions.title">
        <source>Permissions Required</source>
        <extracomment>Permissions page title</extracomment>
        <translation>권한 필요</translation>
    </message>
    <message id="onboarding.permissions.subtitle">
        <source>Quorvane needs your permission to work</source>
        <extracomment>Permissions page subtitle</extracomment>
        <translation>Quorvane이 작동하려면 권한이 필요합니다</translation>
    </message>
    <message id="onboarding.permissions.explanation">
        <source>To capture text from your screen, Quorvane needs access to it. This allows the app to see what&apos;s on your screen when you activate it. All processing happens locally on your device.</source>
        <extracomment>Permissions explanation</extracomment>
        <translation>화면에서 텍스트를 캡처하려면 Quorvane에 화면 접근 권한이 필요합니다. 이 권한이 있으면 앱을 실행했을 때 화면에 있는 내용을 볼 수 있습니다. 모든 처리는 기기에서 로컬로 이루어집니다.</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.title">
        <source>Screen Access</source>
        <extracomment>Title of the screen access permission</extracomment>
        <translation>화면 접근</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.description">
        <source>Allows Quorvane to capture text from selected screen regions</source>
        <extracomment>Screen Recording permission description</extracomment>
        <translation>Quorvane이 선택한 화면 영역에서 텍스트를 캡처할 수 있도록 허용합니다</translation>
    </message>
    <message id="onboarding.permissions.accessibility.title">
        <source>Global Shortcuts (Optional)</source>
        <extracomment>Title of the global shortcuts permission</extracomment>
        <translation>전역 단축키 (선택 사항)</translation>
    </message>
    <message id="onboarding.permissions.accessibility.description">
        <source>Enables global keyboard shortcuts for quick capture</source>
        <extracomment>Accessibility permission description</extracomment>
        <translation>빠른 캡처를 위한 전역 키보드 단축키를 사용할 수 있게 합니다</translation>
    </message>
    <message id="onboarding.permissions.instructions">
        <source>Click the Grant button next to each permission to open your desktop&apos;s privacy settings. This page will automatically detect when you grant permissions.</source>
        <extracomment>Permission instructions</extracomment>
        <translation>각 권한 옆의 ‘허용’ 버튼을 클릭하면 데스크톱의 개인 정보 설정이 열립니다. 권한을 허용하면 이 페이지에서 자동으로 감지합니다.</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <extracomment>General preferences tab</extracomment>
        <translation>일반</translation>
    </message>
    <message id="preferences.tab.shortcuts">
        <source>Shortcuts</source>
        <extracomment>Shortcuts preferences tab</extracomment>
        <translation>단축키</translation>
    </message>
    <message id="preferences.tab.text_formatting">
        <source>Text &amp; Formatting</source>
        <extracomment>Text formatting preferences tab</extracomment>
        <translation>텍스트 및 서식</translation>
    </message>
    <message id="preferences.tab.languages">
        <source>Languages</source>
        <extracomment>Languages preferences tab</extracomment>
        <translation>언어</translation>
    </message>
    <message id="preferences.tab.history">
        <source>History</source>
        <extracomment>History preferences tab</extracomment>
        <translation>기록</translation>
    </message>
    <message id="preferences.shortcuts.recording">
        <source>Press keys… (ESC to cancel)</source>
        <extracomment>Recording shortcut message</extracomment>
        <translation>키를 누르세요… (취소하려면 Esc)</translation>
    </message>
    <message id="preferences.shortcuts.error.system_reserved">
        <source>This shortcut is reserved by the system</source>
        <extracomment>System reserved shortcut error</extracomment>
        <translation>이 단축키는 시스템에서 예약되어 있습니다</translation>
    </message>
    <message id="preferences.shortcuts.error.conflict">
        <source>This shortcut conflicts with another action</source>
        <extracomment>Shortcut conflict error</extracomment>
        <translation>이 단축키는 다른 동작과 충돌합니다</translation>
    </message>
    <message id="preferences.shortcuts.error.taken">
        <source>This shortcut is already used by another program</source>
        <extracomment>Shortcut held by another program error</extracomment>
        <translation>이 단축키는 다른 프로그램에서 이미 사용 중입니다</translation>
    </message>
    <message id="preferences.shortcuts.error.invalid">
        <source>Current shortcut is invalid</source>
        <extracomment>Invalid shortcut error</extracomment>
        <translation>현재 단축키가 올바르지 않습니다</translation>
    </message>
    <message id="preferences.shortcuts.header">
        <source>Configure global keyboard shortcuts for Quorvane actions</source>
        <extracomment>Shortcuts header</extracomment>
        <translation>Quorvane 동작에 사용할 전역 키보드 단축키를 설정합니다</translation>
    </message>
    <message id="preferences.shortcuts.quick_zarrow.description">
        <source>Activate screen capture overlay and select region</source>
        <extracomment>Quick capture shortcut description</extracomment>
        <translation>화면 캡처 오버레이를 띄우고 영역을 선택합니다</translation>
    </message>
    <message id="preferences.shortcuts.repeat_zarrow.description">
        <source>Capture the same region as last time without showing overlay</source>
        <extracomment>Repeat capture shortcut description</extracomment>
        <translation>오버레이 없이 지난번과 같은 영역을 캡처합니다</translation>
    </message>
    <message id="preferences.shortcuts.code_mode.description">
        <source>Capture text in code mode (preserves formatting)</source>
        <extracomment>Code mode shortcut description</extracomment>
        <translation>코드 모드로 텍스트를 캡처합니다 (서식 유지)</translation>
    </message>
    <message id="preferences.shortcuts.scan_code.description">
        <source>Scan QR codes and barcodes from the screen</source>
        <extracomment>Scan Code shortcut description</extracomment>
        <translation>화면에서 QR 코드와 바코드를 스캔합니다</translation>
    </message>
    <message id="preferences.shortcuts.open_history.description">
        <source>Open capture history window</source>
        <extracomment>History shortcut description</extracomment>
        <translation>캡처 기록 창을 엽니다</translation>
    </message>
    <message id="preferences.shortcuts.reset">
        <source>Reset to Defaults</source>
        <extracomment>Reset shortcuts button</extracomment>
        <translation>기본값으로 재설정</translation>
    </message>
    <message id="preferences.text_formatting.header">
        <source>Configure how captured text is processed before copying to clipboard</source>
        <extracomment>Text formatting header</extracomment>
        <translation>캡처한 텍스트를 클립보드에 복사하기 전에 처리하는 방식을 설정합니다</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks">
        <source>Preserve original line breaks</source>
        <extracomment>Preserve line breaks toggle</extracomment>
        <translation>원래 줄 바꿈 유지</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks.description">
        <source>Keep line breaks as they appear in the original text. When disabled, paragraphs are merged into continuous lines</source>
        <extracomment>Preserve line breaks description</extracomment>
        <translation>원본 텍스트의 줄 바꿈을 그대로 유지합니다. 끄면 문단이 이어진 줄로 합쳐집니다</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes">
        <source>Avoid smart quotes (convert to ASCII)</source>
        <extracomment>Avoid smart quotes toggle</extracomment>
        <translation>스마트 따옴표 사용 안 함 (ASCII로 변환)</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes.description">
        <source>Convert typographic quotes (“”) to plain ASCII quotes (&quot;&quot;). Also converts em-dashes (—) and ellipses (…) to ASCII equivalents</source>
        <extracomment>Avoid smart quotes description</extracomment>
        <translation>인쇄용 따옴표(“”)를 일반 ASCII 따옴표(&quot;&quot;)로 변환합니다. 긴 대시(—)와 말줄임표(…)도 해당 ASCII 문자로 변환합니다</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces">
        <source>Collapse multiple spaces into one</source>
        <extracomment>Collapse spaces toggle</extracomment>
        <translation>여러 개의 공백을 하나로 합치기</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces.description">
        <source>Replace consecutive spaces with a single space. Helps clean up OCR results</source>
        <extracomment>Collapse spaces description</extracomment>
        <translation>연속된 공백을 공백 하나로 바꿉니다. OCR 결과를 깔끔하게 정리하는 데 도움이 됩니다</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.title">
        <source>Code Mode Exception</source>
        <extracomment>Code mode note title</extracomment>
        <translation>코드 모드 예외</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.description">
        <source>These settings do not apply to Code Mode captures. Code Mode preserves all original formatting, including spaces, line breaks, and special characters</source>
        <extracomment>Code mode note description</extracomment>
        <translation>이 설정은 코드 모드 캡처에는 적용되지 않습니다. 코드 모드는 공백, 줄 바꿈, 특수 문자를 포함한 원래 서식을 모두 유지합니다</translation>
    </message>
    <message id="onboarding.welcome.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Welcome page title</extracomment>
        <translation>Quorvane에 오신 것을 환영합니다</translation>
    </message>
    <message id="onboarding.welcome.subtitle">
        <source>Capture text from anywhere on your screen</source>
        <extracomment>Welcome page subtitle</extracomment>
        <translation>화면 어디에서나 텍스트 캡처</translation>
    </message>
    <message id="onboarding.welcome.description">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Just press the keyboard shortcut, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description</extracomment>
        <translation>Quorvane을 사용하면 이미지, 동영상, PDF 등 화면의 모든 콘텐츠에서 손쉽게 텍스트를 추출할 수 있습니다. 키보드 단축키를 누르고 드래그하여 선택하기만 하면 텍스트가 즉시 클립보드에 복사됩니다.</translation>
    </message>
    <message id="onboarding.welcome.feature1.title">
        <source>Quick Capture</source>
        <extracomment>Feature 1 title</extracomment>
        <translation>빠른 캡처</translation>
    </message>
    <message id="onboarding.welcome.feature2.title">
        <source>Multi-Language Support</source>
        <extracomment>Feature 2 title</extracomment>
        <translation>다국어 지원</translation>
    </message>
    <message id="onboarding.welcome.feature2.description">
        <source>Recognizes text in 20+ languages</source>
        <extracomment>Feature 2 description</extracomment>
        <translation>20개 이상의 언어로 된 텍스트 인식</translation>
    </message>
    <message id="onboarding.welcome.feature3.title">
        <source>Privacy First</source>
        <extracomment>Feature 3 title</extracomment>
        <translation>개인 정보 보호 우선</translation>
    </message>
    <message id="onboarding.welcome.feature3.description">
        <source>All processing happens on your device</source>
        <extracomment>Feature 3 description</extracomment>
        <translation>모든 처리는 기기에서 이루어집니다</translation>
    </message>
    <message id="onboarding.welcome.feature1.description">
        <source>Press %1 to capture text instantly</source>
        <extracomment>Feature 1 description; the quick capture shortcut</extracomment>
        <translation>%1 키를 눌러 즉시 텍스트 캡처</translation>
    </message>
    <message id="error.import.unreadable_clipboard">
        <source>The image on the clipboard could not be read</source>
        <extracomment>Error when the clipboard offers no image that can be decoded</extracomment>
        <translation>클립보드의 이미지를 읽을 수 없습니다</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn any region of the screen into text, scan barcodes and keep a capture history</source>
        <extracomment>Comment of the desktop entry (a menu&apos;s tooltip): what the program does, one sentence</extracomment>
        <translation>화면의 원하는 영역을 텍스트로 바꾸고, 바코드를 읽고, 캡처 기록을 보관합니다</translation>
    </message>
    <message id="desktop.keywords">
        <source>OCR;text;screenshot;capture;barcode;QR;clipboard;</source>
        <extracomment>Search words of the desktop entry: words users type to find the program, each followed by a semicolon</extracomment>
        <translation>OCR;텍스트;스크린샷;캡처;바코드;QR;클립보드;</translation>
    </message>
    <message id="desktop.action.repeat">
        <source>Repeat Last Capture</source>
        <extracomment>Launcher action of the desktop entry (shown in the dock or menu): capture the region captured last again</extracomment>
        <translation>마지막 캡처 반복</translation>
    </message>
    <message id="desktop.action.code">
        <source>Capture Code</source>
        <extracomment>Launcher action of the desktop entry: capture text keeping the indentation of code</extracomment>
        <translation>코드 캡처</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn any region of the screen into text</source>
        <extracomment>One-line summary in software centres</extracomment>
        <translation>화면의 원하는 영역을 텍스트로 변환</translation>
    </message>
    <message id="metainfo.description">
        <source>Quorvane lives in the system tray. Press its shortcut, drag over a region of the screen, and the text inside it is recognised on this computer and copied to the clipboard.</source>
        <extracomment>Description paragraph in software centres</extracomment>
        <translation>Quorvane은 시스템 트레이에 있습니다. 단축키를 누르고 화면의 영역을 드래그하면 그 안의 텍스트가 이 컴퓨터에서 인식되어 클립보드에 복사됩니다.</translation>
    </message>
    <message id="metainfo.feature.repeat">
        <source>Repeat a capture of the last region with one shortcut</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>단축키 하나로 마지막 영역 다시 캡처</translation>
    </message>
    <message id="metainfo.feature.code">
        <source>Keep the indentation of code in code mode</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>코드 모드에서 코드 들여쓰기 유지</translation>
    </message>
    <message id="metainfo.feature.codes">
        <source>Read QR codes and barcodes</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>QR 코드와 바코드 읽기</translation>
    </message>
    <message id="metainfo.feature.history">
        <source>Find earlier captures in a searchable history</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>검색 가능한 기록에서 이전 캡처 찾기</translation>
    </message>
    <message id="metainfo.feature.command">
        <source>Start captures from the desktop&apos;s own shortcut settings or a script with the quorvane capture command</source>
        <extracomment>Feature list item in software centres; &quot;quorvane capture&quot; is a command and stays as is</extracomment>
        <translation>데스크톱의 단축키 설정이나 스크립트에서 quorvane capture 명령으로 캡처 시작</translation>
    </message>
    <message id="about.version_with_commit">
        <source>Version %1 (%2)</source>
        <extracomment>Version line in the About window of a program built from a development copy: %1 version number, %2 the short identifier of the source revision (such as a1b2c3d)</extracomment>
        <translation>버전 %1 (%2)</translation>
    </message>
    <message id="error.screen_capture.portal_missing">
        <source>This desktop offers no screenshot service to read the screen with. Install %1, then log out and in again.</source>
        <extracomment>Error when the desktop offers no screenshot service (Wayland); %1 lists Debian package names</extracomment>
        <translation>이 데스크톱에는 화면을 읽을 스크린샷 서비스가 없습니다. %1을(를) 설치한 다음 로그아웃했다가 다시 로그인하세요.</translation>
    </message>
    <message id="tray_absence.message_without_shortcuts">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. To capture text, bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon and the desktop offers programs no global shortcuts</extracomment>
        <translation>이 데스크톱에는 Quorvane 아이콘을 표시하는 시스템 트레이가 없습니다. 텍스트를 캡처하려면 데스크톱의 키보드 설정에서 “quorvane capture” 명령을 키에 지정하세요. 기본 설정을 열려면 “quorvane”을 다시 실행하고, 종료하려면 “quorvane quit”을 실행하세요.</translation>
    </message>
    <message id="onboarding.welcome.feature1.description_without_shortcuts">
        <source>Bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings to capture text instantly</source>
        <extracomment>Feature 1 description where the desktop offers programs no global shortcuts</extracomment>
        <translation>데스크톱의 키보드 설정에서 “quorvane capture” 명령을 키에 지정하면 텍스트를 바로 캡처할 수 있습니다</translation>
    </message>
    <message id="notification.settings_salvaged.message">
        <source>The settings file was damaged and was kept as %1. The settings it still held are in use.</source>
        <extracomment>Warning message when the settings file was damaged but some settings could still be read from it</extracomment>
        <translation>설정 파일이 손상되어 %1(으)로 보관했습니다. 파일에 남아 있던 설정을 사용합니다.</translation>
    </message>
    <message id="notification.settings_reset.message">
        <source>These settings could not be read and are back to their defaults: %1. Every other setting was kept.</source>
        <extracomment>Warning message naming the settings whose stored values could not be read; %1 lists their names</extracomment>
        <translation>다음 설정을 읽을 수 없어 기본값으로 되돌렸습니다: %1. 다른 설정은 모두 유지되었습니다.</translation>
    </message>
    <message id="notification.settings_reset.title">
        <source>Settings Reset</source>
        <extracomment>Warning title when some stored settings could not be read</extracomment>
        <translation>설정 재설정됨</translation>
    </message>
    <message id="error.import.reason.not_a_file">
        <source>it is not a regular file</source>
        <extracomment>Why an image file could not be imported: the path names a folder, device or pipe</extracomment>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message id="error.import.reason.too_large">
        <source>it is larger than %1 MB</source>
        <extracomment>Why an image file could not be imported; %1 is the largest size in megabytes</extracomment>
        <translation>%1MB보다 큽니다</translation>
    </message>
    <message id="error.import.reason.format">
        <source>its format cannot be imported</source>
        <extracomment>Why an image file could not be imported: not PNG, JPEG, WebP, TIFF, BMP or GIF</extracomment>
        <translation>이 형식은 가져올 수 없습니다</translation>
    </message>
    <message id="ocr_error.timed_out">
        <source>Reading the image took too long, so it was stopped. Try selecting a smaller region around the text.</source>
        <extracomment>Recognition gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>이미지를 읽는 데 시간이 너무 오래 걸려 중단했습니다. 텍스트 주변을 더 작게 선택해 보세요.</translation>
    </message>
    <message id="ocr_error.cancelled">
        <source>Text recognition was cancelled</source>
        <extracomment>The user stopped a running recognition</extracomment>
        <translation>텍스트 인식이 취소되었습니다</translation>
    </message>
    <message id="notification.pin_set_aside.message">
        <source>The pinned capture could not be read and was kept as %1.</source>
        <extracomment>Warning message when the stored pinned capture could not be read; %1 is where it was kept</extracomment>
        <translation>고정된 캡처를 읽을 수 없어 %1(으)로 보관했습니다.</translation>
    </message>
    <message id="first_launch.press_to_capture">
        <source>Press %1 to capture text</source>
        <extracomment>Sentence of the first-start tooltip; %1 is the capture shortcut, drawn as a key cap between the words before and after it (either may be empty)</extracomment>
        <translation>%1 키를 눌러 텍스트 캡처</translation>
    </message>
    <message id="ocr_error.language_data_missing">
        <source>OCR failed: the Tesseract language data %1 is not installed (install %2)</source>
        <extracomment>Recognition cannot start; %1 names the missing Tesseract language data (such as &quot;tha&quot;), %2 the Debian packages that hold it (such as &quot;tesseract-ocr-tha&quot;)</extracomment>
        <translation>OCR 실패: Tesseract 언어 데이터 %1이(가) 설치되어 있지 않습니다(%2 설치 필요)</translation>
    </message>
    <message id="preferences.history.size.bytes" numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size in bytes</extracomment>
        <translation>
            <numerusform>%n바이트</numerusform>
        </translation>
    </message>
    <message id="preferences.history.size.kilobytes">
        <source>%1 KB</source>
        <extracomment>A size in kilobytes (1000 bytes); %1 is the number</extracomment>
        <translation>%1KB</translation>
    </message>
    <message id="preferences.history.size.megabytes">
        <source>%1 MB</source>
        <extracomment>A size in megabytes; %1 is the number</extracomment>
        <translation>%1MB</translation>
    </message>
    <message id="preferences.history.size.gigabytes">
        <source>%1 GB</source>
        <extracomment>A size in gigabytes; %1 is the number</extracomment>
        <translation>%1GB</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.small">
        <source>Font size: Small</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>글꼴 크기: 작게</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.medium">
        <source>Font size: Medium</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>글꼴 크기: 보통</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.large">
        <source>Font size: Large</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>글꼴 크기: 크게</translation>
    </message>
    <message id="error.clipboard.reason.text_not_written">
        <source>Failed to put the text on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the text</extracomment>
        <translation>텍스트를 클립보드에 넣지 못했습니다</translation>
    </message>
    <message id="error.clipboard.reason.nothing_to_write">
        <source>No items to put on the clipboard</source>
        <extracomment>Why copying failed: there was nothing to copy</extracomment>
        <translation>클립보드에 넣을 항목이 없습니다</translation>
    </message>
    <message id="error.clipboard.reason.items_not_written">
        <source>Failed to put any items on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the items</extracomment>
        <translation>클립보드에 어떤 항목도 넣지 못했습니다</translation>
    </message>
    <message id="error.screen_capture.reason.no_display">
        <source>Could not find matching display</source>
        <extracomment>Why a screen capture failed: the monitor of the selection is gone</extracomment>
        <translation>일치하는 디스플레이를 찾을 수 없습니다</translation>
    </message>
    <message id="error.screen_capture.reason.empty_image">
        <source>Captured image has zero dimensions</source>
        <extracomment>Why a screen capture failed: the picture taken is empty</extracomment>
        <translation>캡처한 이미지의 크기가 0입니다</translation>
    </message>
    <message id="error.settings_store.reason.reserved_shortcut">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Why a shortcut cannot be stored; %1 is the key combination</extracomment>
        <translation>%1 단축키는 시스템에서 예약되어 있습니다</translation>
    </message>
    <message id="error.settings_store.reason.history_size">
        <source>Max history entries must be between 1 and 1000, got %1</source>
        <extracomment>Why a history size cannot be stored; %1 is the number asked for</extracomment>
        <translation>기록 최대 항목 수는 1에서 1000 사이여야 합니다(받은 값: %1)</translation>
    </message>
    <message id="error.history.reason.not_a_folder">
        <source>%1 exists and is not a folder</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1이(가) 있지만 폴더가 아닙니다</translation>
    </message>
    <message id="error.history.reason.cannot_create_folder">
        <source>Cannot create folder %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1 폴더를 만들 수 없습니다</translation>
    </message>
    <message id="error.history.reason.no_data_folder">
        <source>Cannot access the data folder</source>
        <extracomment>Why the history cannot be kept: no data folder is known</extracomment>
        <translation>데이터 폴더에 접근할 수 없습니다</translation>
    </message>
    <message id="onboarding.permissions.unavailable">
        <source>Not offered by this desktop</source>
        <extracomment>Status shown beside a permission the desktop does not offer at all</extracomment>
        <translation>이 데스크톱에서는 제공되지 않음</translation>
    </message>
    <message id="notification.recognition_running.title">
        <source>Reading Text…</source>
        <extracomment>Title of the notice shown while text recognition takes more than a moment</extracomment>
        <translation>텍스트를 읽는 중…</translation>
    </message>
    <message id="notification.recognition_running.escape">
        <source>Click here or press Escape to cancel.</source>
        <extracomment>Message while text recognition runs, when Escape cancels it from any window</extracomment>
        <translation>취소하려면 여기를 클릭하거나 Esc 키를 누르세요.</translation>
    </message>
    <message id="notification.recognition_running.click">
        <source>Click here or use the same shortcut again to cancel.</source>
        <extracomment>Message while text recognition runs where the desktop lets no program take the Escape key</extracomment>
        <translation>취소하려면 여기를 클릭하거나 같은 단축키를 다시 사용하세요.</translation>
    </message>
    <message id="code_scan_error.timed_out">
        <source>Looking for a code took too long, so it was stopped. Try selecting a smaller region around the code.</source>
        <extracomment>Scanning gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>코드를 찾는 데 시간이 너무 오래 걸려 중지했습니다. 코드 주변을 더 작게 선택해 보세요.</translation>
    </message>
    <message id="code_scan_error.cancelled">
        <source>Code scanning was cancelled</source>
        <extracomment>The user stopped a running code scan</extracomment>
        <translation>코드 스캔이 취소되었습니다</translation>
    </message>
    <message id="command_line.commands_heading">
        <source>Commands (sent to the running Quorvane, which is started first when none runs):</source>
        <extracomment>The command line&apos;s help: the heading above the list of commands</extracomment>
        <translation>명령 (실행 중인 Quorvane에 전달되며, 실행 중이 아니면 먼저 시작됩니다):</translation>
    </message>
    <message id="command_line.without_command">
        <source>Without a command, Quorvane starts; when it already runs, its preferences open.</source>
        <extracomment>The command line&apos;s help: the line below the list of commands</extracomment>
        <translation>명령 없이 실행하면 Quorvane이 시작되고, 이미 실행 중이면 기본 설정이 열립니다.</translation>
    </message>
    <message id="command_line.description">
        <source>Turns any region of the screen into text.</source>
        <extracomment>The command line&apos;s help: what the program does, in one sentence</extracomment>
        <translation>화면의 어느 영역이든 텍스트로 바꿉니다.</translation>
    </message>
    <message id="command_line.command_argument">
        <source>One of the commands above.</source>
        <oldsource>One of the commands below.</oldsource>
        <extracomment>The command line&apos;s help: what the optional argument &quot;command&quot; is; the list of commands stands above it</extracomment>
        <translation>위 명령 중 하나입니다.</translation>
    </message>
    <message id="command_line.one_command">
        <source>Give one command at a time.</source>
        <extracomment>The command line was given more than one command</extracomment>
        <translation>한 번에 명령을 하나만 지정하십시오.</translation>
    </message>
    <message id="command_line.unknown_command">
        <source>Unknown command &quot;%1&quot;; the commands are %2.</source>
        <extracomment>The command line was given a word that is no command; %1 is that word, %2 lists the commands</extracomment>
        <translation>알 수 없는 명령 &quot;%1&quot;입니다. 사용할 수 있는 명령: %2.</translation>
    </message>
    <message id="command_line.see_help">
        <source>See &quot;%1&quot;.</source>
        <extracomment>The line below a refused command line; %1 is the command that shows the help</extracomment>
        <translation>&quot;%1&quot;을(를) 참조하십시오.</translation>
    </message>
    <message id="command_line.command.capture">
        <source>Select a region of the screen and copy its text</source>
        <extracomment>The command line&apos;s help: what the command &quot;capture&quot; does</extracomment>
        <translation>화면 영역을 선택하고 그 텍스트 복사</translation>
    </message>
    <message id="command_line.command.repeat">
        <source>Capture the last region again</source>
        <extracomment>The command line&apos;s help: what the command &quot;repeat&quot; does</extracomment>
        <translation>마지막 영역을 다시 캡처</translation>
    </message>
    <message id="command_line.command.code">
        <source>Capture text keeping its indentation (code mode)</source>
        <extracomment>The command line&apos;s help: what the command &quot;code&quot; does</extracomment>
        <translation>들여쓰기를 유지하며 텍스트 캡처 (코드 모드)</translation>
    </message>
    <message id="command_line.command.scan">
        <source>Select a region and read the QR code or barcode in it</source>
        <extracomment>The command line&apos;s help: what the command &quot;scan&quot; does</extracomment>
        <translation>영역을 선택하고 그 안의 QR 코드나 바코드 읽기</translation>
    </message>
    <message id="command_line.command.history">
        <source>Open the capture history</source>
        <extracomment>The command line&apos;s help: what the command &quot;history&quot; does</extracomment>
        <translation>캡처 기록 열기</translation>
    </message>
    <message id="command_line.command.preferences">
        <source>Open the preferences</source>
        <extracomment>The command line&apos;s help: what the command &quot;preferences&quot; does</extracomment>
        <translation>기본 설정 열기</translation>
    </message>
    <message id="command_line.command.quit">
        <source>Quit the running program</source>
        <extracomment>The command line&apos;s help: what the command &quot;quit&quot; does</extracomment>
        <translation>실행 중인 프로그램 종료</translation>
    </message>
    <message id="error.coordinator.global_shortcuts_required">
        <source>Global shortcuts need your permission first</source>
        <extracomment>Error when the desktop has not allowed Quorvane&apos;s global shortcuts</extracomment>
        <translation>먼저 전역 단축키를 허용해야 합니다</translation>
    </message>
    <message id="error.coordinator.screen_access_required">
        <source>Screen access is required to capture text</source>
        <extracomment>Error when the desktop has not allowed Quorvane to read the screen</extracomment>
        <translation>텍스트를 캡처하려면 화면 접근이 필요합니다</translation>
    </message>
    <message id="command_line.command_refused">
        <source>Quorvane is running but did not take the command &quot;%1&quot;: %2</source>
        <extracomment>The running copy refused a command given on the command line; %1 is the command, %2 why</extracomment>
        <translation>Quorvane이 실행 중이지만 &quot;%1&quot; 명령을 받아들이지 않았습니다: %2</translation>
    </message>
    <message id="command_line.not_running">
        <source>Quorvane is not running.</source>
        <extracomment>The command line asked a copy to quit, and none runs</extracomment>
        <translation>Quorvane이 실행 중이 아닙니다.</translation>
    </message>
    <message id="command_line.already_running_process">
        <source>Quorvane is already running (process %1); without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus; %1 is the number of the process that runs</extracomment>
        <translation>Quorvane이 이미 실행 중입니다(프로세스 %1). 세션 버스가 없어 명령을 보낼 수 없습니다.</translation>
    </message>
    <message id="command_line.already_running">
        <source>Quorvane is already running; without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus</extracomment>
        <translation>Quorvane이 이미 실행 중입니다. 세션 버스가 없어 명령을 보낼 수 없습니다.</translation>
    </message>
    <message id="menubar.tooltip_tray_menu">
        <source>Quorvane
Left-click: Quick Capture
Right-click: Menu</source>
        <extracomment>Tooltip of the tray icon where the desktop&apos;s tray opens the menu on a right click</extracomment>
        <translation>Quorvane
왼쪽 클릭: 빠른 캡처
오른쪽 클릭: 메뉴</translation>
    </message>
    <message id="command_line.no_display">
        <source>Quorvane needs a graphical desktop session: no DISPLAY is set.</source>
        <extracomment>Started where there is no screen, e.g. over ssh</extracomment>
        <translation>Quorvane은 그래픽 데스크톱 세션이 필요합니다: DISPLAY가 설정되지 않았습니다.</translation>
    </message>
    <message id="command_line.unsafe_folder">
        <source>Quorvane cannot start: %1, so another user could keep it from running. Make the folder yours alone (chmod 700) or set XDG_RUNTIME_DIR to a folder that is.</source>
        <extracomment>The program will not start; %1 says what is wrong with the folder of its lock file</extracomment>
        <translation>Quorvane을 시작할 수 없습니다: %1. 따라서 다른 사용자가 실행을 막을 수 있습니다. 폴더를 본인 전용으로 만들거나(chmod 700) XDG_RUNTIME_DIR을 그런 폴더로 설정하세요.</translation>
    </message>
    <message id="single_instance.folder_missing">
        <source>%1 is not a folder</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1은(는) 폴더가 아닙니다</translation>
    </message>
    <message id="single_instance.folder_foreign">
        <source>%1 belongs to another user</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1은(는) 다른 사용자의 소유입니다</translation>
    </message>
    <message id="single_instance.folder_shared">
        <source>other users may write to %1</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>다른 사용자가 %1에 쓸 수 있습니다</translation>
    </message>
    <message id="command_line.capture_failed">
        <source>Capture failed: %1</source>
        <extracomment>What the command line prints when the capture it asked for failed; %1 is why</extracomment>
        <translation>캡처 실패: %1</translation>
    </message>
    <message id="preferences.general.show_pin_widget.unavailable">
        <source>On this desktop a new window takes the keyboard from the one you are typing in, so no pin comes up after a capture</source>
        <extracomment>Under the switch for pins after a capture, on a desktop (Wayland) where every new window takes the keyboard</extracomment>
        <translation>이 데스크톱에서는 새 창이 입력 중인 창에서 키보드를 가져가므로 캡처 후 고정 창이 표시되지 않습니다</translation>
    </message>
    <message id="notification.portal_waiting.title">
        <source>Waiting for the screen portal…</source>
        <extracomment>Shown while a capture waits for the desktop&apos;s screenshot service (the screen portal, Wayland) to answer</extracomment>
        <translation>스크린샷 서비스를 기다리는 중…</translation>
    </message>
    <message id="notification.portal_waiting.message">
        <source>The desktop&apos;s screenshot service has not answered yet.</source>
        <extracomment>Under &quot;Waiting for the screen portal…&quot;</extracomment>
        <translation>데스크톱의 스크린샷 서비스가 아직 응답하지 않았습니다.</translation>
    </message>
    <message id="error.screen_capture.portal_not_answering">
        <source>The screen portal did not answer in time. It may still be starting: try again in a moment.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (the screen portal, Wayland) is there but gave no answer in time</extracomment>
        <translation>스크린샷 서비스가 제시간에 응답하지 않았습니다. 아직 시작 중일 수 있으니 잠시 후 다시 시도하세요.</translation>
    </message>
    <message id="error.screen_capture.picture_refused">
        <source>The desktop refused to give Quorvane a picture of the screen. Capture again and allow it if the desktop asks.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (Wayland) refused to give a picture of the screen; such desktops may have no privacy settings at all</extracomment>
        <translation>데스크톱이 Quorvane에 화면 이미지를 제공하지 않았습니다. 다시 캡처하고 데스크톱이 물으면 허용하세요.</translation>
    </message>
    <message id="preferences.shortcuts.header_unavailable">
        <source>The keyboard shortcuts Quorvane would use, which this desktop does not let programs take</source>
        <extracomment>Shortcuts header where the desktop lets no program take global shortcuts (the key fields below are greyed out)</extracomment>
        <translation>Quorvane이 사용할 키보드 단축키이지만 이 데스크톱에서는 프로그램이 가져갈 수 없습니다</translation>
    </message>
    <message id="onboarding.welcome.description_without_shortcuts">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Start a capture, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description where the desktop offers programs no global shortcuts (so there is no shortcut to press yet)</extracomment>
        <translation>Quorvane을 사용하면 이미지, 동영상, PDF 등 화면의 모든 콘텐츠에서 손쉽게 텍스트를 추출할 수 있습니다. 캡처를 시작하고 드래그하여 선택하기만 하면 텍스트가 즉시 클립보드에 복사됩니다.</translation>
    </message>
    <message id="command.capture_cancelled">
        <source>The running capture was cancelled.</source>
        <extracomment>What a command asking for a capture did while the same kind of capture was being read: it cancelled that capture</extracomment>
        <translation>진행 중인 캡처를 취소했습니다.</translation>
    </message>
    <message id="command_line.start_failed">
        <source>Quorvane could not be started: %1</source>
        <extracomment>A command was given while Quorvane did not run, and it could not be started; %1 says why</extracomment>
        <translation>Quorvane을 시작할 수 없습니다: %1</translation>
    </message>
    <message id="command_line.start_no_answer">
        <source>Quorvane was started but did not come up to take the command.</source>
        <extracomment>A command was given while Quorvane did not run; the copy started for it ended or did not answer</extracomment>
        <translation>Quorvane이 시작되었지만 명령을 받을 준비가 되지 않았습니다.</translation>
    </message>
    <message id="settings_file.folder_of_another_user">
        <source>The folder %1 belongs to the user %2, so Quorvane cannot keep its settings there private.</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the name of the user who owns it</extracomment>
        <translation>%1 폴더는 사용자 %2의 것이므로 Quorvane이 그곳에 설정을 비공개로 보관할 수 없습니다.</translation>
    </message>
    <message id="settings_file.cannot_restrict_folder">
        <source>Cannot make the folder %1 private: %2</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the system&apos;s reason</extracomment>
        <translation>%1 폴더를 비공개로 만들 수 없습니다: %2</translation>
    </message>
    <message id="notification.history_records_set_aside.message">
        <source>Some history records could not be read and were kept as %1. Every other capture is in the history.</source>
        <extracomment>Warning message when some history records could not be read; %1 is the file they were kept in</extracomment>
        <translation>일부 기록 항목을 읽을 수 없어 %1(으)로 보관했습니다. 다른 모든 캡처는 기록에 있습니다.</translation>
    </message>
    <message id="pin_widget.text.part_shown">
        <source>Only the first %1 of %2 characters are shown, and the text cannot be edited here. Copy takes the whole text.</source>
        <extracomment>Note under a pin&apos;s text that is too long to show whole; %1 and %2 are numbers of characters</extracomment>
        <translation>%2자 중 처음 %1자만 표시되며 여기서는 텍스트를 편집할 수 없습니다. 복사하면 전체 텍스트가 복사됩니다.</translation>
    </message>
    <message id="pin_widget.quit_unwritten.title">
        <source>The Pin Is Not Saved</source>
        <extracomment>Title when the program is asked to quit while the pin could not be saved</extracomment>
        <translation>고정 창이 저장되지 않았습니다</translation>
    </message>
    <message id="pin_widget.quit_unwritten.message">
        <source>The pin&apos;s latest changes could not be written (%1), so they will be lost when Quorvane quits. Copy the text from the pin, or free some disk space and quit again.</source>
        <extracomment>Message when the program is asked to quit while the pin could not be saved; %1 is why</extracomment>
        <translation>고정 창의 최근 변경 내용을 쓰지 못했습니다(%1). Quorvane를 종료하면 사라집니다. 고정 창에서 텍스트를 복사하거나 디스크 공간을 확보한 뒤 다시 종료하세요.</translation>
    </message>
    <message id="pin_widget.quit_unwritten.quit">
        <source>Quit Anyway</source>
        <extracomment>Button that quits although the pin&apos;s changes will be lost</extracomment>
        <translation>그래도 종료</translation>
    </message>
    <message id="pin_widget.unwritten.note">
        <source>Not saved: %1. The pin keeps your changes and tries again.</source>
        <extracomment>Note on a pin whose changes could not be written; %1 is why</extracomment>
        <translation>저장되지 않음: %1. 고정 창은 변경 내용을 유지하고 다시 시도합니다.</translation>
    </message>
    <message id="updater.reason.no_download_page">
        <source>the update names no download page</source>
        <extracomment>Why an update is refused: the feed names no page to get it from</extracomment>
        <translation>업데이트에 다운로드 페이지가 없습니다</translation>
    </message>
    <message id="error.no_result">
        <source>The operation ended without a result</source>
        <extracomment>Shown when an operation finished but handed back neither a result nor an error</extracomment>
        <translation>작업이 결과 없이 끝났습니다</translation>
    </message>
    <message id="error.unknown">
        <source>Unknown error</source>
        <extracomment>Shown when an operation failed in a way the program cannot describe</extracomment>
        <translation>알 수 없는 오류</translation>
    </message>
    <message id="error.screen_capture.reason.unreadable">
        <source>Could not read the screen</source>
        <extracomment>Why a screen capture failed: no monitor&apos;s picture could be taken</extracomment>
        <translation>화면을 읽을 수 없습니다</translation>
    </message>
    <message id="ocr_error.reason.unreadable_image">
        <source>Tesseract could not read the %1 x %2 pixel image</source>
        <extracomment>Why recognition failed: the engine refused the picture; %1 x %2 is its size</extracomment>
        <translation>Tesseract가 %1 × %2 픽셀 이미지를 읽지 못했습니다</translation>
    </message>
    <message id="error.history.reason.cannot_write">
        <source>Cannot write %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message id="error.history.reason.cannot_set_aside">
        <source>Cannot read or move %1</source>
        <extracomment>Why the history cannot be kept: its file can neither be read nor set aside; %1 is its path</extracomment>
        <translation>%1을(를) 읽거나 옮길 수 없습니다</translation>
    </message>
    <message id="error.file.cannot_save">
        <source>Cannot save %1: %2</source>
        <extracomment>Why a file of the program could not be saved; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
    <message id="error.file.short_write">
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved: the disk took only part of it; %1 and %2 count bytes</extracomment>
        <translation>%2바이트 중 %1바이트만 기록되었습니다</translation>
    </message>
    <message id="error.file.cannot_remove">
        <source>Cannot remove %1: %2</source>
        <extracomment>Why a file of the program could not be removed; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>%1을(를) 제거할 수 없습니다: %2</translation>
    </message>
    <message id="notification.window.title">
        <source>Quorvane Notice</source>
        <extracomment>Title of the small window that tells how a capture ended, where the desktop shows no notifications; window lists show it</extracomment>
        <translation>Quorvane 알림</translation>
    </message>
    <message id="pin_widget.window.title">
        <source>Pinned Capture</source>
        <extracomment>Title of the floating window that shows a pinned capture; window lists show it</extracomment>
        <translation>고정된 캡처</translation>
    </message>
    <message id="menubar.window.title">
        <source>Quorvane Menu</source>
        <extracomment>Title of the tray icon&apos;s menu where the desktop shows it as a window of its own; window lists show it</extracomment>
        <translation>Quorvane 메뉴</translation>
    </message>
</context>
</TS>
