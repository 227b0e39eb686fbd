<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name></name>
    <message id="notification.history_set_aside.message">
        <source>The history file could not be read and was kept as %1. Captures were restored from the backup where there was one.</source>
        <extracomment>Warning message when the history file was set aside</extracomment>
        <translation>Không thể đọc tệp lịch sử, tệp đã được giữ lại với tên %1. Các bản chụp đã được khôi phục từ bản sao lưu nếu có.</translation>
    </message>
    <message id="notification.settings_set_aside.message">
        <source>The settings file could not be read, so the defaults are in use. It was kept as %1.</source>
        <extracomment>Warning message when the settings file was set aside</extracomment>
        <translation>Không thể đọc tệp cài đặt nên đang dùng cài đặt mặc định. Tệp đã được giữ lại với tên %1.</translation>
    </message>
    <message id="notification.history_in_memory.title">
        <source>History Not Saved</source>
        <extracomment>Warning title when the capture history cannot be written to disk</extracomment>
        <translation>Lịch sử chưa được lưu</translation>
    </message>
    <message id="notification.history_in_memory.message">
        <source>Quorvane cannot write to its data folder. Captures will not be kept after you quit.</source>
        <extracomment>Warning message when the capture history lives only in memory</extracomment>
        <translation>Quorvane không thể ghi vào thư mục dữ liệu của mình. Các bản chụp sẽ không được giữ lại sau khi bạn thoát.</translation>
    </message>
    <message id="notification.file_set_aside.title">
        <source>File Set Aside</source>
        <extracomment>Warning title when a stored file could not be read and was kept under another name</extracomment>
        <translation>Tệp đã được để riêng</translation>
    </message>
    <message id="updater.available.title">
        <source>A new version of Quorvane is available!</source>
        <extracomment>Title of the dialog that announces a new version</extracomment>
        <translation>Đã có phiên bản mới của Quorvane!</translation>
    </message>
    <message id="updater.available.message">
        <source>Quorvane %1 is now available - you have %2. Would you like to open the download page?</source>
        <extracomment>Text of the dialog that announces a new version: the new version, then the installed one</extracomment>
        <translation>Quorvane %1 đã có - bạn đang dùng %2. Bạn có muốn mở trang tải xuống không?</translation>
    </message>
    <message id="updater.available.download">
        <source>Open Download Page</source>
        <extracomment>Button that opens the download page</extracomment>
        <translation>Mở trang tải xuống</translation>
    </message>
    <message id="updater.available.later">
        <source>Remind Me Later</source>
        <extracomment>Button that closes the dialog</extracomment>
        <translation>Nhắc tôi sau</translation>
    </message>
    <message id="updater.up_to_date.title">
        <source>You&apos;re up to date!</source>
        <extracomment>Title of the dialog shown when no newer version exists</extracomment>
        <translation>Bạn đang dùng phiên bản mới nhất!</translation>
    </message>
    <message id="updater.up_to_date.message">
        <source>Quorvane %1 is currently the newest version available.</source>
        <extracomment>Text shown when no newer version exists: the installed version</extracomment>
        <translation>Quorvane %1 hiện là phiên bản mới nhất.</translation>
    </message>
    <message id="updater.error.title">
        <source>Update Error!</source>
        <extracomment>Title of the dialog shown when a check for updates fails</extracomment>
        <translation>Lỗi cập nhật!</translation>
    </message>
    <message id="updater.not_configured.title">
        <source>Updates Are Not Checked by This Build</source>
        <extracomment>Title of the dialog shown when the build has no update feed</extracomment>
        <translation>Bản dựng này không kiểm tra cập nhật</translation>
    </message>
    <message id="updater.not_configured.message">
        <source>This copy of Quorvane was built without an update feed. New versions come with your distribution&apos;s package updates or from where you installed Quorvane.</source>
        <extracomment>Text shown when the build has no update feed</extracomment>
        <translation>Bản Quorvane này được dựng mà không có nguồn cập nhật. Phiên bản mới sẽ đến cùng các bản cập nhật gói của bản phân phối, hoặc từ nơi bạn đã cài đặt Quorvane.</translation>
    </message>
    <message id="onboarding.window.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Onboarding window title</extracomment>
        <translation>Chào mừng đến với Quorvane</translation>
    </message>
    <message id="first_launch.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Title of the tooltip shown beside the tray icon at first start</extracomment>
        <translation>Chào mừng đến với Quorvane</translation>
    </message>
    <message id="first_launch.tray_hint">
        <source>Right-click this icon for quick capture</source>
        <extracomment>Line in the first-start tooltip about the tray icon</extracomment>
        <translation>Nhấp chuột phải vào biểu tượng này để chụp nhanh</translation>
    </message>
    <message id="menubar.capture">
        <source>Capture Text</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Chụp văn bản</translation>
    </message>
    <message id="menubar.scan_code">
        <source>Read QR/Bar Code</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Đọc mã QR/mã vạch</translation>
    </message>
    <message id="menubar.import_from_iphone">
        <source>Import Image…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Nhập hình ảnh…</translation>
    </message>
    <message id="menubar.history">
        <source>Open History</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Mở lịch sử</translation>
    </message>
    <message id="menubar.preferences">
        <source>Preferences…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Tùy chọn…</translation>
    </message>
    <message id="menubar.feedback">
        <source>Send Feedback…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Gửi phản hồi…</translation>
    </message>
    <message id="menubar.checkForUpdates">
        <source>Check for Updates…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Kiểm tra cập nhật…</translation>
    </message>
    <message id="menubar.about">
        <source>About Quorvane</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Giới thiệu Quorvane</translation>
    </message>
    <message id="menubar.quit">
        <source>Quit Quorvane</source>
        <extracomment>Tray menu item
----------
Quit Quorvane</extracomment>
        <translation>Thoát Quorvane</translation>
    </message>
    <message id="menubar.tooltip">
        <source>Quorvane
Left-click: Menu
Right-click: Quick Capture</source>
        <extracomment>Tooltip of the tray icon</extracomment>
        <translation>Quorvane
Nhấp chuột trái: Menu
Nhấp chuột phải: Chụp nhanh</translation>
    </message>
    <message id="menubar.panel.capture">
        <source>Capture</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>Chụp</translation>
    </message>
    <message id="menubar.panel.history">
        <source>History</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>Lịch sử</translation>
    </message>
    <message id="menubar.panel.preferences">
        <source>Preferences</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>Tùy chọn</translation>
    </message>
    <message id="permission.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>Mở cài đặt quyền riêng tư</translation>
    </message>
    <message id="permission.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>Hủy</translation>
    </message>
    <message id="permission.accessibility.title">
        <source>Global Shortcuts Permission Required</source>
        <extracomment>Title of the dialog asking for the global shortcuts permission</extracomment>
        <translation>Cần quyền dùng phím tắt toàn cục</translation>
    </message>
    <message id="permission.accessibility.message">
        <source>Quorvane needs permission to use global keyboard shortcuts (%1). This allows you to capture text from anywhere on your screen.

Your privacy is protected - Quorvane only listens for its own shortcuts.</source>
        <extracomment>Global shortcuts permission explanation; %1 is the quick capture shortcut</extracomment>
        <translation>Quorvane cần quyền để dùng phím tắt toàn cục (%1). Nhờ đó bạn có thể chụp văn bản ở bất kỳ đâu trên màn hình.

Quyền riêng tư của bạn được bảo vệ - Quorvane chỉ theo dõi các phím tắt do chính nó đăng ký.</translation>
    </message>
    <message id="permission.screen_recording.title">
        <source>Screen Access Permission Required</source>
        <extracomment>Title of the dialog asking for the screen access permission</extracomment>
        <translation>Cần quyền truy cập màn hình</translation>
    </message>
    <message id="permission.screen_recording.message">
        <source>Quorvane needs access to your screen to capture text from it.

All processing happens on your device - no data is uploaded to the cloud.</source>
        <extracomment>Screen access permission explanation</extracomment>
        <translation>Quorvane cần quyền truy cập màn hình để chụp văn bản trên màn hình của bạn.

