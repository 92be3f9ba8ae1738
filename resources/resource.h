// Identifiers shared by the resource scripts and the code: strings, controls, resources.
#ifndef TUMBLERIDGE_RESOURCE_H
#define TUMBLERIDGE_RESOURCE_H

// ---------------------------------------------------------------- string table
#define IDS_SETUP_FAILED            4
#define IDS_ENGINE_FAILED           6
#define IDS_CAPTION                 9
#define IDS_NO_PREVIEW_DISC         10
#define IDS_NO_PREVIEWS             11
#define IDS_HELP_FAILED             12
#define IDS_NO_CUSTOM_ARCHIVES      16
#define IDS_NO_MAIN_ARCHIVE         17
#define IDS_DISPLAY_WARNING         18
#define IDS_CARD_VOODOO1            19
#define IDS_CARD_VOODOO2            20
#define IDS_CARD_BANSHEE            21
#define IDS_CARD_I740               22
#define IDS_CARD_G200               23
#define IDS_CARD_RIVA_TNT           24
#define IDS_CARD_RIVA_128           25
#define IDS_CARD_RAGE_PRO           26
#define IDS_CARD_PERMEDIA2          27
#define IDS_CARD_V2X00              28
#define IDS_CARD_SAVAGE             29
#define IDS_CARD_VIRGE              30
#define IDS_CARD_M3D                31
#define IDS_CARD_MGA                32
#define IDS_CARD_V1000              33
#define IDS_HELP_SOUND              34
#define IDS_HELP_MUSIC              35
#define IDS_HELP_MOVIES             36
#define IDS_DEVELOPER_WEB           37
#define IDS_HELP_FOG                38
#define IDS_PUBLISHER_WEB_LINK      39
#define IDS_HELP_JOYSTICK           42
#define IDS_HELP_TRIPBUF            45
#define IDS_HELP_CURSOR             46
#define IDS_HELP_LOADSCREEN         47
#define IDS_HELP_RESTORE            48
#define IDS_HELP_COMMANDLINE        49
#define IDS_ADVANCED_WARNING        50
#define IDS_NO_RENDERERS            51
#define IDS_WEB_FAILED              52
#define IDS_PUBLISHER_WEB           53
#define IDS_HELP_FILE               54
#define IDS_ENGINE_WINDOW_TITLE     57
#define IDS_REGISTRY_PRODUCT        58
#define IDS_DISC_MARKER             59
#define IDS_SETUP_PROGRAM           61
#define IDS_ARCHIVE_STEM            62
#define IDS_PICTURE_COUNT           63
#define IDS_ALREADY_RUNNING         64
#define IDS_NO_SOUND_PROVIDERS      65
#define IDS_NO_3D_SOUND             66
#define IDS_SOUND_QUERY_WARNING     67
#define IDS_CARD_RAGE_128           72
#define IDS_LABEL_SOUND             74
#define IDS_LABEL_MUSIC             75
#define IDS_LABEL_MOVIES            76
#define IDS_LABEL_FOG               77
#define IDS_LABEL_JOYSTICK          78
#define IDS_LABEL_TRIPBUF           79
#define IDS_LABEL_CURSOR            80
#define IDS_LABEL_LOADSCREEN        81
#define IDS_LABEL_RESTORE           82
#define IDS_LABEL_COMMANDLINE       83
#define IDS_LANGUAGE                84
#define IDS_ARCHIVES_LEFT_OUT       90      // add-on archives too many to store whole
#define IDS_DISPLAY_NOT_SAVED       91      // the display choice not written into autoexec.cfg: %s the reason
#define IDS_SAVE_FOLDER_DENIED      92      // the reasons, 92 to 98
#define IDS_SAVE_DISK_FULL          93
#define IDS_SAVE_FILE_IN_USE        94
#define IDS_SAVE_FILE_READ_ONLY     95
#define IDS_SAVE_LINE_IN_THE_WAY    96      // %s the line's first word, %s the key
#define IDS_SAVE_VALUE_UNWRITABLE   97      // %s the key
#define IDS_SAVE_SYSTEM_ERROR       98      // %s the system's text of the error

// ---------------------------------------------------------------- other resources
#define IDB_MAIN_PICTURE            138     // the 320 by 240, 256-colour picture of the main window

