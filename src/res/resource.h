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