Mọi xử lý đều diễn ra trên thiết bị của bạn - không có dữ liệu nào được tải lên đám mây.</translation>
    </message>
    <message id="permission.required.title">
        <source>Permissions Required</source>
        <extracomment>Title of the alert shown when the user goes on without the permissions</extracomment>
        <translation>Cần cấp quyền</translation>
    </message>
    <message id="permission.required.message">
        <source>Quorvane needs screen access and global shortcuts to work. You can grant these later in your desktop&apos;s privacy settings.</source>
        <extracomment>Alert shown when the user goes on without the permissions</extracomment>
        <translation>Quorvane cần quyền truy cập màn hình và phím tắt toàn cục để hoạt động. Bạn có thể cấp các quyền này sau trong cài đặt quyền riêng tư của môi trường màn hình.</translation>
    </message>
    <message id="general.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="history.window.title">
        <source>Capture History</source>
        <extracomment>History window title</extracomment>
        <translation>Lịch sử chụp</translation>
    </message>
    <message id="preferences.window.title">
        <source>Preferences</source>
        <extracomment>Preferences window title</extracomment>
        <translation>Tùy chọn</translation>
    </message>
    <message id="notification.shortcut_refused.title">
        <source>%1 shortcut not available</source>
        <extracomment>Title when a global shortcut cannot be taken; the action&apos;s name</extracomment>
        <translation>Không dùng được phím tắt “%1”</translation>
    </message>
    <message id="notification.shortcut_refused.reserved">
        <source>%1 is reserved by the desktop. Choose another shortcut in Preferences.</source>
        <extracomment>Message when a global shortcut is reserved; the shortcut</extracomment>
        <translation>%1 đã được môi trường màn hình dành riêng. Hãy chọn phím tắt khác trong Tùy chọn.</translation>
    </message>
    <message id="notification.shortcut_refused.taken">
        <source>%1 is already used by another program. Choose another shortcut in Preferences.</source>
        <extracomment>Message when another program holds a global shortcut; the shortcut</extracomment>
        <translation>%1 đang được một chương trình khác sử dụng. Hãy chọn phím tắt khác trong Tùy chọn.</translation>
    </message>
    <message id="tray_absence.title">
        <source>Quorvane Is Running</source>
        <extracomment>Title of the notice shown when no system tray shows the icon</extracomment>
        <translation>Quorvane đang chạy</translation>
    </message>
    <message id="tray_absence.message">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. Press %1 to capture text. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon; %1 is the capture shortcut</extracomment>
        <translation>Không có khay hệ thống nào trên màn hình nền này hiển thị biểu tượng của Quorvane. Nhấn %1 để chụp văn bản. Chạy lại “quorvane” để mở phần tùy chọn, hoặc “quorvane quit” để thoát.</translation>
    </message>
    <message id="error.updater.invalid_feed">
        <source>The update feed address is not valid: %1</source>
        <extracomment>Error when the configured update feed address cannot be used</extracomment>
        <translation>Địa chỉ nguồn cập nhật không hợp lệ: %1</translation>
    </message>
    <message id="error.updater.insecure_address">
        <source>Updates are only fetched over HTTPS: %1</source>
        <extracomment>Error when an update address is not secure</extracomment>
        <translation>Bản cập nhật chỉ được tải qua HTTPS: %1</translation>
    </message>
    <message id="error.updater.download_failed">
        <source>The update information could not be downloaded: %1</source>
        <extracomment>Error when the update feed cannot be fetched</extracomment>
        <translation>Không thể tải thông tin cập nhật: %1</translation>
    </message>
    <message id="error.updater.malformed_feed">
        <source>The update information could not be read: %1</source>
        <extracomment>Error when the update feed is not understood</extracomment>
        <translation>Không thể đọc thông tin cập nhật: %1</translation>
    </message>
    <message id="error.updater.unknown">
        <source>%1</source>
        <extracomment>Unknown update error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="updater.reason.too_large">
        <source>the answer is larger than %1 bytes</source>
        <extracomment>Why a check for updates failed: the feed is too large</extracomment>
        <translation>phản hồi lớn hơn %1 byte</translation>
    </message>
    <message id="updater.reason.host_not_found">
        <source>the update server could not be found</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>không tìm thấy máy chủ cập nhật</translation>
    </message>
    <message id="updater.reason.refused">
        <source>the update server refused the connection</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>máy chủ cập nhật đã từ chối kết nối</translation>
    </message>
    <message id="updater.reason.closed">
        <source>the update server closed the connection early</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>máy chủ cập nhật đã đóng kết nối quá sớm</translation>
    </message>
    <message id="updater.reason.silent">
        <source>the update server stopped answering</source>
        <extracomment>Why a check for updates failed: the transfer timed out</extracomment>
        <translation>máy chủ cập nhật đã ngừng phản hồi</translation>
    </message>
    <message id="updater.reason.tls">
        <source>the update server&apos;s secure connection could not be verified</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>không thể xác minh kết nối bảo mật của máy chủ cập nhật</translation>
    </message>
    <message id="updater.reason.offline">
        <source>the network is not available</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>mạng không khả dụng</translation>
    </message>
    <message id="updater.reason.status">
        <source>the update server answered with error %1</source>
        <extracomment>Why a check for updates failed: the HTTP status</extracomment>
        <translation>máy chủ cập nhật trả về lỗi %1</translation>
    </message>
    <message id="updater.reason.unexpected">
        <source>the update server sent an answer that is not a feed</source>
        <extracomment>Why a check for updates failed: an answer that is neither a feed nor an error</extracomment>
        <translation>máy chủ cập nhật gửi một phản hồi không phải là nguồn cập nhật</translation>
    </message>
    <message id="updater.reason.deadline">
        <source>the update server took too long to answer</source>
        <extracomment>Why a check for updates failed: the whole check ran out of time</extracomment>
        <translation>máy chủ cập nhật phản hồi quá lâu</translation>
    </message>
    <message id="updater.reason.redirects" numerus="yes">
        <source>the server redirected the request more than %n times</source>
        <extracomment>Why a check for updates failed: too many redirects</extracomment>
        <translation>
            <numerusform>máy chủ đã chuyển hướng yêu cầu quá %n lần</numerusform>
        </translation>
    </message>
    <message id="updater.reason.page_not_opened">
        <source>The download page could not be opened. It is at: %1</source>
        <extracomment>Shown when no program opens the download page: its address</extracomment>
        <translation>Không thể mở trang tải xuống. Địa chỉ của trang: %1</translation>
    </message>
    <message id="error.coordinator.workflow_failed">
        <source>Capture workflow failed: %1</source>
        <extracomment>Error when workflow fails</extracomment>
        <translation>Quy trình chụp thất bại: %1</translation>
    </message>
    <message id="error.coordinator.in_progress">
        <source>A capture operation is already in progress</source>
        <extracomment>Error when capture is already in progress</extracomment>
        <translation>Một thao tác chụp đang được thực hiện</translation>
    </message>
    <message id="error.coordinator.invalid_region">
        <source>The selected region is invalid</source>
        <extracomment>Error when region is invalid</extracomment>
        <translation>Vùng đã chọn không hợp lệ</translation>
    </message>
    <message id="error.coordinator.no_last_region">
        <source>No previous capture region available. Please perform a new capture first.</source>
        <extracomment>Error when no last region exists</extracomment>
        <translation>Không có vùng chụp trước đó. Vui lòng thực hiện một lần chụp mới trước.</translation>
    </message>
    <message id="error.coordinator.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display config changed</extracomment>
        <translation>Cấu hình màn hình đã thay đổi. Vui lòng chọn vùng mới.</translation>
    </message>
    <message id="error.clipboard.write_failed">
        <source>Failed to copy to clipboard: %1</source>
        <extracomment>Error when clipboard write fails</extracomment>
        <translation>Không thể sao chép vào bảng tạm: %1</translation>
    </message>
    <message id="error.clipboard.unsupported_format">
        <source>Clipboard format %1 is not supported</source>
        <extracomment>Error when format is unsupported</extracomment>
        <translation>Không hỗ trợ định dạng bảng tạm %1</translation>
    </message>
    <message id="error.clipboard.conversion_failed">
        <source>Failed to convert text to %1 format</source>
        <extracomment>Error when format conversion fails</extracomment>
        <translation>Không thể chuyển văn bản sang định dạng %1</translation>
    </message>
    <message id="error.clipboard.empty">
        <source>Cannot copy empty content to clipboard</source>
        <extracomment>Error when content is empty</extracomment>
        <translation>Không thể sao chép nội dung trống vào bảng tạm</translation>
    </message>
    <message id="clipboard.format.plain">
        <source>Plain Text</source>
        <extracomment>Plain text format</extracomment>
        <translation>Văn bản thuần</translation>
    </message>
    <message id="clipboard.format.rtf">
        <source>Rich Text</source>
        <extracomment>RTF format</extracomment>
        <translation>Văn bản có định dạng</translation>
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
        <translation>Phát hiện mã vạch thất bại: %1</translation>
    </message>
    <message id="code_scan_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to scan is empty</extracomment>
        <translation>Hình ảnh đã chụp không hợp lệ hoặc bị hỏng</translation>
    </message>
    <message id="code_scan_error.no_code">
        <source>No code was detected in the selected region</source>
        <extracomment>Scanning found no barcode or QR code</extracomment>
        <translation>Không phát hiện mã vạch hay mã QR nào trong vùng đã chọn</translation>
    </message>
    <message id="continuity.import.file">
        <source>Choose Image File…</source>
        <extracomment>Import menu item that opens an image file</extracomment>
        <translation>Chọn tệp hình ảnh…</translation>
    </message>
    <message id="continuity.import.clipboard">
        <source>Paste Image from Clipboard</source>
        <extracomment>Import menu item that takes the clipboard&apos;s image</extracomment>
        <translation>Dán hình ảnh từ bảng tạm</translation>
    </message>
    <message id="continuity.import.dialog_title">
        <source>Import Image</source>
        <extracomment>Title of the image file chooser</extracomment>
        <translation>Nhập hình ảnh</translation>
    </message>
    <message id="continuity.import.filter">
        <source>Images</source>
        <extracomment>File type filter name for images</extracomment>
        <translation>Hình ảnh</translation>
    </message>
    <message id="error.import.unreadable_file_reason">
        <source>“%1” could not be read: %2</source>
        <extracomment>Error when an imported image file cannot be read: its name, then why</extracomment>
        <translation>Không thể đọc “%1”: %2</translation>
    </message>
    <message id="error.import.unreadable_file">
        <source>“%1” could not be read</source>
        <extracomment>Error when an imported image file cannot be read: its name</extracomment>
        <translation>Không thể đọc “%1”</translation>
    </message>
    <message id="error.import.unknown">
        <source>%1</source>
        <extracomment>Unknown import error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="ocr_error.failed">
        <source>OCR failed: %1</source>
        <extracomment>Text recognition failed; %1 is the reason</extracomment>
        <translation>OCR thất bại: %1</translation>
    </message>
    <message id="ocr_error.unsupported_language">
        <source>Language &apos;%1&apos; is not supported</source>
        <extracomment>A requested recognition language is not offered</extracomment>
        <translation>Không hỗ trợ ngôn ngữ “%1”</translation>
    </message>
    <message id="ocr_error.vision_failed">
        <source>Recognition failed: %1</source>
        <extracomment>The recognition engine reported an error; %1 is its description</extracomment>
        <translation>Nhận dạng thất bại: %1</translation>
    </message>
    <message id="ocr_error.no_text">
        <source>No text was detected in the selected region</source>
        <extracomment>Recognition found no text</extracomment>
        <translation>Không phát hiện văn bản nào trong vùng đã chọn</translation>
    </message>
    <message id="ocr_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to recognise is empty</extracomment>
        <translation>Hình ảnh đã chụp không hợp lệ hoặc bị hỏng</translation>
    </message>
    <message id="error.screen_capture.failed">
        <source>Screen capture failed: %1</source>
        <extracomment>Error when capture operation fails</extracomment>
        <translation>Chụp màn hình thất bại: %1</translation>
    </message>
    <message id="error.screen_capture.permission_denied">
        <source>Screen access is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the screen access permission is denied</extracomment>
        <translation>Cần quyền truy cập màn hình. Vui lòng cấp quyền truy cập trong cài đặt quyền riêng tư của môi trường màn hình.</translation>
    </message>
    <message id="error.screen_capture.invalid_region">
        <source>The selected region is invalid or too small.</source>
        <extracomment>Error when capture region is invalid</extracomment>
        <translation>Vùng đã chọn không hợp lệ hoặc quá nhỏ.</translation>
    </message>
    <message id="error.screen_capture.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display configuration changes</extracomment>
        <translation>Cấu hình màn hình đã thay đổi. Vui lòng chọn vùng mới.</translation>
    </message>
    <message id="error.screen_capture.dismissed">
        <source>Capture was cancelled.</source>
        <extracomment>Error when user dismisses capture overlay</extracomment>
        <translation>Đã hủy chụp.</translation>
    </message>
    <message id="error.screen_capture.no_display">
        <source>No active display found.</source>
        <extracomment>Error when no display is available</extracomment>
        <translation>Không tìm thấy màn hình đang hoạt động.</translation>
    </message>
    <message id="language.system_default">
        <source>System Default</source>
        <translation>Mặc định của hệ thống</translation>
    </message>
    <message id="capture_mode.normal">
        <source>Normal</source>
        <extracomment>Normal capture mode</extracomment>
        <translation>Thường</translation>
    </message>
    <message id="capture_mode.repeat">
        <source>Repeat</source>
        <extracomment>Repeat capture mode</extracomment>
        <translation>Lặp lại</translation>
    </message>
    <message id="capture_mode.code">
        <source>Code</source>
        <extracomment>Code capture mode</extracomment>
        <translation>Mã</translation>
    </message>
    <message id="capture_mode.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code capture mode</extracomment>
        <translation>Quét mã</translation>
    </message>
    <message id="error.hotkey.registration_failed">
        <source>Failed to register global shortcut: %1</source>
        <extracomment>Error when hotkey registration fails</extracomment>
        <translation>Không thể đăng ký phím tắt toàn cục: %1</translation>
    </message>
    <message id="error.hotkey.conflict">
        <source>Shortcut %1 conflicts with another registered shortcut</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>Phím tắt %1 xung đột với một phím tắt đã đăng ký khác</translation>
    </message>
    <message id="error.hotkey.system_reserved">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Error when shortcut is system reserved</extracomment>
        <translation>Phím tắt %1 đã được hệ thống dành riêng</translation>
    </message>
    <message id="error.hotkey.permission_denied">
        <source>Permission for global shortcuts is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the global shortcuts permission is denied</extracomment>
        <translation>Cần quyền dùng phím tắt toàn cục. Vui lòng cấp quyền truy cập trong cài đặt quyền riêng tư của môi trường màn hình.</translation>
    </message>
    <message id="error.hotkey.invalid">
        <source>Invalid shortcut configuration</source>
        <extracomment>Error when shortcut is invalid</extracomment>
        <translation>Cấu hình phím tắt không hợp lệ</translation>
    </message>
    <message id="notification.capture_success.title">
        <source>Text Captured</source>
        <extracomment>Success notification title</extracomment>
        <translation>Đã chụp văn bản</translation>
    </message>
    <message id="notification.repeat_capture_success.title">
        <source>Text Re-captured</source>
        <extracomment>Repeat capture success notification title</extracomment>
        <translation>Đã chụp lại văn bản</translation>
    </message>
    <message id="notification.code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Code capture success notification title</extracomment>
        <translation>Đã chụp mã</translation>
    </message>
    <message id="notification.scan_code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Scan Code capture success notification title</extracomment>
        <translation>Đã quét mã</translation>
    </message>
    <message id="notification.capture_success.message">
        <source>Copied to clipboard</source>
        <extracomment>Success notification message</extracomment>
        <translation>Đã sao chép vào bảng tạm</translation>
    </message>
    <message id="notification.capture_error.title">
        <source>Capture Failed</source>
        <extracomment>Error notification title</extracomment>
        <translation>Chụp thất bại</translation>
    </message>
    <message id="notification.voiceover.warning">
        <source>Warning: %1. %2</source>
        <extracomment>VoiceOver announcement for warning</extracomment>
        <translation>Cảnh báo: %1. %2</translation>
    </message>
    <message id="notification.voiceover.error">
        <source>Error: %1. %2</source>
        <extracomment>VoiceOver announcement for error</extracomment>
        <translation>Lỗi: %1. %2</translation>
    </message>
    <message id="error.notification.configuration_failed">
        <source>Failed to configure notifications: %1</source>
        <extracomment>Error when notification configuration fails</extracomment>
        <translation>Không thể thiết lập thông báo: %1</translation>
    </message>
    <message id="error.notification.permission_denied">
        <source>Notification permission denied</source>
        <extracomment>Error when notification permission is denied</extracomment>
        <translation>Quyền thông báo bị từ chối</translation>
    </message>
    <message id="error.notification.display_not_found">
        <source>Could not determine display for notification</source>
        <extracomment>Error when display cannot be found</extracomment>
        <translation>Không thể xác định màn hình để hiển thị thông báo</translation>
    </message>
    <message id="permission.summary.title">
        <source>Permissions Required</source>
        <extracomment>Permission summary title</extracomment>
        <translation>Cần cấp quyền</translation>
    </message>
    <message id="permission.summary.message">
        <source>Quorvane requires the following permissions:

%1

Please grant these permissions in your desktop&apos;s privacy settings to use Quorvane.</source>
        <extracomment>Permission summary message</extracomment>
        <translation>Quorvane cần các quyền sau:

%1

