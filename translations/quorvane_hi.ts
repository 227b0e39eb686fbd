<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name></name>
    <message id="notification.history_set_aside.message">
        <source>The history file could not be read and was kept as %1. Captures were restored from the backup where there was one.</source>
        <extracomment>Warning message when the history file was set aside</extracomment>
        <translation>इतिहास फ़ाइल पढ़ी नहीं जा सकी और उसे %1 के रूप में रखा गया है। जहाँ बैकअप उपलब्ध था, वहाँ से कैप्चर पुनर्स्थापित किए गए।</translation>
    </message>
    <message id="notification.settings_set_aside.message">
        <source>The settings file could not be read, so the defaults are in use. It was kept as %1.</source>
        <extracomment>Warning message when the settings file was set aside</extracomment>
        <translation>सेटिंग्स फ़ाइल पढ़ी नहीं जा सकी, इसलिए डिफ़ॉल्ट सेटिंग्स उपयोग में हैं। फ़ाइल को %1 के रूप में रखा गया है।</translation>
    </message>
    <message id="notification.history_in_memory.title">
        <source>History Not Saved</source>
        <extracomment>Warning title when the capture history cannot be written to disk</extracomment>
        <translation>इतिहास सहेजा नहीं गया</translation>
    </message>
    <message id="notification.history_in_memory.message">
        <source>Quorvane cannot write to its data folder. Captures will not be kept after you quit.</source>
        <extracomment>Warning message when the capture history lives only in memory</extracomment>
        <translation>Quorvane अपने डेटा फ़ोल्डर में नहीं लिख सकता। बंद करने के बाद कैप्चर नहीं रहेंगे।</translation>
    </message>
    <message id="notification.file_set_aside.title">
        <source>File Set Aside</source>
        <extracomment>Warning title when a stored file could not be read and was kept under another name</extracomment>
        <translation>फ़ाइल अलग रखी गई</translation>
    </message>
    <message id="updater.available.title">
        <source>A new version of Quorvane is available!</source>
        <extracomment>Title of the dialog that announces a new version</extracomment>
        <translation>Quorvane का नया संस्करण उपलब्ध है!</translation>
    </message>
    <message id="updater.available.message">
        <source>Quorvane %1 is now available - you have %2. Would you like to open the download page?</source>
        <extracomment>Text of the dialog that announces a new version: the new version, then the installed one</extracomment>
        <translation>Quorvane %1 अब उपलब्ध है - आपके पास %2 है। क्या आप डाउनलोड पेज खोलना चाहेंगे?</translation>
    </message>
    <message id="updater.available.download">
        <source>Open Download Page</source>
        <extracomment>Button that opens the download page</extracomment>
        <translation>डाउनलोड पेज खोलें</translation>
    </message>
    <message id="updater.available.later">
        <source>Remind Me Later</source>
        <extracomment>Button that closes the dialog</extracomment>
        <translation>बाद में याद दिलाएँ</translation>
    </message>
    <message id="updater.up_to_date.title">
        <source>You&apos;re up to date!</source>
        <extracomment>Title of the dialog shown when no newer version exists</extracomment>
        <translation>आपके पास नवीनतम संस्करण है!</translation>
    </message>
    <message id="updater.up_to_date.message">
        <source>Quorvane %1 is currently the newest version available.</source>
        <extracomment>Text shown when no newer version exists: the installed version</extracomment>
        <translation>Quorvane %1 इस समय उपलब्ध सबसे नया संस्करण है।</translation>
    </message>
    <message id="updater.error.title">
        <source>Update Error!</source>
        <extracomment>Title of the dialog shown when a check for updates fails</extracomment>
        <translation>अपडेट त्रुटि!</translation>
    </message>
    <message id="updater.not_configured.title">
        <source>Updates Are Not Checked by This Build</source>
        <extracomment>Title of the dialog shown when the build has no update feed</extracomment>
        <translation>यह बिल्ड अपडेट की जाँच नहीं करता</translation>
    </message>
    <message id="updater.not_configured.message">
        <source>This copy of Quorvane was built without an update feed. New versions come with your distribution&apos;s package updates or from where you installed Quorvane.</source>
        <extracomment>Text shown when the build has no update feed</extracomment>
        <translation>Quorvane की यह प्रति अपडेट फ़ीड के बिना बनाई गई थी। नए संस्करण आपके डिस्ट्रीब्यूशन के पैकेज अपडेट के साथ या वहाँ से मिलते हैं जहाँ से आपने Quorvane इंस्टॉल किया था।</translation>
    </message>
    <message id="onboarding.window.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Onboarding window title</extracomment>
        <translation>Quorvane में आपका स्वागत है</translation>
    </message>
    <message id="first_launch.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Title of the tooltip shown beside the tray icon at first start</extracomment>
        <translation>Quorvane में आपका स्वागत है</translation>
    </message>
    <message id="first_launch.tray_hint">
        <source>Right-click this icon for quick capture</source>
        <extracomment>Line in the first-start tooltip about the tray icon</extracomment>
        <translation>त्वरित कैप्चर के लिए इस आइकन पर राइट-क्लिक करें</translation>
    </message>
    <message id="menubar.capture">
        <source>Capture Text</source>
        <extracomment>Tray menu item</extracomment>
        <translation>टेक्स्ट कैप्चर करें</translation>
    </message>
    <message id="menubar.scan_code">
        <source>Read QR/Bar Code</source>
        <extracomment>Tray menu item</extracomment>
        <translation>QR/बारकोड पढ़ें</translation>
    </message>
    <message id="menubar.import_from_iphone">
        <source>Import Image…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>छवि आयात करें…</translation>
    </message>
    <message id="menubar.history">
        <source>Open History</source>
        <extracomment>Tray menu item</extracomment>
        <translation>इतिहास खोलें</translation>
    </message>
    <message id="menubar.preferences">
        <source>Preferences…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>प्राथमिकताएँ…</translation>
    </message>
    <message id="menubar.feedback">
        <source>Send Feedback…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>प्रतिक्रिया भेजें…</translation>
    </message>
    <message id="menubar.checkForUpdates">
        <source>Check for Updates…</source>
        <extracomment>Tray menu item</extracomment>
        <translation>अपडेट की जाँच करें…</translation>
    </message>
    <message id="menubar.about">
        <source>About Quorvane</source>
        <extracomment>Tray menu item</extracomment>
        <translation>Quorvane के बारे में</translation>
    </message>
    <message id="menubar.quit">
        <source>Quit Quorvane</source>
        <extracomment>Tray menu item
----------
Quit Quorvane</extracomment>
        <translation>Quorvane बंद करें</translation>
    </message>
    <message id="menubar.tooltip">
        <source>Quorvane
Left-click: Menu
Right-click: Quick Capture</source>
        <extracomment>Tooltip of the tray icon</extracomment>
        <translation>Quorvane
बायाँ-क्लिक: मेनू
दायाँ-क्लिक: त्वरित कैप्चर</translation>
    </message>
    <message id="menubar.panel.capture">
        <source>Capture</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>कैप्चर करें</translation>
    </message>
    <message id="menubar.panel.history">
        <source>History</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>इतिहास</translation>
    </message>
    <message id="menubar.panel.preferences">
        <source>Preferences</source>
        <extracomment>Row of the tray panel</extracomment>
        <translation>प्राथमिकताएँ</translation>
    </message>
    <message id="permission.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>गोपनीयता सेटिंग्स खोलें</translation>
    </message>
    <message id="permission.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>रद्द करें</translation>
    </message>
    <message id="permission.accessibility.title">
        <source>Global Shortcuts Permission Required</source>
        <extracomment>Title of the dialog asking for the global shortcuts permission</extracomment>
        <translation>वैश्विक शॉर्टकट की अनुमति आवश्यक है</translation>
    </message>
    <message id="permission.accessibility.message">
        <source>Quorvane needs permission to use global keyboard shortcuts (%1). This allows you to capture text from anywhere on your screen.

Your privacy is protected - Quorvane only listens for its own shortcuts.</source>
        <extracomment>Global shortcuts permission explanation; %1 is the quick capture shortcut</extracomment>
        <translation>वैश्विक कीबोर्ड शॉर्टकट (%1) उपयोग करने के लिए Quorvane को अनुमति चाहिए। इससे आप अपनी स्क्रीन पर कहीं से भी टेक्स्ट कैप्चर कर सकते हैं।

आपकी गोपनीयता सुरक्षित है - Quorvane केवल अपने पंजीकृत शॉर्टकट पर नज़र रखता है।</translation>
    </message>
    <message id="permission.screen_recording.title">
        <source>Screen Access Permission Required</source>
        <extracomment>Title of the dialog asking for the screen access permission</extracomment>
        <translation>स्क्रीन एक्सेस की अनुमति आवश्यक है</translation>
    </message>
    <message id="permission.screen_recording.message">
        <source>Quorvane needs access to your screen to capture text from it.

All processing happens on your device - no data is uploaded to the cloud.</source>
        <extracomment>Screen access permission explanation</extracomment>
        <translation>आपकी स्क्रीन से टेक्स्ट कैप्चर करने के लिए Quorvane को स्क्रीन एक्सेस की अनुमति चाहिए।

