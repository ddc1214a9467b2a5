// Resource identifiers of the launcher.
#pragma once

// String table
#define IDS_GAME_NAME            102  // the game's display name
#define IDS_START_MENU_FOLDER    103  // game name, hyphen, platform code
#define IDS_WINDOW_TITLE         104
#define IDS_UNINSTALL_NAME       105
#define IDS_LOGIN_URL            109
#define IDS_CLEARING_CACHE       111
#define IDS_GAME_CODE            112
#define IDS_DOWNLOAD_FILE        113  // "\jnqztmp.exe"
#define IDS_PLATFORM_PATH        114  // "\r6m_3\"
#define IDS_UNINSTALL_COPY       115  // "\cache\jnqztmpu.exe"
#define IDS_PLATFORM_FOLDER      118
#define IDS_PLATFORM_CODE        119
#define IDS_VERSION_SERVER       191
#define IDS_VERSION_QUERY        192
#define IDS_SETTINGS_FILE        197  // "res//systemset.ini", relative to the data folder

// Dialog templates
#define IDD_MAIN_WINDOW          102
#define IDD_LOGIN                103
#define IDD_MESSAGE_BOX          164
#define IDD_MASK                 274

// Other resources
#define IDB_LOGIN_BACKGROUND     129
#define IDR_TRAY_MENU            154
#define IDR_SETTINGS_ARCHIVE     269
#define IDI_LAUNCHER             273
#define IDR_ACCELERATORS         304

// Skin images, resource type "PNG" (the dialogs and windows below refer to them by these ids)
#define IDP_TITLE_FILL           172
#define IDP_TITLE_LEFT           203
#define IDP_TITLE_RIGHT          206
#define IDP_MASK_VEIL            275
#define IDP_MASK_FRAME_FIRST     276  // 276 to 279: the spinner's frames
#define IDP_MSGBOX_BACKGROUND    306
#define IDP_MSGBOX_CANCEL_HOT    313
#define IDP_MSGBOX_CANCEL        314
#define IDP_MSGBOX_OK_HOT        315
#define IDP_MSGBOX_OK            316
#define IDP_MSGBOX_CLOSE         318

// Controls
#define IDC_MSGBOX_CLOSE         1001