Vui lòng cấp các quyền này trong cài đặt quyền riêng tư của môi trường màn hình để sử dụng Quorvane.</translation>
    </message>
    <message id="permission.summary.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>Mở cài đặt quyền riêng tư</translation>
    </message>
    <message id="permission.summary.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="permission.screen_recording">
        <source>Screen Access</source>
        <extracomment>Name of the permission to read the screen (the desktop&apos;s screenshot access)</extracomment>
        <translation>Truy cập màn hình</translation>
    </message>
    <message id="permission.accessibility">
        <source>Global Shortcuts</source>
        <extracomment>Name of the permission to use keyboard shortcuts that work in every program</extracomment>
        <translation>Phím tắt toàn cục</translation>
    </message>
    <message id="error.settings_store.persistence">
        <source>Failed to save settings: %1</source>
        <extracomment>Error when settings persistence fails</extracomment>
        <translation>Không thể lưu cài đặt: %1</translation>
    </message>
    <message id="error.settings_store.validation">
        <source>Settings validation failed: %1</source>
        <extracomment>Error when settings validation fails</extracomment>
        <translation>Kiểm tra cài đặt thất bại: %1</translation>
    </message>
    <message id="error.settings_store.migration">
        <source>Settings migration failed: %1</source>
        <extracomment>Error when settings migration fails</extracomment>
        <translation>Chuyển đổi cài đặt thất bại: %1</translation>
    </message>
    <message id="error.settings_store.launch_item">
        <source>Failed to configure launch at login: %1</source>
        <extracomment>Error when launch item configuration fails</extracomment>
        <translation>Không thể thiết lập khởi động khi đăng nhập: %1</translation>
    </message>
    <message id="error.settings_store.shortcut_conflict">
        <source>Shortcut %1 is already in use or conflicts with system shortcuts</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>Phím tắt %1 đã được sử dụng hoặc xung đột với phím tắt hệ thống</translation>
    </message>
    <message id="error.settings_store.invalid_value">
        <source>Invalid setting value: %1</source>
        <extracomment>Error when setting value is invalid</extracomment>
        <translation>Giá trị cài đặt không hợp lệ: %1</translation>
    </message>
    <message id="shortcut.quick_zarrow">
        <source>Quick Capture</source>
        <extracomment>Name of the shortcut that starts a text capture</extracomment>
        <translation>Chụp nhanh</translation>
    </message>
    <message id="shortcut.repeat_zarrow">
        <source>Repeat Capture</source>
        <extracomment>Name of the shortcut that captures the last region again</extracomment>
        <translation>Chụp lại</translation>
    </message>
    <message id="shortcut.code_mode">
        <source>Code Mode</source>
        <extracomment>Code Mode shortcut</extracomment>
        <translation>Chế độ mã</translation>
    </message>
    <message id="shortcut.open_history">
        <source>Open History</source>
        <extracomment>Open History shortcut</extracomment>
        <translation>Mở lịch sử</translation>
    </message>
    <message id="shortcut.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code shortcut</extracomment>
        <translation>Quét mã</translation>
    </message>
    <message id="notification.accessibility.repeat_mode">
        <source>Repeat mode</source>
        <extracomment>Accessibility label for repeat mode badge</extracomment>
        <translation>Chế độ lặp lại</translation>
    </message>
    <message id="notification.accessibility.code_mode">
        <source>Code mode</source>
        <extracomment>Accessibility label for code mode badge</extracomment>
        <translation>Chế độ mã</translation>
    </message>
    <message id="notification.accessibility.scan_code_mode">
        <source>Code scan</source>
        <extracomment>Accessibility label for scan code mode</extracomment>
        <translation>Quét mã</translation>
    </message>
    <message id="notification.accessibility.hint">
        <source>Double-click to open in history</source>
        <extracomment>Screen reader hint of the notice shown after a capture</extracomment>
        <translation>Nhấp đúp để mở trong lịch sử</translation>
    </message>
    <message id="history.filter.all">
        <source>All</source>
        <extracomment>All time filter</extracomment>
        <translation>Tất cả</translation>
    </message>
    <message id="history.filter.today">
        <source>Today</source>
        <extracomment>Today filter</extracomment>
        <translation>Hôm nay</translation>
    </message>
    <message id="history.filter.week">
        <source>This Week</source>
        <extracomment>This week filter</extracomment>
        <translation>Tuần này</translation>
    </message>
    <message id="history.filter.month">
        <source>This Month</source>
        <extracomment>This month filter</extracomment>
        <translation>Tháng này</translation>
    </message>
    <message id="history.filter.custom">
        <source>Custom Range</source>
        <extracomment>Custom range filter</extracomment>
        <translation>Khoảng tùy chỉnh</translation>
    </message>
    <message id="export.error.pdf_creation">
        <source>Failed to create PDF document</source>
        <extracomment>PDF creation error</extracomment>
        <translation>Không thể tạo tài liệu PDF</translation>
    </message>
    <message id="export.error.write">
        <source>Failed to write file</source>
        <extracomment>File write error</extracomment>
        <translation>Không thể ghi tệp</translation>
    </message>
    <message id="export.format.txt">
        <source>Plain Text (.txt)</source>
        <extracomment>TXT export format</extracomment>
        <translation>Văn bản thuần (.txt)</translation>
    </message>
    <message id="export.format.markdown">
        <source>Markdown (.md)</source>
        <extracomment>Markdown export format</extracomment>
        <translation>Markdown (.md)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF Document (.pdf)</source>
        <extracomment>PDF export format</extracomment>
        <translation>Tài liệu PDF (.pdf)</translation>
    </message>
    <message id="export.panel.title">
        <source>Export Capture</source>
        <extracomment>Export save panel title</extracomment>
        <translation>Xuất bản chụp</translation>
    </message>
    <message id="export.panel.message">
        <source>Choose where to save the exported file</source>
        <extracomment>Export save panel message</extracomment>
        <translation>Chọn nơi lưu tệp được xuất</translation>
    </message>
    <message id="history.filter.custom_title">
        <source>Custom Date Range</source>
        <extracomment>Custom date range title</extracomment>
        <translation>Khoảng ngày tùy chỉnh</translation>
    </message>
    <message id="history.filter.from">
        <source>From:</source>
        <extracomment>From date label</extracomment>
        <translation>Từ:</translation>
    </message>
    <message id="history.filter.to">
        <source>To:</source>
        <extracomment>To date label</extracomment>
        <translation>Đến:</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>Hủy</translation>
    </message>
    <message id="history.filter.apply">
        <source>Apply</source>
        <extracomment>Apply filter button</extracomment>
        <translation>Áp dụng</translation>
    </message>
    <message id="history.detail.dimensions">
        <source>%1 × %2 pixels</source>
        <extracomment>Capture dimensions</extracomment>
        <translation>%1 × %2 điểm ảnh</translation>
    </message>
    <message id="history.detail.no_selection">
        <source>Select a capture to view details</source>
        <extracomment>No selection message</extracomment>
        <translation>Chọn một bản chụp để xem chi tiết</translation>
    </message>
    <message id="history.detail.text_label">
        <source>Captured Text</source>
        <extracomment>Captured text label</extracomment>
        <translation>Văn bản đã chụp</translation>
    </message>
    <message id="history.detail.copy">
        <source>Copy</source>
        <extracomment>Copy button</extracomment>
        <translation>Sao chép</translation>
    </message>
    <message id="history.detail.pin">
        <source>Pin</source>
        <extracomment>Pin to Desktop button</extracomment>
        <translation>Ghim</translation>
    </message>
    <message id="history.detail.pin.tooltip">
        <source>Pin to desktop as floating widget</source>
        <extracomment>Pin button tooltip</extracomment>
        <translation>Ghim lên màn hình nền dưới dạng cửa sổ nổi</translation>
    </message>
    <message id="history.detail.copy_markdown">
        <source>Copy as Markdown</source>
        <extracomment>Copy as markdown button</extracomment>
        <translation>Sao chép dạng Markdown</translation>
    </message>
    <message id="history.detail.export">
        <source>Export as…</source>
        <extracomment>Export button</extracomment>
        <translation>Xuất dưới dạng…</translation>
    </message>
    <message id="history.detail.export.tooltip">
        <source>Export this capture to a file</source>
        <extracomment>Export button tooltip</extracomment>
        <translation>Xuất bản chụp này ra tệp</translation>
    </message>
    <message id="history.detail.delete">
        <source>Delete</source>
        <extracomment>Delete button</extracomment>
        <translation>Xóa</translation>
    </message>
    <message id="history.detail.source_app">
        <source>From: %1</source>
        <extracomment>Source app label</extracomment>
        <translation>Từ: %1</translation>
    </message>
    <message id="history.detail.character_count" numerus="yes">
        <source>%n character(s)</source>
        <extracomment>Character count</extracomment>
        <translation>
            <numerusform>%n ký tự</numerusform>
        </translation>
    </message>
    <message id="history.empty.title">
        <source>No captures yet</source>
        <extracomment>Empty state title</extracomment>
        <translation>Chưa có bản chụp nào</translation>
    </message>
    <message id="history.empty.subtitle">
        <source>Press %1 to capture text from your screen</source>
        <extracomment>Empty state subtitle; the quick capture shortcut</extracomment>
        <translation>Nhấn %1 để chụp văn bản trên màn hình</translation>
    </message>
    <message id="history.empty.tip_repeat">
        <source>Use %1 to repeat last capture</source>
        <extracomment>Repeat capture tip; the repeat shortcut</extracomment>
        <translation>Dùng %1 để lặp lại lần chụp trước</translation>
    </message>
    <message id="history.empty.tip_code">
        <source>Use %1 for code mode</source>
        <extracomment>Code mode tip; the code mode shortcut</extracomment>
        <translation>Dùng %1 cho chế độ mã</translation>
    </message>
    <message id="history.filtered_empty.title">
        <source>No matching captures</source>
        <extracomment>Filtered empty state title</extracomment>
        <translation>Không có bản chụp phù hợp</translation>
    </message>
    <message id="history.filtered_empty.clear">
        <source>Clear Filters</source>
        <extracomment>Clear filters button</extracomment>
        <translation>Xóa bộ lọc</translation>
    </message>
    <message id="history.filtered_empty.search">
        <source>No captures found matching &quot;%1&quot;</source>
        <extracomment>No search results message</extracomment>
        <translation>Không tìm thấy bản chụp nào khớp với “%1”</translation>
    </message>
    <message id="history.filtered_empty.date">
        <source>No captures found for &quot;%1&quot;</source>
        <extracomment>No date filter results message</extracomment>
        <translation>Không tìm thấy bản chụp nào cho “%1”</translation>
    </message>
    <message id="history.list.title">
        <source>Captures</source>
        <extracomment>List title</extracomment>
        <translation>Bản chụp</translation>
    </message>
    <message id="history.search.placeholder">
        <source>Search captures…</source>
        <extracomment>Search placeholder</extracomment>
        <translation>Tìm bản chụp…</translation>
    </message>
    <message id="history.search.clear_all">
        <source>Clear All</source>
        <extracomment>Clear all button</extracomment>
        <translation>Xóa tất cả</translation>
    </message>
    <message id="history.filter.custom_range">
        <source>%1 to %2</source>
        <extracomment>Custom date range display</extracomment>
        <translation>%1 đến %2</translation>
    </message>
    <message id="error.history_store.storage_access">
        <source>Failed to access history storage: %1</source>
        <extracomment>Error when storage access fails</extracomment>
        <translation>Không thể truy cập nơi lưu lịch sử: %1</translation>
    </message>
    <message id="error.history_store.corrupted">
        <source>History file is corrupted: %1</source>
        <extracomment>Error when history file is corrupted</extracomment>
        <translation>Tệp lịch sử bị hỏng: %1</translation>
    </message>
    <message id="error.history_store.not_found">
        <source>History entry not found: %1</source>
        <extracomment>Error when entry is not found</extracomment>
        <translation>Không tìm thấy mục lịch sử: %1</translation>
    </message>
    <message id="error.history_store.thumbnail">
        <source>Failed to generate thumbnail: %1</source>
        <extracomment>Error when thumbnail generation fails</extracomment>
        <translation>Không thể tạo ảnh thu nhỏ: %1</translation>
    </message>
    <message id="error.history_store.invalid_max">
        <source>Invalid max entries value: %1. Must be between 1 and 1000.</source>
        <extracomment>Error when max entries value is invalid</extracomment>
        <translation>Giá trị số mục tối đa không hợp lệ: %1. Giá trị phải từ 1 đến 1000.</translation>
    </message>
    <message id="error.history_store.disk_full">
        <source>Not enough disk space to save history entry.</source>
        <extracomment>Error when disk is full</extracomment>
        <translation>Không đủ dung lượng đĩa để lưu mục lịch sử.</translation>
    </message>
    <message id="history.loading">
        <source>Loading captures…</source>
        <extracomment>Loading message</extracomment>
        <translation>Đang tải bản chụp…</translation>
    </message>
    <message id="history.delete.title">
        <source>Delete Capture?</source>
        <extracomment>Delete confirmation title</extracomment>
        <translation>Xóa bản chụp?</translation>
    </message>
    <message id="history.delete.message">
        <source>This action cannot be undone.</source>
        <extracomment>Delete confirmation message</extracomment>
        <translation>Không thể hoàn tác thao tác này.</translation>
    </message>
    <message id="history.delete.confirm">
        <source>Delete</source>
        <extracomment>Delete confirmation button</extracomment>
        <translation>Xóa</translation>
    </message>
    <message id="history.clear_all.title">
        <source>Clear All History?</source>
        <extracomment>Clear all confirmation title</extracomment>
        <translation>Xóa toàn bộ lịch sử?</translation>
    </message>
    <message id="history.clear_all.message">
        <source>This will permanently delete all captures. This action cannot be undone.</source>
        <extracomment>Clear all confirmation message</extracomment>
        <translation>Thao tác này sẽ xóa vĩnh viễn tất cả bản chụp. Không thể hoàn tác thao tác này.</translation>
    </message>
    <message id="history.clear_all.confirm">
        <source>Clear All</source>
        <extracomment>Clear all confirmation button</extracomment>
        <translation>Xóa tất cả</translation>
    </message>
    <message id="history.error.title">
        <source>Error</source>
        <extracomment>Error alert title</extracomment>
        <translation>Lỗi</translation>
    </message>
    <message id="history.stats.filtered" numerus="yes">
        <source>%1 of %n capture(s)</source>
        <extracomment>Filtered captures count: %1 shown of %n in all</extracomment>
        <translation>
            <numerusform>%1 trên %n bản chụp</numerusform>
        </translation>
    </message>
    <message id="history.stats.total" numerus="yes">
        <source>%n capture(s)</source>
        <extracomment>Total captures count</extracomment>
        <translation>
            <numerusform>%n bản chụp</numerusform>
        </translation>
    </message>
    <message id="pin_widget.image.accessibility">
        <source>Captured screenshot</source>
        <extracomment>Accessibility label for pinned image</extracomment>
        <translation>Ảnh chụp màn hình</translation>
    </message>
    <message id="pin_widget.image.no_image">
        <source>No image available</source>
        <extracomment>Placeholder when no image</extracomment>
        <translation>Không có hình ảnh</translation>
    </message>
    <message id="pin_widget.text.accessibility">
        <source>Captured text editor</source>
        <extracomment>Accessibility label for text editor</extracomment>
        <translation>Trình sửa văn bản đã chụp</translation>
    </message>
    <message id="pin_widget.replace_confirmation.title">
        <source>Replace Pin?</source>
        <extracomment>Title for replace pin confirmation</extracomment>
        <translation>Thay cửa sổ ghim?</translation>
    </message>
    <message id="pin_widget.replace_confirmation.message">
        <source>The current pin has unsaved edits. Replace it with the new capture?</source>
        <extracomment>Message for replace pin confirmation</extracomment>
        <translation>Cửa sổ ghim hiện tại có nội dung sửa chưa lưu. Thay nó bằng bản chụp mới?</translation>
    </message>
    <message id="pin_widget.replace_confirmation.replace">
        <source>Replace</source>
        <extracomment>Replace button</extracomment>
        <translation>Thay thế</translation>
    </message>
    <message id="pin_widget.replace_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>Hủy</translation>
    </message>
    <message id="pin_widget.close_confirmation.title">
        <source>Unsaved Edits</source>
        <extracomment>Title for close pin confirmation</extracomment>
        <translation>Nội dung sửa chưa lưu</translation>
    </message>
    <message id="pin_widget.close_confirmation.message">
        <source>The pin has unsaved text edits. What would you like to do?</source>
        <extracomment>Message for close pin confirmation</extracomment>
        <translation>Cửa sổ ghim có nội dung văn bản đã sửa nhưng chưa lưu. Bạn muốn làm gì?</translation>
    </message>
    <message id="pin_widget.close_confirmation.save_clipboard">
        <source>Save to Clipboard</source>
        <extracomment>Save to clipboard button</extracomment>
        <translation>Lưu vào bảng tạm</translation>
    </message>
    <message id="pin_widget.close_confirmation.discard">
        <source>Discard</source>
        <extracomment>Discard button</extracomment>
        <translation>Bỏ qua</translation>
    </message>
    <message id="pin_widget.close_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>Hủy</translation>
    </message>
    <message id="pin_widget.clipboard_failed.title">
        <source>Text Not Copied</source>
        <extracomment>Title when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>Chưa sao chép văn bản</translation>
    </message>
    <message id="pin_widget.clipboard_failed.message">
        <source>The clipboard did not take the pin&apos;s text, so the pin stays open with your edits. Try again, or copy the text from the pin.</source>
        <extracomment>Message when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>Bảng tạm không nhận văn bản của cửa sổ ghim, nên cửa sổ ghim vẫn mở cùng nội dung bạn đã sửa. Hãy thử lại hoặc sao chép văn bản từ cửa sổ ghim.</translation>
    </message>
    <message id="pin_widget.clipboard_failed.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="pin_widget.toolbar.opacity_hint">
        <source>Cycle opacity (30%/60%/100%)</source>
        <translation>Đổi độ mờ đục (30%/60%/100%)</translation>
    </message>
    <message id="pin_widget.toolbar.close">
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_text">
        <source>Switch to Text</source>
        <translation>Chuyển sang văn bản</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_image">
        <source>Switch to Image</source>
        <translation>Chuyển sang hình ảnh</translation>
    </message>
    <message id="pin_widget.toolbar.unpin">
        <source>Unpin (allow window to go behind)</source>
        <translation>Bỏ ghim (cho phép cửa sổ nằm phía sau)</translation>
    </message>
    <message id="pin_widget.toolbar.pin">
        <source>Pin (keep on top)</source>
        <translation>Ghim (luôn ở trên cùng)</translation>
    </message>
    <message id="relative_time.seconds" numerus="yes">
        <source>%n sec.</source>
        <extracomment>Seconds, short</extracomment>
        <translation>
            <numerusform>%n giây</numerusform>
        </translation>
    </message>
    <message id="relative_time.minutes" numerus="yes">
        <source>%n min.</source>
        <extracomment>Minutes, short</extracomment>
        <translation>
            <numerusform>%n phút</numerusform>
        </translation>
    </message>
    <message id="relative_time.hours" numerus="yes">
        <source>%n hr.</source>
        <extracomment>Hours, short</extracomment>
        <translation>
            <numerusform>%n giờ</numerusform>
        </translation>
    </message>
    <message id="relative_time.days" numerus="yes">
        <source>%n days</source>
        <extracomment>Days</extracomment>
        <translation>
            <numerusform>%n ngày</numerusform>
        </translation>
    </message>
    <message id="relative_time.weeks" numerus="yes">
        <source>%n wk.</source>
        <extracomment>Weeks, short</extracomment>
        <translation>
            <numerusform>%n tuần</numerusform>
        </translation>
    </message>
    <message id="relative_time.months" numerus="yes">
        <source>%n mo.</source>
        <extracomment>Months, short</extracomment>
        <translation>
            <numerusform>%n tháng</numerusform>
        </translation>
    </message>
    <message id="relative_time.years" numerus="yes">
        <source>%n yr.</source>
        <extracomment>Years, short</extracomment>
        <translation>
            <numerusform>%n năm</numerusform>
        </translation>
    </message>
    <message id="relative_time.past">
        <source>%1 ago</source>
        <extracomment>Time before now</extracomment>
        <translation>%1 trước</translation>
    </message>
    <message id="relative_time.future">
        <source>in %1</source>
        <extracomment>Time after now</extracomment>
        <translation>%1 nữa</translation>
    </message>
    <message id="about.app_name">
        <source>Quorvane</source>
        <extracomment>The program name in the About window (usually kept as is)</extracomment>
        <translation>Quorvane</translation>
    </message>
    <message id="about.subtitle">
        <source>Screen Text Capture</source>
        <extracomment>Subtitle under the program name in the About window</extracomment>
        <translation>Chụp văn bản trên màn hình</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <extracomment>Version line in the About window: %1 version number</extracomment>
        <translation>Phiên bản %1</translation>
    </message>
    <message id="about.description">
        <source>Capture text from anywhere on your screen using OCR.</source>
        <extracomment>One-sentence description in the About window</extracomment>
        <translation>Chụp văn bản từ bất kỳ đâu trên màn hình bằng OCR.</translation>
    </message>
    <message id="about.legal_notice">
        <source>© 2025 Corvantis. Licence: GPL-3.0-or-later</source>
        <extracomment>Copyright and licence line in the About window; GPL-3.0-or-later is the licence&apos;s identifier and stays as is</extracomment>
        <translation>© 2025 Corvantis. Giấy phép: GPL-3.0-or-later</translation>
    </message>
    <message id="about.privacy_policy">
        <source>Privacy Policy</source>
        <extracomment>Link in the About window</extracomment>
        <translation>Chính sách quyền riêng tư</translation>
    </message>
    <message id="about.terms_of_service">
        <source>Terms of Service</source>
        <extracomment>Link in the About window</extracomment>
        <translation>Điều khoản dịch vụ</translation>
    </message>
    <message id="about.window.title">
        <source>About Quorvane</source>
        <extracomment>Title of the About window</extracomment>
        <translation>Giới thiệu Quorvane</translation>
    </message>
    <message id="preferences.shortcuts.copy_command">
        <source>Copy</source>
        <extracomment>Button that copies a shortcut command</extracomment>
        <translation>Sao chép</translation>
    </message>
    <message id="preferences.shortcuts.desktop_unavailable">
        <source>Your desktop does not let programs take global shortcuts. In its keyboard settings, add a custom shortcut for each command you want:</source>
        <extracomment>Shortcuts pane note when the desktop offers no global shortcuts</extracomment>
        <translation>Môi trường màn hình của bạn không cho phép chương trình dùng phím tắt toàn cục. Trong phần cài đặt bàn phím của nó, hãy thêm một phím tắt tùy chỉnh cho mỗi lệnh bạn muốn:</translation>
    </message>
    <message id="preferences.shortcuts.desktop_owned">
        <source>Your desktop keeps these shortcuts: it may ask you to confirm them, and you can change them in its keyboard settings. It reports:</source>
        <extracomment>Shortcuts pane note when the desktop holds the global shortcuts</extracomment>
        <translation>Môi trường màn hình của bạn quản lý các phím tắt này: nó có thể yêu cầu bạn xác nhận, và bạn có thể thay đổi chúng trong phần cài đặt bàn phím của nó. Nó báo cáo:</translation>
    </message>
    <message id="preferences.shortcuts.not_bound">
        <source>Not bound yet</source>
        <extracomment>A global shortcut the desktop has not bound</extracomment>
        <translation>Chưa được gán</translation>
    </message>
    <message id="feedback.title">
        <source>Send Feedback</source>
        <extracomment>Heading of the Feedback window</extracomment>
        <translation>Gửi phản hồi</translation>
    </message>
    <message id="feedback.subtitle">
        <source>We&apos;d love to hear from you!</source>
        <extracomment>Subtitle of the Feedback window</extracomment>
        <translation>Chúng tôi rất muốn nghe ý kiến của bạn!</translation>
    </message>
    <message id="feedback.email">
        <source>Email</source>
        <extracomment>Section label for the support e-mail address</extracomment>
        <translation>Email</translation>
    </message>
    <message id="feedback.email.open_tooltip">
        <source>Click to open email client</source>
        <extracomment>Tooltip of the e-mail address button</extracomment>
        <translation>Nhấp để mở ứng dụng email</translation>
    </message>
    <message id="feedback.email.copy_tooltip">
        <source>Copy email address</source>
        <extracomment>Tooltip of the copy button beside the e-mail address</extracomment>
        <translation>Sao chép địa chỉ email</translation>
    </message>
    <message id="feedback.twitter">
        <source>X / Twitter</source>
        <extracomment>Section label for the social profile (brand name, usually kept)</extracomment>
        <translation>X / Twitter</translation>
    </message>
    <message id="feedback.twitter.open_tooltip">
        <source>Click to open Twitter profile</source>
        <extracomment>Tooltip of the social profile button</extracomment>
        <translation>Nhấp để mở trang Twitter</translation>
    </message>
    <message id="feedback.close">
        <source>Close</source>
        <extracomment>Button that closes the Feedback window</extracomment>
        <translation>Đóng</translation>
    </message>
    <message id="feedback.alert.browser.title">
        <source>Browser Cannot Handle Email</source>
        <extracomment>Alert title when e-mail links open in a web browser</extracomment>
        <translation>Trình duyệt không xử lý được email</translation>
    </message>
    <message id="feedback.alert.browser.message">
        <source>Your system is configured to open email links with a web browser, which cannot handle them properly.