सारी प्रोसेसिंग आपके डिवाइस पर होती है - कोई डेटा क्लाउड पर अपलोड नहीं किया जाता।</translation>
    </message>
    <message id="permission.required.title">
        <source>Permissions Required</source>
        <extracomment>Title of the alert shown when the user goes on without the permissions</extracomment>
        <translation>अनुमतियाँ आवश्यक हैं</translation>
    </message>
    <message id="permission.required.message">
        <source>Quorvane needs screen access and global shortcuts to work. You can grant these later in your desktop&apos;s privacy settings.</source>
        <extracomment>Alert shown when the user goes on without the permissions</extracomment>
        <translation>काम करने के लिए Quorvane को स्क्रीन एक्सेस और वैश्विक शॉर्टकट की अनुमतियाँ चाहिए। आप ये अनुमतियाँ बाद में अपने डेस्कटॉप की गोपनीयता सेटिंग्स में दे सकते हैं।</translation>
    </message>
    <message id="general.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>ठीक है</translation>
    </message>
    <message id="history.window.title">
        <source>Capture History</source>
        <extracomment>History window title</extracomment>
        <translation>कैप्चर इतिहास</translation>
    </message>
    <message id="preferences.window.title">
        <source>Preferences</source>
        <extracomment>Preferences window title</extracomment>
        <translation>प्राथमिकताएँ</translation>
    </message>
    <message id="notification.shortcut_refused.title">
        <source>%1 shortcut not available</source>
        <extracomment>Title when a global shortcut cannot be taken; the action&apos;s name</extracomment>
        <translation>“%1” शॉर्टकट उपलब्ध नहीं है</translation>
    </message>
    <message id="notification.shortcut_refused.reserved">
        <source>%1 is reserved by the desktop. Choose another shortcut in Preferences.</source>
        <extracomment>Message when a global shortcut is reserved; the shortcut</extracomment>
        <translation>%1 डेस्कटॉप द्वारा आरक्षित है। प्राथमिकताओं में कोई दूसरा शॉर्टकट चुनें।</translation>
    </message>
    <message id="notification.shortcut_refused.taken">
        <source>%1 is already used by another program. Choose another shortcut in Preferences.</source>
        <extracomment>Message when another program holds a global shortcut; the shortcut</extracomment>
        <translation>%1 पहले से किसी दूसरे प्रोग्राम द्वारा उपयोग में है। प्राथमिकताओं में कोई दूसरा शॉर्टकट चुनें।</translation>
    </message>
    <message id="tray_absence.title">
        <source>Quorvane Is Running</source>
        <extracomment>Title of the notice shown when no system tray shows the icon</extracomment>
        <translation>Quorvane चल रहा है</translation>
    </message>
    <message id="tray_absence.message">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. Press %1 to capture text. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon; %1 is the capture shortcut</extracomment>
        <translation>इस डेस्कटॉप पर कोई सिस्टम ट्रे Quorvane का आइकन नहीं दिखाती। टेक्स्ट कैप्चर करने के लिए %1 दबाएँ। प्राथमिकताएँ खोलने के लिए “quorvane” फिर से चलाएँ, या बंद करने के लिए “quorvane quit” चलाएँ।</translation>
    </message>
    <message id="error.updater.invalid_feed">
        <source>The update feed address is not valid: %1</source>
        <extracomment>Error when the configured update feed address cannot be used</extracomment>
        <translation>अपडेट फ़ीड का पता मान्य नहीं है: %1</translation>
    </message>
    <message id="error.updater.insecure_address">
        <source>Updates are only fetched over HTTPS: %1</source>
        <extracomment>Error when an update address is not secure</extracomment>
        <translation>अपडेट केवल HTTPS पर लाए जाते हैं: %1</translation>
    </message>
    <message id="error.updater.download_failed">
        <source>The update information could not be downloaded: %1</source>
        <extracomment>Error when the update feed cannot be fetched</extracomment>
        <translation>अपडेट की जानकारी डाउनलोड नहीं की जा सकी: %1</translation>
    </message>
    <message id="error.updater.malformed_feed">
        <source>The update information could not be read: %1</source>
        <extracomment>Error when the update feed is not understood</extracomment>
        <translation>अपडेट की जानकारी पढ़ी नहीं जा सकी: %1</translation>
    </message>
    <message id="error.updater.unknown">
        <source>%1</source>
        <extracomment>Unknown update error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="updater.reason.too_large">
        <source>the answer is larger than %1 bytes</source>
        <extracomment>Why a check for updates failed: the feed is too large</extracomment>
        <translation>उत्तर %1 बाइट से बड़ा है</translation>
    </message>
    <message id="updater.reason.host_not_found">
        <source>the update server could not be found</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>अपडेट सर्वर नहीं मिला</translation>
    </message>
    <message id="updater.reason.refused">
        <source>the update server refused the connection</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>अपडेट सर्वर ने कनेक्शन अस्वीकार कर दिया</translation>
    </message>
    <message id="updater.reason.closed">
        <source>the update server closed the connection early</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>अपडेट सर्वर ने कनेक्शन समय से पहले बंद कर दिया</translation>
    </message>
    <message id="updater.reason.silent">
        <source>the update server stopped answering</source>
        <extracomment>Why a check for updates failed: the transfer timed out</extracomment>
        <translation>अपडेट सर्वर ने उत्तर देना बंद कर दिया</translation>
    </message>
    <message id="updater.reason.tls">
        <source>the update server&apos;s secure connection could not be verified</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>अपडेट सर्वर के सुरक्षित कनेक्शन को सत्यापित नहीं किया जा सका</translation>
    </message>
    <message id="updater.reason.offline">
        <source>the network is not available</source>
        <extracomment>Why a check for updates failed</extracomment>
        <translation>नेटवर्क उपलब्ध नहीं है</translation>
    </message>
    <message id="updater.reason.status">
        <source>the update server answered with error %1</source>
        <extracomment>Why a check for updates failed: the HTTP status</extracomment>
        <translation>अपडेट सर्वर ने त्रुटि %1 के साथ उत्तर दिया</translation>
    </message>
    <message id="updater.reason.unexpected">
        <source>the update server sent an answer that is not a feed</source>
        <extracomment>Why a check for updates failed: an answer that is neither a feed nor an error</extracomment>
        <translation>अपडेट सर्वर ने ऐसा उत्तर भेजा जो फ़ीड नहीं है</translation>
    </message>
    <message id="updater.reason.deadline">
        <source>the update server took too long to answer</source>
        <extracomment>Why a check for updates failed: the whole check ran out of time</extracomment>
        <translation>अपडेट सर्वर ने उत्तर देने में बहुत अधिक समय लिया</translation>
    </message>
    <message id="updater.reason.redirects" numerus="yes">
        <source>the server redirected the request more than %n times</source>
        <extracomment>Why a check for updates failed: too many redirects</extracomment>
        <translation>
            <numerusform>सर्वर ने अनुरोध को %n से अधिक बार रीडायरेक्ट किया</numerusform>
            <numerusform>सर्वर ने अनुरोध को %n से अधिक बार रीडायरेक्ट किया</numerusform>
        </translation>
    </message>
    <message id="updater.reason.page_not_opened">
        <source>The download page could not be opened. It is at: %1</source>
        <extracomment>Shown when no program opens the download page: its address</extracomment>
        <translation>डाउनलोड पेज नहीं खोला जा सका। इसका पता है: %1</translation>
    </message>
    <message id="error.coordinator.workflow_failed">
        <source>Capture workflow failed: %1</source>
        <extracomment>Error when workflow fails</extracomment>
        <translation>कैप्चर प्रक्रिया विफल रही: %1</translation>
    </message>
    <message id="error.coordinator.in_progress">
        <source>A capture operation is already in progress</source>
        <extracomment>Error when capture is already in progress</extracomment>
        <translation>एक कैप्चर कार्रवाई पहले से चल रही है</translation>
    </message>
    <message id="error.coordinator.invalid_region">
        <source>The selected region is invalid</source>
        <extracomment>Error when region is invalid</extracomment>
        <translation>चुना गया क्षेत्र अमान्य है</translation>
    </message>
    <message id="error.coordinator.no_last_region">
        <source>No previous capture region available. Please perform a new capture first.</source>
        <extracomment>Error when no last region exists</extracomment>
        <translation>पिछला कोई कैप्चर क्षेत्र उपलब्ध नहीं है। कृपया पहले नया कैप्चर करें।</translation>
    </message>
    <message id="error.coordinator.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display config changed</extracomment>
        <translation>डिस्प्ले कॉन्फ़िगरेशन बदल गया है। कृपया नया क्षेत्र चुनें।</translation>
    </message>
    <message id="error.clipboard.write_failed">
        <source>Failed to copy to clipboard: %1</source>
        <extracomment>Error when clipboard write fails</extracomment>
        <translation>क्लिपबोर्ड पर कॉपी नहीं किया जा सका: %1</translation>
    </message>
    <message id="error.clipboard.unsupported_format">
        <source>Clipboard format %1 is not supported</source>
        <extracomment>Error when format is unsupported</extracomment>
        <translation>क्लिपबोर्ड फ़ॉर्मैट %1 समर्थित नहीं है</translation>
    </message>
    <message id="error.clipboard.conversion_failed">
        <source>Failed to convert text to %1 format</source>
        <extracomment>Error when format conversion fails</extracomment>
        <translation>टेक्स्ट को %1 फ़ॉर्मैट में नहीं बदला जा सका</translation>
    </message>
    <message id="error.clipboard.empty">
        <source>Cannot copy empty content to clipboard</source>
        <extracomment>Error when content is empty</extracomment>
        <translation>खाली सामग्री को क्लिपबोर्ड पर कॉपी नहीं किया जा सकता</translation>
    </message>
    <message id="clipboard.format.plain">
        <source>Plain Text</source>
        <extracomment>Plain text format</extracomment>
        <translation>सादा टेक्स्ट</translation>
    </message>
    <message id="clipboard.format.rtf">
        <source>Rich Text</source>
        <extracomment>RTF format</extracomment>
        <translation>रिच टेक्स्ट</translation>
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
        <translation>बारकोड पहचान विफल रही: %1</translation>
    </message>
    <message id="code_scan_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to scan is empty</extracomment>
        <translation>कैप्चर की गई छवि अमान्य या दूषित है</translation>
    </message>
    <message id="code_scan_error.no_code">
        <source>No code was detected in the selected region</source>
        <extracomment>Scanning found no barcode or QR code</extracomment>
        <translation>चुने गए क्षेत्र में कोई बारकोड या QR कोड नहीं मिला</translation>
    </message>
    <message id="continuity.import.file">
        <source>Choose Image File…</source>
        <extracomment>Import menu item that opens an image file</extracomment>
        <translation>छवि फ़ाइल चुनें…</translation>
    </message>
    <message id="continuity.import.clipboard">
        <source>Paste Image from Clipboard</source>
        <extracomment>Import menu item that takes the clipboard&apos;s image</extracomment>
        <translation>क्लिपबोर्ड से छवि चिपकाएँ</translation>
    </message>
    <message id="continuity.import.dialog_title">
        <source>Import Image</source>
        <extracomment>Title of the image file chooser</extracomment>
        <translation>छवि आयात करें</translation>
    </message>
    <message id="continuity.import.filter">
        <source>Images</source>
        <extracomment>File type filter name for images</extracomment>
        <translation>छवियाँ</translation>
    </message>
    <message id="error.import.unreadable_file_reason">
        <source>“%1” could not be read: %2</source>
        <extracomment>Error when an imported image file cannot be read: its name, then why</extracomment>
        <translation>“%1” को पढ़ा नहीं जा सका: %2</translation>
    </message>
    <message id="error.import.unreadable_file">
        <source>“%1” could not be read</source>
        <extracomment>Error when an imported image file cannot be read: its name</extracomment>
        <translation>“%1” को पढ़ा नहीं जा सका</translation>
    </message>
    <message id="error.import.unknown">
        <source>%1</source>
        <extracomment>Unknown import error</extracomment>
        <translation>%1</translation>
    </message>
    <message id="ocr_error.failed">
        <source>OCR failed: %1</source>
        <extracomment>Text recognition failed; %1 is the reason</extracomment>
        <translation>OCR विफल रहा: %1</translation>
    </message>
    <message id="ocr_error.unsupported_language">
        <source>Language &apos;%1&apos; is not supported</source>
        <extracomment>A requested recognition language is not offered</extracomment>
        <translation>भाषा ‘%1’ समर्थित नहीं है</translation>
    </message>
    <message id="ocr_error.vision_failed">
        <source>Recognition failed: %1</source>
        <extracomment>The recognition engine reported an error; %1 is its description</extracomment>
        <translation>पहचान विफल रही: %1</translation>
    </message>
    <message id="ocr_error.no_text">
        <source>No text was detected in the selected region</source>
        <extracomment>Recognition found no text</extracomment>
        <translation>चुने गए क्षेत्र में कोई टेक्स्ट नहीं मिला</translation>
    </message>
    <message id="ocr_error.invalid_image">
        <source>The captured image is invalid or corrupted</source>
        <extracomment>The image to recognise is empty</extracomment>
        <translation>कैप्चर की गई छवि अमान्य या दूषित है</translation>
    </message>
    <message id="error.screen_capture.failed">
        <source>Screen capture failed: %1</source>
        <extracomment>Error when capture operation fails</extracomment>
        <translation>स्क्रीन कैप्चर विफल रहा: %1</translation>
    </message>
    <message id="error.screen_capture.permission_denied">
        <source>Screen access is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the screen access permission is denied</extracomment>
        <translation>स्क्रीन एक्सेस की अनुमति आवश्यक है। कृपया अपने डेस्कटॉप की गोपनीयता सेटिंग्स में पहुँच की अनुमति दें।</translation>
    </message>
    <message id="error.screen_capture.invalid_region">
        <source>The selected region is invalid or too small.</source>
        <extracomment>Error when capture region is invalid</extracomment>
        <translation>चुना गया क्षेत्र अमान्य है या बहुत छोटा है।</translation>
    </message>
    <message id="error.screen_capture.display_changed">
        <source>Display configuration has changed. Please select a new region.</source>
        <extracomment>Error when display configuration changes</extracomment>
        <translation>डिस्प्ले कॉन्फ़िगरेशन बदल गया है। कृपया नया क्षेत्र चुनें।</translation>
    </message>
    <message id="error.screen_capture.dismissed">
        <source>Capture was cancelled.</source>
        <extracomment>Error when user dismisses capture overlay</extracomment>
        <translation>कैप्चर रद्द कर दिया गया।</translation>
    </message>
    <message id="error.screen_capture.no_display">
        <source>No active display found.</source>
        <extracomment>Error when no display is available</extracomment>
        <translation>कोई सक्रिय डिस्प्ले नहीं मिला।</translation>
    </message>
    <message id="language.system_default">
        <source>System Default</source>
        <translation>सिस्टम डिफ़ॉल्ट</translation>
    </message>
    <message id="capture_mode.normal">
        <source>Normal</source>
        <extracomment>Normal capture mode</extracomment>
        <translation>सामान्य</translation>
    </message>
    <message id="capture_mode.repeat">
        <source>Repeat</source>
        <extracomment>Repeat capture mode</extracomment>
        <translation>दोहराएँ</translation>
    </message>
    <message id="capture_mode.code">
        <source>Code</source>
        <extracomment>Code capture mode</extracomment>
        <translation>कोड</translation>
    </message>
    <message id="capture_mode.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code capture mode</extracomment>
        <translation>कोड स्कैन करें</translation>
    </message>
    <message id="error.hotkey.registration_failed">
        <source>Failed to register global shortcut: %1</source>
        <extracomment>Error when hotkey registration fails</extracomment>
        <translation>वैश्विक शॉर्टकट पंजीकृत नहीं किया जा सका: %1</translation>
    </message>
    <message id="error.hotkey.conflict">
        <source>Shortcut %1 conflicts with another registered shortcut</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>शॉर्टकट %1 किसी दूसरे पंजीकृत शॉर्टकट से टकराता है</translation>
    </message>
    <message id="error.hotkey.system_reserved">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Error when shortcut is system reserved</extracomment>
        <translation>शॉर्टकट %1 सिस्टम द्वारा आरक्षित है</translation>
    </message>
    <message id="error.hotkey.permission_denied">
        <source>Permission for global shortcuts is required. Please grant access in your desktop&apos;s privacy settings.</source>
        <extracomment>Error when the global shortcuts permission is denied</extracomment>
        <translation>वैश्विक शॉर्टकट के लिए अनुमति आवश्यक है। कृपया अपने डेस्कटॉप की गोपनीयता सेटिंग्स में पहुँच की अनुमति दें।</translation>
    </message>
    <message id="error.hotkey.invalid">
        <source>Invalid shortcut configuration</source>
        <extracomment>Error when shortcut is invalid</extracomment>
        <translation>शॉर्टकट कॉन्फ़िगरेशन अमान्य है</translation>
    </message>
    <message id="notification.capture_success.title">
        <source>Text Captured</source>
        <extracomment>Success notification title</extracomment>
        <translation>टेक्स्ट कैप्चर हुआ</translation>
    </message>
    <message id="notification.repeat_capture_success.title">
        <source>Text Re-captured</source>
        <extracomment>Repeat capture success notification title</extracomment>
        <translation>टेक्स्ट फिर से कैप्चर हुआ</translation>
    </message>
    <message id="notification.code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Code capture success notification title</extracomment>
        <translation>कोड कैप्चर हुआ</translation>
    </message>
    <message id="notification.scan_code_capture_success.title">
        <source>Code Captured</source>
        <extracomment>Scan Code capture success notification title</extracomment>
        <translation>कोड स्कैन हुआ</translation>
    </message>
    <message id="notification.capture_success.message">
        <source>Copied to clipboard</source>
        <extracomment>Success notification message</extracomment>
        <translation>क्लिपबोर्ड पर कॉपी किया गया</translation>
    </message>
    <message id="notification.capture_error.title">
        <source>Capture Failed</source>
        <extracomment>Error notification title</extracomment>
        <translation>कैप्चर विफल रहा</translation>
    </message>
    <message id="notification.voiceover.warning">
        <source>Warning: %1. %2</source>
        <extracomment>VoiceOver announcement for warning</extracomment>
        <translation>चेतावनी: %1। %2</translation>
    </message>
    <message id="notification.voiceover.error">
        <source>Error: %1. %2</source>
        <extracomment>VoiceOver announcement for error</extracomment>
        <translation>त्रुटि: %1। %2</translation>
    </message>
    <message id="error.notification.configuration_failed">
        <source>Failed to configure notifications: %1</source>
        <extracomment>Error when notification configuration fails</extracomment>
        <translation>सूचनाएँ कॉन्फ़िगर नहीं की जा सकीं: %1</translation>
    </message>
    <message id="error.notification.permission_denied">
        <source>Notification permission denied</source>
        <extracomment>Error when notification permission is denied</extracomment>
        <translation>सूचना अनुमति अस्वीकार कर दी गई</translation>
    </message>
    <message id="error.notification.display_not_found">
        <source>Could not determine display for notification</source>
        <extracomment>Error when display cannot be found</extracomment>
        <translation>सूचना के लिए डिस्प्ले निर्धारित नहीं किया जा सका</translation>
    </message>
    <message id="permission.summary.title">
        <source>Permissions Required</source>
        <extracomment>Permission summary title</extracomment>
        <translation>अनुमतियाँ आवश्यक हैं</translation>
    </message>
    <message id="permission.summary.message">
        <source>Quorvane requires the following permissions:

%1

Please grant these permissions in your desktop&apos;s privacy settings to use Quorvane.</source>
        <extracomment>Permission summary message</extracomment>
        <translation>Quorvane को निम्नलिखित अनुमतियों की आवश्यकता है:

%1