// ---------------------------------------------------------------- "GAME": main window
// Commands 1 and 2 are IDOK (Launch) and IDCANCEL (Quit).
#define IDC_GAME_SETUP              3
#define IDC_GAME_CUSTOMIZE          4
#define IDC_GAME_PREVIEWS           5
#define IDC_GAME_WEB                6
#define IDC_GAME_MULTIPLAYER        8
#define IDC_GAME_DISPLAY            9
#define IDC_GAME_HELP               10
#define IDC_GAME_PLAY               1000
#define IDC_GAME_PICTURE_FRAME      1003
#define IDC_GAME_SETUP_ALT          1005
#define IDC_GAME_ADVANCED           1007
#define IDC_GAME_LINK_ZONE1         1083
#define IDC_GAME_LINK_ZONE2         1084

// ---------------------------------------------------------------- "DISPLAY"
#define IDC_DISPLAY_DEVICES         1032
#define IDC_DISPLAY_MODES           1033
#define IDC_DISPLAY_RENDERERS       1034

// ---------------------------------------------------------------- "ADVANCED"
#define IDC_ADV_COMMANDS            1042
#define IDC_ADV_SAVE_COMMANDS       1043
#define IDC_ADV_DISABLE_SOUND       1050
#define IDC_ADV_DISABLE_MUSIC       1051
#define IDC_ADV_RESTORE_DEFAULTS    1054
#define IDC_ADV_DISABLE_MOVIES      1055
#define IDC_ADV_DISABLE_FOG         1057
#define IDC_ADV_DISABLE_TRIPBUF     1058
#define IDC_ADV_CARD_NOTES          1066
#define IDC_ADV_DISABLE_JOYSTICK    1067
#define IDC_ADV_3D_SOUND            1068
#define IDC_ADV_OPTION_HELP         1069
#define IDC_ADV_DISABLE_CURSOR      1071
#define IDC_ADV_DISABLE_LOADSCREEN  1073

// ---------------------------------------------------------------- "ADV_HELP" and "ADV_3D"
#define IDC_HELP_TEXT               1070
#define IDC_HELP_TOPICS             1072

// ---------------------------------------------------------------- "CUSTOMIZE"
#define IDC_CUSTOM_ADD              1037
#define IDC_CUSTOM_REMOVE           1038
#define IDC_CUSTOM_AVAILABLE        1039
#define IDC_CUSTOM_CHOSEN           1040
#define IDC_CUSTOM_KEEP             1043
#define IDC_CUSTOM_UP               1044
#define IDC_CUSTOM_DOWN             1045

// ---------------------------------------------------------------- add-on sets: "CUSTOMIZE" and "SAVE_SET"
#define IDC_CUSTOM_SET              1046    // the drop-down list of the sets
#define IDC_CUSTOM_SAVE_SET         1047
#define IDC_CUSTOM_DELETE_SET       1048
#define IDC_SAVE_SET_NAME           1049    // "SAVE_SET": the name box
#define IDS_SET_TOO_LONG            110     // their messages, in the string table
#define IDS_SET_NAME_EMPTY          111
#define IDS_SET_NAME_TOO_LONG       112
#define IDS_SET_REPLACE             113
#define IDS_SET_DELETE              114
#define IDS_SET_NOT_SAVED           115
#define IDS_SET_NOT_DELETED         116

// ---------------------------------------------------------------- "3DSOUND"
#define IDC_SOUND_PROVIDERS         1075
#define IDC_SOUND_3D_SAMPLES        1076
#define IDC_SOUND_2D_SAMPLES        1077
#define IDC_SOUND_REVERB_0          1078
#define IDC_SOUND_REVERB_30         1079
#define IDC_SOUND_REVERB_60         1080
#define IDC_SOUND_REVERB_100        1081
#define IDC_SOUND_REVERB_125        1082
#define IDC_SOUND_REVERB_150        1083

// ---------------------------------------------------------------- "PREVIEWS", "MOVIES", "DEMOS"
#define IDC_PREVIEW_PLAY_MOVIE      1002
#define IDC_PREVIEW_START_DEMO      1004
#define IDC_PREVIEW_MOVIES          1006
#define IDC_PREVIEW_DEMOS           1008

#endif