Please either:
• Use the Copy button (📋) to copy the email address
• Configure an email application as your default email handler in your desktop&apos;s settings

Email: %1</source>
        <extracomment>Alert when e-mail links open in a web browser; %1 is the support address</extracomment>
        <translation>Hệ thống của bạn đang được đặt để mở liên kết email bằng trình duyệt web, vốn không xử lý đúng các liên kết này.

Vui lòng chọn một trong hai cách:
• Dùng nút Sao chép (📋) để sao chép địa chỉ email
• Đặt một ứng dụng email làm trình xử lý email mặc định trong phần cài đặt của môi trường màn hình

Email: %1</translation>
    </message>
    <message id="feedback.alert.error">
        <source>Error</source>
        <extracomment>Title of an error alert in the Feedback window</extracomment>
        <translation>Lỗi</translation>
    </message>
    <message id="feedback.alert.mail_link_failed">
        <source>Failed to create email URL</source>
        <extracomment>The e-mail link could not be made</extracomment>
        <translation>Không thể tạo URL email</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.title">
        <source>Cannot Open Mail</source>
        <extracomment>Alert title when no e-mail program opened</extracomment>
        <translation>Không thể mở thư</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.message">
        <source>Please ensure you have a default email app configured in your desktop&apos;s settings.

You can use the Copy button (📋) to copy: %1</source>
        <extracomment>Alert when no e-mail program opened; %1 is the support address</extracomment>
        <translation>Vui lòng đảm bảo bạn đã đặt ứng dụng email mặc định trong phần cài đặt của môi trường màn hình.