Quorvane का उपयोग करने के लिए कृपया अपने डेस्कटॉप की गोपनीयता सेटिंग्स में ये अनुमतियाँ दें।</translation>
    </message>
    <message id="permission.summary.open_settings">
        <source>Open Privacy Settings</source>
        <extracomment>Open Settings button</extracomment>
        <translation>गोपनीयता सेटिंग्स खोलें</translation>
    </message>
    <message id="permission.summary.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>ठीक है</translation>
    </message>
    <message id="permission.screen_recording">
        <source>Screen Access</source>
        <extracomment>Name of the permission to read the screen (the desktop&apos;s screenshot access)</extracomment>
        <translation>स्क्रीन एक्सेस</translation>
    </message>
    <message id="permission.accessibility">
        <source>Global Shortcuts</source>
        <extracomment>Name of the permission to use keyboard shortcuts that work in every program</extracomment>
        <translation>वैश्विक शॉर्टकट</translation>
    </message>
    <message id="error.settings_store.persistence">
        <source>Failed to save settings: %1</source>
        <extracomment>Error when settings persistence fails</extracomment>
        <translation>सेटिंग्स सहेजी नहीं जा सकीं: %1</translation>
    </message>
    <message id="error.settings_store.validation">
        <source>Settings validation failed: %1</source>
        <extracomment>Error when settings validation fails</extracomment>
        <translation>सेटिंग्स का सत्यापन विफल रहा: %1</translation>
    </message>
    <message id="error.settings_store.migration">
        <source>Settings migration failed: %1</source>
        <extracomment>Error when settings migration fails</extracomment>
        <translation>सेटिंग्स का माइग्रेशन विफल रहा: %1</translation>
    </message>
    <message id="error.settings_store.launch_item">
        <source>Failed to configure launch at login: %1</source>
        <extracomment>Error when launch item configuration fails</extracomment>
        <translation>लॉगिन पर शुरू होना कॉन्फ़िगर नहीं किया जा सका: %1</translation>
    </message>
    <message id="error.settings_store.shortcut_conflict">
        <source>Shortcut %1 is already in use or conflicts with system shortcuts</source>
        <extracomment>Error when shortcut conflicts</extracomment>
        <translation>शॉर्टकट %1 पहले से उपयोग में है या सिस्टम शॉर्टकट से टकराता है</translation>
    </message>
    <message id="error.settings_store.invalid_value">
        <source>Invalid setting value: %1</source>
        <extracomment>Error when setting value is invalid</extracomment>
        <translation>सेटिंग का मान अमान्य है: %1</translation>
    </message>
    <message id="shortcut.quick_zarrow">
        <source>Quick Capture</source>
        <extracomment>Name of the shortcut that starts a text capture</extracomment>
        <translation>त्वरित कैप्चर</translation>
    </message>
    <message id="shortcut.repeat_zarrow">
        <source>Repeat Capture</source>
        <extracomment>Name of the shortcut that captures the last region again</extracomment>
        <translation>कैप्चर दोहराएँ</translation>
    </message>
    <message id="shortcut.code_mode">
        <source>Code Mode</source>
        <extracomment>Code Mode shortcut</extracomment>
        <translation>कोड मोड</translation>
    </message>
    <message id="shortcut.open_history">
        <source>Open History</source>
        <extracomment>Open History shortcut</extracomment>
        <translation>इतिहास खोलें</translation>
    </message>
    <message id="shortcut.scan_code">
        <source>Scan Code</source>
        <extracomment>Scan Code shortcut</extracomment>
        <translation>कोड स्कैन करें</translation>
    </message>
    <message id="notification.accessibility.repeat_mode">
        <source>Repeat mode</source>
        <extracomment>Accessibility label for repeat mode badge</extracomment>
        <translation>दोहराव मोड</translation>
    </message>
    <message id="notification.accessibility.code_mode">
        <source>Code mode</source>
        <extracomment>Accessibility label for code mode badge</extracomment>
        <translation>कोड मोड</translation>
    </message>
    <message id="notification.accessibility.scan_code_mode">
        <source>Code scan</source>
        <extracomment>Accessibility label for scan code mode</extracomment>
        <translation>कोड स्कैन</translation>
    </message>
    <message id="notification.accessibility.hint">
        <source>Double-click to open in history</source>
        <extracomment>Screen reader hint of the notice shown after a capture</extracomment>
        <translation>इतिहास में खोलने के लिए डबल-क्लिक करें</translation>
    </message>
    <message id="history.filter.all">
        <source>All</source>
        <extracomment>All time filter</extracomment>
        <translation>सभी</translation>
    </message>
    <message id="history.filter.today">
        <source>Today</source>
        <extracomment>Today filter</extracomment>
        <translation>आज</translation>
    </message>
    <message id="history.filter.week">
        <source>This Week</source>
        <extracomment>This week filter</extracomment>
        <translation>इस सप्ताह</translation>
    </message>
    <message id="history.filter.month">
        <source>This Month</source>
        <extracomment>This month filter</extracomment>
        <translation>इस महीने</translation>
    </message>
    <message id="history.filter.custom">
        <source>Custom Range</source>
        <extracomment>Custom range filter</extracomment>
        <translation>कस्टम सीमा</translation>
    </message>
    <message id="export.error.pdf_creation">
        <source>Failed to create PDF document</source>
        <extracomment>PDF creation error</extracomment>
        <translation>PDF दस्तावेज़ नहीं बनाया जा सका</translation>
    </message>
    <message id="export.error.write">
        <source>Failed to write file</source>
        <extracomment>File write error</extracomment>
        <translation>फ़ाइल नहीं लिखी जा सकी</translation>
    </message>
    <message id="export.format.txt">
        <source>Plain Text (.txt)</source>
        <extracomment>TXT export format</extracomment>
        <translation>सादा टेक्स्ट (.txt)</translation>
    </message>
    <message id="export.format.markdown">
        <source>Markdown (.md)</source>
        <extracomment>Markdown export format</extracomment>
        <translation>Markdown (.md)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF Document (.pdf)</source>
        <extracomment>PDF export format</extracomment>
        <translation>PDF दस्तावेज़ (.pdf)</translation>
    </message>
    <message id="export.panel.title">
        <source>Export Capture</source>
        <extracomment>Export save panel title</extracomment>
        <translation>कैप्चर निर्यात करें</translation>
    </message>
    <message id="export.panel.message">
        <source>Choose where to save the exported file</source>
        <extracomment>Export save panel message</extracomment>
        <translation>चुनें कि निर्यात की गई फ़ाइल कहाँ सहेजनी है</translation>
    </message>
    <message id="history.filter.custom_title">
        <source>Custom Date Range</source>
        <extracomment>Custom date range title</extracomment>
        <translation>कस्टम तिथि सीमा</translation>
    </message>
    <message id="history.filter.from">
        <source>From:</source>
        <extracomment>From date label</extracomment>
        <translation>से:</translation>
    </message>
    <message id="history.filter.to">
        <source>To:</source>
        <extracomment>To date label</extracomment>
        <translation>तक:</translation>
    </message>
    <message id="general.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>रद्द करें</translation>
    </message>
    <message id="history.filter.apply">
        <source>Apply</source>
        <extracomment>Apply filter button</extracomment>
        <translation>लागू करें</translation>
    </message>
    <message id="history.detail.dimensions">
        <source>%1 × %2 pixels</source>
        <extracomment>Capture dimensions</extracomment>
        <translation>%1 × %2 पिक्सेल</translation>
    </message>
    <message id="history.detail.no_selection">
        <source>Select a capture to view details</source>
        <extracomment>No selection message</extracomment>
        <translation>विवरण देखने के लिए कोई कैप्चर चुनें</translation>
    </message>
    <message id="history.detail.text_label">
        <source>Captured Text</source>
        <extracomment>Captured text label</extracomment>
        <translation>कैप्चर किया गया टेक्स्ट</translation>
    </message>
    <message id="history.detail.copy">
        <source>Copy</source>
        <extracomment>Copy button</extracomment>
        <translation>कॉपी करें</translation>
    </message>
    <message id="history.detail.pin">
        <source>Pin</source>
        <extracomment>Pin to Desktop button</extracomment>
        <translation>पिन करें</translation>
    </message>
    <message id="history.detail.pin.tooltip">
        <source>Pin to desktop as floating widget</source>
        <extracomment>Pin button tooltip</extracomment>
        <translation>फ़्लोटिंग विजेट के रूप में डेस्कटॉप पर पिन करें</translation>
    </message>
    <message id="history.detail.copy_markdown">
        <source>Copy as Markdown</source>
        <extracomment>Copy as markdown button</extracomment>
        <translation>Markdown के रूप में कॉपी करें</translation>
    </message>
    <message id="history.detail.export">
        <source>Export as…</source>
        <extracomment>Export button</extracomment>
        <translation>इस रूप में निर्यात करें…</translation>
    </message>
    <message id="history.detail.export.tooltip">
        <source>Export this capture to a file</source>
        <extracomment>Export button tooltip</extracomment>
        <translation>इस कैप्चर को फ़ाइल में निर्यात करें</translation>
    </message>
    <message id="history.detail.delete">
        <source>Delete</source>
        <extracomment>Delete button</extracomment>
        <translation>हटाएँ</translation>
    </message>
    <message id="history.detail.source_app">
        <source>From: %1</source>
        <extracomment>Source app label</extracomment>
        <translation>स्रोत: %1</translation>
    </message>
    <message id="history.detail.character_count" numerus="yes">
        <source>%n character(s)</source>
        <extracomment>Character count</extracomment>
        <translation>
            <numerusform>%n वर्ण</numerusform>
            <numerusform>%n वर्ण</numerusform>
        </translation>
    </message>
    <message id="history.empty.title">
        <source>No captures yet</source>
        <extracomment>Empty state title</extracomment>
        <translation>अभी तक कोई कैप्चर नहीं</translation>
    </message>
    <message id="history.empty.subtitle">
        <source>Press %1 to capture text from your screen</source>
        <extracomment>Empty state subtitle; the quick capture shortcut</extracomment>
        <translation>अपनी स्क्रीन से टेक्स्ट कैप्चर करने के लिए %1 दबाएँ</translation>
    </message>
    <message id="history.empty.tip_repeat">
        <source>Use %1 to repeat last capture</source>
        <extracomment>Repeat capture tip; the repeat shortcut</extracomment>
        <translation>पिछला कैप्चर दोहराने के लिए %1 का उपयोग करें</translation>
    </message>
    <message id="history.empty.tip_code">
        <source>Use %1 for code mode</source>
        <extracomment>Code mode tip; the code mode shortcut</extracomment>
        <translation>कोड मोड के लिए %1 का उपयोग करें</translation>
    </message>
    <message id="history.filtered_empty.title">
        <source>No matching captures</source>
        <extracomment>Filtered empty state title</extracomment>
        <translation>कोई मेल खाता कैप्चर नहीं</translation>
    </message>
    <message id="history.filtered_empty.clear">
        <source>Clear Filters</source>
        <extracomment>Clear filters button</extracomment>
        <translation>फ़िल्टर साफ़ करें</translation>
    </message>
    <message id="history.filtered_empty.search">
        <source>No captures found matching &quot;%1&quot;</source>
        <extracomment>No search results message</extracomment>
        <translation>“%1” से मेल खाता कोई कैप्चर नहीं मिला</translation>
    </message>
    <message id="history.filtered_empty.date">
        <source>No captures found for &quot;%1&quot;</source>
        <extracomment>No date filter results message</extracomment>
        <translation>“%1” के लिए कोई कैप्चर नहीं मिला</translation>
    </message>
    <message id="history.list.title">
        <source>Captures</source>
        <extracomment>List title</extracomment>
        <translation>कैप्चर</translation>
    </message>
    <message id="history.search.placeholder">
        <source>Search captures…</source>
        <extracomment>Search placeholder</extracomment>
        <translation>कैप्चर खोजें…</translation>
    </message>
    <message id="history.search.clear_all">
        <source>Clear All</source>
        <extracomment>Clear all button</extracomment>
        <translation>सभी साफ़ करें</translation>
    </message>
    <message id="history.filter.custom_range">
        <source>%1 to %2</source>
        <extracomment>Custom date range display</extracomment>
        <translation>%1 से %2 तक</translation>
    </message>
    <message id="error.history_store.storage_access">
        <source>Failed to access history storage: %1</source>
        <extracomment>Error when storage access fails</extracomment>
        <translation>इतिहास संग्रहण तक नहीं पहुँचा जा सका: %1</translation>
    </message>
    <message id="error.history_store.corrupted">
        <source>History file is corrupted: %1</source>
        <extracomment>Error when history file is corrupted</extracomment>
        <translation>इतिहास फ़ाइल दूषित है: %1</translation>
    </message>
    <message id="error.history_store.not_found">
        <source>History entry not found: %1</source>
        <extracomment>Error when entry is not found</extracomment>
        <translation>इतिहास प्रविष्टि नहीं मिली: %1</translation>
    </message>
    <message id="error.history_store.thumbnail">
        <source>Failed to generate thumbnail: %1</source>
        <extracomment>Error when thumbnail generation fails</extracomment>
        <translation>थंबनेल नहीं बनाया जा सका: %1</translation>
    </message>
    <message id="error.history_store.invalid_max">
        <source>Invalid max entries value: %1. Must be between 1 and 1000.</source>
        <extracomment>Error when max entries value is invalid</extracomment>
        <translation>अधिकतम प्रविष्टियों का मान अमान्य है: %1। यह 1 से 1000 के बीच होना चाहिए।</translation>
    </message>
    <message id="error.history_store.disk_full">
        <source>Not enough disk space to save history entry.</source>
        <extracomment>Error when disk is full</extracomment>
        <translation>इतिहास प्रविष्टि सहेजने के लिए डिस्क में पर्याप्त स्थान नहीं है।</translation>
    </message>
    <message id="history.loading">
        <source>Loading captures…</source>
        <extracomment>Loading message</extracomment>
        <translation>कैप्चर लोड हो रहे हैं…</translation>
    </message>
    <message id="history.delete.title">
        <source>Delete Capture?</source>
        <extracomment>Delete confirmation title</extracomment>
        <translation>कैप्चर हटाएँ?</translation>
    </message>
    <message id="history.delete.message">
        <source>This action cannot be undone.</source>
        <extracomment>Delete confirmation message</extracomment>
        <translation>यह क्रिया पूर्ववत नहीं की जा सकती।</translation>
    </message>
    <message id="history.delete.confirm">
        <source>Delete</source>
        <extracomment>Delete confirmation button</extracomment>
        <translation>हटाएँ</translation>
    </message>
    <message id="history.clear_all.title">
        <source>Clear All History?</source>
        <extracomment>Clear all confirmation title</extracomment>
        <translation>पूरा इतिहास साफ़ करें?</translation>
    </message>
    <message id="history.clear_all.message">
        <source>This will permanently delete all captures. This action cannot be undone.</source>
        <extracomment>Clear all confirmation message</extracomment>
        <translation>इससे सभी कैप्चर स्थायी रूप से हट जाएँगे। यह क्रिया पूर्ववत नहीं की जा सकती।</translation>
    </message>
    <message id="history.clear_all.confirm">
        <source>Clear All</source>
        <extracomment>Clear all confirmation button</extracomment>
        <translation>सभी साफ़ करें</translation>
    </message>
    <message id="history.error.title">
        <source>Error</source>
        <extracomment>Error alert title</extracomment>
        <translation>त्रुटि</translation>
    </message>
    <message id="history.stats.filtered" numerus="yes">
        <source>%1 of %n capture(s)</source>
        <extracomment>Filtered captures count: %1 shown of %n in all</extracomment>
        <translation>
            <numerusform>%n में से %1 कैप्चर</numerusform>
            <numerusform>%n में से %1 कैप्चर</numerusform>
        </translation>
    </message>
    <message id="history.stats.total" numerus="yes">
        <source>%n capture(s)</source>
        <extracomment>Total captures count</extracomment>
        <translation>
            <numerusform>%n कैप्चर</numerusform>
            <numerusform>%n कैप्चर</numerusform>
        </translation>
    </message>
    <message id="pin_widget.image.accessibility">
        <source>Captured screenshot</source>
        <extracomment>Accessibility label for pinned image</extracomment>
        <translation>कैप्चर किया गया स्क्रीनशॉट</translation>
    </message>
    <message id="pin_widget.image.no_image">
        <source>No image available</source>
        <extracomment>Placeholder when no image</extracomment>
        <translation>कोई छवि उपलब्ध नहीं</translation>
    </message>
    <message id="pin_widget.text.accessibility">
        <source>Captured text editor</source>
        <extracomment>Accessibility label for text editor</extracomment>
        <translation>कैप्चर किए गए टेक्स्ट का संपादक</translation>
    </message>
    <message id="pin_widget.replace_confirmation.title">
        <source>Replace Pin?</source>
        <extracomment>Title for replace pin confirmation</extracomment>
        <translation>पिन बदलें?</translation>
    </message>
    <message id="pin_widget.replace_confirmation.message">
        <source>The current pin has unsaved edits. Replace it with the new capture?</source>
        <extracomment>Message for replace pin confirmation</extracomment>
        <translation>मौजूदा पिन में बिना सहेजे संपादन हैं। क्या इसे नए कैप्चर से बदलना है?</translation>
    </message>
    <message id="pin_widget.replace_confirmation.replace">
        <source>Replace</source>
        <extracomment>Replace button</extracomment>
        <translation>बदलें</translation>
    </message>
    <message id="pin_widget.replace_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>रद्द करें</translation>
    </message>
    <message id="pin_widget.close_confirmation.title">
        <source>Unsaved Edits</source>
        <extracomment>Title for close pin confirmation</extracomment>
        <translation>बिना सहेजे संपादन</translation>
    </message>
    <message id="pin_widget.close_confirmation.message">
        <source>The pin has unsaved text edits. What would you like to do?</source>
        <extracomment>Message for close pin confirmation</extracomment>
        <translation>पिन में टेक्स्ट के बिना सहेजे संपादन हैं। आप क्या करना चाहेंगे?</translation>
    </message>
    <message id="pin_widget.close_confirmation.save_clipboard">
        <source>Save to Clipboard</source>
        <extracomment>Save to clipboard button</extracomment>
        <translation>क्लिपबोर्ड में सहेजें</translation>
    </message>
    <message id="pin_widget.close_confirmation.discard">
        <source>Discard</source>
        <extracomment>Discard button</extracomment>
        <translation>छोड़ें</translation>
    </message>
    <message id="pin_widget.close_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>रद्द करें</translation>
    </message>
    <message id="pin_widget.clipboard_failed.title">
        <source>Text Not Copied</source>
        <extracomment>Title when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>टेक्स्ट कॉपी नहीं हुआ</translation>
    </message>
    <message id="pin_widget.clipboard_failed.message">
        <source>The clipboard did not take the pin&apos;s text, so the pin stays open with your edits. Try again, or copy the text from the pin.</source>
        <extracomment>Message when the pin&apos;s text could not be put on the clipboard</extracomment>
        <translation>क्लिपबोर्ड ने पिन का टेक्स्ट नहीं लिया, इसलिए पिन आपके संपादनों के साथ खुला रहेगा। फिर से कोशिश करें, या पिन से टेक्स्ट कॉपी करें।</translation>
    </message>
    <message id="pin_widget.clipboard_failed.ok">
        <source>OK</source>
        <extracomment>OK button</extracomment>
        <translation>ठीक है</translation>
    </message>
    <message id="pin_widget.toolbar.opacity_hint">
        <source>Cycle opacity (30%/60%/100%)</source>
        <translation>अपारदर्शिता बदलें (30%/60%/100%)</translation>
    </message>
    <message id="pin_widget.toolbar.close">
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_text">
        <source>Switch to Text</source>
        <translation>टेक्स्ट पर जाएँ</translation>
    </message>
    <message id="pin_widget.toolbar.switch_to_image">
        <source>Switch to Image</source>
        <translation>छवि पर जाएँ</translation>
    </message>
    <message id="pin_widget.toolbar.unpin">
        <source>Unpin (allow window to go behind)</source>
        <translation>अनपिन करें (विंडो को पीछे जाने दें)</translation>
    </message>
    <message id="pin_widget.toolbar.pin">
        <source>Pin (keep on top)</source>
        <translation>पिन करें (सबसे ऊपर रखें)</translation>
    </message>
    <message id="relative_time.seconds" numerus="yes">
        <source>%n sec.</source>
        <extracomment>Seconds, short</extracomment>
        <translation>
            <numerusform>%n सेकंड</numerusform>
            <numerusform>%n सेकंड</numerusform>
        </translation>
    </message>
    <message id="relative_time.minutes" numerus="yes">
        <source>%n min.</source>
        <extracomment>Minutes, short</extracomment>
        <translation>
            <numerusform>%n मिनट</numerusform>
            <numerusform>%n मिनट</numerusform>
        </translation>
    </message>
    <message id="relative_time.hours" numerus="yes">
        <source>%n hr.</source>
        <extracomment>Hours, short</extracomment>
        <translation>
            <numerusform>%n घंटे</numerusform>
            <numerusform>%n घंटे</numerusform>
        </translation>
    </message>
    <message id="relative_time.days" numerus="yes">
        <source>%n days</source>
        <extracomment>Days</extracomment>
        <translation>
            <numerusform>%n दिन</numerusform>
            <numerusform>%n दिन</numerusform>
        </translation>
    </message>
    <message id="relative_time.weeks" numerus="yes">
        <source>%n wk.</source>
        <extracomment>Weeks, short</extracomment>
        <translation>
            <numerusform>%n सप्ताह</numerusform>
            <numerusform>%n सप्ताह</numerusform>
        </translation>
    </message>
    <message id="relative_time.months" numerus="yes">
        <source>%n mo.</source>
        <extracomment>Months, short</extracomment>
        <translation>
            <numerusform>%n महीने</numerusform>
            <numerusform>%n महीने</numerusform>
        </translation>
    </message>
    <message id="relative_time.years" numerus="yes">
        <source>%n yr.</source>
        <extracomment>Years, short</extracomment>
        <translation>
            <numerusform>%n वर्ष</numerusform>
            <numerusform>%n वर्ष</numerusform>
        </translation>
    </message>
    <message id="relative_time.past">
        <source>%1 ago</source>
        <extracomment>Time before now</extracomment>
        <translation>%1 पहले</translation>
    </message>
    <message id="relative_time.future">
        <source>in %1</source>
        <extracomment>Time after now</extracomment>
        <translation>%1 में</translation>
    </message>
    <message id="about.app_name">
        <source>Quorvane</source>
        <extracomment>The program name in the About window (usually kept as is)</extracomment>
        <translation>Quorvane</translation>
    </message>
    <message id="about.subtitle">
        <source>Screen Text Capture</source>
        <extracomment>Subtitle under the program name in the About window</extracomment>
        <translation>स्क्रीन टेक्स्ट कैप्चर</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <extracomment>Version line in the About window: %1 version number</extracomment>
        <translation>संस्करण %1</translation>
    </message>
    <message id="about.description">
        <source>Capture text from anywhere on your screen using OCR.</source>
        <extracomment>One-sentence description in the About window</extracomment>
        <translation>OCR की मदद से अपनी स्क्रीन पर कहीं से भी टेक्स्ट कैप्चर करें।</translation>
    </message>
    <message id="about.legal_notice">
        <source>© 2025 Corvantis. Licence: GPL-3.0-or-later</source>
        <extracomment>Copyright and licence line in the About window; GPL-3.0-or-later is the licence&apos;s identifier and stays as is</extracomment>
        <translation>© 2025 Corvantis. लाइसेंस: GPL-3.0-or-later</translation>
    </message>
    <message id="about.privacy_policy">
        <source>Privacy Policy</source>
        <extracomment>Link in the About window</extracomment>
        <translation>गोपनीयता नीति</translation>
    </message>
    <message id="about.terms_of_service">
        <source>Terms of Service</source>
        <extracomment>Link in the About window</extracomment>
        <translation>सेवा की शर्तें</translation>
    </message>
    <message id="about.window.title">
        <source>About Quorvane</source>
        <extracomment>Title of the About window</extracomment>
        <translation>Quorvane के बारे में</translation>
    </message>
    <message id="preferences.shortcuts.copy_command">
        <source>Copy</source>
        <extracomment>Button that copies a shortcut command</extracomment>
        <translation>कॉपी करें</translation>
    </message>
    <message id="preferences.shortcuts.desktop_unavailable">
        <source>Your desktop does not let programs take global shortcuts. In its keyboard settings, add a custom shortcut for each command you want:</source>
        <extracomment>Shortcuts pane note when the desktop offers no global shortcuts</extracomment>
        <translation>आपका डेस्कटॉप प्रोग्रामों को वैश्विक शॉर्टकट लेने नहीं देता। उसकी कीबोर्ड सेटिंग्स में, हर उस कमांड के लिए एक कस्टम शॉर्टकट जोड़ें जो आप चाहते हैं:</translation>
    </message>
    <message id="preferences.shortcuts.desktop_owned">
        <source>Your desktop keeps these shortcuts: it may ask you to confirm them, and you can change them in its keyboard settings. It reports:</source>
        <extracomment>Shortcuts pane note when the desktop holds the global shortcuts</extracomment>
        <translation>ये शॉर्टकट आपका डेस्कटॉप रखता है: वह आपसे इनकी पुष्टि करने को कह सकता है, और आप इन्हें उसकी कीबोर्ड सेटिंग्स में बदल सकते हैं। डेस्कटॉप यह बताता है:</translation>
    </message>
    <message id="preferences.shortcuts.not_bound">
        <source>Not bound yet</source>
        <extracomment>A global shortcut the desktop has not bound</extracomment>
        <translation>अभी तक असाइन नहीं</translation>
    </message>
    <message id="feedback.title">
        <source>Send Feedback</source>
        <extracomment>Heading of the Feedback window</extracomment>
        <translation>प्रतिक्रिया भेजें</translation>
    </message>
    <message id="feedback.subtitle">
        <source>We&apos;d love to hear from you!</source>
        <extracomment>Subtitle of the Feedback window</extracomment>
        <translation>हमें आपकी राय जानकर खुशी होगी!</translation>
    </message>
    <message id="feedback.email">
        <source>Email</source>
        <extracomment>Section label for the support e-mail address</extracomment>
        <translation>ईमेल</translation>
    </message>
    <message id="feedback.email.open_tooltip">
        <source>Click to open email client</source>
        <extracomment>Tooltip of the e-mail address button</extracomment>
        <translation>ईमेल क्लाइंट खोलने के लिए क्लिक करें</translation>
    </message>
    <message id="feedback.email.copy_tooltip">
        <source>Copy email address</source>
        <extracomment>Tooltip of the copy button beside the e-mail address</extracomment>
        <translation>ईमेल पता कॉपी करें</translation>
    </message>
    <message id="feedback.twitter">
        <source>X / Twitter</source>
        <extracomment>Section label for the social profile (brand name, usually kept)</extracomment>
        <translation>X / Twitter</translation>
    </message>
    <message id="feedback.twitter.open_tooltip">
        <source>Click to open Twitter profile</source>
        <extracomment>Tooltip of the social profile button</extracomment>
        <translation>Twitter प्रोफ़ाइल खोलने के लिए क्लिक करें</translation>
    </message>
    <message id="feedback.close">
        <source>Close</source>
        <extracomment>Button that closes the Feedback window</extracomment>
        <translation>बंद करें</translation>
    </message>
    <message id="feedback.alert.browser.title">
        <source>Browser Cannot Handle Email</source>
        <extracomment>Alert title when e-mail links open in a web browser</extracomment>
        <translation>ब्राउज़र ईमेल नहीं संभाल सकता</translation>
    </message>
    <message id="feedback.alert.browser.message">
        <source>Your system is configured to open email links with a web browser, which cannot handle them properly.

Please either:
• Use the Copy button (📋) to copy the email address
• Configure an email application as your default email handler in your desktop&apos;s settings

Email: %1</source>
        <extracomment>Alert when e-mail links open in a web browser; %1 is the support address</extracomment>
        <translation>आपका सिस्टम ईमेल लिंक को वेब ब्राउज़र से खोलने के लिए कॉन्फ़िगर है, जो इन्हें ठीक से नहीं संभाल सकता।

कृपया इनमें से कोई एक करें:
• ईमेल पता कॉपी करने के लिए कॉपी बटन (📋) का उपयोग करें
• अपने डेस्कटॉप की सेटिंग्स में किसी ईमेल ऐप्लिकेशन को डिफ़ॉल्ट ईमेल हैंडलर के रूप में सेट करें

ईमेल: %1</translation>
    </message>
    <message id="feedback.alert.error">
        <source>Error</source>
        <extracomment>Title of an error alert in the Feedback window</extracomment>
        <translation>त्रुटि</translation>
    </message>
    <message id="feedback.alert.mail_link_failed">
        <source>Failed to create email URL</source>
        <extracomment>The e-mail link could not be made</extracomment>
        <translation>ईमेल URL नहीं बनाया जा सका</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.title">
        <source>Cannot Open Mail</source>
        <extracomment>Alert title when no e-mail program opened</extracomment>
        <translation>मेल नहीं खोला जा सकता</translation>
    </message>
    <message id="feedback.alert.cannot_open_mail.message">
        <source>Please ensure you have a default email app configured in your desktop&apos;s settings.

You can use the Copy button (📋) to copy: %1</source>
        <extracomment>Alert when no e-mail program opened; %1 is the support address</extracomment>
        <translation>कृपया सुनिश्चित करें कि आपके डेस्कटॉप की सेटिंग्स में कोई डिफ़ॉल्ट ईमेल ऐप कॉन्फ़िगर है।