Bạn có thể dùng nút Sao chép (📋) để sao chép: %1</translation>
    </message>
    <message id="feedback.alert.copied.title">
        <source>Email Copied</source>
        <extracomment>Alert title after the support address was copied</extracomment>
        <translation>Đã sao chép email</translation>
    </message>
    <message id="feedback.alert.copied.message">
        <source>Email address copied to clipboard:

%1</source>
        <extracomment>Alert after the support address was copied; %1 is the address</extracomment>
        <translation>Đã sao chép địa chỉ email vào bảng tạm:

%1</translation>
    </message>
    <message id="feedback.alert.twitter_link_failed">
        <source>Failed to open Twitter URL</source>
        <extracomment>The social profile link could not be made</extracomment>
        <translation>Không thể mở URL Twitter</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.title">
        <source>Cannot Open Twitter</source>
        <extracomment>Alert title when the social profile did not open</extracomment>
        <translation>Không thể mở Twitter</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.message">
        <source>Please visit: %1</source>
        <extracomment>Alert when the social profile did not open; %1 is its address</extracomment>
        <translation>Vui lòng truy cập: %1</translation>
    </message>
    <message id="preferences.general.launch_at_login">
        <source>Launch at login</source>
        <extracomment>Launch at login toggle</extracomment>
        <translation>Khởi động khi đăng nhập</translation>
    </message>
    <message id="preferences.general.launch_at_login.description">
        <source>Automatically start Quorvane when you log in</source>
        <extracomment>Launch at login description</extracomment>
        <translation>Tự động khởi động Quorvane khi bạn đăng nhập</translation>
    </message>
    <message id="preferences.general.show_dock_icon">
        <source>Show pins in the taskbar</source>
        <extracomment>Switch that lists pinned captures in the taskbar</extracomment>
        <translation>Hiện cửa sổ ghim trên thanh tác vụ</translation>
    </message>
    <message id="preferences.general.show_dock_icon.description">
        <source>List pinned captures in the taskbar and window switcher. Windows you open are always listed</source>
        <extracomment>Description of the switch that lists pinned captures in the taskbar</extracomment>
        <translation>Hiện các bản chụp đã ghim trên thanh tác vụ và trình chuyển cửa sổ. Các cửa sổ bạn mở luôn được hiển thị</translation>
    </message>
    <message id="preferences.general.play_sound">
        <source>Play sound on capture</source>
        <extracomment>Play sound toggle</extracomment>
        <translation>Phát âm thanh khi chụp</translation>
    </message>
    <message id="preferences.general.play_sound.description">
        <source>Play a confirmation sound when text is successfully captured</source>
        <extracomment>Play sound description</extracomment>
        <translation>Phát âm thanh xác nhận khi chụp văn bản thành công</translation>
    </message>
    <message id="preferences.general.use_system_notifications">
        <source>Use system notifications</source>
        <extracomment>Use system notifications toggle</extracomment>
        <translation>Dùng thông báo hệ thống</translation>
    </message>
    <message id="preferences.general.use_system_notifications.description">
        <source>Announce each result with a desktop notification as well as the toast overlay</source>
        <extracomment>Use system notifications description</extracomment>
        <translation>Thông báo mỗi kết quả bằng thông báo màn hình nền, bên cạnh thông báo nổi</translation>
    </message>
    <message id="preferences.general.show_pin_widget">
        <source>Show pin widget after capture</source>
        <extracomment>Show pin widget toggle</extracomment>
        <translation>Hiện cửa sổ ghim sau khi chụp</translation>
    </message>
    <message id="preferences.general.show_pin_widget.description">
        <source>Automatically display a floating widget with the captured content after each OCR capture</source>
        <extracomment>Show pin widget description</extracomment>
        <translation>Tự động hiện một cửa sổ nổi chứa nội dung đã chụp sau mỗi lần chụp OCR</translation>
    </message>
    <message id="preferences.general.app_language">
        <source>App Language</source>
        <extracomment>App language picker label</extracomment>
        <translation>Ngôn ngữ ứng dụng</translation>
    </message>
    <message id="preferences.general.app_language.description">
        <source>Select the display language for Quorvane interface</source>
        <extracomment>App language description</extracomment>
        <translation>Chọn ngôn ngữ hiển thị cho giao diện Quorvane</translation>
    </message>
    <message id="preferences.history.header">
        <source>Configure capture history storage and management</source>
        <extracomment>History header</extracomment>
        <translation>Đặt cách lưu trữ và quản lý lịch sử chụp</translation>
    </message>
    <message id="preferences.history.max_entries">
        <source>Maximum history entries</source>
        <extracomment>Max history entries label</extracomment>
        <translation>Số mục lịch sử tối đa</translation>
    </message>
    <message id="preferences.history.auto_eviction">
        <source>Oldest entries are automatically removed when this limit is reached</source>
        <extracomment>Auto eviction description</extracomment>
        <translation>Khi đạt đến giới hạn này, các mục cũ nhất sẽ tự động bị xóa</translation>
    </message>
    <message id="preferences.history.current_stats">
        <source>Current History</source>
        <extracomment>Current stats label</extracomment>
        <translation>Lịch sử hiện tại</translation>
    </message>
    <message id="preferences.history.clear_history">
        <source>Clear History</source>
        <extracomment>Clear history section label</extracomment>
        <translation>Xóa lịch sử</translation>
    </message>
    <message id="preferences.history.clear_history.description">
        <source>Permanently delete all capture history entries. This action cannot be undone</source>
        <extracomment>Clear history description</extracomment>
        <translation>Xóa vĩnh viễn tất cả mục trong lịch sử chụp. Không thể hoàn tác thao tác này</translation>
    </message>
    <message id="preferences.history.clear_all_button">
        <source>Clear All History…</source>
        <extracomment>Clear all history button</extracomment>
        <translation>Xóa toàn bộ lịch sử…</translation>
    </message>
    <message id="preferences.history.trim_confirmation.title">
        <source>Delete Older Captures?</source>
        <extracomment>Title when a lower maximum would delete captures</extracomment>
        <translation>Xóa các bản chụp cũ hơn?</translation>
    </message>
    <message id="preferences.history.trim_confirmation.message" numerus="yes">
        <source>Keeping at most %n captures permanently deletes the %1 oldest. This action cannot be undone.</source>
        <extracomment>Message when a lower maximum would delete captures: %n the new maximum, %1 how many go</extracomment>
        <translation>
            <numerusform>Chỉ giữ tối đa %n bản chụp sẽ xóa vĩnh viễn %1 bản chụp cũ nhất. Không thể hoàn tác thao tác này.</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.button" numerus="yes">
        <source>Delete %n Captures</source>
        <extracomment>Button that lowers the maximum and deletes captures</extracomment>
        <translation>
            <numerusform>Xóa %n bản chụp</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>Hủy</translation>
    </message>
    <message id="preferences.history.clear_confirmation.title">
        <source>Clear All History?</source>
        <extracomment>Clear confirmation title</extracomment>
        <translation>Xóa toàn bộ lịch sử?</translation>
    </message>
    <message id="preferences.history.clear_confirmation.message">
        <source>This will permanently delete all capture history entries. This action cannot be undone.</source>
        <extracomment>Clear confirmation message</extracomment>
        <translation>Thao tác này sẽ xóa vĩnh viễn tất cả mục trong lịch sử chụp. Không thể hoàn tác thao tác này.</translation>
    </message>
    <message id="preferences.history.clear_confirmation.button" numerus="yes">
        <source>Delete %n Entries</source>
        <extracomment>Delete entries button</extracomment>
        <translation>
            <numerusform>Xóa %n mục</numerusform>
        </translation>
    </message>
    <message id="preferences.history.clear_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>Hủy</translation>
    </message>
    <message id="preferences.history.estimated_storage">
        <source>Estimated storage: %1</source>
        <extracomment>Estimated storage label</extracomment>
        <translation>Dung lượng ước tính: %1</translation>
    </message>
    <message id="preferences.history.entry_count" numerus="yes">
        <source>%n entries stored</source>
        <extracomment>Entry count label</extracomment>
        <translation>
            <numerusform>Đã lưu %n mục</numerusform>
        </translation>
    </message>
    <message id="preferences.history.space_usage">
        <source>Using %1% of maximum capacity</source>
        <extracomment>Space usage label</extracomment>
        <translation>Đang dùng %1% dung lượng tối đa</translation>
    </message>
    <message id="preferences.languages.priority_badge">
        <source>#%1</source>
        <extracomment>Badge with the priority number of a recognition language</extracomment>
        <translation>#%1</translation>
    </message>
    <message id="preferences.languages.header">
        <source>Configure which languages Quorvane should recognize in captured text</source>
        <extracomment>Languages header</extracomment>
        <translation>Đặt các ngôn ngữ mà Quorvane cần nhận dạng trong văn bản đã chụp</translation>
    </message>
    <message id="preferences.languages.auto_detect">
        <source>Auto-detect language (recommended)</source>
        <extracomment>Auto-detect language toggle</extracomment>
        <translation>Tự động nhận biết ngôn ngữ (khuyên dùng)</translation>
    </message>
    <message id="preferences.languages.auto_detect.description">
        <source>Automatically detect the language based on system locale and text content. For best results, enable this option</source>
        <extracomment>Auto-detect description</extracomment>
        <translation>Tự động nhận biết ngôn ngữ dựa trên ngôn ngữ hệ thống và nội dung văn bản. Để có kết quả tốt nhất, hãy bật tùy chọn này</translation>
    </message>
    <message id="preferences.languages.preferred_languages">
        <source>Preferred Languages (drag to reorder priority)</source>
        <extracomment>Preferred languages label</extracomment>
        <translation>Ngôn ngữ ưu tiên (kéo để sắp xếp thứ tự ưu tiên)</translation>
    </message>
    <message id="preferences.languages.select_all">
        <source>Select All</source>
        <extracomment>Select all button</extracomment>
        <translation>Chọn tất cả</translation>
    </message>
    <message id="preferences.languages.deselect_all">
        <source>Deselect All</source>
        <extracomment>Deselect all button</extracomment>
        <translation>Bỏ chọn tất cả</translation>
    </message>
    <message id="preferences.languages.selection_count" numerus="yes">
        <source>%n language(s) selected</source>
        <extracomment>Language selection count</extracomment>
        <translation>
            <numerusform>Đã chọn %n ngôn ngữ</numerusform>
        </translation>
    </message>
    <message id="preferences.languages.none_chosen.automatic">
        <source>Choose at least one language; until then languages are chosen automatically</source>
        <extracomment>Notice while no language is ticked and detection stays on</extracomment>
        <translation>Hãy chọn ít nhất một ngôn ngữ; cho đến lúc đó, ngôn ngữ sẽ được chọn tự động</translation>
    </message>
    <message id="preferences.languages.none_chosen.stored">
        <source>Choose at least one language; until then recognition keeps using %1</source>
        <extracomment>Notice while no language is ticked and the stored languages stay in use</extracomment>
        <translation>Hãy chọn ít nhất một ngôn ngữ; cho đến lúc đó, việc nhận dạng vẫn dùng %1</translation>
    </message>
    <message id="onboarding.skip">
        <source>Skip</source>
        <extracomment>Skip onboarding button</extracomment>
        <translation>Bỏ qua</translation>
    </message>
    <message id="onboarding.next">
        <source>Next</source>
        <extracomment>Next page button</extracomment>
        <translation>Tiếp</translation>
    </message>
    <message id="onboarding.permissions.granted">
        <source>Granted</source>
        <extracomment>Status shown beside a permission that is granted</extracomment>
        <translation>Đã cấp</translation>
    </message>
    <message id="onboarding.permissions.grant">
        <source>Grant</source>
        <extracomment>Button that asks for a permission</extracomment>
        <translation>Cấp quyền</translation>
    </message>
    <message id="onboarding.permissions.title">
        <source>Permissions Required</source>
        <extracomment>Permissions page title</extracomment>
        <translation>Cần cấp quyền</translation>
    </message>
    <message id="onboarding.permissions.subtitle">
        <source>Quorvane needs your permission to work</source>
        <extracomment>Permissions page subtitle</extracomment>
        <translation>Quorvane cần bạn cấp quyền để hoạt động</translation>
    </message>
    <message id="onboarding.permissions.explanation">
        <source>To capture text from your screen, Quorvane needs access to it. This allows the app to see what&apos;s on your screen when you activate it. All processing happens locally on your device.</source>
        <extracomment>Permissions explanation</extracomment>
        <translation>Để chụp văn bản trên màn hình, Quorvane cần quyền truy cập màn hình. Quyền này cho phép ứng dụng thấy nội dung trên màn hình khi bạn kích hoạt nó. Mọi xử lý đều diễn ra cục bộ trên thiết bị của bạn.</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.title">
        <source>Screen Access</source>
        <extracomment>Title of the screen access permission</extracomment>
        <translation>Truy cập màn hình</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.description">
        <source>Allows Quorvane to capture text from selected screen regions</source>
        <extracomment>Screen Recording permission description</extracomment>
        <translation>Cho phép Quorvane chụp văn bản từ vùng màn hình được chọn</translation>
    </message>
    <message id="onboarding.permissions.accessibility.title">
        <source>Global Shortcuts (Optional)</source>
        <extracomment>Title of the global shortcuts permission</extracomment>
        <translation>Phím tắt toàn cục (không bắt buộc)</translation>
    </message>
    <message id="onboarding.permissions.accessibility.description">
        <source>Enables global keyboard shortcuts for quick capture</source>
        <extracomment>Accessibility permission description</extracomment>
        <translation>Bật phím tắt toàn cục để chụp nhanh</translation>
    </message>
    <message id="onboarding.permissions.instructions">
        <source>Click the Grant button next to each permission to open your desktop&apos;s privacy settings. This page will automatically detect when you grant permissions.</source>
        <extracomment>Permission instructions</extracomment>
        <translation>Nhấp nút “Cấp quyền” bên cạnh từng quyền để mở cài đặt quyền riêng tư của môi trường màn hình. Trang này sẽ tự động nhận biết khi bạn cấp quyền.</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <extracomment>General preferences tab</extracomment>
        <translation>Chung</translation>
    </message>
    <message id="preferences.tab.shortcuts">
        <source>Shortcuts</source>
        <extracomment>Shortcuts preferences tab</extracomment>
        <translation>Phím tắt</translation>
    </message>
    <message id="preferences.tab.text_formatting">
        <source>Text &amp; Formatting</source>
        <extracomment>Text formatting preferences tab</extracomment>
        <translation>Văn bản và định dạng</translation>
    </message>
    <message id="preferences.tab.languages">
        <source>Languages</source>
        <extracomment>Languages preferences tab</extracomment>
        <translation>Ngôn ngữ</translation>
    </message>
    <message id="preferences.tab.history">
        <source>History</source>
        <extracomment>History preferences tab</extracomment>
        <translation>Lịch sử</translation>
    </message>
    <message id="preferences.shortcuts.recording">
        <source>Press keys… (ESC to cancel)</source>
        <extracomment>Recording shortcut message</extracomment>
        <translation>Nhấn phím… (Esc để hủy)</translation>
    </message>
    <message id="preferences.shortcuts.error.system_reserved">
        <source>This shortcut is reserved by the system</source>
        <extracomment>System reserved shortcut error</extracomment>
        <translation>Phím tắt này đã được hệ thống dành riêng</translation>
    </message>
    <message id="preferences.shortcuts.error.conflict">
        <source>This shortcut conflicts with another action</source>
        <extracomment>Shortcut conflict error</extracomment>
        <translation>Phím tắt này xung đột với một thao tác khác</translation>
    </message>
    <message id="preferences.shortcuts.error.taken">
        <source>This shortcut is already used by another program</source>
        <extracomment>Shortcut held by another program error</extracomment>
        <translation>Phím tắt này đang được một chương trình khác sử dụng</translation>
    </message>
    <message id="preferences.shortcuts.error.invalid">
        <source>Current shortcut is invalid</source>
        <extracomment>Invalid shortcut error</extracomment>
        <translation>Phím tắt hiện tại không hợp lệ</translation>
    </message>
    <message id="preferences.shortcuts.header">
        <source>Configure global keyboard shortcuts for Quorvane actions</source>
        <extracomment>Shortcuts header</extracomment>
        <translation>Đặt phím tắt toàn cục cho các thao tác của Quorvane</translation>
    </message>
    <message id="preferences.shortcuts.quick_zarrow.description">
        <source>Activate screen capture overlay and select region</source>
        <extracomment>Quick capture shortcut description</extracomment>
        <translation>Bật lớp phủ chụp màn hình và chọn vùng</translation>
    </message>
    <message id="preferences.shortcuts.repeat_zarrow.description">
        <source>Capture the same region as last time without showing overlay</source>
        <extracomment>Repeat capture shortcut description</extracomment>
        <translation>Chụp lại đúng vùng của lần trước mà không hiện lớp phủ</translation>
    </message>
    <message id="preferences.shortcuts.code_mode.description">
        <source>Capture text in code mode (preserves formatting)</source>
        <extracomment>Code mode shortcut description</extracomment>
        <translation>Chụp văn bản ở chế độ mã (giữ nguyên định dạng)</translation>
    </message>
    <message id="preferences.shortcuts.scan_code.description">
        <source>Scan QR codes and barcodes from the screen</source>
        <extracomment>Scan Code shortcut description</extracomment>
        <translation>Quét mã QR và mã vạch trên màn hình</translation>
    </message>
    <message id="preferences.shortcuts.open_history.description">
        <source>Open capture history window</source>
        <extracomment>History shortcut description</extracomment>
        <translation>Mở cửa sổ lịch sử chụp</translation>
    </message>
    <message id="preferences.shortcuts.reset">
        <source>Reset to Defaults</source>
        <extracomment>Reset shortcuts button</extracomment>
        <translation>Khôi phục mặc định</translation>
    </message>
    <message id="preferences.text_formatting.header">
        <source>Configure how captured text is processed before copying to clipboard</source>
        <extracomment>Text formatting header</extracomment>
        <translation>Đặt cách xử lý văn bản đã chụp trước khi sao chép vào bảng tạm</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks">
        <source>Preserve original line breaks</source>
        <extracomment>Preserve line breaks toggle</extracomment>
        <translation>Giữ nguyên ngắt dòng gốc</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks.description">
        <source>Keep line breaks as they appear in the original text. When disabled, paragraphs are merged into continuous lines</source>
        <extracomment>Preserve line breaks description</extracomment>
        <translation>Giữ các ngắt dòng như trong văn bản gốc. Khi tắt, các đoạn sẽ được gộp thành dòng liền mạch</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes">
        <source>Avoid smart quotes (convert to ASCII)</source>
        <extracomment>Avoid smart quotes toggle</extracomment>
        <translation>Tránh dấu ngoặc kép thông minh (chuyển sang ASCII)</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes.description">
        <source>Convert typographic quotes (“”) to plain ASCII quotes (&quot;&quot;). Also converts em-dashes (—) and ellipses (…) to ASCII equivalents</source>
        <extracomment>Avoid smart quotes description</extracomment>
        <translation>Chuyển dấu ngoặc kép kiểu in ấn (“”) thành dấu ngoặc kép ASCII thông thường (&quot;&quot;). Đồng thời chuyển gạch ngang dài (—) và dấu ba chấm (…) thành ký tự ASCII tương đương</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces">
        <source>Collapse multiple spaces into one</source>
        <extracomment>Collapse spaces toggle</extracomment>
        <translation>Gộp nhiều khoảng trắng thành một</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces.description">
        <source>Replace consecutive spaces with a single space. Helps clean up OCR results</source>
        <extracomment>Collapse spaces description</extracomment>
        <translation>Thay các khoảng trắng liên tiếp bằng một khoảng trắng. Giúp làm sạch kết quả OCR</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.title">
        <source>Code Mode Exception</source>
        <extracomment>Code mode note title</extracomment>
        <translation>Ngoại lệ của chế độ mã</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.description">
        <source>These settings do not apply to Code Mode captures. Code Mode preserves all original formatting, including spaces, line breaks, and special characters</source>
        <extracomment>Code mode note description</extracomment>
        <translation>Các cài đặt này không áp dụng cho bản chụp ở chế độ mã. Chế độ mã giữ nguyên mọi định dạng gốc, bao gồm khoảng trắng, ngắt dòng và ký tự đặc biệt</translation>
    </message>
    <message id="onboarding.welcome.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Welcome page title</extracomment>
        <translation>Chào mừng đến với Quorvane</translation>
    </message>
    <message id="onboarding.welcome.subtitle">
        <source>Capture text from anywhere on your screen</source>
        <extracomment>Welcome page subtitle</extracomment>
        <translation>Chụp văn bản từ bất kỳ đâu trên màn hình</translation>
    </message>
    <message id="onboarding.welcome.description">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Just press the keyboard shortcut, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description</extracomment>
        <translation>Quorvane giúp bạn dễ dàng trích xuất văn bản từ hình ảnh, video, PDF và mọi nội dung trên màn hình. Chỉ cần nhấn phím tắt, kéo để chọn, văn bản sẽ được sao chép ngay vào bảng tạm.</translation>
    </message>
    <message id="onboarding.welcome.feature1.title">
        <source>Quick Capture</source>
        <extracomment>Feature 1 title</extracomment>
        <translation>Chụp nhanh</translation>
    </message>
    <message id="onboarding.welcome.feature2.title">
        <source>Multi-Language Support</source>
        <extracomment>Feature 2 title</extracomment>
        <translation>Hỗ trợ đa ngôn ngữ</translation>
    </message>
    <message id="onboarding.welcome.feature2.description">
        <source>Recognizes text in 20+ languages</source>
        <extracomment>Feature 2 description</extracomment>
        <translation>Nhận dạng văn bản bằng hơn 20 ngôn ngữ</translation>
    </message>
    <message id="onboarding.welcome.feature3.title">
        <source>Privacy First</source>
        <extracomment>Feature 3 title</extracomment>
        <translation>Quyền riêng tư là trên hết</translation>
    </message>
    <message id="onboarding.welcome.feature3.description">
        <source>All processing happens on your device</source>
        <extracomment>Feature 3 description</extracomment>
        <translation>Mọi xử lý đều diễn ra trên thiết bị của bạn</translation>
    </message>
    <message id="onboarding.welcome.feature1.description">
        <source>Press %1 to capture text instantly</source>
        <extracomment>Feature 1 description; the quick capture shortcut</extracomment>
        <translation>Nhấn %1 để chụp văn bản ngay lập tức</translation>
    </message>
    <message id="error.import.unreadable_clipboard">
        <source>The image on the clipboard could not be read</source>
        <extracomment>Error when the clipboard offers no image that can be decoded</extracomment>
        <translation>Không thể đọc hình ảnh trong bảng tạm</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn any region of the screen into text, scan barcodes and keep a capture history</source>
        <extracomment>Comment of the desktop entry (a menu&apos;s tooltip): what the program does, one sentence</extracomment>
        <translation>Biến bất kỳ vùng nào trên màn hình thành văn bản, quét mã vạch và lưu lịch sử chụp</translation>
    </message>
    <message id="desktop.keywords">
        <source>OCR;text;screenshot;capture;barcode;QR;clipboard;</source>
        <extracomment>Search words of the desktop entry: words users type to find the program, each followed by a semicolon</extracomment>
        <translation>OCR;văn bản;ảnh chụp màn hình;chụp;mã vạch;QR;bảng tạm;</translation>
    </message>
    <message id="desktop.action.repeat">
        <source>Repeat Last Capture</source>
        <extracomment>Launcher action of the desktop entry (shown in the dock or menu): capture the region captured last again</extracomment>
        <translation>Lặp lại lần chụp gần nhất</translation>
    </message>
    <message id="desktop.action.code">
        <source>Capture Code</source>
        <extracomment>Launcher action of the desktop entry: capture text keeping the indentation of code</extracomment>
        <translation>Chụp mã nguồn</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn any region of the screen into text</source>
        <extracomment>One-line summary in software centres</extracomment>
        <translation>Biến bất kỳ vùng nào trên màn hình thành văn bản</translation>
    </message>
    <message id="metainfo.description">
        <source>Quorvane lives in the system tray. Press its shortcut, drag over a region of the screen, and the text inside it is recognised on this computer and copied to the clipboard.</source>
        <extracomment>Description paragraph in software centres</extracomment>
        <translation>Quorvane nằm trong khay hệ thống. Nhấn phím tắt, kéo chọn một vùng trên màn hình, văn bản trong đó sẽ được nhận dạng ngay trên máy tính này và sao chép vào bảng tạm.</translation>
    </message>
    <message id="metainfo.feature.repeat">
        <source>Repeat a capture of the last region with one shortcut</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>Chụp lại vùng gần nhất chỉ bằng một phím tắt</translation>
    </message>
    <message id="metainfo.feature.code">
        <source>Keep the indentation of code in code mode</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>Giữ thụt lề của mã nguồn trong chế độ mã</translation>
    </message>
    <message id="metainfo.feature.codes">
        <source>Read QR codes and barcodes</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>Đọc mã QR và mã vạch</translation>
    </message>
    <message id="metainfo.feature.history">
        <source>Find earlier captures in a searchable history</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>Tìm lại các lần chụp trước trong lịch sử có thể tìm kiếm</translation>
    </message>
    <message id="metainfo.feature.command">
        <source>Start captures from the desktop&apos;s own shortcut settings or a script with the quorvane capture command</source>
        <extracomment>Feature list item in software centres; &quot;quorvane capture&quot; is a command and stays as is</extracomment>
        <translation>Bắt đầu chụp từ phần cài đặt phím tắt của môi trường desktop hoặc từ một script bằng lệnh quorvane capture</translation>
    </message>
    <message id="about.version_with_commit">
        <source>Version %1 (%2)</source>
        <extracomment>Version line in the About window of a program built from a development copy: %1 version number, %2 the short identifier of the source revision (such as a1b2c3d)</extracomment>
        <translation>Phiên bản %1 (%2)</translation>
    </message>
    <message id="error.screen_capture.portal_missing">
        <source>This desktop offers no screenshot service to read the screen with. Install %1, then log out and in again.</source>
        <extracomment>Error when the desktop offers no screenshot service (Wayland); %1 lists Debian package names</extracomment>
        <translation>Màn hình nền này không cung cấp dịch vụ chụp màn hình để đọc màn hình. Hãy cài đặt %1, sau đó đăng xuất và đăng nhập lại.</translation>
    </message>
    <message id="tray_absence.message_without_shortcuts">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. To capture text, bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon and the desktop offers programs no global shortcuts</extracomment>
        <translation>Không có khay hệ thống nào trên màn hình nền này hiển thị biểu tượng của Quorvane. Để chụp văn bản, hãy gán lệnh “quorvane capture” cho một phím trong cài đặt bàn phím của màn hình nền. Chạy lại “quorvane” để mở tùy chọn, hoặc “quorvane quit” để thoát.</translation>
    </message>
    <message id="onboarding.welcome.feature1.description_without_shortcuts">
        <source>Bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings to capture text instantly</source>
        <extracomment>Feature 1 description where the desktop offers programs no global shortcuts</extracomment>
        <translation>Gán lệnh “quorvane capture” cho một phím trong cài đặt bàn phím của màn hình nền để chụp văn bản ngay lập tức</translation>
    </message>
    <message id="notification.settings_salvaged.message">
        <source>The settings file was damaged and was kept as %1. The settings it still held are in use.</source>
        <extracomment>Warning message when the settings file was damaged but some settings could still be read from it</extracomment>
        <translation>Tệp cài đặt bị hỏng và đã được giữ lại dưới tên %1. Các cài đặt còn đọc được trong đó đang được dùng.</translation>
    </message>
    <message id="notification.settings_reset.message">
        <source>These settings could not be read and are back to their defaults: %1. Every other setting was kept.</source>
        <extracomment>Warning message naming the settings whose stored values could not be read; %1 lists their names</extracomment>
        <translation>Không đọc được các cài đặt này nên chúng đã trở về mặc định: %1. Mọi cài đặt khác vẫn được giữ nguyên.</translation>
    </message>
    <message id="notification.settings_reset.title">
        <source>Settings Reset</source>
        <extracomment>Warning title when some stored settings could not be read</extracomment>
        <translation>Đã đặt lại cài đặt</translation>
    </message>
    <message id="error.import.reason.not_a_file">
        <source>it is not a regular file</source>
        <extracomment>Why an image file could not be imported: the path names a folder, device or pipe</extracomment>
        <translation>đây không phải là tệp thông thường</translation>
    </message>
    <message id="error.import.reason.too_large">
        <source>it is larger than %1 MB</source>
        <extracomment>Why an image file could not be imported; %1 is the largest size in megabytes</extracomment>
        <translation>tệp lớn hơn %1 MB</translation>
    </message>
    <message id="error.import.reason.format">
        <source>its format cannot be imported</source>
        <extracomment>Why an image file could not be imported: not PNG, JPEG, WebP, TIFF, BMP or GIF</extracomment>
        <translation>không thể nhập định dạng này</translation>
    </message>
    <message id="ocr_error.timed_out">
        <source>Reading the image took too long, so it was stopped. Try selecting a smaller region around the text.</source>
        <extracomment>Recognition gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>Việc đọc hình ảnh mất quá nhiều thời gian nên đã dừng lại. Hãy thử chọn vùng nhỏ hơn quanh văn bản.</translation>
    </message>
    <message id="ocr_error.cancelled">
        <source>Text recognition was cancelled</source>
        <extracomment>The user stopped a running recognition</extracomment>
        <translation>Đã hủy nhận dạng văn bản</translation>
    </message>
    <message id="notification.pin_set_aside.message">
        <source>The pinned capture could not be read and was kept as %1.</source>
        <extracomment>Warning message when the stored pinned capture could not be read; %1 is where it was kept</extracomment>
        <translation>Không đọc được ảnh chụp đã ghim nên đã giữ lại dưới tên %1.</translation>
    </message>
    <message id="first_launch.press_to_capture">
        <source>Press %1 to capture text</source>
        <extracomment>Sentence of the first-start tooltip; %1 is the capture shortcut, drawn as a key cap between the words before and after it (either may be empty)</extracomment>
        <translation>Nhấn %1 để chụp văn bản</translation>
    </message>
    <message id="ocr_error.language_data_missing">
        <source>OCR failed: the Tesseract language data %1 is not installed (install %2)</source>
        <extracomment>Recognition cannot start; %1 names the missing Tesseract language data (such as &quot;tha&quot;), %2 the Debian packages that hold it (such as &quot;tesseract-ocr-tha&quot;)</extracomment>
        <translation>OCR thất bại: chưa cài đặt dữ liệu ngôn ngữ Tesseract %1 (hãy cài %2)</translation>
    </message>
    <message id="preferences.history.size.bytes" numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size in bytes</extracomment>
        <translation>
            <numerusform>%n byte</numerusform>
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
        <translation>Cỡ chữ: Nhỏ</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.medium">
        <source>Font size: Medium</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>Cỡ chữ: Vừa</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.large">
        <source>Font size: Large</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>Cỡ chữ: Lớn</translation>
    </message>
    <message id="error.clipboard.reason.text_not_written">
        <source>Failed to put the text on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the text</extracomment>
        <translation>Không thể đưa văn bản vào bảng tạm</translation>
    </message>
    <message id="error.clipboard.reason.nothing_to_write">
        <source>No items to put on the clipboard</source>
        <extracomment>Why copying failed: there was nothing to copy</extracomment>
        <translation>Không có mục nào để đưa vào bảng tạm</translation>
    </message>
    <message id="error.clipboard.reason.items_not_written">
        <source>Failed to put any items on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the items</extracomment>
        <translation>Không thể đưa mục nào vào bảng tạm</translation>
    </message>
    <message id="error.screen_capture.reason.no_display">
        <source>Could not find matching display</source>
        <extracomment>Why a screen capture failed: the monitor of the selection is gone</extracomment>
        <translation>Không tìm thấy màn hình tương ứng</translation>
    </message>
    <message id="error.screen_capture.reason.empty_image">
        <source>Captured image has zero dimensions</source>
        <extracomment>Why a screen capture failed: the picture taken is empty</extracomment>
        <translation>Ảnh đã chụp có kích thước bằng 0</translation>
    </message>
    <message id="error.settings_store.reason.reserved_shortcut">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Why a shortcut cannot be stored; %1 is the key combination</extracomment>
        <translation>Phím tắt %1 được hệ thống dành riêng</translation>
    </message>
    <message id="error.settings_store.reason.history_size">
        <source>Max history entries must be between 1 and 1000, got %1</source>
        <extracomment>Why a history size cannot be stored; %1 is the number asked for</extracomment>
        <translation>Số mục lịch sử tối đa phải từ 1 đến 1000, nhận được %1</translation>
    </message>
    <message id="error.history.reason.not_a_folder">
        <source>%1 exists and is not a folder</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1 đã tồn tại và không phải là thư mục</translation>
    </message>
    <message id="error.history.reason.cannot_create_folder">
        <source>Cannot create folder %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>Không thể tạo thư mục %1</translation>
    </message>
    <message id="error.history.reason.no_data_folder">
        <source>Cannot access the data folder</source>
        <extracomment>Why the history cannot be kept: no data folder is known</extracomment>
        <translation>Không thể truy cập thư mục dữ liệu</translation>
    </message>
    <message id="onboarding.permissions.unavailable">
        <source>Not offered by this desktop</source>
        <extracomment>Status shown beside a permission the desktop does not offer at all</extracomment>
        <translation>Màn hình nền này không cung cấp</translation>
    </message>
    <message id="notification.recognition_running.title">
        <source>Reading Text…</source>
        <extracomment>Title of the notice shown while text recognition takes more than a moment</extracomment>
        <translation>Đang đọc văn bản…</translation>
    </message>
    <message id="notification.recognition_running.escape">
        <source>Click here or press Escape to cancel.</source>
        <extracomment>Message while text recognition runs, when Escape cancels it from any window</extracomment>
        <translation>Nhấp vào đây hoặc nhấn Esc để hủy.</translation>
    </message>
    <message id="notification.recognition_running.click">
        <source>Click here or use the same shortcut again to cancel.</source>
        <extracomment>Message while text recognition runs where the desktop lets no program take the Escape key</extracomment>
        <translation>Nhấp vào đây hoặc dùng lại cùng phím tắt để hủy.</translation>
    </message>
    <message id="code_scan_error.timed_out">
        <source>Looking for a code took too long, so it was stopped. Try selecting a smaller region around the code.</source>
        <extracomment>Scanning gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>Việc tìm mã mất quá nhiều thời gian nên đã dừng. Hãy thử chọn vùng nhỏ hơn quanh mã.</translation>
    </message>
    <message id="code_scan_error.cancelled">
        <source>Code scanning was cancelled</source>
        <extracomment>The user stopped a running code scan</extracomment>
        <translation>Đã hủy quét mã</translation>
    </message>
    <message id="command_line.commands_heading">
        <source>Commands (sent to the running Quorvane, which is started first when none runs):</source>
        <extracomment>The command line&apos;s help: the heading above the list of commands</extracomment>
        <translation>Các lệnh (gửi đến Quorvane đang chạy; nếu chưa chạy, Quorvane được khởi động trước):</translation>
    </message>
    <message id="command_line.without_command">
        <source>Without a command, Quorvane starts; when it already runs, its preferences open.</source>
        <extracomment>The command line&apos;s help: the line below the list of commands</extracomment>
        <translation>Không có lệnh, Quorvane sẽ khởi động; nếu đã chạy, phần tùy chọn của nó sẽ mở ra.</translation>
    </message>
    <message id="command_line.description">
        <source>Turns any region of the screen into text.</source>
        <extracomment>The command line&apos;s help: what the program does, in one sentence</extracomment>
        <translation>Biến bất kỳ vùng nào trên màn hình thành văn bản.</translation>
    </message>
    <message id="command_line.command_argument">
        <source>One of the commands above.</source>
        <oldsource>One of the commands below.</oldsource>
        <extracomment>The command line&apos;s help: what the optional argument &quot;command&quot; is; the list of commands stands above it</extracomment>
        <translation>Một trong các lệnh ở trên.</translation>
    </message>
    <message id="command_line.one_command">
        <source>Give one command at a time.</source>
        <extracomment>The command line was given more than one command</extracomment>
        <translation>Mỗi lần chỉ đưa một lệnh.</translation>
    </message>
    <message id="command_line.unknown_command">
        <source>Unknown command &quot;%1&quot;; the commands are %2.</source>
        <extracomment>The command line was given a word that is no command; %1 is that word, %2 lists the commands</extracomment>
        <translation>Lệnh không xác định “%1”; các lệnh là %2.</translation>
    </message>
    <message id="command_line.see_help">
        <source>See &quot;%1&quot;.</source>
        <extracomment>The line below a refused command line; %1 is the command that shows the help</extracomment>
        <translation>Xem “%1”.</translation>
    </message>
    <message id="command_line.command.capture">
        <source>Select a region of the screen and copy its text</source>
        <extracomment>The command line&apos;s help: what the command &quot;capture&quot; does</extracomment>
        <translation>Chọn một vùng màn hình và sao chép văn bản trong đó</translation>
    </message>
    <message id="command_line.command.repeat">
        <source>Capture the last region again</source>
        <extracomment>The command line&apos;s help: what the command &quot;repeat&quot; does</extracomment>
        <translation>Chụp lại vùng gần nhất</translation>
    </message>
    <message id="command_line.command.code">
        <source>Capture text keeping its indentation (code mode)</source>
        <extracomment>The command line&apos;s help: what the command &quot;code&quot; does</extracomment>
        <translation>Chụp văn bản giữ nguyên thụt lề (chế độ mã)</translation>
    </message>
    <message id="command_line.command.scan">
        <source>Select a region and read the QR code or barcode in it</source>
        <extracomment>The command line&apos;s help: what the command &quot;scan&quot; does</extracomment>
        <translation>Chọn một vùng và đọc mã QR hoặc mã vạch trong đó</translation>
    </message>
    <message id="command_line.command.history">
        <source>Open the capture history</source>
        <extracomment>The command line&apos;s help: what the command &quot;history&quot; does</extracomment>
        <translation>Mở lịch sử chụp</translation>
    </message>
    <message id="command_line.command.preferences">
        <source>Open the preferences</source>
        <extracomment>The command line&apos;s help: what the command &quot;preferences&quot; does</extracomment>
        <translation>Mở phần tùy chọn</translation>
    </message>
    <message id="command_line.command.quit">
        <source>Quit the running program</source>
        <extracomment>The command line&apos;s help: what the command &quot;quit&quot; does</extracomment>
        <translation>Thoát chương trình đang chạy</translation>
    </message>
    <message id="error.coordinator.global_shortcuts_required">
        <source>Global shortcuts need your permission first</source>
        <extracomment>Error when the desktop has not allowed Quorvane&apos;s global shortcuts</extracomment>
        <translation>Cần cho phép phím tắt toàn cục trước</translation>
    </message>
    <message id="error.coordinator.screen_access_required">
        <source>Screen access is required to capture text</source>
        <extracomment>Error when the desktop has not allowed Quorvane to read the screen</extracomment>
        <translation>Cần quyền truy cập màn hình để chụp văn bản</translation>
    </message>
    <message id="command_line.command_refused">
        <source>Quorvane is running but did not take the command &quot;%1&quot;: %2</source>
        <extracomment>The running copy refused a command given on the command line; %1 is the command, %2 why</extracomment>
        <translation>Quorvane đang chạy nhưng không nhận lệnh “%1”: %2</translation>
    </message>
    <message id="command_line.not_running">
        <source>Quorvane is not running.</source>
        <extracomment>The command line asked a copy to quit, and none runs</extracomment>
        <translation>Quorvane không chạy.</translation>
    </message>
    <message id="command_line.already_running_process">
        <source>Quorvane is already running (process %1); without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus; %1 is the number of the process that runs</extracomment>
        <translation>Quorvane đã chạy (tiến trình %1); không có bus phiên thì không thể gửi lệnh cho nó.</translation>
    </message>
    <message id="command_line.already_running">
        <source>Quorvane is already running; without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus</extracomment>
        <translation>Quorvane đã chạy; không có bus phiên thì không thể gửi lệnh cho nó.</translation>
    </message>
    <message id="menubar.tooltip_tray_menu">
        <source>Quorvane