आप कॉपी बटन (📋) से यह कॉपी कर सकते हैं: %1</translation>
    </message>
    <message id="feedback.alert.copied.title">
        <source>Email Copied</source>
        <extracomment>Alert title after the support address was copied</extracomment>
        <translation>ईमेल कॉपी किया गया</translation>
    </message>
    <message id="feedback.alert.copied.message">
        <source>Email address copied to clipboard:

%1</source>
        <extracomment>Alert after the support address was copied; %1 is the address</extracomment>
        <translation>ईमेल पता क्लिपबोर्ड पर कॉपी किया गया:

%1</translation>
    </message>
    <message id="feedback.alert.twitter_link_failed">
        <source>Failed to open Twitter URL</source>
        <extracomment>The social profile link could not be made</extracomment>
        <translation>Twitter URL नहीं खोला जा सका</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.title">
        <source>Cannot Open Twitter</source>
        <extracomment>Alert title when the social profile did not open</extracomment>
        <translation>Twitter नहीं खोला जा सकता</translation>
    </message>
    <message id="feedback.alert.cannot_open_twitter.message">
        <source>Please visit: %1</source>
        <extracomment>Alert when the social profile did not open; %1 is its address</extracomment>
        <translation>कृपया यहाँ जाएँ: %1</translation>
    </message>
    <message id="preferences.general.launch_at_login">
        <source>Launch at login</source>
        <extracomment>Launch at login toggle</extracomment>
        <translation>लॉगिन पर शुरू करें</translation>
    </message>
    <message id="preferences.general.launch_at_login.description">
        <source>Automatically start Quorvane when you log in</source>
        <extracomment>Launch at login description</extracomment>
        <translation>लॉगिन करने पर Quorvane को अपने-आप शुरू करें</translation>
    </message>
    <message id="preferences.general.show_dock_icon">
        <source>Show pins in the taskbar</source>
        <extracomment>Switch that lists pinned captures in the taskbar</extracomment>
        <translation>टास्कबार में पिन दिखाएँ</translation>
    </message>
    <message id="preferences.general.show_dock_icon.description">
        <source>List pinned captures in the taskbar and window switcher. Windows you open are always listed</source>
        <extracomment>Description of the switch that lists pinned captures in the taskbar</extracomment>
        <translation>पिन किए गए कैप्चर को टास्कबार और विंडो स्विचर में दिखाएँ। आपके द्वारा खोली गई विंडो हमेशा दिखाई जाती हैं</translation>
    </message>
    <message id="preferences.general.play_sound">
        <source>Play sound on capture</source>
        <extracomment>Play sound toggle</extracomment>
        <translation>कैप्चर पर ध्वनि चलाएँ</translation>
    </message>
    <message id="preferences.general.play_sound.description">
        <source>Play a confirmation sound when text is successfully captured</source>
        <extracomment>Play sound description</extracomment>
        <translation>टेक्स्ट सफलतापूर्वक कैप्चर होने पर पुष्टि ध्वनि चलाएँ</translation>
    </message>
    <message id="preferences.general.use_system_notifications">
        <source>Use system notifications</source>
        <extracomment>Use system notifications toggle</extracomment>
        <translation>सिस्टम सूचनाओं का उपयोग करें</translation>
    </message>
    <message id="preferences.general.use_system_notifications.description">
        <source>Announce each result with a desktop notification as well as the toast overlay</source>
        <extracomment>Use system notifications description</extracomment>
        <translation>हर परिणाम की जानकारी टोस्ट ओवरले के साथ-साथ डेस्कटॉप सूचना से भी दें</translation>
    </message>
    <message id="preferences.general.show_pin_widget">
        <source>Show pin widget after capture</source>
        <extracomment>Show pin widget toggle</extracomment>
        <translation>कैप्चर के बाद पिन विजेट दिखाएँ</translation>
    </message>
    <message id="preferences.general.show_pin_widget.description">
        <source>Automatically display a floating widget with the captured content after each OCR capture</source>
        <extracomment>Show pin widget description</extracomment>
        <translation>हर OCR कैप्चर के बाद कैप्चर की गई सामग्री के साथ एक फ़्लोटिंग विजेट अपने-आप दिखाएँ</translation>
    </message>
    <message id="preferences.general.app_language">
        <source>App Language</source>
        <extracomment>App language picker label</extracomment>
        <translation>ऐप की भाषा</translation>
    </message>
    <message id="preferences.general.app_language.description">
        <source>Select the display language for Quorvane interface</source>
        <extracomment>App language description</extracomment>
        <translation>Quorvane इंटरफ़ेस की प्रदर्शन भाषा चुनें</translation>
    </message>
    <message id="preferences.history.header">
        <source>Configure capture history storage and management</source>
        <extracomment>History header</extracomment>
        <translation>कैप्चर इतिहास का संग्रहण और प्रबंधन कॉन्फ़िगर करें</translation>
    </message>
    <message id="preferences.history.max_entries">
        <source>Maximum history entries</source>
        <extracomment>Max history entries label</extracomment>
        <translation>इतिहास प्रविष्टियों की अधिकतम संख्या</translation>
    </message>
    <message id="preferences.history.auto_eviction">
        <source>Oldest entries are automatically removed when this limit is reached</source>
        <extracomment>Auto eviction description</extracomment>
        <translation>यह सीमा पूरी होने पर सबसे पुरानी प्रविष्टियाँ अपने-आप हटा दी जाती हैं</translation>
    </message>
    <message id="preferences.history.current_stats">
        <source>Current History</source>
        <extracomment>Current stats label</extracomment>
        <translation>मौजूदा इतिहास</translation>
    </message>
    <message id="preferences.history.clear_history">
        <source>Clear History</source>
        <extracomment>Clear history section label</extracomment>
        <translation>इतिहास साफ़ करें</translation>
    </message>
    <message id="preferences.history.clear_history.description">
        <source>Permanently delete all capture history entries. This action cannot be undone</source>
        <extracomment>Clear history description</extracomment>
        <translation>कैप्चर इतिहास की सभी प्रविष्टियाँ स्थायी रूप से हटाएँ। यह क्रिया पूर्ववत नहीं की जा सकती</translation>
    </message>
    <message id="preferences.history.clear_all_button">
        <source>Clear All History…</source>
        <extracomment>Clear all history button</extracomment>
        <translation>पूरा इतिहास साफ़ करें…</translation>
    </message>
    <message id="preferences.history.trim_confirmation.title">
        <source>Delete Older Captures?</source>
        <extracomment>Title when a lower maximum would delete captures</extracomment>
        <translation>पुराने कैप्चर हटाएँ?</translation>
    </message>
    <message id="preferences.history.trim_confirmation.message" numerus="yes">
        <source>Keeping at most %n captures permanently deletes the %1 oldest. This action cannot be undone.</source>
        <extracomment>Message when a lower maximum would delete captures: %n the new maximum, %1 how many go</extracomment>
        <translation>
            <numerusform>अधिकतम %n कैप्चर रखने से सबसे पुराने %1 कैप्चर स्थायी रूप से हट जाएँगे। यह क्रिया पूर्ववत नहीं की जा सकती।</numerusform>
            <numerusform>अधिकतम %n कैप्चर रखने से सबसे पुराने %1 कैप्चर स्थायी रूप से हट जाएँगे। यह क्रिया पूर्ववत नहीं की जा सकती।</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.button" numerus="yes">
        <source>Delete %n Captures</source>
        <extracomment>Button that lowers the maximum and deletes captures</extracomment>
        <translation>
            <numerusform>%n कैप्चर हटाएँ</numerusform>
            <numerusform>%n कैप्चर हटाएँ</numerusform>
        </translation>
    </message>
    <message id="preferences.history.trim_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>रद्द करें</translation>
    </message>
    <message id="preferences.history.clear_confirmation.title">
        <source>Clear All History?</source>
        <extracomment>Clear confirmation title</extracomment>
        <translation>पूरा इतिहास साफ़ करें?</translation>
    </message>
    <message id="preferences.history.clear_confirmation.message">
        <source>This will permanently delete all capture history entries. This action cannot be undone.</source>
        <extracomment>Clear confirmation message</extracomment>
        <translation>इससे कैप्चर इतिहास की सभी प्रविष्टियाँ स्थायी रूप से हट जाएँगी। यह क्रिया पूर्ववत नहीं की जा सकती।</translation>
    </message>
    <message id="preferences.history.clear_confirmation.button" numerus="yes">
        <source>Delete %n Entries</source>
        <extracomment>Delete entries button</extracomment>
        <translation>
            <numerusform>%n प्रविष्टि हटाएँ</numerusform>
            <numerusform>%n प्रविष्टियाँ हटाएँ</numerusform>
        </translation>
    </message>
    <message id="preferences.history.clear_confirmation.cancel">
        <source>Cancel</source>
        <extracomment>Cancel button</extracomment>
        <translation>रद्द करें</translation>
    </message>
    <message id="preferences.history.estimated_storage">
        <source>Estimated storage: %1</source>
        <extracomment>Estimated storage label</extracomment>
        <translation>अनुमानित संग्रहण: %1</translation>
    </message>
    <message id="preferences.history.entry_count" numerus="yes">
        <source>%n entries stored</source>
        <extracomment>Entry count label</extracomment>
        <translation>
            <numerusform>%n प्रविष्टि संग्रहीत</numerusform>
            <numerusform>%n प्रविष्टियाँ संग्रहीत</numerusform>
        </translation>
    </message>
    <message id="preferences.history.space_usage">
        <source>Using %1% of maximum capacity</source>
        <extracomment>Space usage label</extracomment>
        <translation>अधिकतम क्षमता का %1% उपयोग में</translation>
    </message>
    <message id="preferences.languages.priority_badge">
        <source>#%1</source>
        <extracomment>Badge with the priority number of a recognition language</extracomment>
        <translation>#%1</translation>
    </message>
    <message id="preferences.languages.header">
        <source>Configure which languages Quorvane should recognize in captured text</source>
        <extracomment>Languages header</extracomment>
        <translation>कॉन्फ़िगर करें कि Quorvane कैप्चर किए गए टेक्स्ट में किन भाषाओं को पहचाने</translation>
    </message>
    <message id="preferences.languages.auto_detect">
        <source>Auto-detect language (recommended)</source>
        <extracomment>Auto-detect language toggle</extracomment>
        <translation>भाषा अपने-आप पहचानें (अनुशंसित)</translation>
    </message>
    <message id="preferences.languages.auto_detect.description">
        <source>Automatically detect the language based on system locale and text content. For best results, enable this option</source>
        <extracomment>Auto-detect description</extracomment>
        <translation>सिस्टम लोकेल और टेक्स्ट की सामग्री के आधार पर भाषा अपने-आप पहचानें। सर्वोत्तम परिणामों के लिए यह विकल्प सक्षम करें</translation>
    </message>
    <message id="preferences.languages.preferred_languages">
        <source>Preferred Languages (drag to reorder priority)</source>
        <extracomment>Preferred languages label</extracomment>
        <translation>पसंदीदा भाषाएँ (प्राथमिकता बदलने के लिए खींचें)</translation>
    </message>
    <message id="preferences.languages.select_all">
        <source>Select All</source>
        <extracomment>Select all button</extracomment>
        <translation>सभी चुनें</translation>
    </message>
    <message id="preferences.languages.deselect_all">
        <source>Deselect All</source>
        <extracomment>Deselect all button</extracomment>
        <translation>सभी का चयन हटाएँ</translation>
    </message>
    <message id="preferences.languages.selection_count" numerus="yes">
        <source>%n language(s) selected</source>
        <extracomment>Language selection count</extracomment>
        <translation>
            <numerusform>%n भाषा चुनी गई</numerusform>
            <numerusform>%n भाषाएँ चुनी गईं</numerusform>
        </translation>
    </message>
    <message id="preferences.languages.none_chosen.automatic">
        <source>Choose at least one language; until then languages are chosen automatically</source>
        <extracomment>Notice while no language is ticked and detection stays on</extracomment>
        <translation>कम से कम एक भाषा चुनें; तब तक भाषाएँ अपने-आप चुनी जाएँगी</translation>
    </message>
    <message id="preferences.languages.none_chosen.stored">
        <source>Choose at least one language; until then recognition keeps using %1</source>
        <extracomment>Notice while no language is ticked and the stored languages stay in use</extracomment>
        <translation>कम से कम एक भाषा चुनें; तब तक पहचान के लिए %1 का ही उपयोग होता रहेगा</translation>
    </message>
    <message id="onboarding.skip">
        <source>Skip</source>
        <extracomment>Skip onboarding button</extracomment>
        <translation>छोड़ें</translation>
    </message>
    <message id="onboarding.next">
        <source>Next</source>
        <extracomment>Next page button</extracomment>
        <translation>आगे</translation>
    </message>
    <message id="onboarding.permissions.granted">
        <source>Granted</source>
        <extracomment>Status shown beside a permission that is granted</extracomment>
        <translation>अनुमति दी गई</translation>
    </message>
    <message id="onboarding.permissions.grant">
        <source>Grant</source>
        <extracomment>Button that asks for a permission</extracomment>
        <translation>अनुमति दें</translation>
    </message>
    <message id="onboarding.permissions.title">
        <source>Permissions Required</source>
        <extracomment>Permissions page title</extracomment>
        <translation>अनुमतियाँ आवश्यक हैं</translation>
    </message>
    <message id="onboarding.permissions.subtitle">
        <source>Quorvane needs your permission to work</source>
        <extracomment>Permissions page subtitle</extracomment>
        <translation>काम करने के लिए Quorvane को आपकी अनुमति चाहिए</translation>
    </message>
    <message id="onboarding.permissions.explanation">
        <source>To capture text from your screen, Quorvane needs access to it. This allows the app to see what&apos;s on your screen when you activate it. All processing happens locally on your device.</source>
        <extracomment>Permissions explanation</extracomment>
        <translation>आपकी स्क्रीन से टेक्स्ट कैप्चर करने के लिए Quorvane को स्क्रीन एक्सेस की अनुमति चाहिए। इससे ऐप, आपके सक्रिय करने पर, देख सकता है कि आपकी स्क्रीन पर क्या है। सारी प्रोसेसिंग आपके डिवाइस पर ही होती है।</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.title">
        <source>Screen Access</source>
        <extracomment>Title of the screen access permission</extracomment>
        <translation>स्क्रीन एक्सेस</translation>
    </message>
    <message id="onboarding.permissions.screen_recording.description">
        <source>Allows Quorvane to capture text from selected screen regions</source>
        <extracomment>Screen Recording permission description</extracomment>
        <translation>Quorvane को चुने गए स्क्रीन क्षेत्रों से टेक्स्ट कैप्चर करने देता है</translation>
    </message>
    <message id="onboarding.permissions.accessibility.title">
        <source>Global Shortcuts (Optional)</source>
        <extracomment>Title of the global shortcuts permission</extracomment>
        <translation>वैश्विक शॉर्टकट (वैकल्पिक)</translation>
    </message>
    <message id="onboarding.permissions.accessibility.description">
        <source>Enables global keyboard shortcuts for quick capture</source>
        <extracomment>Accessibility permission description</extracomment>
        <translation>त्वरित कैप्चर के लिए वैश्विक कीबोर्ड शॉर्टकट सक्षम करता है</translation>
    </message>
    <message id="onboarding.permissions.instructions">
        <source>Click the Grant button next to each permission to open your desktop&apos;s privacy settings. This page will automatically detect when you grant permissions.</source>
        <extracomment>Permission instructions</extracomment>
        <translation>अपने डेस्कटॉप की गोपनीयता सेटिंग्स खोलने के लिए हर अनुमति के बगल में “अनुमति दें” बटन पर क्लिक करें। अनुमति देने पर यह पेज उसे अपने-आप पहचान लेगा।</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <extracomment>General preferences tab</extracomment>
        <translation>सामान्य</translation>
    </message>
    <message id="preferences.tab.shortcuts">
        <source>Shortcuts</source>
        <extracomment>Shortcuts preferences tab</extracomment>
        <translation>शॉर्टकट</translation>
    </message>
    <message id="preferences.tab.text_formatting">
        <source>Text &amp; Formatting</source>
        <extracomment>Text formatting preferences tab</extracomment>
        <translation>टेक्स्ट और स्वरूपण</translation>
    </message>
    <message id="preferences.tab.languages">
        <source>Languages</source>
        <extracomment>Languages preferences tab</extracomment>
        <translation>भाषाएँ</translation>
    </message>
    <message id="preferences.tab.history">
        <source>History</source>
        <extracomment>History preferences tab</extracomment>
        <translation>इतिहास</translation>
    </message>
    <message id="preferences.shortcuts.recording">
        <source>Press keys… (ESC to cancel)</source>
        <extracomment>Recording shortcut message</extracomment>
        <translation>कुंजियाँ दबाएँ… (रद्द करने के लिए Esc)</translation>
    </message>
    <message id="preferences.shortcuts.error.system_reserved">
        <source>This shortcut is reserved by the system</source>
        <extracomment>System reserved shortcut error</extracomment>
        <translation>यह शॉर्टकट सिस्टम द्वारा आरक्षित है</translation>
    </message>
    <message id="preferences.shortcuts.error.conflict">
        <source>This shortcut conflicts with another action</source>
        <extracomment>Shortcut conflict error</extracomment>
        <translation>यह शॉर्टकट किसी दूसरी क्रिया से टकराता है</translation>
    </message>
    <message id="preferences.shortcuts.error.taken">
        <source>This shortcut is already used by another program</source>
        <extracomment>Shortcut held by another program error</extracomment>
        <translation>यह शॉर्टकट पहले से किसी दूसरे प्रोग्राम द्वारा उपयोग में है</translation>
    </message>
    <message id="preferences.shortcuts.error.invalid">
        <source>Current shortcut is invalid</source>
        <extracomment>Invalid shortcut error</extracomment>
        <translation>मौजूदा शॉर्टकट अमान्य है</translation>
    </message>
    <message id="preferences.shortcuts.header">
        <source>Configure global keyboard shortcuts for Quorvane actions</source>
        <extracomment>Shortcuts header</extracomment>
        <translation>Quorvane की क्रियाओं के लिए वैश्विक कीबोर्ड शॉर्टकट कॉन्फ़िगर करें</translation>
    </message>
    <message id="preferences.shortcuts.quick_zarrow.description">
        <source>Activate screen capture overlay and select region</source>
        <extracomment>Quick capture shortcut description</extracomment>
        <translation>स्क्रीन कैप्चर ओवरले सक्रिय करें और क्षेत्र चुनें</translation>
    </message>
    <message id="preferences.shortcuts.repeat_zarrow.description">
        <source>Capture the same region as last time without showing overlay</source>
        <extracomment>Repeat capture shortcut description</extracomment>
        <translation>ओवरले दिखाए बिना पिछली बार वाला ही क्षेत्र कैप्चर करें</translation>
    </message>
    <message id="preferences.shortcuts.code_mode.description">
        <source>Capture text in code mode (preserves formatting)</source>
        <extracomment>Code mode shortcut description</extracomment>
        <translation>कोड मोड में टेक्स्ट कैप्चर करें (स्वरूपण बनाए रखता है)</translation>
    </message>
    <message id="preferences.shortcuts.scan_code.description">
        <source>Scan QR codes and barcodes from the screen</source>
        <extracomment>Scan Code shortcut description</extracomment>
        <translation>स्क्रीन से QR कोड और बारकोड स्कैन करें</translation>
    </message>
    <message id="preferences.shortcuts.open_history.description">
        <source>Open capture history window</source>
        <extracomment>History shortcut description</extracomment>
        <translation>कैप्चर इतिहास विंडो खोलें</translation>
    </message>
    <message id="preferences.shortcuts.reset">
        <source>Reset to Defaults</source>
        <extracomment>Reset shortcuts button</extracomment>
        <translation>डिफ़ॉल्ट पर रीसेट करें</translation>
    </message>
    <message id="preferences.text_formatting.header">
        <source>Configure how captured text is processed before copying to clipboard</source>
        <extracomment>Text formatting header</extracomment>
        <translation>कॉन्फ़िगर करें कि कैप्चर किए गए टेक्स्ट को क्लिपबोर्ड पर कॉपी करने से पहले कैसे संसाधित किया जाए</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks">
        <source>Preserve original line breaks</source>
        <extracomment>Preserve line breaks toggle</extracomment>
        <translation>मूल लाइन ब्रेक बनाए रखें</translation>
    </message>
    <message id="preferences.text_formatting.preserve_line_breaks.description">
        <source>Keep line breaks as they appear in the original text. When disabled, paragraphs are merged into continuous lines</source>
        <extracomment>Preserve line breaks description</extracomment>
        <translation>लाइन ब्रेक वैसे ही रखें जैसे वे मूल टेक्स्ट में हैं। अक्षम होने पर अनुच्छेद लगातार पंक्तियों में मिला दिए जाते हैं</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes">
        <source>Avoid smart quotes (convert to ASCII)</source>
        <extracomment>Avoid smart quotes toggle</extracomment>
        <translation>स्मार्ट उद्धरण चिह्नों से बचें (ASCII में बदलें)</translation>
    </message>
    <message id="preferences.text_formatting.avoid_smart_quotes.description">
        <source>Convert typographic quotes (“”) to plain ASCII quotes (&quot;&quot;). Also converts em-dashes (—) and ellipses (…) to ASCII equivalents</source>
        <extracomment>Avoid smart quotes description</extracomment>
        <translation>टाइपोग्राफ़िक उद्धरण चिह्नों (“”) को सादे ASCII उद्धरण चिह्नों (&quot;&quot;) में बदलें। एम-डैश (—) और एलिप्सिस (…) को भी उनके ASCII समकक्षों में बदलता है</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces">
        <source>Collapse multiple spaces into one</source>
        <extracomment>Collapse spaces toggle</extracomment>
        <translation>कई स्पेस को एक में मिलाएँ</translation>
    </message>
    <message id="preferences.text_formatting.collapse_spaces.description">
        <source>Replace consecutive spaces with a single space. Helps clean up OCR results</source>
        <extracomment>Collapse spaces description</extracomment>
        <translation>लगातार आने वाले स्पेस को एक स्पेस से बदलें। OCR परिणामों को साफ़ करने में मदद करता है</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.title">
        <source>Code Mode Exception</source>
        <extracomment>Code mode note title</extracomment>
        <translation>कोड मोड अपवाद</translation>
    </message>
    <message id="preferences.text_formatting.code_mode_note.description">
        <source>These settings do not apply to Code Mode captures. Code Mode preserves all original formatting, including spaces, line breaks, and special characters</source>
        <extracomment>Code mode note description</extracomment>
        <translation>ये सेटिंग्स कोड मोड के कैप्चर पर लागू नहीं होतीं। कोड मोड स्पेस, लाइन ब्रेक और विशेष वर्णों सहित सारा मूल स्वरूपण बनाए रखता है</translation>
    </message>
    <message id="onboarding.welcome.title">
        <source>Welcome to Quorvane</source>
        <extracomment>Welcome page title</extracomment>
        <translation>Quorvane में आपका स्वागत है</translation>
    </message>
    <message id="onboarding.welcome.subtitle">
        <source>Capture text from anywhere on your screen</source>
        <extracomment>Welcome page subtitle</extracomment>
        <translation>अपनी स्क्रीन पर कहीं से भी टेक्स्ट कैप्चर करें</translation>
    </message>
    <message id="onboarding.welcome.description">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Just press the keyboard shortcut, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description</extracomment>
        <translation>Quorvane से छवियों, वीडियो, PDF और आपकी स्क्रीन की किसी भी सामग्री से टेक्स्ट निकालना आसान हो जाता है। बस कीबोर्ड शॉर्टकट दबाएँ, खींचकर क्षेत्र चुनें, और टेक्स्ट तुरंत आपके क्लिपबोर्ड पर कॉपी हो जाता है।</translation>
    </message>
    <message id="onboarding.welcome.feature1.title">
        <source>Quick Capture</source>
        <extracomment>Feature 1 title</extracomment>
        <translation>त्वरित कैप्चर</translation>
    </message>
    <message id="onboarding.welcome.feature2.title">
        <source>Multi-Language Support</source>
        <extracomment>Feature 2 title</extracomment>
        <translation>बहुभाषी समर्थन</translation>
    </message>
    <message id="onboarding.welcome.feature2.description">
        <source>Recognizes text in 20+ languages</source>
        <extracomment>Feature 2 description</extracomment>
        <translation>20 से अधिक भाषाओं में टेक्स्ट पहचानता है</translation>
    </message>
    <message id="onboarding.welcome.feature3.title">
        <source>Privacy First</source>
        <extracomment>Feature 3 title</extracomment>
        <translation>गोपनीयता सबसे पहले</translation>
    </message>
    <message id="onboarding.welcome.feature3.description">
        <source>All processing happens on your device</source>
        <extracomment>Feature 3 description</extracomment>
        <translation>सारी प्रोसेसिंग आपके डिवाइस पर होती है</translation>
    </message>
    <message id="onboarding.welcome.feature1.description">
        <source>Press %1 to capture text instantly</source>
        <extracomment>Feature 1 description; the quick capture shortcut</extracomment>
        <translation>तुरंत टेक्स्ट कैप्चर करने के लिए %1 दबाएँ</translation>
    </message>
    <message id="error.import.unreadable_clipboard">
        <source>The image on the clipboard could not be read</source>
        <extracomment>Error when the clipboard offers no image that can be decoded</extracomment>
        <translation>क्लिपबोर्ड पर मौजूद छवि को पढ़ा नहीं जा सका</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn any region of the screen into text, scan barcodes and keep a capture history</source>
        <extracomment>Comment of the desktop entry (a menu&apos;s tooltip): what the program does, one sentence</extracomment>
        <translation>स्क्रीन के किसी भी हिस्से को टेक्स्ट में बदलें, बारकोड स्कैन करें और कैप्चर का इतिहास रखें</translation>
    </message>
    <message id="desktop.keywords">
        <source>OCR;text;screenshot;capture;barcode;QR;clipboard;</source>
        <extracomment>Search words of the desktop entry: words users type to find the program, each followed by a semicolon</extracomment>
        <translation>OCR;टेक्स्ट;स्क्रीनशॉट;कैप्चर;बारकोड;QR;क्लिपबोर्ड;</translation>
    </message>
    <message id="desktop.action.repeat">
        <source>Repeat Last Capture</source>
        <extracomment>Launcher action of the desktop entry (shown in the dock or menu): capture the region captured last again</extracomment>
        <translation>पिछला कैप्चर दोहराएँ</translation>
    </message>
    <message id="desktop.action.code">
        <source>Capture Code</source>
        <extracomment>Launcher action of the desktop entry: capture text keeping the indentation of code</extracomment>
        <translation>कोड कैप्चर करें</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn any region of the screen into text</source>
        <extracomment>One-line summary in software centres</extracomment>
        <translation>स्क्रीन के किसी भी हिस्से को टेक्स्ट में बदलें</translation>
    </message>
    <message id="metainfo.description">
        <source>Quorvane lives in the system tray. Press its shortcut, drag over a region of the screen, and the text inside it is recognised on this computer and copied to the clipboard.</source>
        <extracomment>Description paragraph in software centres</extracomment>
        <translation>Quorvane सिस्टम ट्रे में रहता है। उसका शॉर्टकट दबाएँ, स्क्रीन के किसी हिस्से पर खींचें, और उसके अंदर का टेक्स्ट इसी कंप्यूटर पर पहचाना जाकर क्लिपबोर्ड पर कॉपी हो जाता है।</translation>
    </message>
    <message id="metainfo.feature.repeat">
        <source>Repeat a capture of the last region with one shortcut</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>एक ही शॉर्टकट से पिछले हिस्से का कैप्चर दोहराएँ</translation>
    </message>
    <message id="metainfo.feature.code">
        <source>Keep the indentation of code in code mode</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>कोड मोड में कोड का इंडेंटेशन बनाए रखें</translation>
    </message>
    <message id="metainfo.feature.codes">
        <source>Read QR codes and barcodes</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>QR कोड और बारकोड पढ़ें</translation>
    </message>
    <message id="metainfo.feature.history">
        <source>Find earlier captures in a searchable history</source>
        <extracomment>Feature list item in software centres</extracomment>
        <translation>पिछले कैप्चर खोजने योग्य इतिहास में ढूँढें</translation>
    </message>
    <message id="metainfo.feature.command">
        <source>Start captures from the desktop&apos;s own shortcut settings or a script with the quorvane capture command</source>
        <extracomment>Feature list item in software centres; &quot;quorvane capture&quot; is a command and stays as is</extracomment>
        <translation>डेस्कटॉप की शॉर्टकट सेटिंग्स से या स्क्रिप्ट में quorvane capture कमांड से कैप्चर शुरू करें</translation>
    </message>
    <message id="about.version_with_commit">
        <source>Version %1 (%2)</source>
        <extracomment>Version line in the About window of a program built from a development copy: %1 version number, %2 the short identifier of the source revision (such as a1b2c3d)</extracomment>
        <translation>संस्करण %1 (%2)</translation>
    </message>
    <message id="error.screen_capture.portal_missing">
        <source>This desktop offers no screenshot service to read the screen with. Install %1, then log out and in again.</source>
        <extracomment>Error when the desktop offers no screenshot service (Wayland); %1 lists Debian package names</extracomment>
        <translation>यह डेस्कटॉप स्क्रीन पढ़ने के लिए कोई स्क्रीनशॉट सेवा नहीं देता। %1 इंस्टॉल करें, फिर लॉग आउट करके दोबारा लॉग इन करें।</translation>
    </message>
    <message id="tray_absence.message_without_shortcuts">
        <source>No system tray on this desktop shows Quorvane&apos;s icon. To capture text, bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings. Run “quorvane” again to open the preferences, or “quorvane quit” to quit.</source>
        <extracomment>Notice shown when no system tray shows the icon and the desktop offers programs no global shortcuts</extracomment>
        <translation>इस डेस्कटॉप पर कोई सिस्टम ट्रे Quorvane का आइकन नहीं दिखाती। टेक्स्ट कैप्चर करने के लिए, अपने डेस्कटॉप की कीबोर्ड सेटिंग्स में “quorvane capture” कमांड को किसी कुंजी से जोड़ें। प्राथमिकताएँ खोलने के लिए “quorvane” फिर से चलाएँ, या बंद करने के लिए “quorvane quit”।</translation>
    </message>
    <message id="onboarding.welcome.feature1.description_without_shortcuts">
        <source>Bind the command “quorvane capture” to a key in your desktop&apos;s keyboard settings to capture text instantly</source>
        <extracomment>Feature 1 description where the desktop offers programs no global shortcuts</extracomment>
        <translation>तुरंत टेक्स्ट कैप्चर करने के लिए अपने डेस्कटॉप की कीबोर्ड सेटिंग्स में “quorvane capture” कमांड को किसी कुंजी से जोड़ें</translation>
    </message>
    <message id="notification.settings_salvaged.message">
        <source>The settings file was damaged and was kept as %1. The settings it still held are in use.</source>
        <extracomment>Warning message when the settings file was damaged but some settings could still be read from it</extracomment>
        <translation>सेटिंग्स फ़ाइल क्षतिग्रस्त थी और %1 के रूप में रखी गई है। उसमें बची सेटिंग्स उपयोग में हैं।</translation>
    </message>
    <message id="notification.settings_reset.message">
        <source>These settings could not be read and are back to their defaults: %1. Every other setting was kept.</source>
        <extracomment>Warning message naming the settings whose stored values could not be read; %1 lists their names</extracomment>
        <translation>ये सेटिंग्स पढ़ी नहीं जा सकीं और अपने डिफ़ॉल्ट पर लौट आई हैं: %1. बाकी सभी सेटिंग्स रखी गई हैं।</translation>
    </message>
    <message id="notification.settings_reset.title">
        <source>Settings Reset</source>
        <extracomment>Warning title when some stored settings could not be read</extracomment>
        <translation>सेटिंग्स रीसेट की गईं</translation>
    </message>
    <message id="error.import.reason.not_a_file">
        <source>it is not a regular file</source>
        <extracomment>Why an image file could not be imported: the path names a folder, device or pipe</extracomment>
        <translation>यह एक सामान्य फ़ाइल नहीं है</translation>
    </message>
    <message id="error.import.reason.too_large">
        <source>it is larger than %1 MB</source>
        <extracomment>Why an image file could not be imported; %1 is the largest size in megabytes</extracomment>
        <translation>यह %1 MB से बड़ी है</translation>
    </message>
    <message id="error.import.reason.format">
        <source>its format cannot be imported</source>
        <extracomment>Why an image file could not be imported: not PNG, JPEG, WebP, TIFF, BMP or GIF</extracomment>
        <translation>इसका प्रारूप आयात नहीं किया जा सकता</translation>
    </message>
    <message id="ocr_error.timed_out">
        <source>Reading the image took too long, so it was stopped. Try selecting a smaller region around the text.</source>
        <extracomment>Recognition gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>छवि पढ़ने में बहुत समय लग रहा था, इसलिए इसे रोक दिया गया। टेक्स्ट के आसपास छोटा क्षेत्र चुनकर देखें।</translation>
    </message>
    <message id="ocr_error.cancelled">
        <source>Text recognition was cancelled</source>
        <extracomment>The user stopped a running recognition</extracomment>
        <translation>टेक्स्ट पहचान रद्द कर दी गई</translation>
    </message>
    <message id="notification.pin_set_aside.message">
        <source>The pinned capture could not be read and was kept as %1.</source>
        <extracomment>Warning message when the stored pinned capture could not be read; %1 is where it was kept</extracomment>
        <translation>पिन किया गया कैप्चर पढ़ा नहीं जा सका और %1 के रूप में रखा गया है।</translation>
    </message>
    <message id="first_launch.press_to_capture">
        <source>Press %1 to capture text</source>
        <extracomment>Sentence of the first-start tooltip; %1 is the capture shortcut, drawn as a key cap between the words before and after it (either may be empty)</extracomment>
        <translation>टेक्स्ट कैप्चर करने के लिए %1 दबाएँ</translation>
    </message>
    <message id="ocr_error.language_data_missing">
        <source>OCR failed: the Tesseract language data %1 is not installed (install %2)</source>
        <extracomment>Recognition cannot start; %1 names the missing Tesseract language data (such as &quot;tha&quot;), %2 the Debian packages that hold it (such as &quot;tesseract-ocr-tha&quot;)</extracomment>
        <translation>OCR विफल: Tesseract भाषा डेटा %1 इंस्टॉल नहीं है (%2 इंस्टॉल करें)</translation>
    </message>
    <message id="preferences.history.size.bytes" numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size in bytes</extracomment>
        <translation>
            <numerusform>%n बाइट</numerusform>
            <numerusform>%n बाइट</numerusform>
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
        <translation>फ़ॉन्ट आकार: छोटा</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.medium">
        <source>Font size: Medium</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>फ़ॉन्ट आकार: मध्यम</translation>
    </message>
    <message id="pin_widget.toolbar.font_size.large">
        <source>Font size: Large</source>
        <extracomment>Tooltip of the pinned capture&apos;s font size button</extracomment>
        <translation>फ़ॉन्ट आकार: बड़ा</translation>
    </message>
    <message id="error.clipboard.reason.text_not_written">
        <source>Failed to put the text on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the text</extracomment>
        <translation>टेक्स्ट क्लिपबोर्ड पर नहीं रखा जा सका</translation>
    </message>
    <message id="error.clipboard.reason.nothing_to_write">
        <source>No items to put on the clipboard</source>
        <extracomment>Why copying failed: there was nothing to copy</extracomment>
        <translation>क्लिपबोर्ड पर रखने के लिए कुछ नहीं है</translation>
    </message>
    <message id="error.clipboard.reason.items_not_written">
        <source>Failed to put any items on the clipboard</source>
        <extracomment>Why copying failed: the desktop took none of the items</extracomment>
        <translation>क्लिपबोर्ड पर कोई भी आइटम नहीं रखा जा सका</translation>
    </message>
    <message id="error.screen_capture.reason.no_display">
        <source>Could not find matching display</source>
        <extracomment>Why a screen capture failed: the monitor of the selection is gone</extracomment>
        <translation>मेल खाता डिस्प्ले नहीं मिला</translation>
    </message>
    <message id="error.screen_capture.reason.empty_image">
        <source>Captured image has zero dimensions</source>
        <extracomment>Why a screen capture failed: the picture taken is empty</extracomment>
        <translation>कैप्चर की गई छवि का कोई आकार नहीं है</translation>
    </message>
    <message id="error.settings_store.reason.reserved_shortcut">
        <source>Shortcut %1 is reserved by the system</source>
        <extracomment>Why a shortcut cannot be stored; %1 is the key combination</extracomment>
        <translation>शॉर्टकट %1 सिस्टम के लिए आरक्षित है</translation>
    </message>
    <message id="error.settings_store.reason.history_size">
        <source>Max history entries must be between 1 and 1000, got %1</source>
        <extracomment>Why a history size cannot be stored; %1 is the number asked for</extracomment>
        <translation>इतिहास की अधिकतम प्रविष्टियाँ 1 से 1000 के बीच होनी चाहिए, मिला %1</translation>
    </message>
    <message id="error.history.reason.not_a_folder">
        <source>%1 exists and is not a folder</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1 मौजूद है पर फ़ोल्डर नहीं है</translation>
    </message>
    <message id="error.history.reason.cannot_create_folder">
        <source>Cannot create folder %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>फ़ोल्डर %1 नहीं बनाया जा सका</translation>
    </message>
    <message id="error.history.reason.no_data_folder">
        <source>Cannot access the data folder</source>
        <extracomment>Why the history cannot be kept: no data folder is known</extracomment>
        <translation>डेटा फ़ोल्डर तक पहुँच नहीं हो सकी</translation>
    </message>
    <message id="onboarding.permissions.unavailable">
        <source>Not offered by this desktop</source>
        <extracomment>Status shown beside a permission the desktop does not offer at all</extracomment>
        <translation>यह डेस्कटॉप इसे उपलब्ध नहीं कराता</translation>
    </message>
    <message id="notification.recognition_running.title">
        <source>Reading Text…</source>
        <extracomment>Title of the notice shown while text recognition takes more than a moment</extracomment>
        <translation>टेक्स्ट पढ़ा जा रहा है…</translation>
    </message>
    <message id="notification.recognition_running.escape">
        <source>Click here or press Escape to cancel.</source>
        <extracomment>Message while text recognition runs, when Escape cancels it from any window</extracomment>
        <translation>रद्द करने के लिए यहाँ क्लिक करें या Esc दबाएँ।</translation>
    </message>
    <message id="notification.recognition_running.click">
        <source>Click here or use the same shortcut again to cancel.</source>
        <extracomment>Message while text recognition runs where the desktop lets no program take the Escape key</extracomment>
        <translation>रद्द करने के लिए यहाँ क्लिक करें या वही शॉर्टकट फिर से इस्तेमाल करें।</translation>
    </message>
    <message id="code_scan_error.timed_out">
        <source>Looking for a code took too long, so it was stopped. Try selecting a smaller region around the code.</source>
        <extracomment>Scanning gave up on an image that took too long (noise, or a large photo)</extracomment>
        <translation>कोड खोजने में बहुत समय लगा, इसलिए इसे रोक दिया गया। कोड के आसपास छोटा क्षेत्र चुनकर देखें।</translation>
    </message>
    <message id="code_scan_error.cancelled">
        <source>Code scanning was cancelled</source>
        <extracomment>The user stopped a running code scan</extracomment>
        <translation>कोड स्कैन करना रद्द कर दिया गया</translation>
    </message>
    <message id="command_line.commands_heading">
        <source>Commands (sent to the running Quorvane, which is started first when none runs):</source>
        <extracomment>The command line&apos;s help: the heading above the list of commands</extracomment>
        <translation>कमांड (चल रहे Quorvane को भेजे जाते हैं; यदि वह नहीं चल रहा, तो पहले उसे शुरू किया जाता है):</translation>
    </message>
    <message id="command_line.without_command">
        <source>Without a command, Quorvane starts; when it already runs, its preferences open.</source>
        <extracomment>The command line&apos;s help: the line below the list of commands</extracomment>
        <translation>कमांड के बिना Quorvane शुरू होता है; यदि वह पहले से चल रहा है, तो उसकी प्राथमिकताएँ खुलती हैं।</translation>
    </message>
    <message id="command_line.description">
        <source>Turns any region of the screen into text.</source>
        <extracomment>The command line&apos;s help: what the program does, in one sentence</extracomment>
        <translation>स्क्रीन के किसी भी हिस्से को टेक्स्ट में बदलता है।</translation>
    </message>
    <message id="command_line.command_argument">
        <source>One of the commands above.</source>
        <oldsource>One of the commands below.</oldsource>
        <extracomment>The command line&apos;s help: what the optional argument &quot;command&quot; is; the list of commands stands above it</extracomment>
        <translation>ऊपर दिए गए कमांड में से एक।</translation>
    </message>
    <message id="command_line.one_command">
        <source>Give one command at a time.</source>
        <extracomment>The command line was given more than one command</extracomment>
        <translation>एक बार में एक ही कमांड दें।</translation>
    </message>
    <message id="command_line.unknown_command">
        <source>Unknown command &quot;%1&quot;; the commands are %2.</source>
        <extracomment>The command line was given a word that is no command; %1 is that word, %2 lists the commands</extracomment>
        <translation>अज्ञात कमांड &quot;%1&quot;; कमांड ये हैं: %2।</translation>
    </message>
    <message id="command_line.see_help">
        <source>See &quot;%1&quot;.</source>
        <extracomment>The line below a refused command line; %1 is the command that shows the help</extracomment>
        <translation>&quot;%1&quot; देखें।</translation>
    </message>
    <message id="command_line.command.capture">
        <source>Select a region of the screen and copy its text</source>
        <extracomment>The command line&apos;s help: what the command &quot;capture&quot; does</extracomment>
        <translation>स्क्रीन का कोई हिस्सा चुनें और उसका टेक्स्ट कॉपी करें</translation>
    </message>
    <message id="command_line.command.repeat">
        <source>Capture the last region again</source>
        <extracomment>The command line&apos;s help: what the command &quot;repeat&quot; does</extracomment>
        <translation>पिछला हिस्सा फिर से कैप्चर करें</translation>
    </message>
    <message id="command_line.command.code">
        <source>Capture text keeping its indentation (code mode)</source>
        <extracomment>The command line&apos;s help: what the command &quot;code&quot; does</extracomment>
        <translation>इंडेंटेशन बनाए रखते हुए टेक्स्ट कैप्चर करें (कोड मोड)</translation>
    </message>
    <message id="command_line.command.scan">
        <source>Select a region and read the QR code or barcode in it</source>
        <extracomment>The command line&apos;s help: what the command &quot;scan&quot; does</extracomment>
        <translation>कोई हिस्सा चुनें और उसमें मौजूद QR कोड या बारकोड पढ़ें</translation>
    </message>
    <message id="command_line.command.history">
        <source>Open the capture history</source>
        <extracomment>The command line&apos;s help: what the command &quot;history&quot; does</extracomment>
        <translation>कैप्चर इतिहास खोलें</translation>
    </message>
    <message id="command_line.command.preferences">
        <source>Open the preferences</source>
        <extracomment>The command line&apos;s help: what the command &quot;preferences&quot; does</extracomment>
        <translation>प्राथमिकताएँ खोलें</translation>
    </message>
    <message id="command_line.command.quit">
        <source>Quit the running program</source>
        <extracomment>The command line&apos;s help: what the command &quot;quit&quot; does</extracomment>
        <translation>चल रहे प्रोग्राम को बंद करें</translation>
    </message>
    <message id="error.coordinator.global_shortcuts_required">
        <source>Global shortcuts need your permission first</source>
        <extracomment>Error when the desktop has not allowed Quorvane&apos;s global shortcuts</extracomment>
        <translation>पहले वैश्विक शॉर्टकट की अनुमति देनी होगी</translation>
    </message>
    <message id="error.coordinator.screen_access_required">
        <source>Screen access is required to capture text</source>
        <extracomment>Error when the desktop has not allowed Quorvane to read the screen</extracomment>
        <translation>टेक्स्ट कैप्चर करने के लिए स्क्रीन एक्सेस आवश्यक है</translation>
    </message>
    <message id="command_line.command_refused">
        <source>Quorvane is running but did not take the command &quot;%1&quot;: %2</source>
        <extracomment>The running copy refused a command given on the command line; %1 is the command, %2 why</extracomment>
        <translation>Quorvane चल रहा है, पर उसने कमांड &quot;%1&quot; स्वीकार नहीं किया: %2</translation>
    </message>
    <message id="command_line.not_running">
        <source>Quorvane is not running.</source>
        <extracomment>The command line asked a copy to quit, and none runs</extracomment>
        <translation>Quorvane नहीं चल रहा है।</translation>
    </message>
    <message id="command_line.already_running_process">
        <source>Quorvane is already running (process %1); without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus; %1 is the number of the process that runs</extracomment>
        <translation>Quorvane पहले से चल रहा है (प्रोसेस %1); सेशन बस के बिना उसे कमांड नहीं भेजा जा सकता।</translation>
    </message>
    <message id="command_line.already_running">
        <source>Quorvane is already running; without a session bus it cannot be sent a command.</source>
        <extracomment>A second start without a session bus</extracomment>
        <translation>Quorvane पहले से चल रहा है; सेशन बस के बिना उसे कमांड नहीं भेजा जा सकता।</translation>
    </message>
    <message id="menubar.tooltip_tray_menu">
        <source>Quorvane
Left-click: Quick Capture
Right-click: Menu</source>
        <extracomment>Tooltip of the tray icon where the desktop&apos;s tray opens the menu on a right click</extracomment>
        <translation>Quorvane
बायाँ-क्लिक: त्वरित कैप्चर
दायाँ-क्लिक: मेनू</translation>
    </message>
    <message id="command_line.no_display">
        <source>Quorvane needs a graphical desktop session: no DISPLAY is set.</source>
        <extracomment>Started where there is no screen, e.g. over ssh</extracomment>
        <translation>Quorvane को ग्राफ़िकल डेस्कटॉप सत्र चाहिए: DISPLAY सेट नहीं है।</translation>
    </message>
    <message id="command_line.unsafe_folder">
        <source>Quorvane cannot start: %1, so another user could keep it from running. Make the folder yours alone (chmod 700) or set XDG_RUNTIME_DIR to a folder that is.</source>
        <extracomment>The program will not start; %1 says what is wrong with the folder of its lock file</extracomment>
        <translation>Quorvane शुरू नहीं हो सकता: %1, इसलिए कोई दूसरा उपयोगकर्ता इसे चलने से रोक सकता है। फ़ोल्डर को केवल अपना बनाएँ (chmod 700) या XDG_RUNTIME_DIR को ऐसे फ़ोल्डर पर सेट करें।</translation>
    </message>
    <message id="single_instance.folder_missing">
        <source>%1 is not a folder</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1 फ़ोल्डर नहीं है</translation>
    </message>
    <message id="single_instance.folder_foreign">
        <source>%1 belongs to another user</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>%1 किसी दूसरे उपयोगकर्ता का है</translation>
    </message>
    <message id="single_instance.folder_shared">
        <source>other users may write to %1</source>
        <extracomment>Why the program cannot keep its lock file in a folder; %1 is the folder</extracomment>
        <translation>दूसरे उपयोगकर्ता %1 में लिख सकते हैं</translation>
    </message>
    <message id="command_line.capture_failed">
        <source>Capture failed: %1</source>
        <extracomment>What the command line prints when the capture it asked for failed; %1 is why</extracomment>
        <translation>कैप्चर विफल रहा: %1</translation>
    </message>
    <message id="preferences.general.show_pin_widget.unavailable">
        <source>On this desktop a new window takes the keyboard from the one you are typing in, so no pin comes up after a capture</source>
        <extracomment>Under the switch for pins after a capture, on a desktop (Wayland) where every new window takes the keyboard</extracomment>
        <translation>इस डेस्कटॉप पर हर नई विंडो उस विंडो से कीबोर्ड ले लेती है जिसमें आप टाइप कर रहे हैं, इसलिए कैप्चर के बाद कोई पिन नहीं दिखता</translation>
    </message>
    <message id="notification.portal_waiting.title">
        <source>Waiting for the screen portal…</source>
        <extracomment>Shown while a capture waits for the desktop&apos;s screenshot service (the screen portal, Wayland) to answer</extracomment>
        <translation>स्क्रीनशॉट सेवा की प्रतीक्षा की जा रही है…</translation>
    </message>
    <message id="notification.portal_waiting.message">
        <source>The desktop&apos;s screenshot service has not answered yet.</source>
        <extracomment>Under &quot;Waiting for the screen portal…&quot;</extracomment>
        <translation>डेस्कटॉप की स्क्रीनशॉट सेवा ने अभी तक जवाब नहीं दिया है।</translation>
    </message>
    <message id="error.screen_capture.portal_not_answering">
        <source>The screen portal did not answer in time. It may still be starting: try again in a moment.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (the screen portal, Wayland) is there but gave no answer in time</extracomment>
        <translation>स्क्रीनशॉट सेवा ने समय पर जवाब नहीं दिया। हो सकता है वह अभी शुरू हो रही हो: थोड़ी देर में फिर से कोशिश करें।</translation>
    </message>
    <message id="error.screen_capture.picture_refused">
        <source>The desktop refused to give Quorvane a picture of the screen. Capture again and allow it if the desktop asks.</source>
        <extracomment>Error when the desktop&apos;s screenshot service (Wayland) refused to give a picture of the screen; such desktops may have no privacy settings at all</extracomment>
        <translation>डेस्कटॉप ने Quorvane को स्क्रीन की तस्वीर देने से मना कर दिया। फिर से कैप्चर करें और डेस्कटॉप पूछे तो अनुमति दें।</translation>
    </message>
    <message id="preferences.shortcuts.header_unavailable">
        <source>The keyboard shortcuts Quorvane would use, which this desktop does not let programs take</source>
        <extracomment>Shortcuts header where the desktop lets no program take global shortcuts (the key fields below are greyed out)</extracomment>
        <translation>वे कीबोर्ड शॉर्टकट जिन्हें Quorvane इस्तेमाल करता, पर यह डेस्कटॉप प्रोग्रामों को उन्हें लेने नहीं देता</translation>
    </message>
    <message id="onboarding.welcome.description_without_shortcuts">
        <source>Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Start a capture, drag to select, and the text is instantly copied to your clipboard.</source>
        <extracomment>Welcome page description where the desktop offers programs no global shortcuts (so there is no shortcut to press yet)</extracomment>
        <translation>Quorvane से छवियों, वीडियो, PDF और आपकी स्क्रीन की किसी भी सामग्री से टेक्स्ट निकालना आसान हो जाता है। कैप्चर शुरू करें, खींचकर क्षेत्र चुनें, और टेक्स्ट तुरंत आपके क्लिपबोर्ड पर कॉपी हो जाता है।</translation>
    </message>
    <message id="command.capture_cancelled">
        <source>The running capture was cancelled.</source>
        <extracomment>What a command asking for a capture did while the same kind of capture was being read: it cancelled that capture</extracomment>
        <translation>चल रहा कैप्चर रद्द कर दिया गया।</translation>
    </message>
    <message id="command_line.start_failed">
        <source>Quorvane could not be started: %1</source>
        <extracomment>A command was given while Quorvane did not run, and it could not be started; %1 says why</extracomment>
        <translation>Quorvane शुरू नहीं हो सका: %1</translation>
    </message>
    <message id="command_line.start_no_answer">
        <source>Quorvane was started but did not come up to take the command.</source>
        <extracomment>A command was given while Quorvane did not run; the copy started for it ended or did not answer</extracomment>
        <translation>Quorvane शुरू हुआ, पर आदेश लेने के लिए तैयार नहीं हुआ।</translation>
    </message>
    <message id="settings_file.folder_of_another_user">
        <source>The folder %1 belongs to the user %2, so Quorvane cannot keep its settings there private.</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the name of the user who owns it</extracomment>
        <translation>फ़ोल्डर %1 उपयोगकर्ता %2 का है, इसलिए Quorvane वहाँ अपनी सेटिंग्स निजी नहीं रख सकता।</translation>
    </message>
    <message id="settings_file.cannot_restrict_folder">
        <source>Cannot make the folder %1 private: %2</source>
        <extracomment>The settings could not be saved; %1 is their folder, %2 the system&apos;s reason</extracomment>
        <translation>फ़ोल्डर %1 को निजी नहीं बनाया जा सकता: %2</translation>
    </message>
    <message id="notification.history_records_set_aside.message">
        <source>Some history records could not be read and were kept as %1. Every other capture is in the history.</source>
        <extracomment>Warning message when some history records could not be read; %1 is the file they were kept in</extracomment>
        <translation>इतिहास के कुछ रिकॉर्ड पढ़े नहीं जा सके और उन्हें %1 के रूप में रखा गया। बाकी सभी कैप्चर इतिहास में हैं।</translation>
    </message>
    <message id="pin_widget.text.part_shown">
        <source>Only the first %1 of %2 characters are shown, and the text cannot be edited here. Copy takes the whole text.</source>
        <extracomment>Note under a pin&apos;s text that is too long to show whole; %1 and %2 are numbers of characters</extracomment>
        <translation>केवल पहले %1 (कुल %2) अक्षर दिखाए गए हैं, और टेक्स्ट यहाँ संपादित नहीं किया जा सकता। कॉपी पूरा टेक्स्ट लेता है।</translation>
    </message>
    <message id="pin_widget.quit_unwritten.title">
        <source>The Pin Is Not Saved</source>
        <extracomment>Title when the program is asked to quit while the pin could not be saved</extracomment>
        <translation>पिन सहेजा नहीं गया है</translation>
    </message>
    <message id="pin_widget.quit_unwritten.message">
        <source>The pin&apos;s latest changes could not be written (%1), so they will be lost when Quorvane quits. Copy the text from the pin, or free some disk space and quit again.</source>
        <extracomment>Message when the program is asked to quit while the pin could not be saved; %1 is why</extracomment>
        <translation>पिन के नवीनतम बदलाव लिखे नहीं जा सके (%1), इसलिए Quorvane बंद होने पर वे खो जाएँगे। पिन से टेक्स्ट कॉपी करें, या डिस्क पर कुछ जगह खाली करके फिर से बंद करें।</translation>
    </message>
    <message id="pin_widget.quit_unwritten.quit">
        <source>Quit Anyway</source>
        <extracomment>Button that quits although the pin&apos;s changes will be lost</extracomment>
        <translation>फिर भी बंद करें</translation>
    </message>
    <message id="pin_widget.unwritten.note">
        <source>Not saved: %1. The pin keeps your changes and tries again.</source>
        <extracomment>Note on a pin whose changes could not be written; %1 is why</extracomment>
        <translation>सहेजा नहीं गया: %1। पिन आपके बदलाव रखता है और फिर से कोशिश करता है।</translation>
    </message>
    <message id="updater.reason.no_download_page">
        <source>the update names no download page</source>
        <extracomment>Why an update is refused: the feed names no page to get it from</extracomment>
        <translation>अपडेट में कोई डाउनलोड पेज नहीं बताया गया है</translation>
    </message>
    <message id="error.no_result">
        <source>The operation ended without a result</source>
        <extracomment>Shown when an operation finished but handed back neither a result nor an error</extracomment>
        <translation>कार्रवाई बिना किसी परिणाम के समाप्त हुई</translation>
    </message>
    <message id="error.unknown">
        <source>Unknown error</source>
        <extracomment>Shown when an operation failed in a way the program cannot describe</extracomment>
        <translation>अज्ञात त्रुटि</translation>
    </message>
    <message id="error.screen_capture.reason.unreadable">
        <source>Could not read the screen</source>
        <extracomment>Why a screen capture failed: no monitor&apos;s picture could be taken</extracomment>
        <translation>स्क्रीन पढ़ी नहीं जा सकी</translation>
    </message>
    <message id="ocr_error.reason.unreadable_image">
        <source>Tesseract could not read the %1 x %2 pixel image</source>
        <extracomment>Why recognition failed: the engine refused the picture; %1 x %2 is its size</extracomment>
        <translation>Tesseract %1 × %2 पिक्सेल की छवि नहीं पढ़ सका</translation>
    </message>
    <message id="error.history.reason.cannot_write">
        <source>Cannot write %1</source>
        <extracomment>Why the history cannot be kept; %1 is a path</extracomment>
        <translation>%1 में लिखा नहीं जा सकता</translation>
    </message>
    <message id="error.history.reason.cannot_set_aside">
        <source>Cannot read or move %1</source>
        <extracomment>Why the history cannot be kept: its file can neither be read nor set aside; %1 is its path</extracomment>
        <translation>%1 को न पढ़ा जा सकता है, न हटाया जा सकता है</translation>
    </message>
    <message id="error.file.cannot_save">
        <source>Cannot save %1: %2</source>
        <extracomment>Why a file of the program could not be saved; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>%1 सहेजा नहीं जा सकता: %2</translation>
    </message>
    <message id="error.file.short_write">
        <source>only %1 of %2 bytes were written</source>
        <extracomment>Why a file could not be saved: the disk took only part of it; %1 and %2 count bytes</extracomment>
        <translation>%2 में से केवल %1 बाइट लिखे गए</translation>
    </message>
    <message id="error.file.cannot_remove">
        <source>Cannot remove %1: %2</source>
        <extracomment>Why a file of the program could not be removed; %1 is its path, %2 the system&apos;s reason</extracomment>
        <translation>%1 हटाया नहीं जा सकता: %2</translation>
    </message>
    <message id="notification.window.title">
        <source>Quorvane Notice</source>
        <extracomment>Title of the small window that tells how a capture ended, where the desktop shows no notifications; window lists show it</extracomment>
        <translation>Quorvane सूचना</translation>
    </message>
    <message id="pin_widget.window.title">
        <source>Pinned Capture</source>
        <extracomment>Title of the floating window that shows a pinned capture; window lists show it</extracomment>
        <translation>पिन किया गया कैप्चर</translation>
    </message>
    <message id="menubar.window.title">
        <source>Quorvane Menu</source>
        <extracomment>Title of the tray icon&apos;s menu where the desktop shows it as a window of its own; window lists show it</extracomment>
        <translation>Quorvane मेनू</translation>
    </message>
</context>
</TS>