Left-click: Quick Capture
Right-click: Menu</source>
        <extracomment>Tooltip of the tray icon where the desktop&apos;s tray opens the menu on a right click</extracomment>
        <translation>Quorvane
Nhấp chuột trái: Chụp nhanh
Nhấp chuột phải: Menu</translation>
    </message>
    <message id="command_line.no_display">
        <source>Quorvane needs a graphical desktop session: no DISPLAY is set.</source>
        <extracomment>Started where there is no screen, e.g. over ssh</extracomment>
        <translation>Quorvane cần một phiên làm việc đồ họa: biến DISPLAY chưa được đặt.</translation>
    </message>
    <message id="command_line.unsafe_folder">
        <source>Quorvane cannot start: %1, so another user could keep it from running. Make the folder yours alone (chmod 700) or set XDG_RUNTIME_DIR to a folder that is.</source>
        <extracomment>The program will not start; %1 says what is wrong with the folder of its lock file</extracomment>
        <translation>Quorvane không thể khởi động: %1, nên người dùng khác có thể ngăn nó chạy. Hãy để thư mục chỉ thuộc về bạn (chmod 700) hoặc đặt XDG_RUNTIME_DIR thành một thư mục như vậy.</translation>
    </message>
    <message id="single_instance.folder_missing">
        <source>%1 is not a folder</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1 không phải là thư mục</translation>
    </message>
    <message id="single_instance.folder_foreign">
        <source>%1 belongs to another user</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1 thuộc về người dùng khác</translation>
    </message>
    <message id="single_instance.folder_shared">
        <source>other users may write to %1</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>người dùng khác có thể ghi vào %1</translation>
    </message>
    <message id="command_line.capture_failed">
        <source>Capture failed: %1</source>
        <extracomment>What the command line prints when the capture it asked for failed; %1 is why</extracomment>
        <translation>Chụp thất bại: %1</translation>
    </message>
    <message id="preferences.general.show_pin_widget.unavailable">
        <source>On this desktop a new window takes the keyboard from the one you are typing in, so no pin comes up after a capture</source>
        <extracomment>Under the switch for pins after a capture, on a desktop (Wayland) where every new window takes the keyboard</extracomment>
        <translation>Trên màn hình nền này, mỗi cửa sổ mới lấy bàn phím khỏi cửa sổ bạn đang gõ, nên không có cửa sổ ghim nào hiện sau khi chụp</translation>
    </message>
    <message id="notification.portal_waiting.title">
        <source>Waiting for the screen portal…</source>
        <extracomment>Shown while a capture waits for the desktop&apos;s screenshot service (the screen portal, Wayland) to answer</extracomment>
        <translation>Đang chờ dịch vụ chụp màn hình…</translation>
    </message>
    <message id="notification.portal_waiting.message">
        <source>The desktop&apos;s screenshot service has not answered yet.</source>
        <extracomment>Under &quot;Waiting for the screen portal…&quot;</extracomment>
        <translation>Dịch vụ chụp màn hình của màn hình nền chưa phản hồi.</translation>
    </message>
    <message id="error.screen_capture.portal_not_answering">
        <source>The screen portal did not answer in time. It may still be starting: try again in a moment.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (the screen portal, Wayland) is there but gave no answer in time</extracomment>
        <translation>Dịch vụ chụp màn hình không phản hồi kịp thời. Có thể dịch vụ vẫn đang khởi động: hãy thử lại sau giây lát.</translation>
    </message>
    <message id="error.screen_capture.picture_refused">
        <source>The desktop refused to give Quorvane a picture of the screen. Capture again and allow it if the desktop asks.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (Wayland) refused to give a picture of the screen; such desktops may have no privacy settings at all</extracomment>
        <translation>Màn hình nền đã từ chối cung cấp cho Quorvane hình ảnh màn hình. Hãy chụp lại và cho phép nếu màn hình nền hỏi.</translation>
    </message>
    <message id="preferences.shortcuts.header_unavailable">
        <source>The keyboard shortcuts Quorvane would use, which this desktop does not let programs take</source>
        <extracomment>Shortcuts header where the desktop lets no program take global shortcuts (the key fields below are greyed out)</extracomment>
        <translation>Các phím tắt Quorvane sẽ dùng, nhưng màn hình nền này không cho chương trình chiếm</translation>
    </message>
    <message id="onboarding.welcome.description_without_shortcuts">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Start a capture, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description where the desktop offers programs no global shortcuts (so there is no shortcut to press yet)</extracomment>
        <translation>Quorvane giúp bạn dễ dàng trích xuất văn bản từ hình ảnh, video, PDF và mọi nội dung trên màn hình. Bắt đầu chụp, kéo để chọn, văn bản sẽ được sao chép ngay vào bảng tạm.</translation>
    </message>
    <message id="command.capture_cancelled">
        <source>The running capture was cancelled.</source>
        <extracomment>What a command asking for a capture did while the same kind of capture was being read: it cancelled that capture</extracomment>
        <translation>Đã hủy thao tác chụp đang thực hiện.</translation>
    </message>
    <message id="command_line.start_failed">
        <source>Quorvane could not be started: %1</source>
        <extracomment>A command was given while Quorvane did not run, and it could not be started; %1 says why</extracomment>
        <translation>Không thể khởi động Quorvane: %1</translation>
    </message>
    <message id="command_line.start_no_answer">
        <source>Quorvane was started but did not come up to take the command.</source>
        <extracomment>A command was given while Quorvane did not run; the copy started for it ended or did not answer</extracomment>
        <translation>Quorvane đã được khởi động nhưng chưa sẵn sàng nhận lệnh.</translation>
    </message>
    <message id="settings_file.folder_of_another_user">
        <source>The folder %1 belongs to the user %2, so Quorvane cannot keep its settings there private.</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the name of the user who owns it</extracomment>
        <translation>Thư mục %1 thuộc về người dùng %2, nên Quorvane không thể giữ cài đặt của mình ở đó một cách riêng tư.</translation>
    </message>
    <message id="settings_file.cannot_restrict_folder">
        <source>Cannot make the folder %1 private: %2</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the system&apos;s reason</extracomment>
        <translation>Không thể đặt thư mục %1 thành riêng tư: %2</translation>
    </message>
    <message id="notification.history_records_set_aside.message">
        <source>Some history records could not be read and were kept as %1. Every other capture is in the history.</source>
        <extracomment>Warning message when some history records could not be read; %1 is the file they were kept in</extracomment>
        <translation>Không đọc được một số bản ghi lịch sử nên chúng được giữ lại thành %1. Mọi ảnh chụp khác đều có trong lịch sử.</translation>
    </message>
    <message id="pin_widget.text.part_shown">
        <source>Only the first %1 of %2 characters are shown, and the text cannot be edited here. Copy takes the whole text.</source>
        <extracomment>Note under a pin&apos;s text that is too long to show whole; %1 and %2 are numbers of characters</extracomment>
        <translation>Chỉ hiển thị %1 ký tự đầu trong %2 ký tự, và không thể sửa văn bản ở đây. Sao chép sẽ lấy toàn bộ văn bản.</translation>
    </message>
    <message id="pin_widget.quit_unwritten.title">
        <source>The Pin Is Not Saved</source>
        <extracomment>Title when the program is asked to quit while the pin could not be saved</extracomment>
        <translation>Cửa sổ ghim chưa được lưu</translation>
    </message>
    <message id="pin_widget.quit_unwritten.message">
        <source>The pin&apos;s latest changes could not be written (%1), so they will be lost when Quorvane quits. Copy the text from the pin, or free some disk space and quit again.</source>
        <extracomment>Message when the program is asked to quit while the pin could not be saved; %1 is why</extracomment>
        <translation>Không ghi được các thay đổi mới nhất của cửa sổ ghim (%1), nên chúng sẽ mất khi Quorvane thoát. Hãy sao chép văn bản từ cửa sổ ghim, hoặc giải phóng dung lượng đĩa rồi thoát lại.</translation>
    </message>
    <message id="pin_widget.quit_unwritten.quit">
        <source>Quit Anyway</source>
        <extracomment>Button that quits although the pin&apos;s changes will be lost</extracomment>
        <translation>Vẫn thoát</translation>
    </message>
    <message id="pin_widget.unwritten.note">
        <source>Not saved: %1. The pin keeps your changes and tries again.</source>
        <extracomment>Note on a pin whose changes could not be written; %1 is why</extracomment>
        <translation>Chưa lưu: %1. Cửa sổ ghim giữ các thay đổi của bạn và thử lại.</translation>
    </message>
    <message id="updater.reason.no_download_page">
        <source>the update names no download page</source>
        <extracomment>Why an update is refused: the feed names no page to get it from</extracomment>
        <translation>bản cập nhật không nêu trang tải xuống</translation>
    </message>
    <message id="error.no_result">
        <source>The operation ended without a result</source>
        <extracomment>Shown when an operation finished but handed back neither a result nor an error</extracomment>
        <translation>Thao tác kết thúc mà không có kết quả</translation>
    </message>
    <message id="error.unknown">
        <source>Unknown error</source>
        <extracomment>Shown when an operation failed in a way the program cannot describe</extracomment>
        <translation>Lỗi không xác định</translation>
    </message>
    <message id="error.screen_capture.reason.unreadable">
        <source>Could not read the screen</source>
        <extracomment>Why a screen capture failed: no monitor&apos;s picture could be taken</extracomment>
        <translation>Không thể đọc màn hình</translation>
    </message>
    <message id="ocr_error.reason.unreadable_image">
        <source>Tesseract could not read the %1 x %2 pixel image</source>
        <extracomment>Why recognition failed: the engine refused the picture; %1 x %2 is its size</extracomment>
        <translation>Tesseract không thể đọc hình ảnh %1 × %2 điểm ảnh</translation>
    </message>
    <message id="error.history.reason.cannot_write">
        <source>Cannot write %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>Không thể ghi vào %1</translation>
    </message>
    <message id="error.history.reason.cannot_set_aside">
        <source>Cannot read or move %1</source>
        <extracomment>Why the history cannot be kept: its file can neither be read nor set aside; %1 is its path</extracomment>
        <translation>Không thể đọc hoặc di chuyển %1</translation>
    </message>
    <message id="error.file.cannot_save">
        <source>Cannot save %1: %2</source>
        <extracomment>Why a file of the program could not be saved; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>Không thể lưu %1: %2</translation>
    </message>
    <message id="error.file.short_write">
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved: the disk took only part of it; %1 and %2 count bytes</extracomment>
        <translation>chỉ ghi được %1 trên %2 byte</translation>
    </message>
    <message id="error.file.cannot_remove">
        <source>Cannot remove %1: %2</source>
        <extracomment>Why a file of the program could not be removed; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>Không thể xóa %1: %2</translation>
    </message>
    <message id="notification.window.title">
        <source>Quorvane Notice</source>
        <extracomment>Title of the small window that tells how a capture ended, where the desktop shows no notifications; window lists show it</extracomment>
        <translation>Thông báo của Quorvane</translation>
    </message>
    <message id="pin_widget.window.title">
        <source>Pinned Capture</source>
        <extracomment>Title of the floating window that shows a pinned capture; window lists show it</extracomment>
        <translation>Ảnh chụp đã ghim</translation>
    </message>
    <message id="menubar.window.title">
        <source>Quorvane Menu</source>
        <extracomment>Title of the tray icon&apos;s menu where the desktop shows it as a window of its own; window lists show it</extracomment>
        <translation>Menu Quorvane</translation>
    </message>
</context>
</TS>
